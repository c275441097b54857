#include "pixels.h"

#include <algorithm>
#include <cstddef>

namespace qel {

uint32_t Pixels::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 4;
  if (at + 3 >= rgba.size()) return 0;
  return uint32_t{rgba[at]} | uint32_t{rgba[at + 1]} << 8 | uint32_t{rgba[at + 2]} << 16 |
         uint32_t{rgba[at + 3]} << 24;
}

namespace engine {

void FlipRows(Pixels& pixels) {
  const auto row = static_cast<std::ptrdiff_t>(pixels.width) * 4;
  if (row <= 0 || pixels.rgba.size() < static_cast<size_t>(row * pixels.height)) return;
  for (std::ptrdiff_t top = 0, bottom = pixels.height - 1; top < bottom; ++top, --bottom)
    std::swap_ranges(pixels.rgba.begin() + top * row, pixels.rgba.begin() + (top + 1) * row,
                     pixels.rgba.begin() + bottom * row);
}

}  // namespace engine
}  // namespace qel
