// Style documents given as text, applied to the live style and the style tables as
// StyleLoadFromString applies them (image files are missing: the host has none).
#include <cstddef>
#include <cstdint>
#include <string>

#include "frame/exports.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qel::fuzz::ResetStyleState();
  const std::string text = qel::fuzz::InputText(data, size);
  StyleLoadFromString(text.c_str());
  return 0;
}
