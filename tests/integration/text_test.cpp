// Text and labels through the real exports, measured on the drawn frame.
#include <functional>
#include <string>
#include <vector>

#include "widget_fixture.h"

namespace qel {
namespace {

constexpr uint32_t kRed = 0xFF0000FFu;  // packed: red in the low byte, alpha in the high
constexpr int32_t kRedArg = static_cast<int32_t>(kRed);

class Text : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    StartWidgets();
    host().MoveMouse(600, 400);  // the pointer stays off the text
  }
  // Draws `widgets` in a window of one row of `columns` columns, then finds `rgb` on screen.
  ColorBox Drawn(const std::function<void()>& widgets, uint32_t rgb = kRed & 0xFFFFFF, int columns = 1) {
    Frame([&] {
      if (api().WindowBegin("text", 0, 0, 400, 300, kBorder | kNoScrollbar)) {
        api().LayoutRowDynamic(30, columns);
        widgets();
      }
      api().WindowEnd();
    });
    return FindColor(host().Screen(), rgb, 0, 0, 0, 400, 300);
  }
};

TEST_F(Text, ColouredLabelsUseThePackedColourByteForByte) {
  const ColorBox red = Drawn([&] { api().LabelColored("WWWW", kAlignLeft, kRedArg); });
  EXPECT_GT(red.count, 20);
  EXPECT_LT(red.left, 40);  // left aligned
  // Alpha 0: nothing shows.
  EXPECT_EQ(Drawn([&] { api().LabelColored("WWWW", kAlignLeft, 0x000000FF); }).count, 0);
  // -1 and 0xFFFFFFFF are the same opaque white.
  const int white = Drawn([&] { api().LabelColored("WWWW", kAlignLeft, -1); }, 0xFFFFFF).count;
  EXPECT_GT(white, 20);
  EXPECT_EQ(Drawn([&] { api().TextColored("WWWW", 4, kAlignLeft, static_cast<int32_t>(0xFFFFFFFFu)); }, 0xFFFFFF).count,
            white);
  // Centred text starts further right.
  EXPECT_GT(Drawn([&] { api().LabelColored("WWWW", kAlignCentered, kRedArg); }).left, 150);
}

TEST_F(Text, EmptyAndNullTextsStillTakeTheirCell) {
  auto second_cell = [&](const std::function<void()>& first) {
    return Drawn(
        [&] {
          first();
          api().LabelColored("W", kAlignLeft, kRedArg);
        },
        kRed & 0xFFFFFF, 2);
  };
  for (const auto& first : std::vector<std::function<void()>>{
           [&] { api().Label("", kAlignLeft); },
           [&] { api().Label(nullptr, kAlignLeft); },
           [&] { api().LabelWrap(nullptr); },
           [&] { api().Text("abc", 0, kAlignLeft); },
           [&] { api().Text(nullptr, 5, kAlignLeft); },  // a null text with a length draws nothing
           [&] { api().TextWrapColored(nullptr, 5, kRedArg); },
       }) {
    const ColorBox red = second_cell(first);
    EXPECT_GT(red.count, 0);
    EXPECT_GT(red.left, 190);  // in the second half of the row
  }
}

TEST_F(Text, TextDrawsItsLengthInBytesAndNeverReadsPastTheEnd) {
  const int two = Drawn([&] { api().TextColored("WW", 2, kAlignLeft, kRedArg); }).count;
  const int four = Drawn([&] { api().TextColored("WWWW", 4, kAlignLeft, kRedArg); }).count;
  EXPECT_GT(two, 0);
  EXPECT_GT(four, two);
  EXPECT_EQ(Drawn([&] { api().TextColored("WWWW", 2, kAlignLeft, kRedArg); }).count, two);
  // A length beyond the text stops at its end.
  EXPECT_EQ(Drawn([&] { api().TextColored("WW", 1000, kAlignLeft, kRedArg); }).count, two);
  // A negative length draws nothing, and quietly: the text exports log nothing.
  const std::vector<std::string> logged = LogMessages();
  EXPECT_EQ(Drawn([&] { api().TextColored("WW", -1, kAlignLeft, kRedArg); }).count, 0);
  EXPECT_EQ(Drawn([&] { api().TextWrapColored("WW", -1, kRedArg); }).count, 0);
  EXPECT_EQ(LogMessages(), logged);
}

TEST_F(Text, WrappedTextBreaksIntoLinesInsideItsCell) {
  const char* words = "WW WW WW WW WW WW WW WW WW WW WW WW";
  const ColorBox one_line = Drawn([&] { api().LabelColored(words, kAlignLeft, kRedArg); }, kRed & 0xFFFFFF, 4);
  const ColorBox wrapped = Drawn([&] { api().LabelColoredWrap(words, kRedArg); }, kRed & 0xFFFFFF, 4);
  EXPECT_GT(wrapped.height(), one_line.height());
  EXPECT_LE(wrapped.right, 110);  // within the first of four columns
  const ColorBox text_wrapped = Drawn([&] { api().TextWrapColored(words, 5, kRedArg); }, kRed & 0xFFFFFF, 4);
  EXPECT_EQ(text_wrapped.height(), one_line.height());  // "WW WW" fits on one line
}

}  // namespace
}  // namespace qel
