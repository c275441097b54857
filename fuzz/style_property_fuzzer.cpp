// One live-style field set and read by widget name, property name (or path) and value text,
// as StyleSetContextProperty and StyleGetContextProperty take them from a script.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "frame/exports.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qel::fuzz::ResetStyleState();
  const std::vector<std::string> parts = qel::fuzz::InputParts(data, size, 3);
  StyleSetContextProperty(parts[0].c_str(), parts[1].c_str(), parts[2].c_str());
  StyleGetContextProperty(parts[0].c_str(), parts[1].c_str());
  return 0;
}
