// The menu bar and menu headers over Nuklear's own. Items, close and end are the combo's
// (popup_items.cpp).
//
// [SECTION] menu bar
// [SECTION] headers
#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/plugin_state.h"
#include "images/image_table.h"
#include "widgets/buttons.h"
#include "widgets/popup_context.h"

using namespace qel;

namespace {

struct nk_vec2 Size(float width, float height) { return nk_vec2(width, height); }

nk_flags Align(int32_t alignment) { return static_cast<nk_flags>(alignment); }


}  // namespace

// [SECTION] menu bar
// The bar is remembered by its panel: an end with no bar begun in the current panel would
// move the panel's content area by whatever its menu fields last held.

void MenubarBegin() {
  nk_context* ctx = CellContext();
  if (!ctx) return;
  const nk_panel*& open = State().menus.frame.menubar;
  if (open == ctx->current->layout) return;  // already begun here
  nk_menubar_begin(ctx);
  open = ctx->current->layout;
}

void MenubarEnd() {
  nk_context* ctx = WidgetContext();
  const nk_panel*& open = State().menus.frame.menubar;
  if (!ctx || !open || open != ctx->current->layout) return;
  nk_menubar_end(ctx);
  open = nullptr;
}

// [SECTION] headers

int32_t MenuBeginLabel(const char* label, int32_t alignment, float width, float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return 0;
  return BeganPopup(ctx,nk_menu_begin_text(ctx, TextOrEmpty(label), LabelLength(label), Align(alignment), Size(width, height)));
}

int32_t MenuBeginText(const char* text, int32_t length, int32_t alignment, float width, float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return 0;
  return BeganPopup(ctx,
      nk_menu_begin_text(ctx, TextOrEmpty(text), TextLength(text, length), Align(alignment), Size(width, height)));
}

int32_t MenuBeginSymbol(const char* id, int32_t symbol, float width, float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return 0;
  return BeganPopup(ctx,nk_menu_begin_symbol(ctx, TextOrEmpty(id), ToSymbolType(symbol), Size(width, height)));
}

int32_t MenuBeginSymbolLabel(const char* label, int32_t alignment, int32_t symbol, float width, float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return 0;
  return BeganPopup(ctx,nk_menu_begin_symbol_text(ctx, TextOrEmpty(label), LabelLength(label), Align(alignment),
                                        ToSymbolType(symbol), Size(width, height)));
}

int32_t MenuBeginSymbolText(const char* text, int32_t length, int32_t alignment, int32_t symbol, float width,
                            float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return 0;
  return BeganPopup(ctx,nk_menu_begin_symbol_text(ctx, TextOrEmpty(text), TextLength(text, length), Align(alignment),
                                        ToSymbolType(symbol), Size(width, height)));
}

// The image is looked up before anything else, so a missing one is logged even when no
// header can be drawn.
namespace {

int32_t ImageHeader(const char* id, const struct nk_image& image, float width, float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return 0;
  return BeganPopup(ctx,nk_menu_begin_image(ctx, TextOrEmpty(id), image, Size(width, height)));
}

int32_t ImageTextHeader(const struct nk_image& image, const char* text, int length, int32_t alignment, float width,
                        float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return 0;
  return BeganPopup(ctx,
      nk_menu_begin_image_text(ctx, TextOrEmpty(text), length, Align(alignment), image, Size(width, height)));
}

}  // namespace

int32_t MenuBeginImage0(const char* id, int32_t slot, float width, float height) {
  const struct nk_image image = LookupImageSlot(slot);
  return ImageHeader(id, image, width, height);
}

int32_t MenuBeginImage1(const char* id, const char* name, float width, float height) {
  const struct nk_image image = LookupImageName(name);
  return ImageHeader(id, image, width, height);
}

int32_t MenuBeginImageLabel0(const char* label, int32_t alignment, int32_t slot, float width, float height) {
  const struct nk_image image = LookupImageSlot(slot);
  return ImageTextHeader(image, label, LabelLength(label), alignment, width, height);
}

int32_t MenuBeginImageLabel1(const char* label, int32_t alignment, const char* name, float width, float height) {
  const struct nk_image image = LookupImageName(name);
  return ImageTextHeader(image, label, LabelLength(label), alignment, width, height);
}

int32_t MenuBeginImageText0(const char* text, int32_t length, int32_t alignment, int32_t slot, float width,
                            float height) {
  const struct nk_image image = LookupImageSlot(slot);
  return ImageTextHeader(image, text, TextLength(text, length), alignment, width, height);
}

int32_t MenuBeginImageText1(const char* text, int32_t length, int32_t alignment, const char* name, float width,
                            float height) {
  const struct nk_image image = LookupImageName(name);
  return ImageTextHeader(image, text, TextLength(text, length), alignment, width, height);
}
