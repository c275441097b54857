// The command table as a plug-in meets it: lookup by name, a partial host, recorded calls,
// and commands kept by a plug-in after its host is gone.
#include <string>
#include <vector>

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
  const std::vector<std::string> used = {
      "UPDATE_0_F", "RENDER_0_0", "SWAP_0_0", "SYNC_0_0", "CLEARSCREEN_0_0", "GETDEVICEWIDTH_L_0",
      "GETDEVICEHEIGHT_L_0", "GETVIRTUALWIDTH_L_0", "GETVIRTUALHEIGHT_L_0", "SETVIRTUALRESOLUTION_0_L_L",
      "SETRENDERTOIMAGE_0_L_L", "SETRENDERTOSCREEN_0_0", "GETPOLYGONSDRAWN_L_0", "CREATESPRITE_L_L",
      "SETSPRITEPOSITIONBYOFFSET_0_L_F_F", "SETSPRITEFLIP_0_L_L_L", "SETSPRITEDEPTH_0_L_L",
      "SETSPRITETRANSPARENCY_0_L_L", "FIXSPRITETOSCREEN_0_L_L", "SETSPRITECOLORALPHA_0_L_L",
      "SETSPRITEVISIBLE_0_L_L", "GETSPRITEVISIBLE_L_L", "CREATEOBJECTBOX_L_F_F_F", "SETOBJECTCOLLISIONMODE_0_L_L",
      "SETOBJECTPOSITION_0_L_F_F_F", "SETOBJECTTRANSPARENCY_0_L_L", "SETOBJECTCOLOR_0_L_L_L_L_L",
      "SETOBJECTVISIBLE_0_L_L", "GETCAMERAX_F_L", "GETCAMERAY_F_L", "GETCAMERAZ_F_L",
      "CREATEIMAGECOLOR_L_L_L_L_L", "CREATERENDERIMAGE_L_L_L_L_L", "LOADIMAGE_L_S", "LOADIMAGE_L_S_L",
      "LOADIMAGE_0_L_S_L", "GETIMAGEEXISTS_L_L", "GETIMAGEWIDTH_F_L", "GETIMAGEHEIGHT_F_L", "GETOPENGLIMAGEID_L_L",
      "CREATEMEMBLOCK_L_L", "CREATEMEMBLOCK_0_L_L", "CREATEMEMBLOCKFROMFILE_L_S", "CREATEMEMBLOCKFROMIMAGE_L_L",
      "GETMEMBLOCKEXISTS_L_L", "GETMEMBLOCKSIZE_L_L", "GETMEMBLOCKPTR_P_L", "DELETEMEMBLOCK_0_L",
      "GETFILEEXISTS_L_S", "OPENTOREAD_L_S", "READLINE_S_L", "FILEEOF_L_L", "GETREADPATH_S_0", "JOINPATHS_S_S_S",
      "CREATESTRING_S_L", "LEN_L_S", "VAL_L_S", "COUNTSTRINGTOKENS_L_S_S", "GETSTRINGTOKEN_S_S_S_L",
      "REPLACESTRING_S_S_S_S_L", "GETRAWKEYSTATE_L_L", "GETRAWKEYPRESSED_L_L", "GETRAWLASTKEY_L_0",
      "GETRAWMOUSEX_F_0", "GETRAWMOUSEY_F_0", "GETRAWMOUSELEFTPRESSED_L_0", "GETRAWMOUSELEFTRELEASED_L_0",
      "GETRAWMOUSERIGHTSTATE_L_0", "GETRAWMOUSEMIDDLESTATE_L_0", "GETRAWMOUSEWHEELDELTA_F_0",
      "GETCHARBUFFERLENGTH_L_0", "GETLASTCHAR_L_0", "GETCHARBUFFER_S_0", "GETFRAMETIME_F_0",
      "GETMILLISECONDS_L_0", "FLOOR_L_F"};
  for (const std::string& name : used) EXPECT_NE(Host::Lookup(name.c_str()), nullptr) << name;
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
