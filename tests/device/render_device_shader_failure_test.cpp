// A device whose shaders fail says why in the log and draws no frame, without crashing and
// without claiming it was created.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "device/render_device.h"
#include "fonts/font_atlas.h"
#include "frame/exports.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "device_fixture.h"

namespace qel {
namespace {

constexpr uint32_t kRed = 0xFF0000FFu;

const char* const kBrokenSource = "#version 330\nvoid main() { this is not a shader }\n";
// Compiles on its own, but a program needs a main to link.
const char* const kFragmentWithoutMain = "#version 330\nout vec4 Out_Color;\nvec4 Unused() { return vec4(1.0); }\n";

struct ShaderFailure {
  const char* name;
  const char* vertex_source;    // null: the device's own
  const char* fragment_source;  // null: the device's own
  std::string reported;         // the start of the line that gives the driver's reason
  std::string not_reported;     // a consequence that must not be reported again
};

// Test names and failure messages show the case by its name.
void PrintTo(const ShaderFailure& failure, std::ostream* out) { *out << failure.name; }

const ShaderFailure kFailures[] = {
    {"VertexDoesNotCompile", kBrokenSource, nullptr, LogText(msg::ShaderCompileFailed, "vertex", ""),
     LogText(msg::ShaderLinkFailed, "")},
    {"FragmentDoesNotCompile", nullptr, kBrokenSource, LogText(msg::ShaderCompileFailed, "fragment", ""),
     LogText(msg::ShaderLinkFailed, "")},
    {"ProgramDoesNotLink", nullptr, kFragmentWithoutMain, LogText(msg::ShaderLinkFailed, ""),
     LogText(msg::ShaderCompileFailed, "fragment", "")},
};

class ShaderFailureTest : public ::testing::TestWithParam<ShaderFailure> {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(320, 240);
    ASSERT_TRUE(host_->ok());
    log_ = std::string("render_device_shader_failure_test_") + GetParam().name + ".log";
    Device().vertex_source_override = GetParam().vertex_source;
    Device().fragment_source_override = GetParam().fragment_source;
    ASSERT_EQ(StartPlugin(log_), 1);  // the context exists; the exports still answer
    EnsureStyleFont();
  }

  void DescribeRedRectangle() {
    nk_context* ctx = Context();
    ASSERT_TRUE(nk_begin(ctx, "shapes", nk_rect(0, 0, 320, 240), NK_WINDOW_NO_SCROLLBAR | NK_WINDOW_BACKGROUND));
    nk_fill_rect(nk_window_get_canvas(ctx), nk_rect(10, 20, 30, 40), 0, nk_rgba(255, 0, 0, 255));
    nk_end(ctx);
  }

  std::unique_ptr<ReferenceHost> host_;
  std::string log_;
};

TEST_P(ShaderFailureTest, LogsTheDriversReasonAndDrawsNothing) {
  const ShaderFailure& failure = GetParam();
  EXPECT_EQ(LogCount(log_, "ERROR: " + failure.reported), 1);
  EXPECT_EQ(LogCount(log_, failure.reported + "\n"), 0);  // the driver's reason follows
  EXPECT_EQ(LogCount(log_, failure.not_reported), 0);
  EXPECT_EQ(LogCount(log_, "ERROR: " + LogText(msg::DeviceNotCreated)), 1);
  EXPECT_EQ(LogCount(log_, "device created."), 0);
  EXPECT_FALSE(Device().program_ready);

  for (int frame = 0; frame < 2; ++frame) {
    DescribeRedRectangle();
    Sync();
    EXPECT_NE(host_->Screen().At(20, 30), kRed);
    // The frame still ends: its commands are cleared, never carried into the next one.
    EXPECT_EQ(Context()->memory.allocated, 0u);
  }
  DescribeRedRectangle();
  Render(1);
  EXPECT_NE(host_->BackBuffer().At(20, 30), kRed);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

INSTANTIATE_TEST_SUITE_P(Device, ShaderFailureTest, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<ShaderFailure>& info) { return info.param.name; });

}  // namespace
}  // namespace qel
