// Host queries can each be a round trip to the window system: the virtual resolution is
// asked once per frame however many windows and tooltips the frame has.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "device/render_device.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/plugin_state.h"
#include "device_fixture.h"

namespace qel {
namespace {

int g_width_queries = 0;
int32_t (*g_real_width)() = nullptr;
int32_t CountedVirtualWidth() {
  ++g_width_queries;
  return g_real_width();
}

class HostQueriesPerFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(320, 240);
    ASSERT_TRUE(host_->ok());
    ASSERT_EQ(StartPlugin(std::string("host_queries_") +
                          ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".log"),
              1);
    g_real_width = HostCommands().GETVIRTUALWIDTH_L_0.function;
    HostCommands().GETVIRTUALWIDTH_L_0.function = &CountedVirtualWidth;
    g_width_queries = 0;
  }
  void TearDown() override { HostCommands().GETVIRTUALWIDTH_L_0.function = g_real_width; }

  std::unique_ptr<Host> host_;
};

TEST_F(HostQueriesPerFrame, VirtualSizeIsAskedOncePerFrame) {
  struct Case {
    const char* name;
    int32_t fixed;
    int windows;
  } const cases[] = {{"back buffer, one window", 0, 1},
                     {"back buffer, five windows", 0, 5},
                     {"render image, five windows", 1, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FixedVirtualResolution(c.fixed);
    Render(0);  // settles the target for the mode
    for (int frame = 0; frame < 3; ++frame) {
      g_width_queries = 0;
      for (int w = 0; w < c.windows; ++w) {
        WindowBegin(("w" + std::to_string(w)).c_str(), 10.0f * w, 10.0f, 100, 80, 0);
        WindowEnd();
      }
      Render(0);
      EXPECT_EQ(g_width_queries, 1);
    }
  }
  FixedVirtualResolution(0);
}

// The value is the frame's: a resolution changed between frames is seen by the next frame.
TEST_F(HostQueriesPerFrame, NextFrameSeesAChangedVirtualResolution) {
  FixedVirtualResolution(1);
  Render(0);
  HostCommands().SETVIRTUALRESOLUTION_0_L_L(200, 100);
  Render(0);
  EXPECT_EQ(Device().target_width, 200.0f);
  EXPECT_EQ(Device().target_height, 100.0f);
  HostCommands().SETVIRTUALRESOLUTION_0_L_L(160, 120);
  Render(0);
  EXPECT_EQ(Device().target_width, 160.0f);
  EXPECT_EQ(Device().target_height, 120.0f);
  FixedVirtualResolution(0);
  Render(0);
}

}  // namespace
}  // namespace qel
