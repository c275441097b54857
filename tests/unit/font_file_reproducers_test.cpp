// Crafted font files that once got past the font check or broke the baker behind it, kept
// with the fuzz seeds: the check answers each as it should, and what it lets through bakes
// (under the sanitizer build, any out-of-bounds access or undefined conversion fails here).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fonts/glyph_ranges.h"
#include "fonts/truetype_check.h"
#include "nuklear_config.h"

namespace qel {
namespace {

std::vector<uint8_t> CorpusFile(const std::string& name) {
  std::ifstream in(std::string(QEL_FUZZ_CORPUS_DIR) + "/truetype_check/" + name, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Adds and bakes the font as FontStashEnd does; true when the atlas baked.
bool Bakes(const std::vector<uint8_t>& file) {
  nk_font_atlas atlas;
  nk_font_atlas_init_default(&atlas);
  nk_font_atlas_begin(&atlas);
  void* bytes = atlas.permanent.alloc(atlas.permanent.userdata, nullptr, file.size());
  std::memcpy(bytes, file.data(), file.size());
  std::vector<nk_rune> ranges;
  struct nk_font_config config = TrueTypeFontConfig(GlyphRangeState{}, 13.0f, ranges);
  config.ttf_blob = bytes;
  config.ttf_size = file.size();
  config.ttf_data_owned_by_atlas = 1;
  bool baked = false;
  if (nk_font_atlas_add(&atlas, &config)) {
    int width = 0, height = 0;
    baked = nk_font_atlas_bake(&atlas, &width, &height, NK_FONT_ATLAS_RGBA32) != nullptr;
    nk_font_atlas_end(&atlas, nk_handle_id(1), nullptr);
  } else {
    atlas.permanent.free(atlas.permanent.userdata, bytes);
  }
  nk_font_atlas_clear(&atlas);
  return baked;
}

TEST(FontFileReproducers, TheCheckRefusesOrTheBakerReadsSafely) {
  struct Case {
    const char* file;
    bool passes_check;
  };
  const Case cases[] = {
      // A seed font as it should be, for contrast.
      {"format4_short_loca", true},
      // A glyph box with its right edge left of its left: the packer gave the bitmap a
      // negative width and cleared memory with a negative size.
      {"inverted_glyph_box", false},
      // A composite moving a component tens of thousands of units away: the transformed
      // coordinates overflowed the reader's 16-bit points.
      {"composite_far_offset", true},
  };
  for (const Case& c : cases) {
    const std::vector<uint8_t> file = CorpusFile(c.file);
    ASSERT_FALSE(file.empty()) << c.file;
    EXPECT_EQ(LooksLikeTrueType(file.data(), file.size()), c.passes_check) << c.file;
    if (c.passes_check) {
      EXPECT_TRUE(Bakes(file)) << c.file;
    }
  }
}

}  // namespace
}  // namespace qel
