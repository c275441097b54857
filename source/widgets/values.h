// Helpers of the value widgets that hold script numbers to what Nuklear can take.
#pragma once

#include <cstdint>

namespace qel {

// Largest magnitudes a property is given. Nuklear prints a float property through an int
// cast, and adds an int property's step (or a drag's pixels times the pixel step) without
// looking at overflow; within these ranges neither goes wrong.
inline constexpr int32_t kPropertyIntLimit = 1 << 30;
inline constexpr float kPropertyFloatLimit = 1073741824.0f;  // 2^30
inline constexpr float kPropertyPixelStepLimit = 65536.0f;

// The value held to [-limit, limit]; NaN gives 0.
float PropertyBound(float value, float limit);

// Four components each limited to [0, 1] (NaN as 0), times 255 truncated, packed red in the
// low byte up to alpha in the high byte.
int32_t PackUnitColor(float red, float green, float blue, float alpha);

// Whether Nuklear can draw a slider of these: finite ends that differ, a finite step above 0
// and a value that is a number.
bool SlideArgumentsValid(float min, float value, float max, float step);

}  // namespace qel
