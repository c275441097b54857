// Value widgets through the real exports: each value passed back in over frames, as a
// script keeps it, while the host's scripted mouse and keys change it.
#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "widget_fixture.h"

namespace qel {
namespace {

constexpr int kVkEnter = 13;

class Values : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    StartWidgets();
    host().MoveMouse(600, 400);
  }
  // One frame of a window with one row `height` high holding the widget; `cell_` is the
  // cell it got. Returns the widget's result.
  template <class T>
  T Draw(const std::function<T()>& widget, float height = 30) {
    T result{};
    Frame([&] {
      if (api().WindowBegin("values", 0, 0, 300, 200, kBorder | kNoScrollbar)) {
        api().LayoutRowDynamic(height, 1);
        api().WidgetBounds();
        cell_ = InterfaceRect();
        result = widget();
      }
      api().WindowEnd();
    });
    return result;
  }
  // The value after a click at (dx, dy) from the cell's corner, kept over frames as a script
  // would: `widget` is called with the value of the frame before.
  template <class T>
  T ClickAt(float dx, float dy, T value, const std::function<T(T)>& widget) {
    value = Draw<T>([&] { return widget(value); });
    Press(cell_.x + dx, cell_.y + dy);
    value = Draw<T>([&] { return widget(value); });
    Release();
    return Draw<T>([&] { return widget(value); });
  }

  Rect cell_;
};

TEST_F(Values, TogglesKeepTheirValueUntilClickedAndAnswerZeroOrOne) {
  const int32_t image = LoadImage("quadrants.png");
  api().ImageToSlot1(3, image);
  api().ImageCreate1("quadrants", image);
  const std::vector<std::pair<std::string, std::function<int32_t(int32_t)>>> toggles = {
      {"check label", [&](int32_t v) { return api().CheckLabel("check", v); }},
      {"check text", [&](int32_t v) { return api().CheckText("checked", 5, v); }},
      {"option label", [&](int32_t v) { return api().OptionLabel("option", v); }},
      {"option text", [&](int32_t v) { return api().OptionText("optional", 6, v); }},
      {"select label", [&](int32_t v) { return api().SelectLabel("select", kAlignLeft, v); }},
      {"select text", [&](int32_t v) { return api().SelectText("selected", 6, kAlignLeft, v); }},
      {"select symbol label", [&](int32_t v) { return api().SelectSymbolLabel(11, "plus", kAlignLeft, v); }},
      {"select symbol text", [&](int32_t v) { return api().SelectSymbolText(11, "plus one", 4, kAlignLeft, v); }},
      {"select image label 0", [&](int32_t v) { return api().SelectImageLabel0(3, "pic", kAlignLeft, v); }},
      {"select image label 1", [&](int32_t v) { return api().SelectImageLabel1("quadrants", "pic", kAlignLeft, v); }},
      {"select image text 0", [&](int32_t v) { return api().SelectImageText0(3, "picture", 3, kAlignLeft, v); }},
      {"select image text 1",
       [&](int32_t v) { return api().SelectImageText1("quadrants", "picture", 3, kAlignLeft, v); }},
  };
  for (const auto& [name, toggle] : toggles) {
    EXPECT_EQ(Draw<int32_t>([&] { return toggle(0); }), 0) << name;
    EXPECT_EQ(Draw<int32_t>([&] { return toggle(7); }), 1) << name;  // any nonzero is on
    const int32_t on = ClickAt<int32_t>(8, cell_.h / 2, 0, toggle);
    EXPECT_EQ(on, 1) << name;
    EXPECT_EQ(ClickAt<int32_t>(8, cell_.h / 2, on, toggle), 0) << name;
  }
  EXPECT_FALSE(LogHas("ERROR"));
}

TEST_F(Values, CheckFlagsSetAndClearTheirBits) {
  struct Case {
    int32_t flags, value;
    bool click;
    int32_t expected;
  };
  const Case cases[] = {
      {6, 2, false, 6}, {6, 2, true, 4}, {4, 2, true, 6}, {4, 2, false, 4},
      {-1, 1, true, -2}, {0, 0x30, true, 0x30},
  };
  for (const Case& c : cases) {
    for (bool text_form : {false, true}) {
      const std::function<int32_t(int32_t)> box = [&](int32_t flags) {
        return text_form ? api().CheckFlagsText("flags and more", 5, flags, c.value)
                         : api().CheckFlagsLabel("flags", flags, c.value);
      };
      const int32_t result = c.click ? ClickAt<int32_t>(8, cell_.h / 2, c.flags, box)
                                     : Draw<int32_t>([&] { return box(c.flags); });
      EXPECT_EQ(result, c.expected) << c.flags << " " << c.value << " " << c.click << " " << text_form;
    }
  }
  // No label, or no window: the flags come back as they were.
  EXPECT_EQ(ClickAt<int32_t>(8, cell_.h / 2, 6, [&](int32_t f) { return api().CheckFlagsLabel(nullptr, f, 2); }), 6);
  EXPECT_EQ(api().CheckFlagsLabel("flags", 6, 2), 6);
  EXPECT_EQ(api().CheckFlagsText("flags", 5, 6, 2), 6);
}

