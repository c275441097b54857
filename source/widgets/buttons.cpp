// Buttons.
//
// [SECTION] plain buttons
// [SECTION] image buttons
// [SECTION] button behaviour
#include "widgets/buttons.h"

#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/plugin_state.h"
#include "images/image_table.h"

using namespace qel;

namespace {

int32_t MaxBehaviorDepth(const nk_context* ctx) {
  return static_cast<int32_t>(sizeof ctx->stacks.button_behaviors.elements /
                              sizeof ctx->stacks.button_behaviors.elements[0]);
}

}  // namespace

// [SECTION] plain buttons

int32_t ButtonLabel(const char* label) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return 0;
  return ConsumeClick(ctx, nk_button_text(ctx, TextOrEmpty(label), LabelLength(label)));
}

int32_t ButtonText(const char* text, int32_t length) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return 0;
  return ConsumeClick(ctx, nk_button_text(ctx, TextOrEmpty(text), TextLength(text, length)));
}

int32_t ButtonColor(int32_t color) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return 0;
  return ConsumeClick(ctx, nk_button_color(ctx, UnpackColor(color)));
}

int32_t ButtonSymbol(int32_t symbol) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return 0;
  return ConsumeClick(ctx, nk_button_symbol(ctx, ToSymbolType(symbol)));
}

int32_t ButtonSymbolLabel(int32_t symbol, const char* label, int32_t alignment) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return 0;
  return ConsumeClick(ctx, nk_button_symbol_text(ctx, ToSymbolType(symbol), TextOrEmpty(label),
                                                 LabelLength(label), static_cast<nk_flags>(alignment)));
}

int32_t ButtonSymbolText(int32_t symbol, const char* text, int32_t length, int32_t alignment) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return 0;
  return ConsumeClick(ctx, nk_button_symbol_text(ctx, ToSymbolType(symbol), TextOrEmpty(text),
                                                 TextLength(text, length), static_cast<nk_flags>(alignment)));
}

// [SECTION] image buttons
// The image is looked up before anything else, so a missing one is logged even when no
// button can be drawn.

namespace {

int32_t ImageButton(const struct nk_image& image) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return 0;
  return ConsumeClick(ctx, nk_button_image(ctx, image));
}

int32_t ImageTextButton(const struct nk_image& image, const char* text, int length, int32_t alignment) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return 0;
  return ConsumeClick(ctx, nk_button_image_text(ctx, image, TextOrEmpty(text), length,
                                                static_cast<nk_flags>(alignment)));
}

}  // namespace

int32_t ButtonImage0(int32_t slot) { return ImageButton(LookupImageSlot(slot)); }

int32_t ButtonImage1(const char* name) { return ImageButton(LookupImageName(name)); }

int32_t ButtonImageLabel0(int32_t slot, const char* label, int32_t alignment) {
  const struct nk_image image = LookupImageSlot(slot);
  return ImageTextButton(image, label, LabelLength(label), alignment);
}

int32_t ButtonImageLabel1(const char* name, const char* label, int32_t alignment) {
  const struct nk_image image = LookupImageName(name);
  return ImageTextButton(image, label, LabelLength(label), alignment);
}

int32_t ButtonImageText0(int32_t slot, const char* text, int32_t length, int32_t alignment) {
  const struct nk_image image = LookupImageSlot(slot);
  return ImageTextButton(image, text, TextLength(text, length), alignment);
}

int32_t ButtonImageText1(const char* name, const char* text, int32_t length, int32_t alignment) {
  const struct nk_image image = LookupImageName(name);
  return ImageTextButton(image, text, TextLength(text, length), alignment);
}

// Unlike the others, the record is read only when there is a button to draw.
int32_t ButtonMemblockImage(int32_t memblock) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return 0;
  return ConsumeClick(ctx, nk_button_image(ctx, LookupImageMemblock(memblock)));
}

// [SECTION] button behaviour

void ButtonSetBehavior(int32_t behavior) {
  if (nk_context* ctx = Context()) nk_button_set_behavior(ctx, ButtonBehavior(behavior));
}

int32_t ButtonPushBehavior(int32_t behavior) {
  nk_context* ctx = Context();
  if (!ctx || ctx->stacks.button_behaviors.head >= MaxBehaviorDepth(ctx)) return 0;
  return nk_button_push_behavior(ctx, ButtonBehavior(behavior)) ? 1 : 0;
}

int32_t ButtonPopBehavior() {
  nk_context* ctx = Context();
  if (!ctx || ctx->stacks.button_behaviors.head < 1) return 0;
  return nk_button_pop_behavior(ctx) ? 1 : 0;
}
