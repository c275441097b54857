// Charts through the real exports, read back from the drawn frame: values held to their
// series' range, series colours and the highlight of the value under the mouse.
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "widget_fixture.h"

namespace qel {
namespace {

constexpr int32_t kLines = 0, kColumns = 1;
constexpr uint32_t kRed = 0x0000FF, kWhite = 0xFFFFFF, kBlue = 0xFF0000;  // as Pixels::At packs them
const int32_t kRedPacked = static_cast<int32_t>(Rgba(255, 0, 0)), kWhitePacked = static_cast<int32_t>(Rgba(255, 255, 255)),
              kBluePacked = static_cast<int32_t>(Rgba(0, 0, 255));

class Charts : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    StartWidgets();
    host().MoveMouse(600, 400);
  }
  // One frame of a window with one chart row; `chart` describes the chart. `cell_` is its cell.
  void Draw(const std::function<void()>& chart) {
    Frame([&] {
      if (api().WindowBegin("chart", 0, 0, 300, 200, kNoScrollbar)) {
        api().LayoutRowDynamic(120, 1);
        api().WidgetBounds();
        cell_ = InterfaceRect();
        chart();
      }
      api().WindowEnd();
    });
  }
  // A red chart of one value; the red pixels it drew and the push's result.
  ColorBox One(int32_t type, float min, float max, float value, int32_t* result = nullptr) {
    Draw([&] {
      if (api().ChartBeginColored(type, kRedPacked, kWhitePacked, 1, min, max)) {
        const int32_t events = api().ChartPush(value);
        if (result) *result = events;
        api().ChartEnd();
      }
    });
    return Red();
  }
  ColorBox Red() { return FindColor(host().Screen(), kRed, 8); }
  int Bottom() const { return static_cast<int>(cell_.y + cell_.h); }

  Rect cell_;
};

TEST_F(Charts, ValuesPastTheRangeAreDrawnAtItsEnds) {
  struct Case {
    const char* name;
    int32_t type;
    float min, max, pushed, reference;
  };
  const Case cases[] = {
      {"line above", kLines, 0, 10, 15, 10},      {"line below", kLines, 0, 10, -3, 0},
      {"column above", kColumns, 0, 10, 15, 10},  {"column above zero", kColumns, -5, 5, 9, 5},
      {"column below zero", kColumns, -5, 5, -9, -5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ColorBox reference = One(c.type, c.min, c.max, c.reference);
    const ColorBox pushed = One(c.type, c.min, c.max, c.pushed);
    ASSERT_GT(reference.count, 0);
    EXPECT_EQ(pushed.count, reference.count);
    EXPECT_EQ(pushed.top, reference.top);
    EXPECT_EQ(pushed.bottom, reference.bottom);
  }
  // The top of the range is the top of the chart, the bottom its bottom.
  const ColorBox top = One(kLines, 0, 10, 15);
  EXPECT_LT(top.top, cell_.y + 12);
  const ColorBox bottom = One(kLines, 0, 10, -3);
  EXPECT_GT(bottom.bottom, Bottom() - 12);
}

TEST_F(Charts, ColumnsOfARangeWithoutZeroStayInTheChart) {
  struct Case {
    float min, max, value;
    float share;  // of the full column's height
    bool from_top;
  };
  const Case cases[] = {
      {5, 10, 10, 1.0f, false}, {5, 10, 7.5f, 0.5f, false}, {-10, -5, -10, 1.0f, true}, {-10, -5, -7.5f, 0.5f, true},
      {0, 10, 5, 0.5f, false},
  };
  const ColorBox full = One(kColumns, 0, 10, 10);
  ASSERT_GT(full.count, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.min) + ".." + std::to_string(c.max) + " value " + std::to_string(c.value));
    const ColorBox column = One(kColumns, c.min, c.max, c.value);
    ASSERT_GT(column.count, 0);
    EXPECT_GE(column.top, full.top);
    EXPECT_LE(column.bottom, full.bottom);
    EXPECT_NEAR(column.height(), c.share * full.height(), 2);
    if (c.from_top) EXPECT_EQ(column.top, full.top);
    else EXPECT_EQ(column.bottom, full.bottom);
  }
}

TEST_F(Charts, TheValueUnderTheMouseIsHighlightedAndReported) {
  int32_t events = -1;
  ColorBox red = One(kColumns, 0, 10, 10, &events);
  EXPECT_EQ(events, 0);
  ASSERT_GT(red.count, 0);
  EXPECT_EQ(FindColor(host().Screen(), kWhite, 8, red.left, red.top, red.right + 1, red.bottom + 1).count, 0);
  // Hovered: the column turns white. Released over it: clicked as well.
  const float x = (red.left + red.right) / 2.0f, y = (red.top + red.bottom) / 2.0f;
  host().MoveMouse(x, y);
  One(kColumns, 0, 10, 10, &events);
  EXPECT_EQ(events, 1);
  EXPECT_EQ(Red().count, 0);
  const ColorBox white = FindColor(host().Screen(), kWhite, 8, red.left, red.top, red.right + 1, red.bottom + 1);
  EXPECT_EQ(white.count, red.count);
  host().MouseDown(0);
  One(kColumns, 0, 10, 10, &events);
  Release();
  One(kColumns, 0, 10, 10, &events);
  EXPECT_EQ(events, 3);
}

