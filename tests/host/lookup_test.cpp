// The command table as a plug-in meets it: lookup by name, a partial host, recorded calls,
// and commands kept by a plug-in after its host is gone.
#include <string>
#include <vector>

#include "frame/host_commands.h"
#include "host_fixture.h"

namespace qel {
namespace {

using Lookup = HostTest;

TEST_F(Lookup, UnknownAndRemovedNamesGiveNothing) {
  EXPECT_EQ(Host::Lookup("NOSUCHCOMMAND_0_0"), nullptr);
  EXPECT_EQ(Host::Lookup(nullptr), nullptr);
  EXPECT_EQ(Host::Lookup("createstring_s_l"), nullptr);  // names are exact
  EXPECT_EQ(Host::Lookup("CREATESTRING_S_"), nullptr);
  ASSERT_NE(Host::Lookup("GETPOLYGONSDRAWN_L_0"), nullptr);
  host().RemoveCommand("GETPOLYGONSDRAWN_L_0");
  EXPECT_EQ(Host::Lookup("GETPOLYGONSDRAWN_L_0"), nullptr);
  EXPECT_NE(Host::Lookup("GETDEVICEWIDTH_L_0"), nullptr);
}

TEST_F(Lookup, EveryCommandThePlugInUsesIsServed) {
#define QEL_EXPECT_SERVED(name, signature) EXPECT_NE(Host::Lookup(#name), nullptr) << #name;
  QEL_HOST_COMMAND_LIST(QEL_EXPECT_SERVED)
#undef QEL_EXPECT_SERVED
}

TEST_F(Lookup, RecordsCommandNamesInOrderOnlyWhileAsked) {
  auto* width = Command<int32_t()>("GETDEVICEWIDTH_L_0");
  auto* sync = Command<void()>("SYNC_0_0");
  width();
  host().RecordCalls(true);
  width();
  sync();
  host().Sync();  // the host's own frame is not a plug-in call
  host().RecordCalls(false);
  width();
  EXPECT_EQ(host().Calls(), (std::vector<std::string>{"GETDEVICEWIDTH_L_0", "SYNC_0_0"}));
  host().ClearCalls();
  EXPECT_TRUE(host().Calls().empty());
}

TEST_F(Lookup, CommandsKeptAfterTheHostIsGoneAnswerNeutrally) {
  auto* create = Command<int32_t(int32_t)>("CREATEMEMBLOCK_L_L");
  auto* pointer = Command<void*(int32_t)>("GETMEMBLOCKPTR_P_L");
  auto* text = Command<char*(int32_t)>("CREATESTRING_S_L");
  auto* sync = Command<void()>("SYNC_0_0");
  const int32_t block = create(16);
  ASSERT_NE(pointer(block), nullptr);
  host_.reset();
  EXPECT_EQ(Host::Lookup("CREATEMEMBLOCK_L_L"), nullptr);
  EXPECT_EQ(create(16), 0);
  EXPECT_EQ(pointer(block), nullptr);
  EXPECT_EQ(text(8), nullptr);
  sync();  // nothing to draw on, and no crash

  // A new host serves again, from a clean state.
  host_ = std::make_unique<Host>(Config());
  ASSERT_TRUE(host_->ok());
  EXPECT_EQ(pointer(block), nullptr);
  EXPECT_NE(create(16), 0);
}

TEST(HostAlone, OnlyOneHostLivesAtATime) {
  HostConfig config;
  config.width = 32;
  config.height = 32;
  Host first(config);
  ASSERT_TRUE(first.ok());
  Host second(config);
  EXPECT_FALSE(second.ok());
  EXPECT_TRUE(first.ok());
  EXPECT_NE(Host::Lookup("SYNC_0_0"), nullptr);  // still served by the first
}

TEST(HostAlone, LoadPluginFailsWithAMessage) {
  HostConfig config;
  config.width = 32;
  config.height = 32;
  Host host(config);
  ASSERT_TRUE(host.ok());
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(host.LoadPlugin("/nonexistent/libnothing.so"));
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("/nonexistent/libnothing.so"), std::string::npos);
  EXPECT_EQ(host.Symbol("ReceiveQELPtr"), nullptr);
}

}  // namespace
}  // namespace qel
