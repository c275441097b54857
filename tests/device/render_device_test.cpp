// The render device drawing known shapes into the live context, read back from the host's
// screen and render image.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "device/render_device.h"
#include "fonts/font_atlas.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/plugin_state.h"
#include "device_fixture.h"

namespace qel {
namespace {

constexpr uint32_t kRed = 0xFF0000FFu;

class RenderDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(320, 240);
    ASSERT_TRUE(host_->ok());
    // A log of each test's own: tests run in parallel processes.
    log_ = std::string("render_device_test_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".log";
    ASSERT_EQ(StartPlugin(log_), 1);
    EnsureStyleFont();
  }

  std::unique_ptr<ReferenceHost> host_;
  std::string log_;
};

TEST_F(RenderDeviceTest, ProjectionPutsInterfacePixelsWhereTheyBelong) {
  DescribeShapes();
  Sync();
  const Pixels screen = host_->Screen();
  ASSERT_EQ(screen.width, 320);
  // Top-left origin, y down, one interface pixel per screen pixel.
  EXPECT_EQ(screen.At(10, 20), kRed);
  EXPECT_EQ(screen.At(39, 59), kRed);
  EXPECT_NE(screen.At(9, 20), kRed);
  EXPECT_NE(screen.At(10, 19), kRed);
  EXPECT_NE(screen.At(40, 59), kRed);
  EXPECT_NE(screen.At(39, 60), kRed);
}

TEST_F(RenderDeviceTest, FixedModeDrawsIntoTheImageShownUprightBySprite) {
  FixedVirtualResolution(1);
  DescribeShapes();
  Sync();
  const Pixels image = host_->ImagePixels(GetQelRenderImage());
  ASSERT_GT(image.width, 0);
  // The sprite shows what the last frame drew into the image; one more frame puts it on screen.
  DescribeShapes();
  Sync();
  const Pixels screen = host_->Screen();
  EXPECT_EQ(screen.At(10, 20), kRed);
  EXPECT_EQ(screen.At(39, 59), kRed);
  EXPECT_NE(screen.At(39, 60), kRed);
  EXPECT_NE(screen.At(10, 19), kRed);
  EXPECT_TRUE(host_->SpriteVisible(GetQelRenderSprite()));
}

// Counts pixels that are neither black nor white: the soft edge anti-aliasing leaves.
int SoftEdgePixels(const Pixels& p) {
  int soft = 0;
  for (int y = 95; y < 170; ++y)
    for (int x = 95; x < 170; ++x) {
      const uint32_t c = p.At(x, y) & 0xFFu;
      if (c != 0 && c != 0xFFu) ++soft;
    }
  return soft;
}

TEST_F(RenderDeviceTest, AntiAliasingIsTheCallersOnTheBackBufferAndOffInFixedMode) {
  DescribeShapes();
  Render(1);
  const int smooth = SoftEdgePixels(host_->BackBuffer());
  DescribeShapes();
  Render(0);
  const int hard = SoftEdgePixels(host_->BackBuffer());
  EXPECT_GT(smooth, 20);
  EXPECT_EQ(hard, 0);

  FixedVirtualResolution(1);
  DescribeShapes();
  Render(1);
  EXPECT_EQ(SoftEdgePixels(host_->ImagePixels(GetQelRenderImage())), 0);
}

TEST_F(RenderDeviceTest, InvisibleBoxShowsOnlyWhileTheSceneIsEmpty) {
  Sync();
  Sync();
  EXPECT_TRUE(host_->ObjectVisible(Device().box_object));
  const int32_t other = HostCommands().CREATEOBJECTBOX_L_F_F_F(1, 1, 1);
  HostCommands().SETOBJECTPOSITION_0_L_F_F_F(other, 0, 0, 5);
  Sync();
  EXPECT_GT(host_->PolygonsDrawn(), 12);
  EXPECT_FALSE(host_->ObjectVisible(Device().box_object));
}

TEST_F(RenderDeviceTest, FrameTooLargeGrowsTheBuffersAndIsDrawnWhole) {
  // About 20,000 anti-aliased rectangles: more than the first buffers hold.
  nk_context* ctx = Context();
  ASSERT_TRUE(nk_begin(ctx, "many", nk_rect(0, 0, 320, 240), NK_WINDOW_NO_SCROLLBAR | NK_WINDOW_BACKGROUND));
  nk_command_buffer* canvas = nk_window_get_canvas(ctx);
  for (int i = 0; i < 5000; ++i) nk_fill_rect(canvas, nk_rect(300, 200, 4, 4), 0, nk_rgba(0, 0, 255, 255));
  nk_fill_rect(canvas, nk_rect(10, 20, 30, 40), 0, nk_rgba(255, 0, 0, 255));  // drawn last
  nk_end(ctx);
  Sync();
  EXPECT_GT(Device().vertex_capacity, size_t{524288});
  EXPECT_EQ(host_->Screen().At(20, 30), kRed);
}

TEST_F(RenderDeviceTest, FrameBeyondSixteenBitIndicesWarnsOnceAndDrawsWhatFits) {
  for (int frame = 0; frame < 2; ++frame) {
    nk_context* ctx = Context();
    ASSERT_TRUE(nk_begin(ctx, "huge", nk_rect(0, 0, 320, 240), NK_WINDOW_NO_SCROLLBAR | NK_WINDOW_BACKGROUND));
    nk_command_buffer* canvas = nk_window_get_canvas(ctx);
    nk_fill_rect(canvas, nk_rect(10, 20, 30, 40), 0, nk_rgba(255, 0, 0, 255));  // fits: drawn first
    for (int i = 0; i < 20000; ++i) nk_fill_rect(canvas, nk_rect(300, 200, 4, 4), 0, nk_rgba(0, 0, 255, 255));
    nk_end(ctx);
    Sync();
  }
  EXPECT_EQ(host_->Screen().At(20, 30), kRed);
  EXPECT_EQ(LogCount(log_, msg::FrameTooLarge), 1);
  EXPECT_TRUE(Device().last_frame_clipped);
  // Grown as far as 16-bit indices go, never so far that Nuklear's own check would fire.
  EXPECT_EQ(Device().vertex_capacity, kMaxVertexBytes);
  EXPECT_LT(Device().context.draw_list.vertex_count, 65535u);

  // A caller asking for more than the caps is held to them.
  DrawDevice(NK_ANTI_ALIASING_OFF, 16 * kMaxVertexBytes, 16 * kMaxElementBytes);
  EXPECT_EQ(Device().vertex_capacity, kMaxVertexBytes);
  EXPECT_EQ(Device().element_capacity, kMaxElementBytes);
}

TEST_F(RenderDeviceTest, BuffersThatCannotBeMappedDrawNothingAndWarnOnce) {
  DescribeShapes();
  Sync();
  ASSERT_EQ(host_->Screen().At(20, 30), kRed);
  // Empty buffers cannot be mapped: those frames must not replay the last frame's commands.
  Device().vertex_capacity = Device().element_capacity = 0;
  for (int frame = 0; frame < 2; ++frame) {
    DescribeShapes();
    HostCommands().CLEARSCREEN_0_0();
    DrawDevice(NK_ANTI_ALIASING_OFF, 0, 0);
    EXPECT_NE(host_->BackBuffer().At(20, 30), kRed);
  }
  EXPECT_EQ(LogCount(log_, msg::DeviceBufferMapFailed), 1);

  DescribeShapes();
  Sync();  // the usual sizes map again
  EXPECT_EQ(host_->Screen().At(20, 30), kRed);
  EXPECT_FALSE(Device().warned_map_failed);
}

}  // namespace
}  // namespace qel
