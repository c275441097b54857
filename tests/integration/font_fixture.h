// Fonts through the real exports, with a media folder of the test's own: the bitmap font
// (an image of glyph cells and its subimages file) and other files are written there by the
// test, and the TrueType font comes from the installed DejaVu package.
#pragma once

#include <filesystem>
#include <string>

#include "bitmap_font.h"
#include "plugin_fixture.h"

namespace qel {

inline const std::string kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class FontTest : public PluginTest {
 protected:
  HostConfig Config() const override {
    HostConfig config = PluginTest::Config();
    config.media_folder = host_media_;
    return config;
  }

  static std::string MakeMediaFolder() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string folder =
        ::testing::TempDir() + "qel_fonts_" + info->test_suite_name() + "_" + info->name() + "/";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
  }
  std::string Media(const std::string& name) const { return host_media_ + name; }

  void SetUp() override {
    host_media_ = MakeMediaFolder();
    PluginTest::SetUp();
  }

  void WriteText(const std::string& name, const std::string& text) const { WriteTextFile(Media(name), text); }
  void WriteBitmapFont(const std::string& image = "glyphs.png") const {
    ASSERT_TRUE(qel::WriteBitmapFont(host_media_, image));
  }

  std::string host_media_;
};

}  // namespace qel
