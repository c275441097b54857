// Input and widget-cell queries through the real exports: the input state of scripted frames,
// cells peeked and taken, and the last layout state.
#include <string>
#include <vector>

#include "widget_fixture.h"

namespace qel {
namespace {

class Queries : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    StartWidgets();
    host().MoveMouse(600, 400);
  }
  // One frame with a window of rows 30 high; `inside` runs in it.
  template <class Inside>
  void InWindow(Inside&& inside, const char* name = "q", float x = 0, float y = 0) {
    Frame([&] {
      if (api().WindowBegin(name, x, y, 300, 200, kBorder | kNoScrollbar)) inside();
      api().WindowEnd();
    });
  }
  static bool Same(const Rect& a, const Rect& b) { return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h; }
};

TEST_F(Queries, MouseButtonStatesOverThePressHoldAndRelease) {
  const Rect box{100, 100, 50, 40};
  // Per frame: down, pressed, released, has click, click in rect, has click in rect.
  auto row = [&] {
    std::string s;
    for (int value : {api().InputIsMouseDown(0), api().InputIsMousePressed(0), api().InputIsMouseReleased(0),
                      api().InputHasMouseClick(0), api().InputIsMouseClickInRect(0, box.x, box.y, box.w, box.h),
                      api().InputHasMouseClickInRect(0, box.x, box.y, box.w, box.h)})
      s += static_cast<char>('0' + value);
    return s;
  };
  std::vector<std::string> frames;
  auto frame = [&] { Frame([&] { frames.push_back(row()); }); };
  Press(120, 110);
  frame();  // press
  frame();  // held
  Release();
  frame();  // release
  frame();  // later
  EXPECT_EQ(frames, (std::vector<std::string>{"110001", "100001", "001111", "000001"}));
}

TEST_F(Queries, RectangleEdgesAndTheClickDownForms) {
  Press(150, 140);  // on the right and bottom edges of (100, 100, 50, 40)
  Frame([&] {
    EXPECT_EQ(api().InputHasMouseClickInRect(0, 100, 100, 50, 40), 0);
    EXPECT_EQ(api().InputIsMouseHoveringRect(100, 100, 50, 40), 0);
    EXPECT_EQ(api().InputIsMouseHoveringRect(100, 100, 50.5f, 40.5f), 1);
    EXPECT_EQ(api().InputHasMouseClickDownInRect(0, 100, 100, 51, 41, 1), 1);
    EXPECT_EQ(api().InputHasMouseClickDownInRect(0, 100, 100, 51, 41, 0), 0);
    EXPECT_EQ(api().InputIsMouseClickDownInRect(0, 100, 100, 51, 41, 1), 1);
    EXPECT_EQ(api().InputIsMouseClickInRect(0, 100, 100, 51, 41), 0);  // not released
    EXPECT_EQ(api().InputMouseClicked(0, 100, 100, 51, 41), 0);
  });
  Release();
  Frame([&] {
    EXPECT_EQ(api().InputMouseClicked(0, 100, 100, 51, 41), 1);
    EXPECT_EQ(api().InputAnyMouseClickInRect(100, 100, 51, 41), 1);
    EXPECT_EQ(api().InputIsMouseClickDownInRect(0, 100, 100, 51, 41, 1), 0);
    EXPECT_EQ(api().InputMouseClicked(0, 0, 0, 10, 10), 0);
  });
  host().MoveMouse(10, 10);
  Frame([&] {
    EXPECT_EQ(api().InputIsMousePrevHoveringRect(100, 100, 51, 41), 1);
    EXPECT_EQ(api().InputIsMouseHoveringRect(100, 100, 51, 41), 0);
    EXPECT_EQ(api().InputAnyMouseClickInRect(100, 100, 51, 41), 0);
    EXPECT_EQ(api().InputMouseClicked(0, 100, 100, 51, 41), 0);  // the mouse left the rectangle
  });
}

TEST_F(Queries, KeysAndMouseMovement) {
  constexpr int kVkShift = 16;
  constexpr int32_t kShift = 1;
  host().MoveMouse(100, 100);
  Frame();
  host().MoveMouse(130, 90);
  host().KeyDown(kVkShift);
  Frame([&] {
    EXPECT_EQ(api().InputGetMouseDeltaX(), 30.0f);
    EXPECT_EQ(api().InputGetMouseDeltaY(), -10.0f);
    EXPECT_EQ(api().InputIsKeyDown(kShift), 1);
    EXPECT_EQ(api().InputIsKeyPressed(kShift), 1);
    EXPECT_EQ(api().InputIsKeyReleased(kShift), 0);
  });
  Frame([&] {
    EXPECT_EQ(api().InputGetMouseDeltaX(), 0.0f);
    EXPECT_EQ(api().InputIsKeyDown(kShift), 1);
    EXPECT_EQ(api().InputIsKeyPressed(kShift), 0);
  });
  // A held key is fed again only after the key-repeat delay; a long frame lets it pass.
  host().KeyUp(kVkShift);
  host().SetFrameTime(1.0f);
  std::string released, down;
  for (int i = 0; i < 3; ++i)
    Frame([&] {
      released += static_cast<char>('0' + api().InputIsKeyReleased(kShift));
      down += static_cast<char>('0' + api().InputIsKeyDown(kShift));
    });
  // Keys are fed in every frame that passes the throttle, and each feed counts as a change.
  EXPECT_EQ(released, "011");
  EXPECT_EQ(down, "100");
}

