// Smoke test of the qelhost program with the real plug-in: the demo plays a few frames
// headless and its last frame is written and shows the interface.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "host_fixture.h"

namespace qel {
namespace {

using Demo = HostTest;

TEST_F(Demo, PlaysWithTheRealPlugInAndWritesADrawnFrame) {
#if defined(QEL_PLUGIN_PATH) && defined(QEL_DEMO_MEDIA)
  const std::string out = Root() + "/shots";
  const std::string command = std::string(QEL_HOST_PROGRAM) + " --plugin " + QEL_PLUGIN_PATH + " --media " +
                              QEL_DEMO_MEDIA + " --frames 3 --screenshot-dir " + out + " 2>" + Root() + "/stderr.txt";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const std::string shot_path = out + "/frame_00003.png";
  ASSERT_TRUE(std::filesystem::exists(shot_path));

  const int32_t image = Command<int32_t(const char*)>("LOADIMAGE_L_S")(("raw:" + shot_path).c_str());
  const Pixels shot = host().ImagePixels(image);
  ASSERT_EQ(shot.width, 1024);
  ASSERT_EQ(shot.height, 768);
  // The colour button of the main window shows the first swatch; outside every window the
  // screen stays clear.
  EXPECT_EQ(shot.At(417, 265), Rgba(230, 126, 34));
  EXPECT_EQ(shot.At(1000, 740), Rgba(0, 0, 0));
  // Text, images and symbols: far more than a few flat colours.
  std::set<uint32_t> colours;
  for (int y = 0; y < shot.height; y += 2)
    for (int x = 0; x < shot.width; x += 2) colours.insert(shot.At(x, y));
  EXPECT_GT(colours.size(), 200u);
#else
  GTEST_SKIP() << "built without the plug-in";
#endif
}

// Every page the program lists plays to the end of its scripted input and draws far more
// than an empty screen; an unknown page is refused.
TEST_F(Demo, EveryListedPagePlaysAndDraws) {
#if defined(QEL_PLUGIN_PATH) && defined(QEL_DEMO_MEDIA)
  const std::string names_path = Root() + "/names.txt";
  ASSERT_EQ(std::system((std::string(QEL_HOST_PROGRAM) + " --list-demos >" + names_path).c_str()), 0);
  std::ifstream names(names_path);
  std::vector<std::string> pages;
  for (std::string line; std::getline(names, line);) pages.push_back(line);
  ASSERT_GE(pages.size(), 5u);
  EXPECT_EQ(pages.front(), "main");
  for (const std::string& page : pages) {
    const std::string out = Root() + "/" + page;
    const std::string command = std::string(QEL_HOST_PROGRAM) + " --plugin " + QEL_PLUGIN_PATH + " --media " +
                                QEL_DEMO_MEDIA + " --demo " + page + " --frames 100 --screenshot-dir " + out + " 2>" +
                                Root() + "/stderr.txt";
    ASSERT_EQ(std::system(command.c_str()), 0) << page;
    const std::string shot_path = out + "/frame_00100.png";
    ASSERT_TRUE(std::filesystem::exists(shot_path)) << page;
    const int32_t image = Command<int32_t(const char*)>("LOADIMAGE_L_S")(("raw:" + shot_path).c_str());
    const Pixels shot = host().ImagePixels(image);
    std::set<uint32_t> colours;
    for (int y = 0; y < shot.height; y += 2)
      for (int x = 0; x < shot.width; x += 2) colours.insert(shot.At(x, y));
    EXPECT_GT(colours.size(), 30u) << page;  // an empty frame has one colour
  }
  const std::string unknown = std::string(QEL_HOST_PROGRAM) + " --plugin " + QEL_PLUGIN_PATH + " --demo nosuchpage 2>/dev/null";
  EXPECT_NE(std::system(unknown.c_str()), 0);
#else
  GTEST_SKIP() << "built without the plug-in";
#endif
}

// The interface script answers through the interface memblock: a copy of the whole block after
// each call, the first one the window's bounds as given; two runs give the same bytes, and a
// plug-in without the script's exports is refused.
TEST_F(Demo, InterfaceScriptWritesTheSameMemblockBytesEveryRun) {
#if defined(QEL_PLUGIN_PATH) && defined(QEL_DEMO_MEDIA)
  constexpr size_t kCallsPerFrame = 13, kFrames = 3, kBlock = 2048;
  std::string dumps[2];
  for (int run = 0; run < 2; ++run) {
    const std::string path = Root() + "/interface" + std::to_string(run) + ".bin";
    const std::string command = std::string(QEL_HOST_PROGRAM) + " --plugin " + QEL_PLUGIN_PATH + " --media " +
                                QEL_DEMO_MEDIA + " --interface-dump " + path;
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(path, std::ios::binary);
    dumps[run].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  ASSERT_EQ(dumps[0].size(), kCallsPerFrame * kFrames * kBlock);
  EXPECT_TRUE(dumps[0] == dumps[1]);
  float bounds[4];
  std::memcpy(bounds, dumps[0].data(), sizeof bounds);
  EXPECT_EQ(bounds[0], 27.75f);
  EXPECT_EQ(bounds[1], 30.75f);
  EXPECT_EQ(bounds[2], 401.3f);
  EXPECT_EQ(bounds[3], 299.9f);
  const std::string refused = std::string(QEL_HOST_PROGRAM) + " --plugin " + QEL_PROBE_PLUGIN + " --interface-dump " +
                              Root() + "/refused.bin 2>/dev/null";
  EXPECT_NE(std::system(refused.c_str()), 0);
#else
  GTEST_SKIP() << "built without the plug-in";
#endif
}

}  // namespace
}  // namespace qel
