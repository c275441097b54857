// A bitmap font made by the tests: an image of white glyph cells on black and its
// subimages file. Black turns clear when the font's image is loaded.
#pragma once

#include <fstream>
#include <string>

#include "qelhost.h"

namespace qel {

struct GlyphCell {
  int code, x, y, width, height;
};
inline constexpr GlyphCell kGlyphA{65, 0, 0, 8, 12};
inline constexpr GlyphCell kGlyphB{66, 8, 0, 7, 12};
inline constexpr GlyphCell kGlyphW{87, 16, 0, 10, 16};
inline constexpr int kGlyphImageWidth = 64, kGlyphImageHeight = 32;

inline void WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// `folder` + `image` (a name ending in a four-character extension such as ".png") and its
// subimages file: A and W as listed, B listed twice (the second line wins, 7 wide), and
// three lines to skip: a blank line 3, a line of three fields (5), a code beyond 255 (6).
inline bool WriteBitmapFont(const std::string& folder, const std::string& image = "glyphs.png") {
  Pixels pixels;
  pixels.width = kGlyphImageWidth;
  pixels.height = kGlyphImageHeight;
  pixels.rgba.assign(static_cast<size_t>(pixels.width * pixels.height * 4), 0);
  for (int i = 0; i < pixels.width * pixels.height; ++i) pixels.rgba[static_cast<size_t>(4 * i + 3)] = 255;
  for (const GlyphCell& cell : {kGlyphA, kGlyphB, kGlyphW})
    for (int y = cell.y; y < cell.y + cell.height; ++y)
      for (int x = cell.x; x < cell.x + cell.width; ++x)
        for (int c = 0; c < 3; ++c) pixels.rgba[static_cast<size_t>(4 * (y * pixels.width + x) + c)] = 255;
  if (!qel::Host::SavePng(pixels, folder + image)) return false;
  WriteTextFile(folder + image.substr(0, image.size() - 4) + " subimages.txt",
                "65:0:0:8:12\n"
                "66:8:0:5:12\n"
                "\n"
                "87:16:0:10:16\n"
                "88:1:2\n"
                "300:0:0:4:4\n"
                "66:8:0:7:12\n");
  return true;
}

}  // namespace qel