TEST_F(Queries, KeysAndButtonsOutsideTheirRangesAreNeverHeld) {
  Press(100, 100);
  host().KeyDown(16);
  Frame([&] {
    for (int32_t key : {-1, 30, 31, 1000, INT32_MIN}) {
      EXPECT_EQ(api().InputIsKeyDown(key), 0) << key;
      EXPECT_EQ(api().InputIsKeyPressed(key), 0) << key;
      EXPECT_EQ(api().InputIsKeyReleased(key), 0) << key;
    }
    for (int32_t button : {-1, 4, 5, INT32_MAX}) {
      EXPECT_EQ(api().InputIsMouseDown(button), 0) << button;
      EXPECT_EQ(api().InputIsMousePressed(button), 0) << button;
      EXPECT_EQ(api().InputHasMouseClickInRect(button, 0, 0, 640, 480), 0) << button;
      EXPECT_EQ(api().InputIsMouseClickDownInRect(button, 0, 0, 640, 480, 1), 0) << button;
      EXPECT_EQ(api().InputMouseClicked(button, 0, 0, 640, 480), 0) << button;
    }
    EXPECT_EQ(api().InputIsMouseDown(0), 1);
  });
}

TEST_F(Queries, PeeksLeaveTheCellAndWidgetTakesIt) {
  InWindow([&] {
    api().LayoutRowDynamic(30, 3);
    api().WidgetBounds();
    const Rect peek = InterfaceRect();
    api().WidgetBounds();
    EXPECT_TRUE(Same(InterfaceRect(), peek));
    api().WidgetPosition();
    EXPECT_EQ(InterfaceFloat(0), peek.x);
    EXPECT_EQ(InterfaceFloat(1), peek.y);
    api().WidgetSize();
    EXPECT_EQ(InterfaceFloat(0), peek.w);
    EXPECT_EQ(InterfaceFloat(1), peek.h);
    EXPECT_EQ(api().WidgetWidth(), peek.w);
    EXPECT_EQ(api().WidgetHeight(), 30.0f);

    EXPECT_EQ(api().Widget(), api().GetMemblockInterface());
    const Rect first = InterfaceRect();
    EXPECT_EQ(first.x, static_cast<float>(static_cast<int>(peek.x)));
    EXPECT_EQ(first.w, static_cast<float>(static_cast<int>(peek.w)));
    // Spacing skips the second column; the third is what comes next.
    api().Spacing(1);
    api().WidgetFitting();
    const Rect third = InterfaceRect();
    EXPECT_NEAR(third.x - first.x, 2 * (first.w + 4), 3);  // two columns and their spacing
    EXPECT_EQ(third.y, first.y);
    // Skipping past the row's end wraps to the rows below.
    api().Spacing(4);
    api().Widget();
    EXPECT_GT(InterfaceRect().y, first.y + 60);
    EXPECT_NEAR(InterfaceRect().x, third.x - first.w - 4, 3);
  });
}

TEST_F(Queries, TheLastWidgetStateOutlivesFramesAndTellsVisibleFromReadOnly) {
  EXPECT_EQ(api().WidgetGetLastState(), -1);
  std::vector<int32_t> states;
  host().MoveMouse(50, 15);  // over the first cell
  InWindow([&] {
    for (int i = 0; i < 8; ++i) {
      api().LayoutRowDynamic(30, 1);
      api().Widget();
      states.push_back(api().WidgetGetLastState());
    }
  });
  // Rows past the window's bottom are not visible (0) but still give their rectangle.
  EXPECT_EQ(states.front(), 1);
  EXPECT_EQ(states.back(), 0);
  EXPECT_GT(InterfaceRect().y, 200.0f);
  EXPECT_EQ(InterfaceRect().h, 30.0f);
  Frame();
  EXPECT_EQ(api().WidgetGetLastState(), 0);
  host().MoveMouse(600, 400);  // away from the window: visible but without input
  InWindow([&] {
    api().LayoutRowDynamic(30, 1);
    api().Widget();
  });
  EXPECT_EQ(api().WidgetGetLastState(), 2);
}

