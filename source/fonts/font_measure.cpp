// Measuring with the current style font: the one FontStashEnd or StyleSetFont chose last.
// Without one every measure is 0.
#include <climits>
#include <cstring>

#include "frame/exports.h"
#include "frame/plugin_state.h"

namespace {

const nk_user_font* StyleFont() {
  nk_context* ctx = qel::Context();
  return ctx ? ctx->style.font : nullptr;
}

float Measure(const char* text, size_t length) {
  const nk_user_font* font = StyleFont();
  if (!font || !font->width || !text || length == 0) return 0.0f;
  const size_t most = static_cast<size_t>(INT_MAX);
  return font->width(font->userdata, font->height, text, static_cast<int>(length < most ? length : most));
}

}  // namespace

float FontGetHeight() {
  const nk_user_font* font = StyleFont();
  return font ? font->height : 0.0f;
}

float FontGetLabelWidth(const char* text) { return Measure(text, text ? std::strlen(text) : 0); }

float FontGetTextWidth(const char* text, int32_t length) {
  // Never past the terminator, whatever length the script gives.
  if (!text || length <= 0) return 0.0f;
  size_t bytes = 0;
  while (bytes < static_cast<size_t>(length) && text[bytes] != '\0') ++bytes;
  return Measure(text, bytes);
}