TEST_F(Charts, EachSeriesDrawsInItsOwnColour) {
  Draw([&] {
    ASSERT_EQ(api().ChartBeginColored(kLines, kRedPacked, kWhitePacked, 3, 0, 10), 1);
    api().ChartAddSlotColored(kColumns, kBluePacked, kWhitePacked, 3, 0, 10);
    for (float v : {2.0f, 8.0f, 4.0f}) {
      api().ChartPushSlot(v, 0);
      api().ChartPushSlot(v, 1);
    }
    api().ChartEnd();
  });
  const ColorBox red = Red(), blue = FindColor(host().Screen(), kBlue, 8);
  EXPECT_GT(red.count, 0);
  EXPECT_GT(blue.count, 0);
  EXPECT_GT(blue.bottom, Bottom() - 12);  // columns stand on the chart's bottom
  EXPECT_LT(red.top, blue.top);            // a point is drawn around its value, a column up to it
  // The chart style's colours for the plain forms: neither red nor blue.
  Draw([&] {
    ASSERT_EQ(api().ChartBegin(kColumns, 1, 0, 10), 1);
    EXPECT_EQ(api().ChartPush(10), 0);
    api().ChartEnd();
  });
  EXPECT_EQ(Red().count, 0);
  EXPECT_EQ(FindColor(host().Screen(), kBlue, 8).count, 0);
}

TEST_F(Charts, PushesThatCannotBeDrawnDrawNothingAndAnswerZero) {
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  struct Case {
    const char* name;
    std::function<int32_t()> chart;  // the last push's result
  };
  const std::vector<Case> cases = {
      {"NaN", [&] { return api().ChartBeginColored(kLines, kRedPacked, kWhitePacked, 2, 0, 10) ? api().ChartPush(nan) : -1; }},
      {"infinite", [&] { return api().ChartBeginColored(kColumns, kRedPacked, kWhitePacked, 2, 0, 10) ? api().ChartPush(inf) : -1; }},
      {"-infinite slot", [&] { return api().ChartBeginColored(kLines, kRedPacked, kWhitePacked, 2, 0, 10) ? api().ChartPushSlot(-inf, 0) : -1; }},
      {"slot not added", [&] { return api().ChartBeginColored(kLines, kWhitePacked, kWhitePacked, 2, 0, 10) ? api().ChartPushSlot(5, 1) : -1; }},
      {"negative slot", [&] { return api().ChartBeginColored(kLines, kRedPacked, kWhitePacked, 2, 0, 10) ? api().ChartPushSlot(5, -1) : -1; }},
      {"overflowing range", [&] { return api().ChartBeginColored(kLines, kRedPacked, kWhitePacked, 2, -3e38f, 3e38f) ? api().ChartPush(1) : -1; }},
      {"empty range", [&] { return api().ChartBeginColored(kLines, kRedPacked, kWhitePacked, 2, 3, 3) ? api().ChartPush(3) : -1; }},
      {"no values", [&] { return api().ChartBeginColored(kColumns, kRedPacked, kWhitePacked, 0, 0, 10) ? api().ChartPush(3) : -1; }},
      {"after the end", [&] {
         if (!api().ChartBeginColored(kLines, kWhitePacked, kWhitePacked, 2, 0, 10)) return -1;
         api().ChartEnd();
         return api().ChartPush(3);
       }},
      {"slot outside a chart", [&] {
         api().ChartAddSlotColored(kColumns, kRedPacked, kWhitePacked, 2, 0, 10);
         return api().ChartPush(3);
       }},
      {"fifth slot", [&] {
         if (!api().ChartBeginColored(kLines, kWhitePacked, kWhitePacked, 2, 0, 10)) return -1;
         for (int i = 0; i < 4; ++i) api().ChartAddSlotColored(kColumns, kRedPacked, kWhitePacked, 2, 0, 10);
         return api().ChartPushSlot(3, 4);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int32_t result = -1;
    Draw([&] {
      result = c.chart();
      api().ChartEnd();
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Red().count, 0);
  }
  // A line series takes no more values than its count: the next point would lie past the
  // chart's right edge.
  int32_t second = -1;
  Draw([&] {
    if (api().ChartBeginColored(kLines, kRedPacked, kRedPacked, 1, 0, 10)) {
      api().ChartPush(5);
      second = api().ChartPush(5);
      api().ChartEnd();
    }
  });
  EXPECT_EQ(second, 0);
  const ColorBox point = Red();
  EXPECT_GT(point.count, 0);
  EXPECT_LT(point.width(), 8);
  // Outside any window nothing begins and nothing is pushed.
  EXPECT_EQ(api().ChartBegin(kLines, 3, 0, 1), 0);
  EXPECT_EQ(api().ChartPush(0.5f), 0);
}

}  // namespace
}  // namespace qel