TEST_F(Queries, HoverAndClickOnTheNextCellOnlyInTheActiveWindow) {
  // Two overlapping windows; a click in "a" makes it the active one, on top, and "b" then
  // stays inactive under the mouse (a window is activated by hovering only while nothing
  // lies over it).
  Rect a_cell, b_cell;
  auto frame = [&](std::vector<int32_t>* a_answers, std::vector<int32_t>* b_answers) {
    Frame([&] {
      for (auto [name, x, cell, answers] : {std::make_tuple("a", 0.0f, &a_cell, a_answers),
                                            std::make_tuple("b", 200.0f, &b_cell, b_answers)}) {
        if (api().WindowBegin(name, x, 0, 300, 200, kBorder | kNoScrollbar)) {
          api().LayoutRowDynamic(40, 1);
          api().WidgetBounds();
          *cell = InterfaceRect();
          if (answers)
            *answers = {api().WidgetIsHovered(), api().WidgetIsMouseClicked(0), api().WidgetHasMouseClickDown(0, 1)};
        }
        api().WindowEnd();
      }
    });
  };
  frame(nullptr, nullptr);
  Press(a_cell.x + 5, a_cell.y + 5);
  std::vector<int32_t> a, b;
  frame(&a, &b);
  EXPECT_EQ(a, (std::vector<int32_t>{1, 0, 1}));
  Release();
  frame(&a, &b);
  EXPECT_EQ(a, (std::vector<int32_t>{1, 1, 0}));
  host().MoveMouse(400, b_cell.y + 5);
  frame(&a, &b);
  EXPECT_EQ(b, (std::vector<int32_t>{0, 0, 0}));  // over b's cell, but b is not the active window
  EXPECT_EQ(a[0], 0);
  EXPECT_EQ(api().InputIsMouseHoveringRect(b_cell.x, b_cell.y, b_cell.w, b_cell.h), 1);
}

TEST_F(Queries, WithoutAWindowTheCellQueriesAnswerZeros) {
  const int32_t block = api().GetMemblockInterface();
  uint8_t* bytes = host().MemblockData(block);
  auto zeros_written = [&](int32_t (*query)(), int count) {
    std::memset(bytes, 0xAB, 32);
    if (query() != block) return false;
    for (int i = 0; i < count; ++i)
      if (bytes[i] != 0) return false;
    return bytes[count] == 0xAB;
  };
  InWindow([&] {
    api().LayoutRowDynamic(30, 1);
    api().Widget();
  });
  ASSERT_EQ(api().WidgetGetLastState(), 2);
  EXPECT_TRUE(zeros_written(api().Widget, 16));
  EXPECT_EQ(api().WidgetGetLastState(), 0);
  EXPECT_TRUE(zeros_written(api().WidgetFitting, 16));
  EXPECT_TRUE(zeros_written(api().WidgetBounds, 16));
  EXPECT_TRUE(zeros_written(api().WidgetPosition, 8));
  EXPECT_TRUE(zeros_written(api().WidgetSize, 8));
  EXPECT_EQ(api().WidgetWidth(), 0.0f);
  EXPECT_EQ(api().WidgetHeight(), 0.0f);
  EXPECT_EQ(api().WidgetIsHovered(), 0);
  EXPECT_EQ(api().WidgetIsMouseClicked(0), 0);
  EXPECT_EQ(api().WidgetHasMouseClickDown(0, 0), 0);
  api().Spacing(3);
}

TEST_F(Queries, SpacingInARowOfNoColumnsOrByNoCellsDoesNothing) {
  InWindow([&] {
    api().LayoutRowDynamic(30, 2);
    api().WidgetBounds();
    const Rect before = InterfaceRect();
    for (int32_t cols : {0, -1, INT32_MIN}) {
      api().Spacing(cols);
      api().WidgetBounds();
      EXPECT_TRUE(Same(InterfaceRect(), before)) << cols;
    }
    api().LayoutRowDynamic(30, 0);
    api().Spacing(1);
    api().Spacing(INT32_MAX);  // bounded: returns at once
    api().LayoutRowDynamic(30, 1);
    api().Label("after", kAlignLeft);
  });
}

using QueriesBeforeStartUp = PluginTest;

TEST_F(QueriesBeforeStartUp, AnswerZero) {
  EXPECT_EQ(api().InputIsMouseDown(0), 0);
  EXPECT_EQ(api().InputIsKeyDown(1), 0);
  EXPECT_EQ(api().InputAnyMouseClickInRect(0, 0, 10, 10), 0);
  EXPECT_EQ(api().InputGetMouseDeltaX(), 0.0f);
  EXPECT_EQ(api().WidgetGetLastState(), -1);
  EXPECT_EQ(api().WidgetWidth(), 0.0f);
  api().Spacing(1);
}

}  // namespace
}  // namespace qel
