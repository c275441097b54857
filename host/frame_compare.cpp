#include "frame_compare.h"

#include <algorithm>
#include <cstdlib>

namespace qel::engine {

FrameDifference CompareFrames(const Pixels& a, const Pixels& b, int tolerance) {
  FrameDifference d;
  const size_t bytes = static_cast<size_t>(a.width) * static_cast<size_t>(a.height) * 4;
  d.same_size = a.width == b.width && a.height == b.height && a.rgba.size() == bytes && b.rgba.size() == bytes;
  if (!d.same_size) return d;
  for (size_t pixel = 0; pixel < bytes / 4; ++pixel) {
    int worst = 0;
    for (size_t channel = 0; channel < 4; ++channel) {
      const size_t at = pixel * 4 + channel;
      worst = std::max(worst, std::abs(int(a.rgba[at]) - int(b.rgba[at])));
    }
    d.largest = std::max(d.largest, worst);
    if (worst <= tolerance) continue;
    if (d.pixels_over++ == 0) {
      d.first_x = static_cast<int>(pixel % static_cast<size_t>(a.width));
      d.first_y = static_cast<int>(pixel / static_cast<size_t>(a.width));
    }
  }
  return d;
}

}  // namespace qel::engine
