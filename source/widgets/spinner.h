// The spinner: a number field between a minus and a plus button that repeat while held. The
// one spinner being typed into keeps its text here, so its field survives the frames in
// which the script passes its old value in.
#pragma once

#include <cstdint>

#include "nuklear_config.h"

namespace qel {

// 15 characters and the NUL: the longest text a spinner field holds.
inline constexpr int kSpinTextSize = 16;

struct SpinnerState {
  uint32_t active_id = 0;                // hash of the spinner being typed into; 0 = none
  char edit_text[kSpinTextSize] = {};    // its text as typed so far
};

SpinnerState& Spinner();

// Float mode shows decimals and reads fractions and exponents; integer mode whole numbers.
enum class SpinMode { kInteger, kFloat };

// Decimals a float spinner shows: the script's number limited to 0 to 99.
int32_t SpinDecimals(int32_t decimals);

// The value limited to [min, max] when max > min (NaN goes to min); else the value itself.
float LimitSpinValue(float value, float min, float max);

// The text of a value in a field of 15 characters. Float mode: `decimals` places, fewer when
// the text would not fit, then exponent form; NaN shows as 0 and an infinity as the largest float.
// Integer mode: the value truncated toward zero and held to the int range.
void SpinnerText(float value, SpinMode mode, int32_t decimals, char (&out)[kSpinTextSize]);

// The number at the start of a text: blanks skipped, a sign, then digits (float mode: with a
// '.' fraction and an exponent). Text without a number reads 0; numbers past the float (or,
// in integer mode, the int) range are held at its ends.
float ReadSpinnerNumber(const char* text, SpinMode mode);

// A float truncated toward zero into an int, held at the int range's ends; NaN gives 0.
int32_t TruncateToInt(float value);

}  // namespace qel
