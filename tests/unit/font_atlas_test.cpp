// TrueType fonts in the atlas, baked without GL: which characters each font gets from the
// glyph range calls made before it, and what a font is before its atlas is baked.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "fonts/font_atlas.h"
#include "fonts/font_table.h"
#include "fonts/glyph_ranges.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/logger.h"

namespace qel {
namespace {

const char* const kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr nk_rune kZhe = 0x0416;    // Cyrillic
constexpr nk_rune kOmega = 0x03A9;  // Greek
constexpr nk_rune kEAcute = 0x00E9;

class AtlasFonts : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!LoggerExists(0)) CreateLogger(0, std::tmpfile());
    GlyphRanges() = GlyphRangeState{};
    // FontAddFromFile asks the host whether the file is there before reading it itself.
    HostCommands().GETFILEEXISTS_L_S.function = [](const char*) -> int32_t { return 1; };
  }
  void TearDown() override {
    HostCommands().GETFILEEXISTS_L_S.function = nullptr;
    GlyphRanges() = GlyphRangeState{};
  }
  // FontStashEnd without the texture upload.
  void Bake() {
    nk_font_atlas* atlas = FontAtlas().open;
    ASSERT_NE(atlas, nullptr);
    int width = 0, height = 0;
    ASSERT_NE(nk_font_atlas_bake(atlas, &width, &height, NK_FONT_ATLAS_ALPHA8), nullptr);
    nk_font_atlas_end(atlas, nk_handle_id(1), nullptr);
    FontAtlas().open = nullptr;
  }
  static nk_font* Baked(const char* id) {
    const nk_user_font* handle = Fonts().Find(id);
    return handle ? static_cast<nk_font*>(handle->userdata.ptr) : nullptr;
  }
  static bool Has(const char* id, nk_rune code_point) {
    nk_font* font = Baked(id);
    return font && nk_font_find_glyph(font, code_point) != font->fallback;
  }
};

TEST_F(AtlasFonts, EachFontBakesTheRangesChosenBeforeIt) {
  FontStashBegin();
  FontAddFromFile("u-latin", kDejaVuSans, 20.0f);
  FontAddGlyphRange(0x0400, 0x04FF);
  FontAddFromFile("u-cyrillic", kDejaVuSans, 20.0f);
  FontAddGlyphRange(0x0370, 0x03FF);
  FontAddFromFile("u-greek", kDejaVuSans, 20.0f);
  FontSetGlyphRange(6);
  FontSetGlyphRange(-1);
  FontAddFromFile("u-unchanged", kDejaVuSans, 20.0f);
  FontSetGlyphRange(0);
  FontAddFromFile("u-replaced", kDejaVuSans, 20.0f);

  // Registered at once, but nothing to measure or draw until the bake.
  const nk_user_font* unbaked = Fonts().Find("u-cyrillic");
  ASSERT_NE(unbaked, nullptr);
  EXPECT_EQ(unbaked->width(unbaked->userdata, unbaked->height, "abc", 3), 0.0f);
  nk_user_font_glyph glyph{};
  glyph.width = 5;
  unbaked->query(unbaked->userdata, unbaked->height, &glyph, 'a', 0);
  EXPECT_EQ(glyph.width, 0.0f);

  Bake();
  for (const char* id : {"u-latin", "u-cyrillic", "u-greek", "u-unchanged", "u-replaced"}) {
    ASSERT_NE(Baked(id), nullptr) << id;
    EXPECT_TRUE(Has(id, 'A') && Has(id, kEAcute)) << id;
    EXPECT_NEAR(Baked(id)->handle.height, 20.0f, 0.5f) << id;
  }
  EXPECT_FALSE(Has("u-latin", kZhe));
  EXPECT_EQ(Baked("u-latin")->config->oversample_h, 3);  // the library's defaults

  EXPECT_TRUE(Has("u-cyrillic", kZhe));
  EXPECT_FALSE(Has("u-cyrillic", kOmega));  // added after it
  EXPECT_EQ(Baked("u-cyrillic")->config->oversample_h, 1);
  EXPECT_EQ(Baked("u-cyrillic")->config->oversample_v, 1);

  EXPECT_TRUE(Has("u-greek", kZhe) && Has("u-greek", kOmega));
  EXPECT_TRUE(Has("u-unchanged", kZhe) && Has("u-unchanged", kOmega));
  EXPECT_FALSE(Has("u-replaced", kZhe) || Has("u-replaced", kOmega));

  // A glyph the font lacks measures as its fallback "?".
  nk_font* latin = Baked("u-latin");
  const char zhe[] = "\xD0\x96";
  EXPECT_EQ(latin->handle.width(latin->handle.userdata, latin->handle.height, zhe, 2),
            latin->handle.width(latin->handle.userdata, latin->handle.height, "?", 1));
  nk_font* cyrillic = Baked("u-cyrillic");
  EXPECT_GT(cyrillic->handle.width(cyrillic->handle.userdata, cyrillic->handle.height, zhe, 2),
            cyrillic->handle.width(cyrillic->handle.userdata, cyrillic->handle.height, "?", 1));
}