TEST_F(Values, SlidersFollowADragAndStayInTheirRange) {
  auto drag = [&](const std::function<float(float)>& slider, float start, float dx) {
    float value = Draw<float>([&] { return slider(start); });
    Press(cell_.x + cell_.w / 2, cell_.y + cell_.h / 2);  // on the knob of a value in the middle
    value = Draw<float>([&] { return slider(value); });
    for (int i = 1; i <= 4; ++i) {
      host().MoveMouse(cell_.x + cell_.w / 2 + dx * i / 4, cell_.y + cell_.h / 2);
      value = Draw<float>([&] { return slider(value); });
    }
    Release();
    return Draw<float>([&] { return slider(value); });
  };
  const std::function<float(float)> slide = [&](float v) { return api().SlideFloat(0, v, 10, 1); };
  const std::function<float(float)> slide_int = [&](float v) {
    return static_cast<float>(api().SlideInteger(0, static_cast<int32_t>(v), 10, 1));
  };
  for (const auto& slider : {slide, slide_int}) {
    EXPECT_EQ(Draw<float>([&] { return slider(5); }), 5.0f);
    const float right = drag(slider, 5, 60);
    EXPECT_GT(right, 6.0f);
    EXPECT_LE(right, 10.0f);
    EXPECT_EQ(right, std::floor(right));  // whole steps
    EXPECT_EQ(drag(slider, 5, 400), 10.0f);
    EXPECT_EQ(drag(slider, 5, -400), 0.0f);
  }
}

TEST_F(Values, SlidersWithoutASlidableRangeTakeTheirCellAndKeepTheValue) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    float min, value, max, step;
  };
  const Case cases[] = {{0, 5, 10, 0}, {0, 5, 10, -1}, {0, 5, 10, nan}, {3, 5, 3, 1}, {0, 5, INFINITY, 1}, {nan, 5, 1, 1}};
  for (const Case& c : cases) {
    float after = 0;
    Rect next;
    const float result = Draw<float>([&] {
      api().LayoutRowDynamic(30, 1);
      api().WidgetBounds();
      const Rect own = InterfaceRect();
      const float v = api().SlideFloat(c.min, c.value, c.max, c.step);
      api().WidgetBounds();
      next = InterfaceRect();
      after = next.y - own.y;
      return v;
    });
    EXPECT_EQ(result, 5.0f) << c.min << " " << c.max << " " << c.step;
    EXPECT_GT(after, 29.0f);  // the next widget went to the next row
  }
  const float nan_value = Draw<float>([&] { return api().SlideFloat(0, nan, 10, 1); });
  EXPECT_TRUE(std::isnan(nan_value));
}

TEST_F(Values, ProgressMovesOnlyWhenModifiable) {
  const std::function<uint32_t(uint32_t)> fixed = [&](uint32_t v) { return api().Progress(v, 10, 0); };
  const std::function<uint32_t(uint32_t)> modifiable = [&](uint32_t v) { return api().Progress(v, 10, 1); };
  EXPECT_EQ(Draw<uint32_t>([&] { return fixed(3); }), 3u);
  EXPECT_EQ(ClickAt<uint32_t>(cell_.w - 10, cell_.h / 2, 3, fixed), 3u);
  const uint32_t moved = ClickAt<uint32_t>(cell_.w - 10, cell_.h / 2, 3, modifiable);
  EXPECT_GE(moved, 8u);
  EXPECT_LE(moved, 10u);
  EXPECT_EQ(Draw<uint32_t>([&] { return api().Progress(12, 10, 0); }), 10u);
  EXPECT_EQ(api().Progress(12, 10, 1), 12u);  // no window
}

