// Text and labels.
#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/plugin_state.h"

using namespace qel;

void Label(const char* text, int32_t alignment) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return;
  nk_text(ctx, TextOrEmpty(text), LabelLength(text), static_cast<nk_flags>(alignment));
}

void LabelColored(const char* text, int32_t alignment, int32_t color) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return;
  nk_text_colored(ctx, TextOrEmpty(text), LabelLength(text), static_cast<nk_flags>(alignment), UnpackColor(color));
}

void LabelWrap(const char* text) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return;
  nk_text_wrap(ctx, TextOrEmpty(text), LabelLength(text));
}

void LabelColoredWrap(const char* text, int32_t color) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return;
  nk_text_wrap_colored(ctx, TextOrEmpty(text), LabelLength(text), UnpackColor(color));
}

void Text(const char* text, int32_t length, int32_t alignment) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return;
  nk_text(ctx, TextOrEmpty(text), TextLength(text, length), static_cast<nk_flags>(alignment));
}

void TextColored(const char* text, int32_t length, int32_t alignment, int32_t color) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return;
  nk_text_colored(ctx, TextOrEmpty(text), TextLength(text, length), static_cast<nk_flags>(alignment),
                  UnpackColor(color));
}

void TextWrap(const char* text, int32_t length) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return;
  nk_text_wrap(ctx, TextOrEmpty(text), TextLength(text, length));
}

void TextWrapColored(const char* text, int32_t length, int32_t color) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return;
  nk_text_wrap_colored(ctx, TextOrEmpty(text), TextLength(text, length), UnpackColor(color));
}
