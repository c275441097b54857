// The column list of LayoutRow: any text gives a list of numbers, read within the text.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "widgets/layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = qel::fuzz::InputText(data, size);
  std::vector<float> columns = {1.0f};
  qel::ParseRowRatios(text.c_str(), columns);
  // Every column is one token: a list never holds more columns than half the text after "[".
  const char* open = std::strchr(text.c_str(), '[');
  const size_t after = open ? std::strlen(open + 1) : 0;
  if (columns.size() > (after + 1) / 2) __builtin_trap();
  return 0;
}
