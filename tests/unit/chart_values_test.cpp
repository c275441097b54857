#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "widgets/charts.h"

namespace qel {
namespace {

nk_chart_slot Slot(float min, float max, int count = 4, int index = 0) {
  nk_chart_slot slot{};
  slot.min = min;
  slot.max = max;
  slot.range = max - min;
  slot.count = count;
  slot.index = index;
  return slot;
}

TEST(ChartValues, ValuesAreHeldToTheRange) {
  const nk_chart_slot slot = Slot(0, 10);
  EXPECT_EQ(ChartClamp(slot, 15), 10.0f);
  EXPECT_EQ(ChartClamp(slot, -3), 0.0f);
  EXPECT_EQ(ChartClamp(slot, 4.5f), 4.5f);
  EXPECT_EQ(ChartClamp(slot, -std::numeric_limits<float>::max()), 0.0f);
}

TEST(ChartValues, OnlyDrawableValuesAreTaken) {
  const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    nk_chart_slot slot;
    float value;
    bool taken;
  };
  const Case cases[] = {
      {Slot(0, 10), 5, true},
      {Slot(0, 10), nan, false},
      {Slot(0, 10), inf, false},
      {Slot(0, 10), -inf, false},
      {Slot(5, 5), 5, false},                // no range to place a value in
      {Slot(0, nan), 1, false},
      {Slot(-3e38f, 3e38f), 1, false},       // the range overflows
      {Slot(0, 10, 0), 1, false},            // a series of no values
      {Slot(0, 10, 3, 3), 1, false},         // full
      {Slot(0, 10, 3, 2), 1, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChartSlotTakes(c.slot, c.value), c.taken)
        << c.slot.min << ".." << c.slot.max << " count " << c.slot.count << " index " << c.slot.index << " value "
        << c.value;
  }
}

TEST(ChartValues, ColumnsStartAtZeroOrTheRangeEndNearestIt) {
  EXPECT_EQ(ChartColumnBase(Slot(0, 10)), 0.0f);
  EXPECT_EQ(ChartColumnBase(Slot(-5, 5)), 0.0f);
  EXPECT_EQ(ChartColumnBase(Slot(5, 10)), 5.0f);
  EXPECT_EQ(ChartColumnBase(Slot(-10, -5)), -5.0f);
}

}  // namespace
}  // namespace qel
