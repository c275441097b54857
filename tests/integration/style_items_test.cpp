// Making named style items through the real exports: what each answers and what it logs.
#include <limits>
#include <string>

#include "widget_fixture.h"

namespace qel {
namespace {

class StyleItems : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    Start();
    const int32_t sheet = Command<int32_t(int32_t, int32_t, int32_t, int32_t)>("CREATERENDERIMAGE_L_L_L_L_L")(64, 32, 0, 0);
    ASSERT_EQ(api().ImageCreate1("sheet", sheet), 1);  // 64 by 32
  }
};

TEST_F(StyleItems, ItemsAreMadeAndReplacedWithAWarning) {
  EXPECT_EQ(api().StyleGetItemSize(), 36);
  EXPECT_EQ(api().StyleMakeItem0("red", static_cast<int32_t>(0xFF0000FFu)), 1);
  EXPECT_EQ(api().StyleMakeItem3("frame", "sheet", 0, 0, 0, 0, 4, 4, 4, 4), 1);
  EXPECT_EQ(api().StyleMakeItem2("red", "sheet", 10, 0, 1000, 0), 1);  // any kind replaces any
  EXPECT_EQ(api().StyleMakeItem0("Red", 0), 1);                        // names are case-sensitive
  EXPECT_EQ(LogCount(LogLevelAndText(msg::StyleItemOverwritten, "red")), 1);
  EXPECT_EQ(LogCount(msg::StyleItemOverwritten), 1);
  EXPECT_EQ(LogCount(msg::StyleItemRegionCut), 0);  // cut to width - 10, not to nothing
}

TEST_F(StyleItems, EmptyNamesAndMissingImagesAreRefused) {
  EXPECT_EQ(api().StyleMakeItem0("", 0), 0);
  EXPECT_EQ(api().StyleMakeItem0(nullptr, 0), 0);
  EXPECT_EQ(api().StyleMakeItem3(nullptr, "sheet", 0, 0, 0, 0, 0, 0, 0, 0), 0);
  EXPECT_EQ(LogCount(LogLevelAndText(msg::StyleItemNameEmpty)), 3);
  const std::string log = LogText();
  const size_t at = log.find(LogText(msg::StyleItemNameEmpty));
  const std::string line = log.substr(log.rfind('\n', at) + 1, at - log.rfind('\n', at));
  const std::string source = MessageOf(LogItem::StyleItemNameEmpty).source;
  EXPECT_NE(line.find(" " + source + "("), std::string::npos) << line;

  EXPECT_EQ(api().StyleMakeItem2("a", "Sheet", 0, 0, 0, 0), 0);
  EXPECT_EQ(api().StyleMakeItem3("b", nullptr, 0, 0, 0, 0, 0, 0, 0, 0), 0);
  EXPECT_EQ(LogCount(LogLevelAndText(msg::StyleItemImageMissing, "Sheet")), 1);
  EXPECT_EQ(LogCount(LogLevelAndText(msg::StyleItemImageMissing, "")), 1);
  EXPECT_EQ(api().StyleMakeItem0("a", 0), 1);  // the refused make stored nothing
  EXPECT_EQ(LogCount(msg::StyleItemOverwritten), 0);
}

TEST_F(StyleItems, ARegionCutToNothingIsWarnedAbout) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  EXPECT_EQ(api().StyleMakeItem2("right of it", "sheet", 64, 0, 5, 5), 1);
  EXPECT_EQ(api().StyleMakeItem3("below it", "sheet", 0, kMax, 0, kMax, 1, 1, 1, 1), 1);
  EXPECT_EQ(api().StyleMakeItem2("wide", "sheet", 63, 31, kMax, 70000), 1);  // cut short only
  EXPECT_EQ(LogCount(LogLevelAndText(msg::StyleItemRegionCut, "right of it", "sheet")), 1);
  EXPECT_EQ(LogCount(LogLevelAndText(msg::StyleItemRegionCut, "below it", "sheet")), 1);
  EXPECT_EQ(LogCount(msg::StyleItemRegionCut), 2);
}

}  // namespace
}  // namespace qel
