// Comparing two frames within a per-channel tolerance.
#include <gtest/gtest.h>

#include "frame_compare.h"

namespace qel::engine {
namespace {

Pixels Solid(int width, int height, uint8_t value) {
  Pixels p;
  p.width = width;
  p.height = height;
  p.rgba.assign(static_cast<size_t>(width) * height * 4, value);
  return p;
}

TEST(FrameCompare, CountsPixelsBeyondTheToleranceInAnyChannel) {
  struct Case {
    const char* what;
    int x, y, channel, delta, tolerance;
    bool within;
    int largest;
    int64_t over;
  };
  const Case cases[] = {
      {"identical", 0, 0, 0, 0, 0, true, 0, 0},
      {"difference at the tolerance", 2, 1, 1, 3, 3, true, 3, 0},
      {"one over, red", 2, 1, 0, 4, 3, false, 4, 1},
      {"one over, alpha only", 3, 2, 3, 9, 3, false, 9, 1},
      {"darker counts as much as lighter", 1, 0, 2, -5, 4, false, 5, 1},
      {"last pixel", 3, 2, 0, 1, 0, false, 1, 1},
  };
  for (const Case& c : cases) {
    const Pixels a = Solid(4, 3, 100);
    Pixels b = a;
    b.rgba[(static_cast<size_t>(c.y) * 4 + c.x) * 4 + c.channel] = static_cast<uint8_t>(100 + c.delta);
    const FrameDifference d = CompareFrames(a, b, c.tolerance);
    EXPECT_TRUE(d.same_size) << c.what;
    EXPECT_EQ(WithinTolerance(d), c.within) << c.what;
    EXPECT_EQ(d.largest, c.largest) << c.what;
    EXPECT_EQ(d.pixels_over, c.over) << c.what;
    if (c.over) {
      EXPECT_EQ(std::make_pair(d.first_x, d.first_y), std::make_pair(c.x, c.y)) << c.what;
    }
  }
}

TEST(FrameCompare, FramesOfDifferentShapesOrBrokenBuffersNeverMatch) {
  Pixels short_buffer = Solid(4, 3, 0);
  short_buffer.rgba.pop_back();
  const std::pair<Pixels, Pixels> cases[] = {
      {Solid(4, 3, 0), Solid(3, 4, 0)},  // same pixel count, other shape
      {Solid(4, 3, 0), Solid(4, 2, 0)},
      {Solid(4, 3, 0), short_buffer},
      {short_buffer, short_buffer},
  };
  for (const auto& [a, b] : cases) {
    const FrameDifference d = CompareFrames(a, b, 255);
    EXPECT_FALSE(d.same_size);
    EXPECT_FALSE(WithinTolerance(d));
  }
  EXPECT_TRUE(WithinTolerance(CompareFrames(Solid(0, 0, 0), Solid(0, 0, 0), 0)));  // two empty frames agree
}

}  // namespace
}  // namespace qel::engine
