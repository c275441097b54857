// Start-up, the frame cycle and the drawing target, through the real exports.
#include <algorithm>
#include <cstdio>

#include "frame/export_list.h"
#include "plugin_fixture.h"

namespace qel {
namespace {

using Lifecycle = PluginTest;

// A host command called by the test itself, as a script would.
template <class Sig>
Sig* HostCommand(const char* name) {
  return reinterpret_cast<Sig*>(Host::Lookup(name));
}

size_t IndexOf(const std::vector<std::string>& list, const std::string& item) {
  return static_cast<size_t>(std::find(list.begin(), list.end(), item) - list.begin());
}

TEST_F(Lifecycle, EveryExportOfTheListResolvesByName) {
  int count = 0;
#define QEL_COUNT_EXPORT(result, name, params, doc) \
  EXPECT_NE(host().Symbol(#name), nullptr) << #name; \
  ++count;
  QEL_EXPORT_LIST(QEL_COUNT_EXPORT)
#undef QEL_COUNT_EXPORT
  EXPECT_GT(count, 10);
  EXPECT_NE(host().Symbol("ReceiveQELPtr"), nullptr);
}

TEST_F(Lifecycle, StartUpLogsItsStepsInOrder) {
  host().RecordCalls(true);
  Start(1);
  const std::vector<std::string> expected = {
      LogText(msg::PluginInitialisation),
      LogText(msg::LogFileLocation, log_path_.c_str()),
      LogText(msg::NuklearVersion, "2021-02-01"),
      LogText(msg::GlewInitStarted),
      LogText(msg::GlewInitialised),
      LogText(msg::ContextInitStarted),
      LogText(msg::ContextCreated),
      LogText(msg::DeviceCreateStarted),
      LogText(msg::DeviceTextureAndBuffersSaved),
      LogText(msg::ShaderCreateStarted),
      LogText(msg::ShaderCommandBufferReady),
      LogText(msg::ShaderProgramCreated),
      LogText(msg::ShaderSourceSet),
      LogText(msg::ShaderCompiled),
      LogText(msg::ShaderCompileStatusRead),
      LogText(msg::ShaderLinked),
      LogText(msg::ShaderLinkStatusRead),
      LogText(msg::ShaderUniformsRead),
      LogText(msg::DeviceBuffersSetUp),
      LogText(msg::DeviceTextureAndBuffersRestored),
      LogText(msg::DeviceCreated),
  };
  const std::vector<std::string> messages = LogMessages();
  size_t last = 0;
  for (const std::string& message : expected) {
    const size_t at = IndexOf(messages, message);
    ASSERT_LT(at, messages.size()) << "missing: " << message;
    EXPECT_GE(at, last) << "out of order: " << message;
    last = at;
  }
  EXPECT_EQ(LogCount(msg::GlVendor), 1);  // whatever the driver calls itself
  EXPECT_EQ(LogCount(msg::GlShaderVersion), 1);
  EXPECT_FALSE(LogHas("DEBUG"));

  // Host objects first, one host frame, then the memblock and the placeholder image.
  const std::vector<std::string>& calls = host().Calls();
  const size_t box = IndexOf(calls, "CREATEOBJECTBOX_L_F_F_F");
  const size_t image = IndexOf(calls, "CREATERENDERIMAGE_L_L_L_L_L");
  const size_t sprite = IndexOf(calls, "CREATESPRITE_L_L");
  const size_t sync = IndexOf(calls, "SYNC_0_0");
  const size_t memblock = IndexOf(calls, "CREATEMEMBLOCK_L_L");
  const size_t placeholder = IndexOf(calls, "CREATEIMAGECOLOR_L_L_L_L_L");
  EXPECT_LT(box, image);
  EXPECT_LT(image, sprite);
  EXPECT_LT(sprite, sync);
  EXPECT_LT(sync, memblock);
  EXPECT_LT(memblock, placeholder);
  EXPECT_LT(placeholder, calls.size());
}

TEST_F(Lifecycle, StartUpMakesTheInterfaceMemblockAndRenderImage) {
  Start(0);
  EXPECT_EQ(host().MemblockSize(api().GetMemblockInterface()), 2048);
  const Pixels image = host().ImagePixels(api().GetQelRenderImage());
  EXPECT_EQ(image.width, host().VirtualWidth());
  EXPECT_EQ(image.height, host().VirtualHeight());
  EXPECT_EQ(api().GetLastEditEvent(), 0);
}

TEST_F(Lifecycle, SecondInitKeepsObjectsAndTheLog) {
  Start(1);
  const int32_t memblock = api().GetMemblockInterface();
  const int32_t image = api().GetQelRenderImage();
  host().RecordCalls(true);
  EXPECT_EQ(api().Init1(2), 1);
  EXPECT_EQ(api().GetMemblockInterface(), memblock);
  EXPECT_EQ(api().GetQelRenderImage(), image);
  for (const std::string& call : host().Calls()) EXPECT_EQ(call.rfind("CREATE", 0), std::string::npos) << call;
  EXPECT_EQ(LogCount(LogText(msg::PluginInitialisation)), 2);  // the first run's lines are still there
  EXPECT_EQ(LogCount(LogText(msg::ContextCreated)), 1);
}

TEST_F(Lifecycle, ExportsBeforeStartUpAnswerNeutrally) {
  api().HandleInput0();
  api().HandleInput1(1, 2);
  api().Render(1);
  api().Sync();
  api().FixedVirtualResolution(1);
  api().LogSetLocation(nullptr);
  api().LogSetLocation("");
  EXPECT_EQ(api().GetQelRenderImage(), 0);
  EXPECT_EQ(api().GetQelRenderSprite(), 0);
  EXPECT_EQ(api().GetMemblockInterface(), 0);
  EXPECT_EQ(api().GetLastEditEvent(), 0);
}

TEST_F(Lifecycle, UnwritableLogPathLeavesStartUpGoing) {
  ::testing::internal::CaptureStderr();
  api().LogSetLocation("/nonexistent-folder/nuklear.log");
  EXPECT_EQ(api().Init1(1), 1);
  api().Sync();
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Unable to open /nonexistent-folder/nuklear.log: "), std::string::npos) << err;
  EXPECT_NE(err.find("No such logger: 0"), std::string::npos);
}

TEST_F(Lifecycle, SyncRunsAWholeHostFrameAndRenderOnlyDraws) {
  Start(1);
  host().RecordCalls(true);
  api().Sync();
  std::vector<std::string> calls = host().Calls();
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(calls[0], "UPDATE_0_F");
  EXPECT_EQ(calls[1], "RENDER_0_0");
  EXPECT_EQ(calls.back(), "SWAP_0_0");
  host().ClearCalls();
  api().Render(1);
  for (const std::string& call : host().Calls()) {
    EXPECT_NE(call, "UPDATE_0_F");
    EXPECT_NE(call, "RENDER_0_0");
    EXPECT_NE(call, "SWAP_0_0");
    EXPECT_NE(call, "SYNC_0_0");
  }
}

TEST_F(Lifecycle, DefaultModeDrawsOnTheBackBufferAtDeviceSize) {
  Start(1);
  // The script's own virtual resolution does not survive the first frame.
  HostCommand<void(int32_t, int32_t)>("SETVIRTUALRESOLUTION_0_L_L")(320, 200);
  ASSERT_EQ(host().VirtualWidth(), 320);
  api().Sync();
  EXPECT_EQ(host().VirtualWidth(), 640);
  EXPECT_EQ(host().VirtualHeight(), 480);
  EXPECT_FALSE(host().SpriteVisible(api().GetQelRenderSprite()));
}

TEST_F(Lifecycle, RenderSpriteIsTheSpriteThatShowsTheRenderImage) {
  // One more host image first, so that the render image's id and the sprite's id differ.
  HostCommand<int32_t(int32_t, int32_t, int32_t, int32_t)>("CREATEIMAGECOLOR_L_L_L_L_L")(0, 0, 255, 255);
  Start(1);
  const int32_t sprite = api().GetQelRenderSprite();
  ASSERT_NE(sprite, api().GetQelRenderImage());
  api().FixedVirtualResolution(1);
  auto panel = [&] {
    api().WindowBegin("panel", 0, 0, 640, 480, 0);  // the theme's window background, (40, 40, 40)
    api().WindowEnd();
  };
  auto rgb = [&](const Pixels& screen) { return screen.At(320, 300) & 0xFFFFFFu; };
  Frame(panel);
  Frame(panel);  // the sprite shows what the frame before drew into the image
  ASSERT_EQ(rgb(host().Screen()), 0x282828u);

  // Hiding that sprite in a plain host frame takes the image off the (black) screen.
  host().Sync();
  EXPECT_EQ(rgb(host().Screen()), 0x282828u);
  HostCommand<void(int32_t, int32_t)>("SETSPRITEVISIBLE_0_L_L")(sprite, 0);
  host().Sync();
  EXPECT_EQ(rgb(host().Screen()), 0u);
}

TEST_F(Lifecycle, LogLocationTakesEffectAtTheNextInit) {
  Start(1);
  const std::string first = log_path_;
  log_path_ = first + ".moved";
  std::remove(log_path_.c_str());
  api().LogSetLocation(log_path_.c_str());
  api().ImageToSlot0(2000000, 1, 0, 0, 1, 1);  // logs an ERROR: still into the first file
  EXPECT_FALSE(std::ifstream(log_path_).good());

  EXPECT_EQ(api().Init1(1), 1);
  api().ImageToSlot0(3000000, 1, 0, 0, 1, 1);
  EXPECT_EQ(LogCount(LogText(msg::PluginInitialisation)), 1);
  EXPECT_TRUE(LogHas(LogText(msg::ImageSlotBeyondLast, 3000000, 1048575)));
  EXPECT_FALSE(LogHas(LogText(msg::ImageSlotBeyondLast, 2000000, 1048575)));
  log_path_ = first;
  EXPECT_TRUE(LogHas(LogText(msg::ImageSlotBeyondLast, 2000000, 1048575)));
  EXPECT_FALSE(LogHas(LogText(msg::ImageSlotBeyondLast, 3000000, 1048575)));
}

// A script that deletes the interface memblock, or puts a smaller block of its own under
// its id, gets its results in a new block (one WARN each time), never written nowhere.
TEST_F(Lifecycle, ResultsGoToANewInterfaceMemblockWhenTheScriptDeletesOrReplacesIt) {
  constexpr int32_t kInterfaceBytes = 2048;
  Start(1);
  auto* delete_block = HostCommand<void(int32_t)>("DELETEMEMBLOCK_0_L");
  auto* create_block_at = HostCommand<void(int32_t, int32_t)>("CREATEMEMBLOCK_0_L_L");
  auto bounds = [&] {
    int32_t answer = -1;
    Frame([&] {
      if (api().WindowBegin("w", 10, 20, 200, 100, 0)) answer = api().WindowGetBounds();
      api().WindowEnd();
    });
    return answer;
  };
  struct Loss {
    const char* what;
    int32_t replacement_size;  // 0: deleted and not replaced
  };
  const Loss losses[] = {{"deleted", 0}, {"replaced by a smaller block", 8}, {"deleted again", 0},
                         {"replaced by a block one byte short", kInterfaceBytes - 1}};
  int warnings = 0;
  for (const Loss& loss : losses) {
    SCOPED_TRACE(loss.what);
    const int32_t old_block = api().GetMemblockInterface();
    delete_block(old_block);
    if (loss.replacement_size) create_block_at(old_block, loss.replacement_size);

    const int32_t answer = bounds();
    EXPECT_NE(answer, old_block);
    EXPECT_EQ(answer, api().GetMemblockInterface());
    EXPECT_EQ(host().MemblockSize(answer), kInterfaceBytes);
    EXPECT_EQ(InterfaceFloat(0), 10.0f);
    EXPECT_EQ(InterfaceFloat(3), 100.0f);
    EXPECT_EQ(LogCount(LogLevelAndText(msg::InterfaceMemblockRemade, old_block, answer)), 1);
    EXPECT_EQ(LogCount(msg::InterfaceMemblockRemade), ++warnings);
    if (loss.replacement_size) {  // the script's own block is left as it made it
      EXPECT_EQ(host().MemblockSize(old_block), loss.replacement_size);
      for (int i = 0; i < 8; ++i) EXPECT_EQ(host().MemblockData(old_block)[i], 0) << i;
    }
    // The new block stays: the next results go there with no new warning.
    EXPECT_EQ(bounds(), answer);
    EXPECT_EQ(LogCount(msg::InterfaceMemblockRemade), warnings);
  }
  // Asking for the block's id after a loss gives a live block too.
  delete_block(api().GetMemblockInterface());
  const int32_t asked = api().GetMemblockInterface();
  EXPECT_EQ(host().MemblockSize(asked), kInterfaceBytes);
  EXPECT_EQ(LogCount(msg::InterfaceMemblockMissing), 0);
}

TEST_F(Lifecycle, FixedModeShowsTheSpriteAndSwitchingBackHidesIt) {
  Start(1);
  api().FixedVirtualResolution(1);
  api().Sync();
  EXPECT_TRUE(host().SpriteVisible(api().GetQelRenderSprite()));
  const Pixels image = host().ImagePixels(api().GetQelRenderImage());
  EXPECT_EQ(host().VirtualWidth(), image.width);
  EXPECT_EQ(host().VirtualHeight(), image.height);
  api().FixedVirtualResolution(0);
  api().Sync();
  EXPECT_FALSE(host().SpriteVisible(api().GetQelRenderSprite()));
}

class PartialHost : public PluginTest {
  std::vector<std::string> RemovedCommands() const override {
    return {"GETPOLYGONSDRAWN_L_0", "SETOBJECTCOLOR_0_L_L_L_L_L", "GETCHARBUFFER_S_0"};
  }
};

TEST_F(PartialHost, MissingCommandsAreLoggedOnceAndNeverCalled) {
  Start(1);
  api().HandleInput0();
  api().Sync();
  api().Sync();
  // The names come in the host command table's order; the rest of the line is the entry's.
  const std::vector<std::string> messages = LogMessages();
  const auto line = std::find_if(messages.begin(), messages.end(), [](const std::string& message) {
    return message.find("GETPOLYGONSDRAWN_L_0") != std::string::npos;
  });
  ASSERT_NE(line, messages.end());
  const std::string names = line->substr(line->rfind(": ") + 2);
  EXPECT_EQ(LogCount(": " + LogLevelAndText(msg::HostCommandsMissing, 3u, names.c_str())), 1);
  EXPECT_NE(names.find("GETPOLYGONSDRAWN_L_0"), std::string::npos);
  EXPECT_NE(names.find("SETOBJECTCOLOR_0_L_L_L_L_L"), std::string::npos);
  EXPECT_NE(names.find("GETCHARBUFFER_S_0"), std::string::npos);
}

}  // namespace
}  // namespace qel
