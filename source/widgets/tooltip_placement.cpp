#include "widgets/tooltip_placement.h"

#include <cmath>
#include <limits>

namespace qel {
namespace {

int32_t ClampToInt(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLow = std::numeric_limits<int32_t>::min(), kHigh = std::numeric_limits<int32_t>::max();
  if (value <= kLow) return std::numeric_limits<int32_t>::min();
  if (value >= kHigh) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

// Sums of screen coordinates are taken in 64 bits and brought back into range.
int32_t Narrow(int64_t value) {
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

}  // namespace

int32_t FloorToInt(float value) { return ClampToInt(std::floor(static_cast<double>(value))); }
int32_t CeilToInt(float value) { return ClampToInt(std::ceil(static_cast<double>(value))); }
int32_t TruncToInt(float value) { return ClampToInt(std::trunc(static_cast<double>(value))); }

TooltipPlace PlaceTooltip(float width, float mouse_x, float mouse_y, float offset_x, float offset_y,
                          const TooltipStyle& style, int32_t virtual_width, int32_t virtual_height) {
  TooltipPlace place;
  const int32_t border = TruncToInt(style.border);
  place.w = CeilToInt(width);
  place.h = TruncToInt(3.0f * style.padding_y + style.font_height + 2.0f * static_cast<float>(border) +
                       style.spacing_y);
  place.x = FloorToInt(mouse_x + 1.0f + offset_x);
  place.y = FloorToInt(mouse_y + 1.0f + offset_y);
  if (int64_t{place.x} + place.w > virtual_width) place.x = Narrow(int64_t{virtual_width} - place.w - border);
  if (int64_t{place.y} + place.h > virtual_height) place.y = Narrow(int64_t{virtual_height} - place.h - border);
  if (place.x < 0) place.x = 0;
  if (place.y < 0) place.y = 0;
  return place;
}

}  // namespace qel
