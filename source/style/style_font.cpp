// Choosing the live style's font by the id it was registered under.
#include "fonts/font_table.h"
#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"

using namespace qel;

void StyleSetFont(const char* id) {
  const char* name = TextOrEmpty(id);
  const nk_user_font* font = Fonts().Find(name);
  if (!font) {
    QEL_LOG(StyleFontMissing, name);
    return;
  }
  // Inside an open window Nuklear also recomputes the row's minimum height from it.
  if (nk_context* ctx = Context()) nk_style_set_font(ctx, font);
}
