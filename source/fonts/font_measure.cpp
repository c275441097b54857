// Measuring with the current style font: the one FontStashEnd or StyleSetFont chose last.
// Without one every measure is 0.
#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/plugin_state.h"

namespace {

const nk_user_font* StyleFont() {
  nk_context* ctx = qel::Context();
  return ctx ? ctx->style.font : nullptr;
}

float Measure(const char* text, int length) {
  const nk_user_font* font = StyleFont();
  if (!font || !font->width || !text || length <= 0) return 0.0f;
  return font->width(font->userdata, font->height, text, length);
}

}  // namespace

float FontGetHeight() {
  const nk_user_font* font = StyleFont();
  return font ? font->height : 0.0f;
}

float FontGetLabelWidth(const char* text) { return Measure(text, qel::LabelLength(text)); }

// Never past the terminator, whatever length the script gives.
float FontGetTextWidth(const char* text, int32_t length) { return Measure(text, qel::TextLength(text, length)); }
