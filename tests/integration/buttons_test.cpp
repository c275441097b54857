// Buttons through the real exports and the host's scripted mouse: firing, click
// consumption on every button path, repeat behaviour and its stack.
#include <functional>
#include <string>
#include <vector>

#include "widget_fixture.h"

namespace qel {
namespace {

class Buttons : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    StartWidgets();
    host().MoveMouse(600, 400);
    image_ = LoadImage("quadrants.png");
    api().ImageCreate1("quadrants", image_);
    api().ImageToSlot1(2, image_);
  }

  // One frame in which each of `buttons` is drawn over the same rectangle of the window;
  // their results in order.
  std::vector<int32_t> Frame(const std::vector<std::function<int32_t()>>& buttons) {
    std::vector<int32_t> results;
    PluginTest::Frame([&] {
      if (api().WindowBegin("buttons", 0, 0, 300, 200, kBorder | kNoScrollbar)) {
        api().LayoutSpaceBegin(1, 100, static_cast<int32_t>(buttons.size()));
        api().LayoutSpaceRectToScreen(20, 20, 100, 40);
        target_ = InterfaceRect();
        for (const auto& button : buttons) {
          api().LayoutSpacePush(20, 20, 100, 40);
          results.push_back(button());
        }
      }
      api().WindowEnd();
    });
    return results;
  }
  // Draws once to learn where the buttons are, then presses there.
  std::vector<int32_t> Click(const std::vector<std::function<int32_t()>>& buttons) {
    Frame(buttons);
    Press(target_.x + target_.w / 2, target_.y + target_.h / 2);
    std::vector<int32_t> results = Frame(buttons);
    Release();
    Frame(buttons);
    return results;
  }

  int32_t image_ = 0;
  Rect target_;
};

TEST_F(Buttons, EveryButtonFiresOnceAndTakesTheClickFromTheButtonsAfterIt) {
  const int32_t record = api().ImageCreate2(image_);
  const std::vector<std::pair<std::string, std::function<int32_t()>>> kinds = {
      {"label", [&] { return api().ButtonLabel("OK"); }},
      {"text", [&] { return api().ButtonText("OK then", 2); }},
      {"color", [&] { return api().ButtonColor(static_cast<int32_t>(0xFF00FF00u)); }},
      {"symbol", [&] { return api().ButtonSymbol(11); }},
      {"symbol label", [&] { return api().ButtonSymbolLabel(10, "Go", kAlignLeft); }},
      {"symbol text", [&] { return api().ButtonSymbolText(10, "Go on", 2, kAlignLeft); }},
      {"image 0", [&] { return api().ButtonImage0(2); }},
      {"image 1", [&] { return api().ButtonImage1("quadrants"); }},
      {"image label 0", [&] { return api().ButtonImageLabel0(2, "Pic", kAlignLeft); }},
      {"image label 1", [&] { return api().ButtonImageLabel1("quadrants", "Pic", kAlignLeft); }},
      {"image text 0", [&] { return api().ButtonImageText0(2, "Picture", 3, kAlignLeft); }},
      {"image text 1", [&] { return api().ButtonImageText1("quadrants", "Picture", 3, kAlignLeft); }},
      {"memblock image", [&] { return api().ButtonMemblockImage(record); }},
  };
  for (const auto& [name, button] : kinds) {
    // Two of a kind, then a label button, all under the same click: only the first fires.
    EXPECT_EQ(Click({button, button, [&] { return api().ButtonLabel("under"); }}), (std::vector<int32_t>{1, 0, 0}))
        << name;
    EXPECT_EQ(Frame({button}), std::vector<int32_t>{0}) << name;  // no click, no fire
  }
  EXPECT_FALSE(LogHas("ERROR"));
}

TEST_F(Buttons, AnImageButtonWithAMissingImageStillWorks) {
  EXPECT_EQ(Click({[&] { return api().ButtonImage0(9); }}), std::vector<int32_t>{1});
  EXPECT_EQ(LogCount(LogLevelAndText(msg::ImageSlotMissing, 9)), 3);  // once a frame
  EXPECT_EQ(Click({[&] { return api().ButtonImageLabel1("missing", "?", kAlignLeft); }}), std::vector<int32_t>{1});
  EXPECT_EQ(LogCount(LogLevelAndText(msg::ImageMissing, "missing")), 3);
}

