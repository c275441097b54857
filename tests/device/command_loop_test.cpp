// A frame whose command list links back on itself is dropped with one ERROR instead of being
// drawn for ever, and the next sound frame draws as usual.
#include <gtest/gtest.h>

#include <memory>

#include "fonts/font_atlas.h"
#include "frame/exports.h"
#include "frame/plugin_state.h"
#include "device_fixture.h"

namespace qel {
namespace {

// One window holding two filled rectangles; `loop` makes the second link back to the first.
void DescribeRectangles(bool loop) {
  nk_context* ctx = Context();
  ASSERT_TRUE(nk_begin(ctx, "rects", nk_rect(0, 0, 200, 100), NK_WINDOW_NO_SCROLLBAR));
  nk_command_buffer* canvas = nk_window_get_canvas(ctx);
  const nk_size first = canvas->last;
  nk_fill_rect(canvas, nk_rect(10, 10, 20, 20), 0, nk_rgba(255, 0, 0, 255));
  nk_fill_rect(canvas, nk_rect(40, 10, 20, 20), 0, nk_rgba(0, 255, 0, 255));
  if (loop) {
    auto* second = static_cast<nk_command*>(nk_ptr_add(void, canvas->base->memory.ptr, canvas->last));
    second->next = first;
  }
  nk_end(ctx);
}

TEST(CommandLoop, AFrameThatLinksBackIsDroppedAndTheNextOneDraws) {
  auto host = StartBoundHost(200, 100);
  ASSERT_TRUE(host->ok());
  const std::string log = "command_loop_test.log";
  ASSERT_EQ(StartPlugin(log), 1);
  EnsureStyleFont();

  DescribeRectangles(true);
  Render(0);  // returns: the loop is found, not drawn
  EXPECT_EQ(LogCount(log, msg::FrameCommandsLoop), 1);

  DescribeRectangles(false);
  Render(0);
  EXPECT_EQ(host->BackBuffer().At(45, 15), 0xFF00FF00u);
  EXPECT_EQ(LogCount(log, msg::FrameCommandsLoop), 1);
}

}  // namespace
}  // namespace qel
