// Text and labels, and the two helpers every widget export with text or a colour shares:
// the packed colour and the bounded text length.
#pragma once

#include <cstdint>

#include "nuklear_config.h"

namespace qel {

// A packed colour: red in bits 0-7, green 8-15, blue 16-23, alpha 24-31, byte for byte.
constexpr nk_color UnpackColor(int32_t packed) {
  const uint32_t bits = static_cast<uint32_t>(packed);
  return nk_color{static_cast<nk_byte>(bits & 0xFF), static_cast<nk_byte>((bits >> 8) & 0xFF),
                  static_cast<nk_byte>((bits >> 16) & 0xFF), static_cast<nk_byte>((bits >> 24) & 0xFF)};
}

// The bytes of a script's text that a widget may use: `length`, but never past the text's
// terminating NUL; 0 for a null text. A negative length gives 0.
int TextLength(const char* text, int32_t length);

// Bytes before the first NUL; 0 for a null text.
int LabelLength(const char* text);

// The text itself, or "" for a null text, so Nuklear never sees a null pointer.
inline const char* TextOrEmpty(const char* text) { return text ? text : ""; }

}  // namespace qel