TEST_F(Values, PropertiesChangeByDragAndByTyping) {
  const std::function<int32_t(int32_t)> integer = [&](int32_t v) { return api().PropertyInt("#n", 0, v, 100, 1, 1); };
  // Drag: press on the name, move 10 pixels right.
  int32_t value = Draw<int32_t>([&] { return integer(5); });
  EXPECT_EQ(value, 5);
  host().MoveMouse(cell_.x + 40, cell_.y + cell_.h / 2);  // first, so the press frame has no movement
  value = Draw<int32_t>([&] { return integer(value); });
  host().MouseDown(0);
  value = Draw<int32_t>([&] { return integer(value); });
  host().MoveMouse(cell_.x + 50, cell_.y + cell_.h / 2);
  value = Draw<int32_t>([&] { return integer(value); });
  Release();
  value = Draw<int32_t>([&] { return integer(value); });
  EXPECT_EQ(value, 15);

  // Typing: a click on the number opens it for editing with its text selected; Enter ends.
  auto type = [&](const std::function<float(float)>& property, float start, const std::string& text) {
    float v = Draw<float>([&] { return property(start); });
    Press(cell_.x + cell_.w - 22, cell_.y + cell_.h / 2);
    v = Draw<float>([&] { return property(v); });
    Release();
    v = Draw<float>([&] { return property(v); });
    host().Type(text);
    v = Draw<float>([&] { return property(v); });
    host().KeyDown(kVkEnter);
    v = Draw<float>([&] { return property(v); });
    host().KeyUp(kVkEnter);
    return Draw<float>([&] { return property(v); });
  };
  const std::function<float(float)> as_float = [&](float v) {
    return static_cast<float>(integer(static_cast<int32_t>(v)));
  };
  EXPECT_EQ(type(as_float, 15, "42"), 42.0f);
  EXPECT_EQ(type(as_float, 15, "420"), 100.0f);  // held to max
  const std::function<float(float)> real = [&](float v) { return api().PropertyFloat("#f", -5, v, 5, 0.5f, 0.1f); };
  EXPECT_EQ(type(real, 1, "2.5"), 2.5f);
  EXPECT_EQ(type(real, 1, "-9"), -5.0f);
}

TEST_F(Values, PropertiesHoldNumbersNuklearCannotPrintOrStep) {
  // A float past the int range would run Nuklear's number text off its buffer.
  const float huge = Draw<float>([&] { return api().PropertyFloat("#f", -1e30f, 1e30f, 1e30f, 1, 1); });
  EXPECT_EQ(huge, 1073741824.0f);
  EXPECT_EQ(Draw<float>([&] { return api().PropertyFloat("#f", -INFINITY, -INFINITY, 0, 1, 1); }), -1073741824.0f);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(Draw<float>([&] { return api().PropertyFloat("#f", 2, nan, 9, 1, 1); }), 2.0f);
  // The plus button at the top of the int range stays there instead of wrapping round.
  const std::function<int32_t(int32_t)> top = [&](int32_t v) {
    return api().PropertyInt("#n", INT32_MIN, v, INT32_MAX, INT32_MAX, 1);
  };
  const int32_t stepped = ClickAt<int32_t>(cell_.w - 7, cell_.h / 2, INT32_MAX, top);
  EXPECT_EQ(stepped, 1 << 30);
  // No name or no window: the value as given.
  EXPECT_EQ(Draw<int32_t>([&] { return api().PropertyInt(nullptr, 0, 500, 10, 1, 1); }), 500);
  EXPECT_EQ(api().PropertyFloat("#f", 0, 7.5f, 1, 1, 1), 7.5f);
}

TEST_F(Values, ColorPickerPacksItsComponentsLimitedToZeroToOne) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    float r, g, b, a;
    uint32_t packed;
  };
  const Case cases[] = {
      {2.0f, -1.0f, 0.5f, 1.0f, 0xFF7F00FFu},
      {0, 0, 0, 0, 0},
      {1, 1, 1, 1, 0xFFFFFFFFu},
      {nan, INFINITY, -INFINITY, 0.999f, 0xFE00FF00u},
  };
  for (const Case& c : cases)  // no window
    EXPECT_EQ(static_cast<uint32_t>(api().ColorPicker(c.r, c.g, c.b, c.a, 0)), c.packed) << c.r;
  // In a window, untouched, the picker hands the colour back (through its own HSV form).
  for (int32_t format : {0, 1}) {
    const uint32_t packed = static_cast<uint32_t>(
        Draw<int32_t>([&] { return api().ColorPicker(0.8f, 0.4f, 0.2f, 0.6f, format); }, 120));
    EXPECT_NEAR(static_cast<int>(packed & 0xFF), 204, 1);
    EXPECT_NEAR(static_cast<int>((packed >> 8) & 0xFF), 102, 1);
    EXPECT_NEAR(static_cast<int>((packed >> 16) & 0xFF), 51, 1);
    EXPECT_NEAR(static_cast<int>(packed >> 24), 153, 1);
    const uint32_t limited =
        static_cast<uint32_t>(Draw<int32_t>([&] { return api().ColorPicker(2, 0.5f, -1, 1, format); }, 120));
    EXPECT_EQ(limited & 0xFF, 255u);
    EXPECT_EQ((limited >> 16) & 0xFF, 0u);
  }
}

