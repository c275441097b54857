// Styled buttons through the exports: drawn with a named button style, firing and taking the
// click like plain buttons, and answering a missing or non-button style alike.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "device_fixture.h"
#include "named_styles.h"

namespace qel {
namespace {

// Each test logs to a file of its own: ctest runs the tests of one file side by side.
std::string TestLog() {
  return std::string("styled_buttons_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".log";
}
constexpr uint32_t kGreen = 10u | (220u << 8) | (30u << 16);  // the style's fill, alpha aside
constexpr int32_t kLeft = 17;

using Button = std::function<int32_t()>;

class StyledButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(300, 200);
    ASSERT_TRUE(host_->ok());
    ASSERT_EQ(StartPlugin(TestLog()), 1);
    FontStashBegin();
    FontStashEnd();
    const int32_t picture = HostCommands().CREATEIMAGECOLOR_L_L_L_L_L(200, 40, 40, 255);
    ImageCreate1("pic", picture);
    ImageToSlot1(2, picture);
    ASSERT_EQ(StyleMakeItem0("green", static_cast<int32_t>(kGreen | 0xFF000000u)), 1);
    // A button and a menu button style filled green, without border and rounding.
    for (const auto& [name, widget] : {std::pair<const char*, int32_t>{"green", 4}, {"green menu", 6}})
      ASSERT_TRUE(PutWidgetStyle(name, widget, {{"normal", "green"}, {"hover", "green"}, {"active", "green"},
                                                {"border", "0"}, {"rounding", "0"}}));
    ASSERT_TRUE(PutWidgetStyle("slider", 10, {{"bar_height", "30"}}));
    ASSERT_TRUE(PutWidgetStyle("checkbox", 7, {}));
    host_->MoveMouse(299, 199);
  }

  // One frame in which each button is drawn over the same rectangle; their results.
  std::vector<int32_t> Frame(const std::vector<Button>& buttons) {
    std::vector<int32_t> results;
    HandleInput0();
    if (WindowBegin("styled", 0, 0, 300, 200, 0)) {
      LayoutSpaceBegin(1, 100, static_cast<int32_t>(buttons.size()));
      for (const Button& button : buttons) {
        LayoutSpacePush(20, 20, 100, 40);
        results.push_back(button());
      }
      LayoutSpaceEnd();
    }
    WindowEnd();
    Sync();
    return results;
  }
  // Presses in the middle of the buttons' rectangle for one frame; the results of that frame.
  std::vector<int32_t> Click(const std::vector<Button>& buttons) {
    Frame(buttons);
    host_->MoveMouse(75, 45);
    host_->MouseDown(0);
    std::vector<int32_t> results = Frame(buttons);
    host_->MouseUp(0);
    Frame(buttons);
    host_->MoveMouse(299, 199);
    return results;
  }
  // Pixels of the style's green on the last presented frame.
  int GreenPixels() {
    const Pixels screen = host_->Screen();
    int count = 0;
    for (int y = 0; y < screen.height; ++y)
      for (int x = 0; x < screen.width; ++x) count += (screen.At(x, y) & 0xFFFFFFu) == kGreen;
    return count;
  }

  std::unique_ptr<ReferenceHost> host_;
};

// Every styled export under one style name.
std::vector<std::pair<std::string, std::function<int32_t(const char*)>>> AllStyled() {
  return {
      {"label", [](const char* s) { return ButtonLabelStyled(s, "OK"); }},
      {"text", [](const char* s) { return ButtonTextStyled(s, "OK then", 2); }},
      {"symbol", [](const char* s) { return ButtonSymbolStyled(s, 11); }},
      {"symbol label", [](const char* s) { return ButtonSymbolLabelStyled(s, 10, "Go", kLeft); }},
      {"symbol text", [](const char* s) { return ButtonSymbolTextStyled(s, 10, "Go on", 2, kLeft); }},
      {"image 0", [](const char* s) { return ButtonImageStyled0(s, 2); }},
      {"image 1", [](const char* s) { return ButtonImageStyled1(s, "pic"); }},
      {"image label 0", [](const char* s) { return ButtonImageLabelStyled0(s, 2, "Pic", kLeft); }},
      {"image label 1", [](const char* s) { return ButtonImageLabelStyled1(s, "pic", "Pic", kLeft); }},
      {"image text 0", [](const char* s) { return ButtonImageTextStyled0(s, 2, "Picture", 3, kLeft); }},
      {"image text 1", [](const char* s) { return ButtonImageTextStyled1(s, "pic", "Picture", 3, kLeft); }},
  };
}

TEST_F(StyledButtons, EveryStyledButtonFiresOnceAndTakesTheClick) {
  const Button under = [] { return ButtonLabel("under"); };
  for (const auto& [name, styled] : AllStyled()) {
    for (const char* style : {"green", "green menu"}) {
      SCOPED_TRACE(name + " with " + style);
      const Button button = [&, style = style] { return styled(style); };
      EXPECT_EQ(Click({button, button, under}), (std::vector<int32_t>{1, 0, 0}));
      EXPECT_EQ(Frame({button}), std::vector<int32_t>{0});  // no click, no fire
    }
  }
  EXPECT_EQ(LogCount(TestLog(), ": ERROR: "), 0);
}

TEST_F(StyledButtons, MissingAndNonButtonStylesAnswerZeroAndLeaveTheClick) {
  const Button under = [] { return ButtonLabel("under"); };
  const char* const kRefused[] = {"Green", "gree", "slider", "checkbox", ""};
  for (const auto& [name, styled] : AllStyled())
    for (const char* style : kRefused) {
      SCOPED_TRACE(name + " with '" + style + "'");
      const Button button = [&, style = style] { return styled(style); };
      // Nothing drawn and no click taken: the plain button under it still fires.
      EXPECT_EQ(Click({button, under}), (std::vector<int32_t>{0, 1}));
    }
  const int per_style = 3 * static_cast<int>(AllStyled().size());  // three frames a click
  for (const char* style : kRefused)
    EXPECT_EQ(LogCount(TestLog(), LogLevelAndText(msg::ButtonStyleMissing, style)), per_style) << style;
  // The image forms never looked their images up; outside a window the style still is.
  EXPECT_EQ(LogCount(TestLog(), msg::ImageSlotMissing) + LogCount(TestLog(), msg::ImageMissing), 0);
  EXPECT_EQ(ButtonImageStyled0(nullptr, 99), 0);
  EXPECT_EQ(ButtonLabelStyled("green", "x"), 0);
  EXPECT_EQ(LogCount(TestLog(), msg::ButtonStyleMissing), 5 * per_style + 1);
  EXPECT_EQ(LogCount(TestLog(), msg::ImageSlotMissing), 0);
}

TEST_F(StyledButtons, TheButtonIsDrawnWithItsStyleAndTheLiveStyleStaysForPlainButtons) {
  Frame({[] { return ButtonLabel(""); }});
  EXPECT_EQ(GreenPixels(), 0);
  Frame({[] { return ButtonLabelStyled("green", ""); }});
  const int filled = GreenPixels();
  EXPECT_EQ(filled, 100 * 40);  // the whole cell: no border, no rounding
  Frame({[] { return ButtonLabelStyled("green menu", ""); }});
  EXPECT_EQ(GreenPixels(), filled);
  Frame({[] { return ButtonLabel(""); }});
  EXPECT_EQ(GreenPixels(), 0);
  Frame({[] { return ButtonLabelStyled("slider", ""); }});
  EXPECT_EQ(GreenPixels(), 0);
}

}  // namespace
}  // namespace qel
