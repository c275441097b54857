// Single-element tags: a widget style made by StyleMake, a style item made by StyleMakeItem1,
// then used through the style stack as a script would.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "frame/exports.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qel::fuzz::ResetStyleState();
  const std::vector<std::string> parts = qel::fuzz::InputParts(data, size, 2);
  const std::string& name = parts[0];
  const std::string& tag = parts[1];
  StyleMakeItem1(tag.c_str());
  if (StyleMake(name.c_str(), tag.c_str())) {
    StylePush(name.c_str());
    StylePop();
  }
  return 0;
}