TEST_F(Values, SwitchTogglesOnlyOnItsTrack) {
  const std::function<int32_t(int32_t)> flip = [&](int32_t v) { return api().Switch("switch label", v); };
  EXPECT_EQ(Draw<int32_t>([&] { return flip(5); }), 1);
  EXPECT_EQ(Draw<int32_t>([&] { return flip(0); }), 0);
  // The track starts at the cell's corner and is twice as wide as high (about 2 x 22 here).
  EXPECT_EQ(ClickAt<int32_t>(10, cell_.h / 2, 5, flip), 0);
  EXPECT_EQ(ClickAt<int32_t>(10, cell_.h / 2, 0, flip), 1);
  EXPECT_EQ(ClickAt<int32_t>(120, cell_.h / 2, 5, flip), 1);  // on the label
  EXPECT_EQ(ClickAt<int32_t>(120, cell_.h / 2, 0, flip), 0);
  EXPECT_EQ(api().Switch("x", -3), 1);  // no window
  // It takes one cell: the next widget goes into the next one.
  float next_y = 0;
  Draw<int32_t>([&] {
    const int32_t v = flip(0);
    api().WidgetBounds();
    next_y = InterfaceRect().y;
    return v;
  });
  EXPECT_GT(next_y, cell_.y + 29);
}

// The spinner: its plus and minus buttons sit at the right end of its cell, its field before.
class Spinner : public Values {
 protected:
  float Plus() const { return cell_.x + cell_.w - 25; }
  float Minus() const { return cell_.x + cell_.w - 60; }

  // Frames with the button at `x` held; the results in order.
  template <class T>
  std::vector<T> Hold(float x, T value, int frames, const std::function<T(T)>& spinner) {
    value = Draw<T>([&] { return spinner(value); });
    Press(x, cell_.y + cell_.h / 2);
    std::vector<T> results;
    for (int i = 0; i < frames; ++i) {
      value = Draw<T>([&] { return spinner(value); });
      results.push_back(value);
    }
    Release();
    Draw<T>([&] { return spinner(value); });
    return results;
  }
};

TEST_F(Spinner, ButtonsRepeatWhileHeldAndStopAtTheEnds) {
  const std::function<int32_t(int32_t)> spin = [&](int32_t v) { return api().SpinInt("count", 0, v, 10, 1); };
  EXPECT_EQ(Draw<int32_t>([&] { return spin(5); }), 5);
  EXPECT_EQ(Draw<int32_t>([&] { return spin(5); }), 5);
  EXPECT_EQ(Hold<int32_t>(Plus(), 5, 7, spin), (std::vector<int32_t>{6, 7, 8, 9, 10, 10, 10}));
  EXPECT_EQ(Hold<int32_t>(Minus(), 2, 4, spin), (std::vector<int32_t>{1, 0, 0, 0}));
  const std::function<float(float)> real = [&](float v) { return api().SpinFloat("real", -1, v, 1, 0.25f, 2); };
  EXPECT_EQ(Hold<float>(Plus(), 0, 5, real), (std::vector<float>{0.25f, 0.5f, 0.75f, 1, 1}));
}

TEST_F(Spinner, TheScriptsButtonBehaviourIsPutBack) {
  for (int32_t behavior : {0, 1}) {
    api().ButtonSetBehavior(behavior);
    Draw<float>([&] { return api().SpinFloat("s", 0, 1, 2, 1, 0); });
    // A button held for two frames after the spinner's frame: fires once, or twice when repeating.
    const std::function<int32_t(int32_t)> button = [&](int32_t) { return api().ButtonLabel("held"); };
    std::vector<int32_t> fired = Hold<int32_t>(cell_.x + 10, 0, 2, button);
    EXPECT_EQ(fired, behavior ? (std::vector<int32_t>{1, 1}) : (std::vector<int32_t>{1, 0})) << behavior;
  }
}

