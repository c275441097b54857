// Items, close and end of combos, menus and contextual menus: one function under every name
// of its group, so an item behaves the same whatever popup it is drawn in.
//
// [SECTION] items
// [SECTION] close and end
// [SECTION] the other names
#include "frame/boundary.h"
#include "frame/exports.h"
#include "images/image_table.h"
#include "widgets/buttons.h"
#include "widgets/popup_context.h"

using namespace qel;

namespace {

nk_flags Align(int32_t alignment) { return static_cast<nk_flags>(alignment); }

// Runs one of Nuklear's contextual items. A clicked item closes the popup it is in and takes
// the click with it. Outside a popup Nuklear would hide the window itself instead, so there
// the window's hidden bit is put back as it was.
template <class DrawItem>
int32_t Item(DrawItem&& draw) {
  nk_context* ctx = CellContext();
  if (!ctx) return 0;
  nk_window* win = ctx->current;
  const nk_flags hidden_before = win->flags & NK_WINDOW_HIDDEN;
  const int fired = draw(ctx);
  if (fired && !InPopup(ctx)) win->flags = (win->flags & ~static_cast<nk_flags>(NK_WINDOW_HIDDEN)) | hidden_before;
  return ConsumeClick(ctx, fired);
}

int32_t ImageItem(const struct nk_image& image, const char* text, int length, int32_t alignment) {
  return Item([&](nk_context* ctx) {
    return nk_contextual_item_image_text(ctx, image, TextOrEmpty(text), length, Align(alignment));
  });
}

}  // namespace

// [SECTION] items

int32_t ComboItemLabel(const char* label, int32_t alignment) {
  return Item([&](nk_context* ctx) {
    return nk_contextual_item_text(ctx, TextOrEmpty(label), LabelLength(label), Align(alignment));
  });
}

int32_t ComboItemText(const char* text, int32_t length, int32_t alignment) {
  return Item([&](nk_context* ctx) {
    return nk_contextual_item_text(ctx, TextOrEmpty(text), TextLength(text, length), Align(alignment));
  });
}

int32_t ComboItemSymbolLabel(int32_t symbol, const char* label, int32_t alignment) {
  return Item([&](nk_context* ctx) {
    return nk_contextual_item_symbol_text(ctx, ToSymbolType(symbol), TextOrEmpty(label), LabelLength(label),
                                          Align(alignment));
  });
}

int32_t ComboItemSymbolText(int32_t symbol, const char* text, int32_t length, int32_t alignment) {
  return Item([&](nk_context* ctx) {
    return nk_contextual_item_symbol_text(ctx, ToSymbolType(symbol), TextOrEmpty(text), TextLength(text, length),
                                          Align(alignment));
  });
}

// The image is looked up before anything else, so a missing one is logged even when no item
// can be drawn.
int32_t ComboItemImageLabel0(int32_t slot, const char* label, int32_t alignment) {
  const struct nk_image image = LookupImageSlot(slot);
  return ImageItem(image, label, LabelLength(label), alignment);
}

int32_t ComboItemImageLabel1(const char* name, const char* label, int32_t alignment) {
  const struct nk_image image = LookupImageName(name);
  return ImageItem(image, label, LabelLength(label), alignment);
}

int32_t ComboItemImageText0(int32_t slot, const char* text, int32_t length, int32_t alignment) {
  const struct nk_image image = LookupImageSlot(slot);
  return ImageItem(image, text, TextLength(text, length), alignment);
}

int32_t ComboItemImageText1(const char* name, const char* text, int32_t length, int32_t alignment) {
  const struct nk_image image = LookupImageName(name);
  return ImageItem(image, text, TextLength(text, length), alignment);
}

// Contextual menus have these two as functions of their own, with the same behaviour.
int32_t ContextualItemImageText0(int32_t slot, const char* text, int32_t length, int32_t alignment) {
  const struct nk_image image = LookupImageSlot(slot);
  return ImageItem(image, text, TextLength(text, length), alignment);
}

int32_t ContextualItemImageText1(const char* name, const char* text, int32_t length, int32_t alignment) {
  const struct nk_image image = LookupImageName(name);
  return ImageItem(image, text, TextLength(text, length), alignment);
}

// [SECTION] close and end
// Only a popup is closed or ended: outside one, Nuklear would hide or end the window itself.

void ComboClose() {
  nk_context* ctx = WidgetContext();
  if (ctx && InPopup(ctx)) nk_contextual_close(ctx);
}

void ComboEnd() {
  nk_context* ctx = WidgetContext();
  if (ctx && InPopup(ctx)) nk_contextual_end(ctx);
}

// [SECTION] the other names

QEL_EXPORT_ALIAS(MenuItemLabel, ComboItemLabel)
QEL_EXPORT_ALIAS(MenuItemText, ComboItemText)
QEL_EXPORT_ALIAS(MenuItemSymbolLabel, ComboItemSymbolLabel)
QEL_EXPORT_ALIAS(MenuItemSymbolText, ComboItemSymbolText)
QEL_EXPORT_ALIAS(MenuItemImageLabel0, ComboItemImageLabel0)
QEL_EXPORT_ALIAS(MenuItemImageLabel1, ComboItemImageLabel1)
QEL_EXPORT_ALIAS(MenuItemImageText0, ComboItemImageText0)
QEL_EXPORT_ALIAS(MenuItemImageText1, ComboItemImageText1)
QEL_EXPORT_ALIAS(MenuClose, ComboClose)
QEL_EXPORT_ALIAS(MenuEnd, ComboEnd)
QEL_EXPORT_ALIAS(ContextualClose, ComboClose)
QEL_EXPORT_ALIAS(ContextualEnd, ComboEnd)
QEL_EXPORT_ALIAS(ContextualItemLabel, ComboItemLabel)
QEL_EXPORT_ALIAS(ContextualItemText, ComboItemText)
QEL_EXPORT_ALIAS(ContextualItemSymbolLabel, ComboItemSymbolLabel)
QEL_EXPORT_ALIAS(ContextualItemSymbolText, ComboItemSymbolText)
QEL_EXPORT_ALIAS(ContextualItemImageLabel0, ComboItemImageLabel0)
QEL_EXPORT_ALIAS(ContextualItemImageLabel1, ComboItemImageLabel1)
