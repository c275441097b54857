// Loading a plug-in: the probe plug-in binds through Host::Lookup, its exports are found by
// name, and a host without some commands is seen as such.
#include <cstring>
#include <string>

#include "host_fixture.h"

namespace qel {
namespace {

using Plugin = HostTest;

TEST_F(Plugin, LoadsAndBindsThroughTheLookup) {
  ASSERT_TRUE(host().LoadPlugin(QEL_PROBE_PLUGIN));
  EXPECT_NE(host().Symbol("ReceiveQELPtr"), nullptr);
  EXPECT_EQ(host().Symbol("NoSuchExport"), nullptr);
  EXPECT_EQ(host().Export<int32_t()>("ProbeMissingCommands")(), 0);

  // A string the plug-in returns is a host string: alive after the frame it was made in.
  char* text = host().Export<char*(const char*)>("ProbeCopyText")("made by the host");
  ASSERT_NE(text, nullptr);
  host().RecordCalls(true);
  EXPECT_EQ(host().Export<int32_t(int32_t)>("Init1")(1), 1);
  host().Export<void()>("Sync")();
  EXPECT_STREQ(text, "made by the host");
  EXPECT_EQ(host().Calls().back(), "SYNC_0_0");
  EXPECT_EQ(host().Screen().At(16, 16), Rgba(255, 0, 0));
}

TEST_F(Plugin, RemovedCommandsAreMissingForThePlugin) {
  host().RemoveCommand("SYNC_0_0");
  host().RemoveCommand("CREATESPRITE_L_L");
  ASSERT_TRUE(host().LoadPlugin(QEL_PROBE_PLUGIN));
  EXPECT_EQ(host().Export<int32_t()>("ProbeMissingCommands")(), 2);
  EXPECT_EQ(host().Export<int32_t(int32_t)>("Init1")(1), 0);
}

TEST_F(Plugin, ScriptedClickReachesThePlugInsInputHandling) {
  ASSERT_TRUE(host().LoadPlugin(QEL_PROBE_PLUGIN));
  auto* handle_input = host().Export<void()>("HandleInput0");
  auto* sync = host().Export<void()>("Sync");
  host().MouseDown(0);
  handle_input();
  sync();
  handle_input();  // the press ended with the frame
  sync();
  EXPECT_EQ(host().Export<int32_t()>("ProbeClicks")(), 1);
  EXPECT_EQ(host().Export<int32_t()>("ProbeFrames")(), 2);
}

}  // namespace
}  // namespace qel
