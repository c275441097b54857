// What every export does to the script's values at the boundary: null texts read as empty,
// text lengths that never run past a terminator, packed colours, and the little-endian byte
// order of everything the plug-in writes to or reads from host memory blocks.
//
// [SECTION] texts
// [SECTION] packed colours
// [SECTION] little-endian bytes
#pragma once

#include <cstdint>
#include <cstring>

#include "nuklear_config.h"

namespace qel {

// [SECTION] texts

// The text itself, or "" for a null text, so that neither Nuklear nor a table ever sees a
// null pointer. Host strings the host did not give read the same way.
inline const char* TextOrEmpty(const char* text) { return text ? text : ""; }

// The bytes of a script's text that a widget may use: `length`, but never past the text's
// terminating NUL; 0 for a null text. A negative length gives 0.
int TextLength(const char* text, int32_t length);

// Bytes before the first NUL; 0 for a null text. A text longer than INT_MAX bytes counts
// INT_MAX, the most a Nuklear length can hold.
int LabelLength(const char* text);

// A Nuklear truth value as the 0 or 1 an export answers.
inline int32_t Bool(int value) { return value ? 1 : 0; }

// [SECTION] packed colours
// One 32-bit integer: red in bits 0-7, green 8-15, blue 16-23, alpha 24-31 (opaque red is
// 0xFF0000FF), byte for byte an nk_color.

constexpr nk_color UnpackColor(int32_t packed) {
  const uint32_t bits = static_cast<uint32_t>(packed);
  return nk_color{static_cast<nk_byte>(bits & 0xFF), static_cast<nk_byte>((bits >> 8) & 0xFF),
                  static_cast<nk_byte>((bits >> 16) & 0xFF), static_cast<nk_byte>((bits >> 24) & 0xFF)};
}

constexpr int32_t PackColor(nk_color color) {
  const uint32_t bits = static_cast<uint32_t>(color.r) | (static_cast<uint32_t>(color.g) << 8) |
                        (static_cast<uint32_t>(color.b) << 16) | (static_cast<uint32_t>(color.a) << 24);
  return static_cast<int32_t>(bits);
}

// [SECTION] little-endian bytes
// Memory blocks are laid out for the 32-bit little-endian host, whatever this build's own
// byte order: values are written and read byte by byte.

inline void StoreU16(uint8_t* out, uint16_t value) {
  out[0] = static_cast<uint8_t>(value & 0xFF);
  out[1] = static_cast<uint8_t>(value >> 8);
}

inline uint16_t LoadU16(const uint8_t* in) { return static_cast<uint16_t>(in[0] | (in[1] << 8)); }

inline void StoreU32(uint8_t* out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

inline uint32_t LoadU32(const uint8_t* in) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(in[i]) << (8 * i);
  return value;
}

// IEEE single precision, by its bits.
inline void StoreF32(uint8_t* out, float value) {
  static_assert(sizeof(float) == sizeof(uint32_t), "a float is 32 bits");
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  StoreU32(out, bits);
}

inline float LoadF32(const uint8_t* in) {
  const uint32_t bits = LoadU32(in);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace qel
