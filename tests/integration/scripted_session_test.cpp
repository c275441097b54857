// One script driving a menu, a combo, a tree and a spinner end to end, as a game would: every
// value kept by the script and passed back each frame, the user's clicks and typing coming
// through the host's input.
#include <string>

#include "widget_fixture.h"

namespace qel {
namespace {

class ScriptedSession : public WidgetTest {
 protected:
  // What the script keeps between frames.
  int32_t coins_ = 0, fruit_ = 0, tree_open_ = 0;
  // Where this frame drew things.
  Rect combo_, spinner_;

  void Frame() {
    WidgetTest::Frame([&] {
      if (api().WindowBegin("game", 0, 0, 400, 400, kBorder | kNoScrollbar)) {
        api().MenubarBegin();
        api().LayoutRowStatic(25, 80, 1);
        if (api().MenuBeginLabel("File", kAlignLeft, 150, 100)) {
          api().LayoutRowDynamic(25, 1);
          if (api().MenuItemLabel("Add coin", kAlignLeft)) ++coins_;
          api().MenuEnd();
        }
        api().MenubarEnd();

        api().LayoutRowDynamic(30, 1);
        api().LayoutWidgetBounds();
        combo_ = InterfaceRect();
        fruit_ = api().ComboSeparator("Apple|Banana|Cherry", '|', fruit_, 3, 25, 200, 200);

        tree_open_ = api().TreePush(0, "Details", 0);
        if (tree_open_) {
          api().LayoutRowDynamic(20, 1);
          api().Label("inside the node", kAlignLeft);
          api().TreeStatePop();
        }

        api().LayoutRowDynamic(30, 1);
        api().LayoutWidgetBounds();
        spinner_ = InterfaceRect();
        coins_ = api().SpinInt("coins", 0, coins_, 99, 1);
      }
      api().WindowEnd();
    });
  }
  void Click(float x, float y) {
    Press(x, y);
    Frame();
    Release();
    Frame();
  }
};

TEST_F(ScriptedSession, AMenuAComboATreeAndASpinnerDrivenByTheUser) {
  StartWidgets();
  Frame();
  ASSERT_GT(combo_.w, 0.0f);
  EXPECT_EQ(coins_, 0);

  // The menu bar's File menu: opened, then its item clicked once.
  const float bar_y = combo_.y - 20;
  Click(40, bar_y);
  Press(40, bar_y + 35);
  Frame();
  Release();
  Frame();
  EXPECT_EQ(coins_, 1);

  // The combo: opened on its header, the second piece picked; the popup closes.
  Click(combo_.x + combo_.w / 2, combo_.y + combo_.h / 2);
  Click(combo_.x + 40, combo_.y + combo_.h + 45);
  EXPECT_EQ(fruit_, 1);
  Frame();
  EXPECT_EQ(fruit_, 1);

  // The tree node: a click on its header opens it, another closes it.
  // Closed, its header row lies between the combo and the spinner.
  EXPECT_EQ(tree_open_, 0);
  const float header_y = (combo_.y + combo_.h + spinner_.y) / 2;
  Click(combo_.x + 60, header_y);
  EXPECT_EQ(tree_open_, 1);
  Click(combo_.x + 60, header_y);
  EXPECT_EQ(tree_open_, 0);

  // The spinner: its + button held over three frames, then a number typed into its field
  // and the edit ended by a click elsewhere in the window.
  Frame();
  Press(spinner_.x + spinner_.w - 25, spinner_.y + spinner_.h / 2);
  for (int i = 0; i < 3; ++i) Frame();
  Release();
  Frame();
  EXPECT_EQ(coins_, 4);
  Click(spinner_.x + 10, spinner_.y + spinner_.h / 2);
  host().Type("42");
  Frame();
  Click(200, 380);
  EXPECT_EQ(coins_, 42);
  Frame();
  EXPECT_EQ(coins_, 42);
  EXPECT_FALSE(LogHas("ERROR"));
}

}  // namespace
}  // namespace qel
