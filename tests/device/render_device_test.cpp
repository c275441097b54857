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
#include "gl_buffer_calls.h"

namespace qel {
namespace {

constexpr uint32_t kRed = 0xFF0000FFu;
constexpr uint32_t kGreen = 0xFF00FF00u;
constexpr size_t kMiB = 1024 * 1024;

// A frame of `count` small anti-aliased rectangles (8 vertices each) in the bottom right
// corner, with a red one first at (10, 20) or last at (50, 20), and a green one at
// (100, 100) as rectangle number `green_at`.
struct ManyRectangles {
  int count;
  bool red_first;
  int green_at = -1;
};

void DescribeRectangles(const ManyRectangles& frame) {
  nk_context* ctx = Context();
  ASSERT_TRUE(nk_begin(ctx, "many", nk_rect(0, 0, 320, 240), NK_WINDOW_NO_SCROLLBAR | NK_WINDOW_BACKGROUND));
  nk_command_buffer* canvas = nk_window_get_canvas(ctx);
  if (frame.red_first) nk_fill_rect(canvas, nk_rect(10, 20, 30, 40), 0, nk_rgba(255, 0, 0, 255));
  for (int i = 0; i < frame.count; ++i) {
    if (i == frame.green_at) {
      nk_fill_rect(canvas, nk_rect(100, 100, 20, 20), 0, nk_rgba(0, 255, 0, 255));
    } else {
      nk_fill_rect(canvas, nk_rect(300, 200, 4, 4), 0, nk_rgba(0, 0, 255, 255));
    }
  }
  if (!frame.red_first) nk_fill_rect(canvas, nk_rect(50, 20, 30, 40), 0, nk_rgba(255, 0, 0, 255));
  nk_end(ctx);
}

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
  EXPECT_GT(Device().vertex_sizing.capacity, size_t{524288});
  EXPECT_EQ(host_->Screen().At(20, 30), kRed);
}

TEST_F(RenderDeviceTest, FrameOfAMillionVerticesIsDrawnWhole) {
  // 125,000 anti-aliased rectangles; one green past the first 524,288 vertices, red last.
  DescribeRectangles({125000, false, 70000});
  Sync();
  EXPECT_GT(Device().context.draw_list.vertex_count, 1000000u);
  EXPECT_FALSE(Device().last_frame_clipped);
  const Pixels screen = host_->Screen();
  EXPECT_EQ(screen.At(60, 30), kRed);
  EXPECT_EQ(screen.At(110, 110), kGreen);
  EXPECT_EQ(LogCount(log_, msg::FrameTooLarge), 0);
}

TEST_F(RenderDeviceTest, FrameBeyondTheLimitWarnsOnceAndDrawsWhatFits) {
  // The limits lowered, so that a small frame passes them.
  Device().vertex_limit = Device().element_limit = 1 * kMiB;
  for (int frame = 0; frame < 2; ++frame) {
    DescribeRectangles({20000, true});  // 160,000 vertices; the red one fits: drawn first
    Sync();
  }
  EXPECT_EQ(host_->Screen().At(20, 30), kRed);
  EXPECT_EQ(LogCount(log_, msg::FrameTooLarge), 1);
  EXPECT_EQ(LogCount(log_, LogText(msg::FrameTooLarge, static_cast<unsigned>(kMiB / kVertexSize),
                                   static_cast<unsigned>(kMiB / sizeof(nk_draw_index)))), 1);
  EXPECT_TRUE(Device().last_frame_clipped);
  EXPECT_EQ(Device().vertex_sizing.capacity, 1 * kMiB);
  EXPECT_LE(Device().context.draw_list.vertex_count * kVertexSize, 1 * kMiB);

  // A caller asking for more than the limits is held to them.
  DrawDevice(NK_ANTI_ALIASING_OFF, 16 * kMiB, 16 * kMiB);
  EXPECT_EQ(Device().vertex_sizing.capacity, 1 * kMiB);
  EXPECT_EQ(Device().element_sizing.capacity, 1 * kMiB);
}

TEST_F(RenderDeviceTest, SteadyFramesRespecifyNoBufferAndAHugeFrameIsOutlived) {
  const size_t vertex_floor = 524288, element_floor = 131072;  // what Sync asks for
  GlBufferCalls calls;
  struct Phase {
    const char* name;
    int frames;
    bool huge;
    int buffer_data_calls;
    bool grown;  // the vertex buffer above what Sync asks for, after the phase
  } const phases[] = {
      {"first frame: both buffers get their storage", 1, false, 2, false},
      {"steady frames", 10, false, 0, false},
      {"a huge frame grows both", 1, true, 2, true},
      {"small frames keep the size for a while", static_cast<int>(kQuietFramesBeforeShrink) - 1, false, 0, true},
      {"then the sizes come back down", 1, false, 0, false},
      {"which the next frame gives the buffers", 1, false, 2, false},
      {"steady again", 10, false, 0, false},
  };
  for (const Phase& phase : phases) {
    SCOPED_TRACE(phase.name);
    GlBufferCalls::buffer_data_calls = 0;
    for (int frame = 0; frame < phase.frames; ++frame) {
      if (phase.huge) {
        DescribeRectangles({20000, false});
      } else {
        DescribeShapes();
      }
      Sync();
    }
    EXPECT_EQ(GlBufferCalls::buffer_data_calls, phase.buffer_data_calls);
    EXPECT_EQ(Device().vertex_sizing.capacity > vertex_floor, phase.grown);
    EXPECT_EQ(Device().element_sizing.capacity > element_floor, phase.grown);
  }
  EXPECT_EQ(host_->Screen().At(20, 30), kRed);  // the small frames drew
}

TEST_F(RenderDeviceTest, DriverRefusingLargeBuffersLowersTheLimitsAndTheFrameDrawsWhatFits) {
  GlBufferCalls calls;
  GlBufferCalls::map_refused_above = 1 * kMiB;
  for (int frame = 0; frame < 2; ++frame) {
    DescribeRectangles({20000, true});  // 3.2 MB of vertices
    Sync();
  }
  EXPECT_EQ(host_->Screen().At(20, 30), kRed);
  EXPECT_LE(Device().vertex_limit, 1 * kMiB);
  EXPECT_LE(Device().element_limit, 1 * kMiB);
  EXPECT_TRUE(Device().last_frame_clipped);
  EXPECT_EQ(LogCount(log_, msg::FrameTooLarge), 1);
  EXPECT_EQ(LogCount(log_, msg::DeviceBufferMapFailed), 0);
}

TEST_F(RenderDeviceTest, BuffersThatCannotBeMappedDrawNothingAndWarnOnce) {
  DescribeShapes();
  Sync();
  ASSERT_EQ(host_->Screen().At(20, 30), kRed);
  // Empty buffers cannot be mapped: those frames must not replay the last frame's commands.
  Device().vertex_sizing.capacity = Device().element_sizing.capacity = 0;
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