TEST_F(AtlasFonts, RangeCallsAfterABakeLeaveItsFontsReadingTheirOwnGlyphs) {
  FontStashBegin();
  FontAddGlyphRange(0x0400, 0x04FF);
  FontAddFromFile("u-before", kDejaVuSans, 16.0f);
  Bake();
  nk_font* font = Baked("u-before");
  ASSERT_NE(font, nullptr);
  const nk_font_glyph* zhe = nk_font_find_glyph(font, kZhe);

  // Ranges added now would move the glyph index past this font's glyphs if the font shared
  // the configuration's list.
  for (nk_rune first = 0x0370; first < 0x0370 + 30 * 0x40; first += 0x40) FontAddGlyphRange(first, first + 0x3F);
  FontSetGlyphRange(1);
  EXPECT_EQ(nk_font_find_glyph(font, kZhe), zhe);
  EXPECT_EQ(nk_font_find_glyph(font, kOmega), font->fallback);
}

TEST_F(AtlasFonts, FontsOfAStashBegunAgainBeforeItsEndStayEmpty) {
  FontStashBegin();
  FontAddFromFile("u-dropped", kDejaVuSans, 20.0f);
  FontStashBegin();  // a new atlas: the font above is never baked
  FontAddFromFile("u-kept", kDejaVuSans, 20.0f);
  Bake();
  const nk_user_font* dropped = Fonts().Find("u-dropped");
  ASSERT_NE(dropped, nullptr);
  EXPECT_EQ(dropped->width(dropped->userdata, dropped->height, "abc", 3), 0.0f);
  const nk_user_font* kept = Fonts().Find("u-kept");
  EXPECT_GT(kept->width(kept->userdata, kept->height, "abc", 3), 20.0f);
}

// DejaVu with the character map group of U+0020..U+007E moved so that 'A' names `glyph`.
std::string FontWithAAsGlyph(uint32_t glyph, uint32_t* glyphs, float* notdef_advance, float* last_advance) {
  std::ifstream in(kDejaVuSans, std::ios::binary);
  std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto u16 = [&](size_t at) { return uint32_t{static_cast<uint8_t>(b[at])} << 8 | static_cast<uint8_t>(b[at + 1]); };
  auto u32 = [&](size_t at) { return u16(at) << 16 | u16(at + 2); };
  auto table = [&](const char* tag) {
    for (size_t i = 0; i < u16(4); ++i)
      if (b.compare(12 + 16 * i, 4, tag) == 0) return size_t{u32(12 + 16 * i + 8)};
    return size_t{0};
  };
  const size_t cmap = table("cmap"), hhea = table("hhea"), hmtx = table("hmtx");
  const size_t group = cmap + u32(cmap + 4 + 8 * 4 + 4) + 16;  // the last record's first group
  if (u16(group - 16) != 12 || u32(group) != 0x20 || u32(group + 4) != 0x7E) return {};
  const uint32_t start = glyph - ('A' - 0x20);
  for (int k = 0; k < 4; ++k) b[group + 8 + k] = static_cast<char>(start >> (24 - 8 * k));
  *glyphs = u16(table("maxp") + 4);
  const float scale = 20.0f / static_cast<float>(static_cast<int16_t>(u16(hhea + 4)) - static_cast<int16_t>(u16(hhea + 6)));
  *notdef_advance = scale * static_cast<float>(u16(hmtx));
  *last_advance = scale * static_cast<float>(u16(hmtx + 4 * (u16(hhea + 34) - 1)));
  return b;
}

TEST_F(AtlasFonts, AGlyphTheFontDoesNotHaveIsMeasuredAsGlyphZero) {
  uint32_t glyphs = 0;
  float notdef = 0, last = 0;
  ASSERT_FALSE(FontWithAAsGlyph(0, &glyphs, &notdef, &last).empty());
  ASSERT_NE(notdef, last);  // what the reader used to take for glyphs past its metrics
  const std::string path = ::testing::TempDir() + "qel_glyph_beyond.ttf";
  FontStashBegin();
  // Past the font's glyphs, and far past them (a negative index to the reader).
  int n = 0;
  for (uint32_t glyph : {glyphs + 5, 0xF0000000u}) {
    std::ofstream(path, std::ios::binary) << FontWithAAsGlyph(glyph, &glyphs, &notdef, &last);
    FontAddFromFile(("u-beyond-" + std::to_string(n++)).c_str(), path.c_str(), 20.0f);
  }
  Bake();
  for (const char* id : {"u-beyond-0", "u-beyond-1"}) {
    nk_font* font = Baked(id);
    ASSERT_NE(font, nullptr) << id;
    EXPECT_NEAR(font->handle.width(font->handle.userdata, font->handle.height, "A", 1), notdef, 0.01f) << id;
    EXPECT_GT(font->handle.width(font->handle.userdata, font->handle.height, "\xC3\x89", 2), 5.0f) << id;  // U+00C9 keeps its glyph
  }
}

}  // namespace
}  // namespace qel