TEST_F(Buttons, ARepeaterFiresInEveryFrameItIsHeld) {
  auto held_frames = [&](int32_t behavior) {
    api().ButtonSetBehavior(behavior);
    const std::vector<std::function<int32_t()>> button = {[&] { return api().ButtonLabel("hold"); }};
    Frame(button);
    Press(target_.x + 10, target_.y + 10);
    std::string fired;
    for (int i = 0; i < 3; ++i) fired += Frame(button)[0] ? '1' : '0';
    Release();
    Frame(button);
    return fired;
  };
  EXPECT_EQ(held_frames(1), "111");
  EXPECT_EQ(held_frames(0), "100");
}

TEST_F(Buttons, TheBehaviourStackHoldsEight) {
  const std::vector<std::function<int32_t()>> button = {[&] { return api().ButtonLabel("hold"); }};
  auto held_twice = [&] {
    Frame(button);
    Press(target_.x + 10, target_.y + 10);
    std::string fired;
    for (int i = 0; i < 2; ++i) fired += Frame(button)[0] ? '1' : '0';
    Release();
    Frame(button);
    return fired;
  };
  for (int i = 0; i < 8; ++i) EXPECT_EQ(api().ButtonPushBehavior(1), 1) << i;
  EXPECT_EQ(api().ButtonPushBehavior(0), 0);  // full: the behaviour stays
  EXPECT_EQ(held_twice(), "11");
  for (int i = 0; i < 7; ++i) EXPECT_EQ(api().ButtonPopBehavior(), 1) << i;
  EXPECT_EQ(held_twice(), "11");
  EXPECT_EQ(api().ButtonPopBehavior(), 1);
  EXPECT_EQ(held_twice(), "10");  // the behaviour from before the first push
  EXPECT_EQ(api().ButtonPopBehavior(), 0);
  EXPECT_EQ(held_twice(), "10");
}

TEST_F(Buttons, NegativeLengthsAndNullTextsDrawButtonsWithoutText) {
  const std::vector<std::string> logged = LogMessages();
  EXPECT_EQ(Click({[&] { return api().ButtonText(nullptr, 40); }}), std::vector<int32_t>{1});
  EXPECT_EQ(Click({[&] { return api().ButtonSymbolText(1, "x", -2, kAlignLeft); }}), std::vector<int32_t>{1});
  EXPECT_EQ(Click({[&] { return api().ButtonLabel(nullptr); }}), std::vector<int32_t>{1});
  EXPECT_EQ(LogMessages(), logged);  // quietly
  // A negative length draws the same button as a length of 0.
  auto drawn = [&](int32_t length) {
    Frame({[&] { return api().ButtonText("WWWW", length); }});
    return host().Screen();
  };
  const Pixels empty = drawn(0);
  EXPECT_EQ(drawn(-2).rgba, empty.rgba);
  EXPECT_NE(drawn(4).rgba, empty.rgba);
}

using ButtonsBeforeStartUp = PluginTest;

TEST_F(ButtonsBeforeStartUp, AnswerZero) {
  EXPECT_EQ(api().ButtonLabel("x"), 0);
  EXPECT_EQ(api().ButtonColor(-1), 0);
  EXPECT_EQ(api().ButtonMemblockImage(1), 0);
  EXPECT_EQ(api().ButtonPushBehavior(1), 0);
  EXPECT_EQ(api().ButtonPopBehavior(), 0);
  api().ButtonSetBehavior(1);
}

