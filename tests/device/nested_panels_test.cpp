// Panels inside panels on the live context: a LayoutRow row inside a group that sits in a
// cell of an outer row, and a stored window panel read from inside a group. (Groups are
// opened with Nuklear's own call here.)
#include <gtest/gtest.h>

#include <memory>

#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/plugin_state.h"
#include "device_fixture.h"

namespace qel {
namespace {

class NestedPanels : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(320, 240);
    ASSERT_TRUE(host_->ok());
    ASSERT_EQ(StartPlugin("nested_panels_test.log"), 1);
  }
  std::unique_ptr<ReferenceHost> host_;
};

TEST_F(NestedPanels, ARowInsideAGroupLeavesTheOuterRowsColumnsAlone) {
  nk_context* ctx = Context();
  ASSERT_TRUE(WindowBegin("outer", 0, 0, 300, 200, 0));
  LayoutRow(0, 80, "[0.2,0.3,0.5]");
  const nk_panel* outer = ctx->current->layout;
  const float* outer_ratios = outer->row.ratio;
  ASSERT_NE(outer_ratios, nullptr);

  ASSERT_TRUE(nk_group_begin(ctx, "group", 0));  // the first cell of the outer row
  LayoutRow(1, 20, "[40,50,60,70,80,90,100,110]");  // more columns: a shared buffer would move
  EXPECT_EQ(ctx->current->layout->row.columns, 8);
  EXPECT_EQ(ctx->current->layout->row.ratio[7], 110.0f);
  nk_group_end(ctx);

  EXPECT_EQ(ctx->current->layout, outer);
  EXPECT_EQ(outer->row.ratio, outer_ratios);
  EXPECT_EQ(outer->row.columns, 3);
  EXPECT_EQ(outer_ratios[0], 0.2f);
  EXPECT_EQ(outer_ratios[1], 0.3f);
  EXPECT_EQ(outer_ratios[2], 0.5f);
  WindowEnd();
  Sync();
}

TEST_F(NestedPanels, AStoredWindowPanelIsReadInsideAGroupAsItIsThen) {
  nk_context* ctx = Context();
  ASSERT_TRUE(WindowBegin("w", 10, 20, 300, 200, 0));
  const int32_t block = GetMemblockInterface();
  const float* result = reinterpret_cast<const float*>(host_->MemblockData(block));
  WindowStorePanel(0);
  const nk_panel* window_panel = ctx->current->layout;
  LayoutRowDynamic(100, 2);
  ASSERT_TRUE(nk_group_begin(ctx, "group", 0));
  EXPECT_EQ(WindowGetStoredPanelBounds(0), block);
  EXPECT_EQ(result[0], window_panel->bounds.x);
  EXPECT_EQ(result[1], window_panel->bounds.y);
  EXPECT_EQ(result[2], window_panel->bounds.w);
  EXPECT_EQ(result[3], window_panel->bounds.h);
  WindowGetPanelBounds();  // the current panel is the group's
  EXPECT_LT(result[2], window_panel->bounds.w);
  nk_group_end(ctx);
  WindowEnd();
  Sync();
}

}  // namespace
}  // namespace qel
