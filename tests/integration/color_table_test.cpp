// The colour table through the real exports: filled slot by slot, applied to the live style
// and read back as host strings.
#include <cstdint>
#include <functional>
#include <string>

#include "frame/log_messages.h"
#include "widget_fixture.h"

namespace qel {
namespace {

constexpr uint32_t kGreen = Rgba(10, 200, 30), kPurple = Rgba(120, 20, 160);
constexpr uint32_t kNuklearWindow = Rgba(45, 45, 45);

class ColorTable : public WidgetTest {
 protected:
  std::string Numbers() { return Text(api().StyleGetColorTable()); }
  std::string Tags() { return Text(api().StyleGetColorTableTags()); }
  static std::string Text(const char* text) {
    EXPECT_NE(text, nullptr);  // a host string, even when empty
    return text ? text : "<null>";
  }
  // Pixels of `rgb` in a plain window filling the screen's top-left 300 by 200.
  int WindowPixels(uint32_t rgb) {
    Frame([&] {
      api().WindowBegin("plain", 0, 0, 300, 200, kNoScrollbar);
      api().WindowEnd();
    });
    return FindColor(host().Screen(), rgb, 0, 0, 0, 300, 200).count;
  }
};

TEST_F(ColorTable, RefusedBeforeTheFirstBeginAndOutsideTheSlots) {
  StartWidgets();
  EXPECT_EQ(Numbers(), "");
  EXPECT_EQ(Tags(), "");
  api().StyleColorTablePush(0, static_cast<int32_t>(kGreen));
  api().StyleColorTableEnd();
  EXPECT_EQ(LogCount(LogLevelAndText(msg::ColorTableWrongCount)), 2);
  EXPECT_EQ(Numbers(), "");

  api().StyleColorTableBegin(0);
  for (int32_t slot : {28, -1, INT32_MIN}) {
    api().StyleColorTablePush(slot, -1);
    EXPECT_EQ(LogCount(LogLevelAndText(msg::ColorTableSlotOutOfBounds, slot)), 1) << slot;
  }
  std::string zeros = "0";
  for (int i = 1; i < 28; ++i) zeros += ";0";
  EXPECT_EQ(Numbers(), zeros);
  EXPECT_EQ(Tags().find("<styleitem name=\"NK_COLOR_TEXT\" color=\"0x00000000\" />\n"), 0u);
  EXPECT_EQ(LogCount(msg::ColorTableWrongCount), 2);
}

TEST_F(ColorTable, EndRebuildsTheLiveStyleAndTheTableStaysForMore) {
  StartWidgets();
  const int themed = WindowPixels(kNuklearWindow);
  struct Step {
    const char* what;
    std::function<void()> action;
    uint32_t window;  // the colour that fills the window afterwards
    uint32_t gone;    // a colour no longer there
  };
  const Step steps[] = {
      {"pushed but not applied",
       [&] {
         api().StyleColorTableBegin(1);
         api().StyleColorTablePush(1, static_cast<int32_t>(kGreen));
       },
       0, kGreen},
      {"applied", [&] { api().StyleColorTableEnd(); }, kGreen, kNuklearWindow},
      {"pushed again into the kept table and applied",
       [&] {
         api().StyleColorTablePush(1, static_cast<int32_t>(kPurple));
         api().StyleColorTableEnd();
       },
       kPurple, kGreen},
      {"the defaults restored",
       [&] {
         api().StyleColorTableBegin(1);
         api().StyleColorTableEnd();
       },
       kNuklearWindow, kPurple},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.action();
    if (step.window) {
      EXPECT_GT(WindowPixels(step.window), 300 * 150);
    }
    EXPECT_EQ(WindowPixels(step.gone), 0);
  }
  EXPECT_LT(themed, 300 * 150);  // the built-in theme was not the library's look to begin with
}

}  // namespace
}  // namespace qel

namespace qel {
namespace {

// The tag lines are style items a document reads back: loaded as a document's items, each
// slot's item holds exactly the colour the number list gives for that slot.
TEST_F(ColorTable, TagLinesLoadedAsADocumentGiveTheSameColours) {
  StartWidgets();
  api().StyleColorTableBegin(1);
  for (int32_t slot = 0; slot < 28; ++slot)
    api().StyleColorTablePush(slot, static_cast<int32_t>(Rgba(slot * 9, 255 - slot * 7, slot * 3, 100 + slot)));
  api().StyleColorTableEnd();
  const std::string tags = Tags();
  api().StyleLoadFromString(("<theme>" + tags + "</theme>").c_str());

  const std::string numbers = Numbers() + ";";
  size_t number_at = 0, tag_at = 0;
  for (int32_t slot = 0; slot < 28; ++slot) {
    const size_t number_end = numbers.find(';', number_at);
    tag_at = tags.find("name=\"", tag_at);
    ASSERT_NE(number_end, std::string::npos);
    ASSERT_NE(tag_at, std::string::npos);
    const uint32_t packed = static_cast<uint32_t>(std::stoll(numbers.substr(number_at, number_end - number_at)));
    number_at = number_end + 1;
    tag_at += 6;
    const std::string name = tags.substr(tag_at, tags.find('"', tag_at) - tag_at);
    ASSERT_EQ(api().StyleSetContextProperty("button", "normal", name.c_str()), 1);
    const std::string expected = "0," + std::to_string(packed & 0xFF) + "," + std::to_string((packed >> 8) & 0xFF) +
                                 "," + std::to_string((packed >> 16) & 0xFF) + "," + std::to_string(packed >> 24);
    EXPECT_EQ(Text(api().StyleGetContextProperty("button", "normal")), expected) << name;
  }
  EXPECT_EQ(LogCount(msg::StyleItemNotFound), 0);
}

}  // namespace
}  // namespace qel
