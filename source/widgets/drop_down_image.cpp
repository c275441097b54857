// The image drop-down: a button showing the selected image of a list of named images that
// opens a static popup with a column of image buttons, one per name. One drop-down can be
// open at a time; the open one is known by the top-left corner of its slot.
#include <algorithm>

#include "frame/exports.h"
#include "frame/plugin_state.h"
#include "images/image_table.h"
#include "widgets/buttons.h"
#include "widgets/popup_context.h"

using namespace qel;

namespace {

constexpr const char* kPopupTitle = "_drop_down_image_";

bool Contains(const DropDownRect& r, struct nk_vec2 p) {
  return p.x >= r.x && p.x < r.x + r.w && p.y >= r.y && p.y < r.y + r.h;
}

int32_t DropDown(const char* const* names, int32_t count, int32_t selected, int32_t visible_rows) {
  if (!names || count < 1) return -1;
  int32_t sel = std::clamp(selected, 0, count - 1);
  const int32_t rows = std::clamp(visible_rows, 1, count);

  const struct nk_image header_image = LookupImageName(names[sel]);
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return sel;
  DropDownRect& open = State().menus.drop_down;
  const struct nk_rect b = nk_widget_bounds(ctx);
  const nk_style_window& style = ctx->style.window;

  bool close = false;
  if (ConsumeClick(ctx, nk_button_image(ctx, header_image)) && open.h == 0) {
    const float width = 2 * (style.popup_padding.x + style.popup_border) + style.scrollbar_size.x + b.w + style.spacing.x;
    const float height = static_cast<float>(rows) * (b.h + style.spacing.y) + 2 * style.popup_padding.y +
                         2 * style.popup_border + style.scrollbar_size.y;
    open = {b.x, b.y, width, height};
  } else {
    close = !Contains(open, ctx->input.mouse.pos) && nk_input_is_mouse_released(&ctx->input, NK_BUTTON_LEFT);
  }
  if (!(open.h > 0 && open.x == b.x && open.y == b.y)) return sel;  // another one's popup

  // The popup takes its rectangle relative to the window's content, the drop-down's state is
  // in interface pixels: the popup lies exactly over the rectangle the mouse is tested on.
  const struct nk_rect clip = ctx->current->layout->clip;
  const struct nk_rect local = nk_rect(open.x - clip.x, open.y - clip.y, open.w, open.h);
  if (!nk_popup_begin(ctx, NK_POPUP_STATIC, kPopupTitle, NK_WINDOW_BORDER, local)) {
    if (close) open = {};  // a popup that cannot show must not keep every drop-down shut
    return sel;
  }
  nk_layout_row_static(ctx, b.h, static_cast<int>(b.h), 1);
  for (int32_t i = 0; i < count; ++i) {
    if (ConsumeClick(ctx, nk_button_image(ctx, LookupImageName(names[i])))) {
      open = {};
      nk_popup_close(ctx);
      sel = i;
      break;
    }
  }
  if (close) {
    open = {};
    nk_popup_close(ctx);
  }
  nk_popup_end(ctx);
  return sel;
}

}  // namespace

int32_t DropDownImage(const char* const* names, int32_t count, int32_t selected, int32_t visible_rows) {
  return DropDown(names, count, selected, visible_rows);
}

// For scripts, which cannot build an array of strings: the names are the pieces of one string.
int32_t DropDownImageSeparator(const char* names, int32_t separator, int32_t count, int32_t selected,
                               int32_t visible_rows) {
  MenusState& menus = State().menus;
  const int pieces = SplitPieces(menus, names, separator, count);
  if (pieces < 1) return -1;
  return DropDown(menus.piece_starts.data(), pieces, selected, visible_rows);
}