TEST_F(Spinner, UntouchedValuesAreShownRoundedAndReadBack) {
  struct Case {
    float min, value, max;
    int32_t decimals;
    float expected;
  };
  const Case cases[] = {
      {0, 0.3333f, 1, 2, 0.33f},
      {0, 2.6f, 10, -5, 3.0f},         // decimals below 0 are 0
      {0, 0.5f, 1, 500, 0.5f},         // above 99 are 99, then as many as fit
      {0, 50, 0, 0, 50.0f},            // min = max: no limit
      {0, -4, 10, 1, 0.0f},
      {-FLT_MAX, 1.2345678e30f, FLT_MAX, 99, 1.2345678e30f},  // too long for the field: exponent form
      {-FLT_MAX, -3.25e-20f, FLT_MAX, 2, 0.0f},
  };
  for (const Case& c : cases) {
    const float result = Draw<float>([&] { return api().SpinFloat("s", c.min, c.value, c.max, 1, c.decimals); });
    EXPECT_NEAR(result, c.expected, std::fabs(c.expected) * 1e-6f + 1e-6f) << c.value << " " << c.decimals;
  }
  // Integer mode truncates; a huge value stays in the int range.
  EXPECT_EQ(Draw<float>([&] { return api().Spin("i", 0, 7.9f, 10, 1, 2, 0); }), 7.0f);
  EXPECT_EQ(Draw<float>([&] { return api().Spin("i", 0, 1e30f, 0, 1, 0, 0); }), 2147483648.0f);
  EXPECT_EQ(api().SpinInt("i", 0, INT32_MAX, 10, 1), INT32_MAX);  // no window: the value as given
  EXPECT_EQ(api().Spin("i", 0, 1e30f, 10, 1, 0, 0), 1e30f);
}

TEST_F(Spinner, TypingFollowsTheFilterAndEnterKeepsTheText) {
  const std::function<float(float)> real = [&](float v) { return api().SpinFloat("real", 0, v, 100, 1, 2); };
  float value = Draw<float>([&] { return real(5); });
  Press(cell_.x + 10, cell_.y + cell_.h / 2);
  value = Draw<float>([&] { return real(value); });
  Release();
  value = Draw<float>([&] { return real(value); });
  host().Type("1.2.3");  // the second point is refused
  value = Draw<float>([&] { return real(5); });  // the script's value is not shown while typing
  EXPECT_FLOAT_EQ(value, 1.23f);
  // Enter signals the text but keeps the field open; a click elsewhere in the window ends it
  // and keeps what was typed.
  host().KeyDown(kVkEnter);
  value = Draw<float>([&] { return real(value); });
  host().KeyUp(kVkEnter);
  EXPECT_FLOAT_EQ(value, 1.23f);
  EXPECT_FLOAT_EQ(Draw<float>([&] { return real(7); }), 1.23f);
  value = ClickAt<float>(10, 100, value, real);
  EXPECT_FLOAT_EQ(value, 1.23f);
  EXPECT_FLOAT_EQ(Draw<float>([&] { return real(7); }), 7.0f);  // the edit has ended

  // Integer spinners take digits and '-' only; Spin's filter argument is never called.
  const std::function<float(float)> whole = [&](float v) { return api().Spin("whole", -50, v, 50, 1, 0, 0x1234); };
  value = Draw<float>([&] { return whole(5); });
  Press(cell_.x + 10, cell_.y + cell_.h / 2);
  value = Draw<float>([&] { return whole(value); });
  Release();
  value = Draw<float>([&] { return whole(value); });
  host().Type("-3.7");
  EXPECT_EQ(Draw<float>([&] { return whole(value); }), -3.0f);
  ClickAt<float>(10, 100, -3.0f, whole);
  const std::function<float(float)> decimal = [&](float v) {
    return static_cast<float>(api().SpinInt("decimal", -50, static_cast<int32_t>(v), 50, 1));
  };
  value = Draw<float>([&] { return decimal(5); });
  Press(cell_.x + 10, cell_.y + cell_.h / 2);
  value = Draw<float>([&] { return decimal(value); });
  Release();
  value = Draw<float>([&] { return decimal(value); });
  host().Type("4x2");
  EXPECT_EQ(Draw<float>([&] { return decimal(value); }), 42.0f);
}

TEST_F(Spinner, APressOutsideTheWindowAbandonsTheTypedText) {
  const std::function<float(float)> real = [&](float v) { return api().SpinFloat("real", 0, v, 100, 1, 1); };
  float value = Draw<float>([&] { return real(5); });
  Press(cell_.x + 10, cell_.y + cell_.h / 2);
  value = Draw<float>([&] { return real(value); });
  Release();
  value = Draw<float>([&] { return real(value); });
  host().Type("77");
  EXPECT_EQ(Draw<float>([&] { return real(5); }), 77.0f);
  Press(600, 400);
  EXPECT_EQ(Draw<float>([&] { return real(5); }), 5.0f);
  Release();
  host().Type("9");  // typed after the cancel: no field takes it
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Draw<float>([&] { return real(5); }), 5.0f) << i;
}

}  // namespace
}  // namespace qel
