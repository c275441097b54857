// The qelhost program: its command line, and a whole run that loads a plug-in, plays frames
// and writes screenshots.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_options.h"
#include "host_fixture.h"

namespace qel {
namespace {

bool Parse(const std::vector<const char*>& words, CliOptions& options, std::string& error) {
  std::vector<const char*> argv = {"qelhost"};
  argv.insert(argv.end(), words.begin(), words.end());
  return ParseCliOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

TEST(ProgramOptions, ReadsEveryFlag) {
  CliOptions options;
  std::string error;
  ASSERT_TRUE(Parse({"--plugin", "p.so", "--frames", "120", "--screenshot-dir", "out", "--every", "60", "--visible",
                     "--width", "800", "--height", "600", "--media", "media", "--demo", "default", "--interface-dump", "dump.bin"},
                    options, error))
      << error;
  EXPECT_EQ(options.plugin, "p.so");
  EXPECT_EQ(options.frames, 120);
  EXPECT_EQ(options.screenshot_dir, "out");
  EXPECT_EQ(options.every, 60);
  EXPECT_TRUE(options.visible);
  EXPECT_EQ(options.width, 800);
  EXPECT_EQ(options.height, 600);
  EXPECT_EQ(options.media, "media");
  EXPECT_EQ(options.demo, "default");
  EXPECT_EQ(options.interface_dump, "dump.bin");
}

TEST(ProgramOptions, RefusesBadLines) {
  const std::vector<std::vector<const char*>> bad = {
      {},                                    // no plug-in
      {"--plugin"},                          // no value
      {"--plugin", "p.so", "--frames", "0"},
      {"--plugin", "p.so", "--frames", "12x"},
      {"--plugin", "p.so", "--width", "-5"},
      {"--plugin", "p.so", "--every", "99999999999"},
      {"--plugin", "p.so", "--colour", "red"},
  };
  for (const auto& words : bad) {
    CliOptions options;
    std::string error;
    EXPECT_FALSE(Parse(words, options, error)) << (words.empty() ? "" : words.back());
    EXPECT_FALSE(error.empty());
  }
  CliOptions options;
  std::string error;
  EXPECT_TRUE(Parse({"--help"}, options, error));
  EXPECT_TRUE(options.help);
}

class Program : public HostTest {
 protected:
  int Run(const std::string& arguments) {
    const std::string command = std::string(QEL_HOST_PROGRAM) + " " + arguments + " 2>" + Root() + "/stderr.txt";
    return std::system(command.c_str());
  }
};

TEST_F(Program, PlaysFramesAndWritesTheLastAndEveryKthScreenshot) {
  const std::string out = Root() + "/shots";
  ASSERT_EQ(Run(std::string("--plugin ") + QEL_PROBE_PLUGIN + " --frames 5 --every 2 --width 64 --height 48 --screenshot-dir " + out), 0);
  std::vector<std::string> written;
  for (const auto& entry : std::filesystem::directory_iterator(out)) written.push_back(entry.path().filename().string());
  std::sort(written.begin(), written.end());
  EXPECT_EQ(written, (std::vector<std::string>{"frame_00002.png", "frame_00004.png", "frame_00005.png"}));

  // The last frame shows the probe's red square.
  const int32_t image = Command<int32_t(const char*)>("LOADIMAGE_L_S")(("raw:" + out + "/frame_00005.png").c_str());
  const Pixels shot = host().ImagePixels(image);
  EXPECT_EQ(shot.width, 64);
  EXPECT_EQ(shot.height, 48);
  EXPECT_EQ(shot.At(16, 16), Rgba(255, 0, 0));
  EXPECT_EQ(shot.At(40, 40), Rgba(0, 0, 0));
}

TEST_F(Program, FailsOnAPlugInThatDoesNotLoadOrAnUnknownDemo) {
  EXPECT_NE(Run("--plugin /nonexistent/plugin.so --frames 1"), 0);
  EXPECT_NE(Run(std::string("--plugin ") + QEL_PROBE_PLUGIN + " --demo nosuchdemo"), 0);
  EXPECT_NE(Run("--frames 1"), 0);
}

}  // namespace
}  // namespace qel
