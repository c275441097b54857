// Stored panels on the live context: read as they are at the query, and only while they
// are open. (The menu bar and the groups are Nuklear's own calls here.)
#include <gtest/gtest.h>

#include <memory>

#include "frame/exports.h"
#include "frame/plugin_state.h"
#include "device_fixture.h"

namespace qel {
namespace {

class StoredPanels : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(320, 240);
    ASSERT_TRUE(host_->ok());
    ASSERT_EQ(StartPlugin("stored_panels_test.log"), 1);
    result_ = reinterpret_cast<const float*>(host_->MemblockData(GetMemblockInterface()));
  }
  std::unique_ptr<ReferenceHost> host_;
  const float* result_ = nullptr;
};

TEST_F(StoredPanels, ThePanelIsReadAsItIsWhenAsked) {
  nk_context* ctx = Context();
  ASSERT_TRUE(WindowBegin("w", 10, 20, 300, 200, 0));
  WindowStorePanel(0);
  const nk_panel* panel = ctx->current->layout;
  const struct nk_rect at_store = panel->bounds;
  // A menu bar moves the panel's body below itself when it ends.
  nk_menubar_begin(ctx);
  LayoutRowDynamic(25, 1);
  nk_label(ctx, "File", NK_TEXT_LEFT);
  nk_menubar_end(ctx);
  ASSERT_GT(panel->bounds.y, at_store.y);
  WindowGetStoredPanelBounds(0);
  EXPECT_EQ(result_[0], panel->bounds.x);
  EXPECT_EQ(result_[1], panel->bounds.y);
  EXPECT_EQ(result_[2], panel->bounds.w);
  EXPECT_EQ(result_[3], panel->bounds.h);
  WindowEnd();
  Sync();
}

TEST_F(StoredPanels, AnEndedGroupsPanelIsNotTheNextGroupsPanel) {
  nk_context* ctx = Context();
  ASSERT_TRUE(WindowBegin("w", 10, 20, 300, 200, 0));
  LayoutRowDynamic(100, 2);
  ASSERT_TRUE(nk_group_begin(ctx, "left", 0));
  WindowStorePanel(0);
  const nk_panel* left = ctx->current->layout;
  WindowGetStoredPanelBounds(0);
  EXPECT_EQ(result_[0], left->bounds.x);
  EXPECT_GT(result_[2], 0.0f);
  nk_group_end(ctx);
  ASSERT_TRUE(nk_group_begin(ctx, "right", 0));
  ASSERT_EQ(ctx->current->layout, left);  // Nuklear gave the storage to the next group
  WindowGetStoredPanelBounds(0);
  EXPECT_EQ(result_[0], 0.0f);
  EXPECT_EQ(result_[2], 0.0f);
  nk_group_end(ctx);
  WindowEnd();
  Sync();
}

}  // namespace
}  // namespace qel
