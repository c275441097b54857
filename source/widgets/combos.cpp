// Combo headers over Nuklear's own, and the whole combo over a separated list of pieces.
//
// [SECTION] headers
// [SECTION] separated lists
#include <algorithm>

#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/plugin_state.h"
#include "images/image_table.h"
#include "widgets/buttons.h"
#include "widgets/popup_context.h"

using namespace qel;

namespace {

struct nk_vec2 Size(float width, float height) { return nk_vec2(width, height); }


}  // namespace

// [SECTION] headers

int32_t ComboBeginLabel(const char* label, float width, float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return 0;
  return BeganPopup(ctx,nk_combo_begin_text(ctx, TextOrEmpty(label), LabelLength(label), Size(width, height)));
}

int32_t ComboBeginText(const char* text, int32_t length, float width, float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return 0;
  return BeganPopup(ctx,nk_combo_begin_text(ctx, TextOrEmpty(text), TextLength(text, length), Size(width, height)));
}

int32_t ComboBeginColor0(int32_t red, int32_t green, int32_t blue, int32_t alpha, float width, float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return 0;
  const nk_color color = nk_rgba(red & 0xFF, green & 0xFF, blue & 0xFF, alpha & 0xFF);
  return BeganPopup(ctx,nk_combo_begin_color(ctx, color, Size(width, height)));
}

int32_t ComboBeginColor1(int32_t color, float width, float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return 0;
  return BeganPopup(ctx,nk_combo_begin_color(ctx, UnpackColor(color), Size(width, height)));
}

int32_t ComboBeginSymbol(int32_t symbol, float width, float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return 0;
  return BeganPopup(ctx,nk_combo_begin_symbol(ctx, ToSymbolType(symbol), Size(width, height)));
}

int32_t ComboBeginSymbolLabel(const char* label, int32_t symbol, float width, float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return 0;
  return BeganPopup(ctx,nk_combo_begin_symbol_text(ctx, TextOrEmpty(label), LabelLength(label), ToSymbolType(symbol),
                                         Size(width, height)));
}

int32_t ComboBeginSymbolText(const char* text, int32_t length, int32_t symbol, float width, float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return 0;
  return BeganPopup(ctx,nk_combo_begin_symbol_text(ctx, TextOrEmpty(text), TextLength(text, length), ToSymbolType(symbol),
                                         Size(width, height)));
}

// The image is looked up before anything else, so a missing one is logged even when no
// header can be drawn.
namespace {

int32_t ImageHeader(const struct nk_image& image, float width, float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return 0;
  return BeganPopup(ctx,nk_combo_begin_image(ctx, image, Size(width, height)));
}

int32_t ImageTextHeader(const struct nk_image& image, const char* text, int length, float width, float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx) return 0;
  return BeganPopup(ctx,nk_combo_begin_image_text(ctx, TextOrEmpty(text), length, image, Size(width, height)));
}

}  // namespace

int32_t ComboBeginImage0(int32_t slot, float width, float height) {
  const struct nk_image image = LookupImageSlot(slot);
  return ImageHeader(image, width, height);
}

int32_t ComboBeginImage1(const char* name, float width, float height) {
  const struct nk_image image = LookupImageName(name);
  return ImageHeader(image, width, height);
}

int32_t ComboBeginImageLabel0(const char* label, int32_t slot, float width, float height) {
  const struct nk_image image = LookupImageSlot(slot);
  return ImageTextHeader(image, label, LabelLength(label), width, height);
}

int32_t ComboBeginImageLabel1(const char* label, const char* name, float width, float height) {
  const struct nk_image image = LookupImageName(name);
  return ImageTextHeader(image, label, LabelLength(label), width, height);
}

int32_t ComboBeginImageText0(const char* text, int32_t length, int32_t slot, float width, float height) {
  const struct nk_image image = LookupImageSlot(slot);
  return ImageTextHeader(image, text, TextLength(text, length), width, height);
}

int32_t ComboBeginImageText1(const char* text, int32_t length, const char* name, float width, float height) {
  const struct nk_image image = LookupImageName(name);
  return ImageTextHeader(image, text, TextLength(text, length), width, height);
}

// [SECTION] separated lists

namespace qel {

int SplitPieces(MenusState& state, const char* text, int32_t separator, int32_t limit) {
  state.pieces.clear();
  state.piece_starts.clear();
  if (!text || limit < 1) return 0;
  const bool splits = separator > 0 && separator < 256;
  // First the pieces, NUL after each; then their starts, once the storage no longer moves.
  int count = 1;
  for (const char* at = text; *at; ++at) {
    if (splits && static_cast<unsigned char>(*at) == separator) {
      if (count == limit) break;
      state.pieces.push_back('\0');
      ++count;
    } else {
      state.pieces.push_back(*at);
    }
  }
  state.pieces.push_back('\0');
  const char* piece = state.pieces.c_str();
  for (int i = 0; i < count; ++i) {
    state.piece_starts.push_back(piece);
    piece += std::char_traits<char>::length(piece) + 1;
  }
  return count;
}

}  // namespace qel

// Nuklear's own separated combo walks `count` pieces whatever the text holds, past its end;
// this one walks only the pieces there are. The header shows the selected piece (nothing
// when no piece has that index) and a clicked item becomes the selection.
int32_t ComboSeparator(const char* items, int32_t separator, int32_t selected, int32_t count, int32_t item_height,
                       float width, float height) {
  nk_context* ctx = PopupHeaderContext();
  if (!ctx || !items) return selected;
  MenusState& menus = State().menus;
  const int pieces = SplitPieces(menus, items, separator, count);
  if (pieces == 0) return selected;
  const int row = std::max(item_height, 0);

  // The popup is never taller than its items need, as Nuklear sizes it.
  const struct nk_vec2 spacing = ctx->style.window.spacing;
  const struct nk_vec2 padding = ctx->style.window.combo_padding;
  const float needed = static_cast<float>(pieces) * (static_cast<float>(row) + static_cast<int>(spacing.y)) +
                       2.0f * static_cast<int>(spacing.y) + 2.0f * static_cast<int>(padding.y);
  const char* shown = selected >= 0 && selected < pieces ? menus.piece_starts[selected] : "";
  if (!BeganPopup(ctx, nk_combo_begin_text(ctx, shown, LabelLength(shown), Size(width, std::min(height, needed)))))
    return selected;
  nk_layout_row_dynamic(ctx, static_cast<float>(row), 1);
  for (int i = 0; i < pieces; ++i)
    if (ComboItemLabel(menus.piece_starts[i], NK_TEXT_LEFT)) selected = i;
  ComboEnd();
  return selected;
}
