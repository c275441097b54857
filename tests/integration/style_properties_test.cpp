// Setting and reading single fields of the live style through the real exports.
#include <string>

#include "frame/log_messages.h"
#include "widget_fixture.h"

namespace qel {
namespace {

class StyleProperties : public WidgetTest {
 protected:
  std::string Get(const char* widget, const char* property) {
    const char* text = api().StyleGetContextProperty(widget, property);
    EXPECT_NE(text, nullptr) << widget << " " << property;  // a host string, even when empty
    return text ? text : "<null>";
  }

};

TEST_F(StyleProperties, BeforeStartUpTheyAnswerNeutrally) {
  EXPECT_EQ(api().StyleSetContextProperty("button", "rounding", "3"), 0);
  EXPECT_EQ(Get("button", "rounding"), "");
  EXPECT_EQ(api().StyleSetContextProperty("knob", "rounding", "3"), 0);
  EXPECT_EQ(Get("knob", "rounding"), "");
  Start();
  EXPECT_NE(Get("button", "rounding"), "3.000000");  // the early set reached nothing
}

TEST_F(StyleProperties, SetThenGetOnTheLiveStyle) {
  Start();
  EXPECT_EQ(api().StyleMakeItem0("teal", static_cast<int32_t>(Rgba(0, 128, 128))), 1);
  const struct {
    const char* widget;
    const char* property;
    const char* value;
    const char* read_as;
  } kCases[] = {
      {"window", "padding", "4,6", "4.000000,6.000000"},
      {"scrollh", "cursor_border", "2", nullptr},
      {"combo", "sym_active", "symbol_plus", "11"},
      {"menu_button", "text_normal", "teal", "-8355840"},
      {"option", "cursor_normal", "teal", "0,0,128,128,255"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(api().StyleSetContextProperty(c.widget, c.property, c.value), 1) << c.widget << " " << c.property;
    if (c.read_as) {
      EXPECT_EQ(Get(c.widget, c.property), c.read_as) << c.widget << " " << c.property;
    }
  }
  EXPECT_EQ(Get("scrollh", "border_cursor"), "2.000000");
  EXPECT_NE(Get("scrollv", "border_cursor"), "2.000000");  // scrollh's own structure only
  EXPECT_NE(Get("button", "text_normal"), "-8355840");     // menu_button's own structure only

  // Known names without fields, and unknown ones.
  EXPECT_EQ(api().StyleSetContextProperty("font", "rounding", "3"), 1);
  EXPECT_EQ(Get("cursors", "rounding"), "");
  EXPECT_EQ(api().StyleSetContextProperty("Button", "rounding", "3"), 0);
  EXPECT_EQ(Get(nullptr, "rounding"), "");
  EXPECT_EQ(api().StyleSetContextProperty("button", nullptr, nullptr), 1);
  EXPECT_EQ(Get("button", nullptr), "");
  EXPECT_EQ(LogCount(LogLevelAndText(msg::StyleUnknownWidget, "Button")), 1);
  EXPECT_EQ(LogCount(LogLevelAndText(msg::StyleUnknownWidget, "")), 1);
  EXPECT_EQ(LogCount(LogLevelAndText(msg::StylePropertyNameNotValid, "")), 1);
  const std::string log = LogText();
  const size_t at = log.find("is not a known widget.");
  const std::string line = log.substr(log.rfind('\n', at) + 1, at - log.rfind('\n', at));
  EXPECT_NE(line.find(" nuklear_tool("), std::string::npos) << line;
}

TEST_F(StyleProperties, AButtonDrawnAfterwardsShowsItsNewBackground) {
  StartWidgets();
  host().MoveMouse(600, 400);  // away from the button: its normal look
  constexpr uint32_t kMagenta = Rgba(255, 0, 255);
  EXPECT_EQ(FindColor(DrawButton(), kMagenta).count, 0);

  ASSERT_EQ(api().StyleMakeItem0("magenta", static_cast<int32_t>(kMagenta)), 1);
  ASSERT_EQ(api().StyleSetContextProperty("button", "normal", "magenta"), 1);
  ASSERT_EQ(api().StyleSetContextProperty("button", "rounding", "0"), 1);
  const ColorBox box = FindColor(DrawButton(), kMagenta);
  EXPECT_GE(box.width(), 90);  // the button's face inside its border
  EXPECT_LE(box.width(), 100);
  EXPECT_GE(box.height(), 30);
  EXPECT_LE(box.height(), 40);
  EXPECT_EQ(Get("button", "normal"), "0,255,0,255,255");
}

}  // namespace
}  // namespace qel