// Column widths of rows, measured on colour buttons drawn in them.
class RowColumns : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    StartWidgets();
    host().MoveMouse(600, 400);
  }
  // A colour of its own for each button.
  static uint32_t Colour(int i) {
    return static_cast<uint32_t>(10 + 14 * i) | (200u << 8) | (static_cast<uint32_t>(255 - 13 * i) << 16);
  }
  // Draws a row made by `row` with `count` colour buttons; the widths of the drawn buttons.
  std::vector<int> Widths(const std::function<void()>& row, int count) {
    PluginTest::Frame([&] {
      if (api().WindowBegin("rows", 0, 0, 400, 300, kNoScrollbar)) {
        row();
        for (int i = 0; i < count; ++i) api().ButtonColor(static_cast<int32_t>(Colour(i) | 0xFF000000u));
      }
      api().WindowEnd();
    });
    std::vector<int> widths;
    const Pixels screen = host().Screen();
    for (int i = 0; i < count; ++i) widths.push_back(FindColor(screen, Colour(i), 0, 0, 0, 400, 300).width());
    return widths;
  }
};

// A colour button's fill stops short of its cell by its border, a pixel on each side.
constexpr int kBorders = 2;
constexpr int kFillSlack = 3;

TEST_F(RowColumns, LayoutRowTakesRatiosOrPixelsFromItsList) {
  const std::vector<int> dynamic = Widths([&] { api().LayoutRow(0, 30, "[0.2,0.8]"); }, 2);
  ASSERT_EQ(dynamic.size(), 2u);
  EXPECT_NEAR(dynamic[1] + kBorders, 4 * (dynamic[0] + kBorders), 2);
  const std::vector<int> fixed = Widths([&] { api().LayoutRow(1, 30, "[100,50]"); }, 2);
  EXPECT_NEAR(fixed[0], 100, kFillSlack);
  EXPECT_NEAR(fixed[1], 50, kFillSlack);
  EXPECT_EQ(Widths([&] { api().LayoutRow(7, 30, "[100,50]"); }, 2), fixed);  // any nonzero format is static
  const std::vector<int> rest = Widths([&] { api().LayoutRow(0, 30, "[0.3, -1]"); }, 2);
  EXPECT_NEAR((rest[1] + kBorders) * 3, (rest[0] + kBorders) * 7, 12);
  // No columns: the widgets after it get no width, and nothing is read outside the list.
  EXPECT_EQ(Widths([&] { api().LayoutRow(0, 30, "[]"); }, 2), (std::vector<int>{0, 0}));
  EXPECT_EQ(Widths([&] { api().LayoutRow(1, 30, "no list"); }, 1), std::vector<int>{0});
}

TEST_F(RowColumns, TemplateRowsTakeSixteenColumns) {
  const std::vector<int> widths = Widths(
      [&] {
        api().LayoutRowTemplateBegin(30);
        for (int i = 0; i < 17; ++i) api().LayoutRowTemplatePushStatic(static_cast<float>(10 + i));
        api().LayoutRowTemplateEnd();
      },
      17);
  // Sixteen static columns; the seventeenth push was ignored, so widget 17 wraps to a new
  // row and takes the first column's width again.
  for (int i = 0; i < 16; ++i) EXPECT_EQ(widths[i] + kBorders, 10 + i) << i;
  EXPECT_EQ(widths[16], widths[0]);
}

TEST_F(RowColumns, PushedRowsAndSpaces) {
  const std::vector<int> pushed = Widths(
      [&] {
        api().LayoutRowBegin(0, 30, 2);
        api().LayoutRowPush(0.25f);
      },
      1);
  EXPECT_EQ(pushed, Widths([&] { api().LayoutRow(0, 30, "[0.25,0.75]"); }, 1));
  const std::vector<int> dynamic_space = Widths(
      [&] {
        api().LayoutSpaceBegin(2, 30, 1);  // any format but 1 is dynamic
        api().LayoutSpacePush(0, 0, 0.5f, 1);
      },
      1);
  EXPECT_GT(dynamic_space[0], 150);  // half the window's width
  const std::vector<int> static_space = Widths(
      [&] {
        api().LayoutSpaceBegin(1, 30, 1);
        api().LayoutSpacePush(0, 0, 0.5f, 1);
      },
      1);
  EXPECT_EQ(static_space[0], 0);
}

}  // namespace
}  // namespace qel
