// The comma-separated number lists of style values and the colour syntax.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "style/number_lists.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = qel::fuzz::InputText(data, size);
  const char* begin = text.c_str();
  const char* end = begin + text.size();

  const char* starts[8];
  const int32_t pieces = qel::NumberPieces(begin, starts, 8);
  if (pieces < 0 || pieces > 8) __builtin_trap();
  for (int32_t i = 0; i < pieces; ++i) {
    // Each piece starts inside the text, on something that is not a separator.
    if (starts[i] < begin || starts[i] >= end || *starts[i] == ',') __builtin_trap();
    if (i > 0 && starts[i] <= starts[i - 1]) __builtin_trap();
  }

  float values[4] = {-1.0f, -1.0f, -1.0f, -1.0f};
  const int32_t read = qel::ParseFloatList(begin, values, 4);
  if (read < 0 || read > 4 || read != (pieces < 4 ? pieces : 4)) __builtin_trap();

  struct nk_color color = {1, 2, 3, 4};
  const bool parsed = qel::ParseColorText(begin, color);
  // A colour comes from eight hex digits or from three or four numbers, nothing less.
  if (parsed && std::strncmp(begin, "0x", 2) != 0 && pieces < 3) __builtin_trap();
  return 0;
}
