// Fonts through the real exports, with a media folder of the test's own: the bitmap font
// (an image of glyph cells and its subimages file) and other files are written there by the
// test, and the TrueType font comes from the installed DejaVu package.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "plugin_fixture.h"

namespace qel {

inline const std::string kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// The bitmap font's cells: white blocks on black (black turns transparent when loaded).
struct GlyphCell {
  int code, x, y, width, height;
};
inline constexpr GlyphCell kGlyphA{65, 0, 0, 8, 12};
inline constexpr GlyphCell kGlyphB{66, 8, 0, 7, 12};
inline constexpr GlyphCell kGlyphW{87, 16, 0, 10, 16};
inline constexpr int kGlyphImageWidth = 64, kGlyphImageHeight = 32;

class FontTest : public PluginTest {
 protected:
  HostConfig Config() const override {
    HostConfig config = PluginTest::Config();
    config.media_folder = MediaFolder();
    return config;
  }

  static std::string MediaFolder() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string folder =
        ::testing::TempDir() + "qel_fonts_" + info->test_suite_name() + "_" + info->name() + "/";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
  }
  std::string Media(const std::string& name) const { return host_media_ + name; }

  void SetUp() override {
    host_media_ = MediaFolder();
    PluginTest::SetUp();
  }

  void WriteText(const std::string& name, const std::string& text) const {
    std::ofstream(Media(name), std::ios::binary) << text;
  }

  // glyphs.png and "glyphs subimages.txt": A and W as listed, B listed twice (the second
  // line wins), and three lines to skip: a blank line 3, a bad line 5, a code beyond 255.
  void WriteBitmapFont(const std::string& image = "glyphs.png") const {
    Pixels pixels;
    pixels.width = kGlyphImageWidth;
    pixels.height = kGlyphImageHeight;
    pixels.rgba.assign(static_cast<size_t>(pixels.width * pixels.height * 4), 0);
    for (int i = 0; i < pixels.width * pixels.height; ++i) pixels.rgba[static_cast<size_t>(4 * i + 3)] = 255;
    for (const GlyphCell& cell : {kGlyphA, kGlyphB, kGlyphW})
      for (int y = cell.y; y < cell.y + cell.height; ++y)
        for (int x = cell.x; x < cell.x + cell.width; ++x)
          for (int c = 0; c < 3; ++c) pixels.rgba[static_cast<size_t>(4 * (y * pixels.width + x) + c)] = 255;
    ASSERT_TRUE(Host::SavePng(pixels, Media(image)));
    WriteText(image.substr(0, image.size() - 4) + " subimages.txt",
              "65:0:0:8:12\n"
              "66:8:0:5:12\n"
              "\n"
              "87:16:0:10:16\n"
              "88:1:2\n"
              "300:0:0:4:4\n"
              "66:8:0:7:12\n");
  }

  std::string host_media_;
};

}  // namespace qel
