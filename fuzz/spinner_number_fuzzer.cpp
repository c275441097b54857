// The spinner's typed text read back as a number: always a finite value in range.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "widgets/spinner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = qel::fuzz::InputText(data, size);
  const float integer = qel::ReadSpinnerNumber(text.c_str(), qel::SpinMode::kInteger);
  const float decimal = qel::ReadSpinnerNumber(text.c_str(), qel::SpinMode::kFloat);
  if (!std::isfinite(integer) || !std::isfinite(decimal)) __builtin_trap();
  if (integer != std::trunc(integer) || std::fabs(integer) > 2147483648.0f) __builtin_trap();
  return 0;
}
