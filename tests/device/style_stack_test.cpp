// Named widget styles set over the live style, pushed and popped, through the exports.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device_fixture.h"
#include "named_styles.h"
#include "style/property_engine.h"
#include "style/style_stack.h"

namespace qel {
namespace {

// Each test logs to a file of its own: ctest runs the tests of one file side by side.
std::string TestLog() {
  return std::string("style_stack_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".log";
}

class StyleStackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(200, 150);
    ASSERT_TRUE(host_->ok());
    ASSERT_EQ(StartPlugin(TestLog()), 1);
  }
  std::unique_ptr<ReferenceHost> host_;
};

// One named style per case, each of another widget, changing one field.
struct StyleCase {
  const char* name;
  int32_t widget;
  const char* property;
  const char* value;
};
const StyleCase kStyles[] = {
    {"big button", 4, "rounding", "9"},    {"thin slider", 10, "bar_height", "2"},
    {"menu", 6, "border", "3"},            {"tight option", 8, "spacing", "11"},
    {"round window", 19, "rounding", "7"}, {"context", 5, "rounding", "5"},
    {"horizontal", 16, "rounding", "4"},   {"tab", 17, "indent", "30"},
};

TEST_F(StyleStackTest, PopsRestoreTheLatestPushWhateverItsWidget) {
  std::vector<std::string> before;
  for (const StyleCase& c : kStyles) {
    ASSERT_TRUE(PutWidgetStyle(c.name, c.widget, {{c.property, c.value}})) << c.name;
    before.push_back(LiveStyleBytes(c.widget));
  }
  for (const StyleCase& c : kStyles) {
    StylePush(c.name);
    EXPECT_EQ(GetWidgetStyleProperty(c.widget, c.property),
              GetStyleProperty(*FieldTableOfWidget(c.widget), State().style.widget_styles.Find(c.name)->block.get(),
                               c.property))
        << c.name;
  }
  // Each pop puts back one widget, newest first; the ones pushed earlier keep their style.
  for (size_t i = std::size(kStyles); i-- > 0;) {
    SCOPED_TRACE(kStyles[i].name);
    EXPECT_NE(LiveStyleBytes(kStyles[i].widget), before[i]);
    StylePop();
    EXPECT_EQ(LiveStyleBytes(kStyles[i].widget), before[i]);
    if (i > 0) {
      EXPECT_NE(LiveStyleBytes(kStyles[i - 1].widget), before[i - 1]);
    }
  }
  EXPECT_EQ(LogCount(TestLog(), msg::StyleStackEmpty), 0);
  StylePop();
  EXPECT_EQ(LogCount(TestLog(), LogLevelAndText(msg::StyleStackEmpty)), 1);
  for (size_t i = 0; i < std::size(kStyles); ++i) EXPECT_EQ(LiveStyleBytes(kStyles[i].widget), before[i]);
}

TEST_F(StyleStackTest, SetContextChangesTheLiveStyleWithNothingToPop) {
  ASSERT_TRUE(PutWidgetStyle("round", 4, {{"rounding", "12"}}));
  ASSERT_TRUE(PutWidgetStyle("slider", 10, {{"bar_height", "1"}}));
  const std::string slider = LiveStyleBytes(10);
  StyleSetContext("round");
  EXPECT_EQ(GetWidgetStyleProperty(4, "rounding"), "12.000000");
  StylePop();
  EXPECT_EQ(LogCount(TestLog(), msg::StyleStackEmpty), 1);
  EXPECT_EQ(GetWidgetStyleProperty(4, "rounding"), "12.000000");  // the failed pop kept it
  // A style set over a pushed one stays when the push is popped.
  StylePush("slider");
  StyleSetContext("round");
  StylePop();
  EXPECT_EQ(LiveStyleBytes(10), slider);
  EXPECT_EQ(GetWidgetStyleProperty(4, "rounding"), "12.000000");
  // Names match exactly; a miss changes nothing and pushes nothing.
  for (const char* name : {"Round", "roun", "round ", static_cast<const char*>(nullptr)}) {
    StylePush(name);
    StyleSetContext(name);
  }
  EXPECT_EQ(LogCount(TestLog(), msg::StyleMissing), 8);
  EXPECT_EQ(LogCount(TestLog(), LogLevelAndText(msg::StyleMissing, "")), 2);
  EXPECT_TRUE(State().style.stack.empty());
}

TEST_F(StyleStackTest, TheStackIsBoundedAndARefusedPushChangesNothing) {
  ASSERT_TRUE(PutWidgetStyle("r1", 4, {{"rounding", "1"}}));
  ASSERT_TRUE(PutWidgetStyle("r2", 4, {{"rounding", "2"}}));
  const std::string original = LiveStyleBytes(4);
  for (int i = 0; i < kStyleStackDepth; ++i) StylePush("r1");
  EXPECT_EQ(LogCount(TestLog(), msg::StyleStackFull), 0);
  StylePush("r2");
  StylePush("r2");
  EXPECT_EQ(LogCount(TestLog(), LogLevelAndText(msg::StyleStackFull, "r2", kStyleStackDepth)), 2);
  EXPECT_EQ(GetWidgetStyleProperty(4, "rounding"), "1.000000");
  EXPECT_EQ(static_cast<int>(State().style.stack.size()), kStyleStackDepth);
  for (int i = 0; i < kStyleStackDepth; ++i) StylePop();
  EXPECT_EQ(LiveStyleBytes(4), original);
  EXPECT_EQ(LogCount(TestLog(), msg::StyleStackEmpty), 0);
  StylePop();
  EXPECT_EQ(LogCount(TestLog(), msg::StyleStackEmpty), 1);
}

TEST_F(StyleStackTest, AWindowHeaderSavedByAMemoryBlockPushIsRestoredByPop) {
  const std::string header = LiveStyleBytes(kWindowHeaderWidget);
  ASSERT_TRUE(SaveLiveStyleOnStack(Context(), kWindowHeaderWidget, "header block"));
  ASSERT_TRUE(SetWidgetStyleProperty(kWindowHeaderWidget, "spacing_vec2", "9,9"));
  StylePop();
  EXPECT_EQ(LiveStyleBytes(kWindowHeaderWidget), header);
}

}  // namespace
}  // namespace qel
