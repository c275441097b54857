// Where a tooltip opens: at the pointer plus the offset, pushed back inside the virtual
// screen, never negative, whatever floats the script passes.
#include <gtest/gtest.h>

#include <limits>

#include "widgets/tooltip_placement.h"

namespace qel {
namespace {

TEST(TooltipPlacement, StaysInsideTheVirtualScreen) {
  // padding y 4, spacing y 4, border 2.9 (taken as 2), font 13: height 12 + 13 + 4 + 4 = 33.
  const TooltipStyle style{4.0f, 4.0f, 2.9f, 13.0f};
  const float kNaN = std::numeric_limits<float>::quiet_NaN();
  const float kInf = std::numeric_limits<float>::infinity();
  struct Case {
    const char* what;
    float width, mouse_x, mouse_y, offset_x, offset_y;
    TooltipPlace expected;
  } cases[] = {
      {"free space: one pixel right of and below the pointer", 150, 100, 100, 0, 0, {101, 101, 150, 33}},
      {"fractions: position floored, width rounded up", 149.2f, 100.6f, 100.4f, 0.5f, -0.5f, {102, 100, 150, 33}},
      {"right edge: ends the border before it", 150, 590, 100, 0, 0, {640 - 150 - 2, 101, 150, 33}},
      {"exactly fits the right edge", 150, 489, 100, 0, 0, {490, 101, 150, 33}},
      {"bottom edge: ends the border above it", 100, 100, 470, 0, 0, {101, 480 - 33 - 2, 100, 33}},
      {"bottom-right corner", 100, 639, 479, 0, 0, {640 - 100 - 2, 480 - 33 - 2, 100, 33}},
      {"negative offsets past the top-left corner", 100, 5, 5, -50, -50, {0, 0, 100, 33}},
      {"wider than the screen: pinned at 0", 700, 300, 100, 0, 0, {0, 101, 700, 33}},
      {"offset above the pointer", 100, 100, 100, 0, -20, {101, 81, 100, 33}},
      {"NaN pointer and offsets", kNaN, kNaN, kNaN, kNaN, kNaN, {0, 0, 0, 33}},
      {"infinite offsets", 100, 100, 100, kInf, -kInf, {640 - 100 - 2, 0, 100, 33}},
      {"huge width", 3e9f, 100, 100, 0, 0, {0, 101, std::numeric_limits<int32_t>::max(), 33}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TooltipPlace place = PlaceTooltip(c.width, c.mouse_x, c.mouse_y, c.offset_x, c.offset_y, style, 640, 480);
    EXPECT_EQ(place.x, c.expected.x);
    EXPECT_EQ(place.y, c.expected.y);
    EXPECT_EQ(place.w, c.expected.w);
    EXPECT_EQ(place.h, c.expected.h);
  }
}

}  // namespace
}  // namespace qel
