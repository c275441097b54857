#include "style/number_lists.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace qel {
namespace {

constexpr int32_t kMostColorPieces = 4;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Exactly eight digits and nothing after them: a shorter or longer text is no colour, and
// no byte past the given digits is read.
bool ParseHexColor(const char* digits, struct nk_color& out) {
  nk_byte channels[4] = {};
  for (int i = 0; i < 8; ++i) {
    const int digit = HexDigit(digits[i]);
    if (digit < 0) return false;  // also stops at the terminating zero
    channels[i / 2] = static_cast<nk_byte>(channels[i / 2] * 16 + digit);
  }
  if (digits[8] != '\0') return false;
  out = nk_rgba(channels[0], channels[1], channels[2], channels[3]);
  return true;
}

nk_byte ClampByte(long value) { return static_cast<nk_byte>(value < 0 ? 0 : value > 255 ? 255 : value); }

// A unit float scaled to a byte; NaN reads as 0.
nk_byte UnitToByte(float value) {
  if (!(value > 0.0f)) return 0;
  if (value >= 1.0f) return 255;
  return static_cast<nk_byte>(std::lround(value * 255.0f));
}

}  // namespace

int32_t NumberPieces(const char* text, const char* starts[], int32_t most) {
  int32_t count = 0;
  if (!text) return 0;
  for (const char* at = text; *at && count < most;) {
    if (*at == ',') {
      ++at;
      continue;
    }
    starts[count++] = at;
    while (*at && *at != ',') ++at;
  }
  return count;
}

int32_t ParseFloatList(const char* text, float out[], int32_t most) {
  const char* starts[16];
  const int32_t count = NumberPieces(text, starts, most < 16 ? most : 16);
  // strtof stops at the comma that ends a piece, as it would at the piece's end.
  for (int32_t i = 0; i < count; ++i) out[i] = std::strtof(starts[i], nullptr);
  return count;
}

bool ParseColorText(const char* text, struct nk_color& out) {
  if (!text) return false;
  if (text[0] == '0' && text[1] == 'x') {
    const char* digits = text + 2;
    if (*digits == '#') ++digits;
    return ParseHexColor(digits, out);
  }
  const char* starts[kMostColorPieces];
  const int32_t count = NumberPieces(text, starts, kMostColorPieces);
  if (count < 3) return false;
  nk_byte channels[4] = {0, 0, 0, 255};
  const bool integers = std::strchr(text, '.') == nullptr;
  for (int32_t i = 0; i < count; ++i)
    channels[i] = integers ? ClampByte(std::strtol(starts[i], nullptr, 10)) : UnitToByte(std::strtof(starts[i], nullptr));
  out = nk_rgba(channels[0], channels[1], channels[2], channels[3]);
  return true;
}

}  // namespace qel
