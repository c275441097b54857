// Panels on the live context, where only Nuklear's own state shows the answer: group scroll
// offsets kept by name, and a tooltip that cannot open leaving the window and its popup as
// they were.
#include <gtest/gtest.h>

#include <memory>

#include "frame/exports.h"
#include "frame/plugin_state.h"
#include "device_fixture.h"

namespace qel {
namespace {

class PanelsOnTheContext : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(640, 480);
    ASSERT_TRUE(host_->ok());
    ASSERT_EQ(StartPlugin("panels_device_test.log"), 1);
    FontStashBegin();
    FontStashEnd();
  }
  static nk_uint GroupScrollY(const char* name) {
    nk_uint x = 0, y = 0;
    nk_group_get_scroll(Context(), name, &x, &y);
    return y;
  }
  std::unique_ptr<ReferenceHost> host_;
};

TEST_F(PanelsOnTheContext, GroupsKeepTheirScrollOffsetsByName) {
  nk_uint scroll[2] = {0, 0};
  // Two groups side by side, each taller than its cell; the wheel goes to the one hovered.
  auto frame = [&](const char* left, const char* right) {
    HandleInput0();
    if (WindowBegin("groups", 0, 0, 420, 300, 1 | 32)) {
      LayoutRowDynamic(200, 2);
      const char* names[2] = {left, right};
      for (int i = 0; i < 2; ++i) {
        if (!GroupBegin(names[i], 1)) continue;
        LayoutRowDynamic(25, 1);
        for (int row = 0; row < 30; ++row) Label("row", 17);
        GroupEnd();
        scroll[i] = GroupScrollY(names[i]);
      }
    }
    WindowEnd();
    Sync();
  };
  frame("a", "b");
  host_->MoveMouse(100, 100);  // over the left group
  frame("a", "b");
  host_->Wheel(-2);
  frame("a", "b");
  const nk_uint scrolled = scroll[0];
  EXPECT_GT(scrolled, 0u);
  EXPECT_EQ(scroll[1], 0u);
  frame("a", "b");
  EXPECT_EQ(scroll[0], scrolled);

  // Swapped cells: each offset follows its group's name.
  frame("b", "a");
  EXPECT_EQ(scroll[0], 0u);
  EXPECT_EQ(scroll[1], scrolled);
  // The wheel over the left cell now scrolls "b".
  host_->Wheel(-1);
  frame("b", "a");
  EXPECT_GT(scroll[0], 0u);
  EXPECT_EQ(scroll[1], scrolled);
}

TEST_F(PanelsOnTheContext, ATooltipThatCannotOpenLeavesTheWindowAndItsPopupAlone) {
  nk_context* ctx = Context();
  for (int frame = 0; frame < 2; ++frame) {
    HandleInput0();
    ASSERT_TRUE(WindowBegin("w", 0, 0, 300, 200, 1));
    // A popup that stays open holds the window's popup slot.
    ASSERT_EQ(PopupBegin(0, "held", 1, 10, 10, 100, 80), 1);
    PopupEnd();
    EXPECT_EQ(TooltipBegin1(100), 0);
    EXPECT_EQ(ctx->current->layout->type, NK_PANEL_WINDOW);
    EXPECT_EQ(ctx->current->popup.type, NK_PANEL_POPUP);
    WindowEnd();
    Sync();
  }
}

}  // namespace
}  // namespace qel
