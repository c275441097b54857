// A cursor's size and offset as they are drawn.
#include <gtest/gtest.h>

#include <limits>

#include "style/cursors.h"

namespace qel {
namespace {

constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct PlacementCase {
  const char* what;
  float size_x, size_y, offset_x, offset_y;
  float want_w, want_h, want_ox, want_oy;
  bool bounded;
};

TEST(CursorPlacement, SizesDefaultToTheImageAndStayDrawable) {
  // The image is 64 by 32.
  const PlacementCase cases[] = {
      {"as passed", 16, 16, -8, -8, 16, 16, -8, -8, false},
      {"zero takes the image's", 0, 0, 8, 8, 64, 32, 8, 8, false},
      {"each axis on its own", -1, 5, 0, 0, 64, 5, 0, 0, false},
      {"a fraction stays", 0.5f, 1.5f, 0.25f, 0, 0.5f, 1.5f, 0.25f, 0, false},
      {"at the limit", 16384, 16384, -16384, 16384, 16384, 16384, -16384, 16384, false},
      {"beyond the limit", 20000, 1e30f, -1e30f, 17000, 16384, 16384, -16384, 16384, true},
      {"not a number", kNan, 4, kNan, 3, 64, 4, 0, 3, true},
      {"infinite", kInf, -kInf, kInf, -kInf, 16384, 32, 16384, -16384, true},
  };
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(c.what);
    const CursorPlacement p = PlaceCursor(c.size_x, c.size_y, c.offset_x, c.offset_y, 64, 32);
    EXPECT_EQ(p.size.x, c.want_w);
    EXPECT_EQ(p.size.y, c.want_h);
    EXPECT_EQ(p.offset.x, c.want_ox);
    EXPECT_EQ(p.offset.y, c.want_oy);
    EXPECT_EQ(p.bounded, c.bounded);
  }
}

}  // namespace
}  // namespace qel
