// Compares two frames pixel by pixel with a tolerance per colour channel: the same interface
// drawn by two builds (Linux, Windows) may differ in the last bit of a blended edge, never more.
#pragma once

#include <cstdint>

#include "qelhost.h"

namespace qel::engine {

struct FrameDifference {
  bool same_size = false;
  int largest = 0;             // the largest difference of any channel of any pixel
  int64_t pixels_over = 0;     // pixels with a channel differing by more than the tolerance
  int first_x = -1, first_y = -1;  // the first such pixel, rows top first
};

FrameDifference CompareFrames(const Pixels& a, const Pixels& b, int tolerance);

// True when the sizes match and no channel differs by more than the tolerance.
inline bool WithinTolerance(const FrameDifference& d) { return d.same_size && d.pixels_over == 0; }

}  // namespace qel::engine
