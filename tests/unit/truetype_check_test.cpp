// The look at a font file before the atlas trusts its offsets.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "fonts/truetype_check.h"

namespace qel {
namespace {

const char* const kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

std::vector<uint8_t> ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}
void PutU32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (24 - 8 * i));
}
uint32_t U16(const std::vector<uint8_t>& b, size_t at) { return uint32_t{b[at]} << 8 | b[at + 1]; }
void PutU16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v >> 8);
  b[at + 1] = static_cast<uint8_t>(v);
}
// Byte position of a table's directory entry.
size_t EntryOf(const std::vector<uint8_t>& font, const std::string& tag) {
  const size_t tables = size_t{font[4]} << 8 | font[5];
  for (size_t i = 0; i < tables; ++i)
    if (std::string(font.begin() + 12 + 16 * i, font.begin() + 16 + 16 * i) == tag) return 12 + 16 * i;
  return 0;
}

class TrueTypeCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ = ReadFile(kDejaVuSans);
    ASSERT_GT(font_.size(), 100000u) << "fonts-dejavu-core is needed (scripts/setup.sh)";
  }
  bool Check(const std::vector<uint8_t>& bytes) { return LooksLikeTrueType(bytes.data(), bytes.size()); }
  std::vector<uint8_t> font_;
};

TEST_F(TrueTypeCheck, ARealFontPassesAndOtherFilesDoNot) {
  EXPECT_TRUE(Check(font_));
  const std::string text = "65:0:0:16:24\nnot a font at all, just some text in a file\n";
  EXPECT_FALSE(Check(std::vector<uint8_t>(text.begin(), text.end())));
  EXPECT_FALSE(LooksLikeTrueType(font_.data(), 11));
  EXPECT_FALSE(LooksLikeTrueType(nullptr, 100));
  std::vector<uint8_t> collection = font_;
  collection[0] = 't', collection[1] = 't', collection[2] = 'c', collection[3] = 'f';
  EXPECT_FALSE(Check(collection));
}

TEST_F(TrueTypeCheck, AFontCutShortFailsWhereverItIsCut) {
  const size_t glyf = EntryOf(font_, "glyf");
  ASSERT_NE(glyf, 0u);
  const size_t glyf_end = U32(font_, glyf + 8) + U32(font_, glyf + 12);
  for (size_t size : {size_t{40}, size_t{12 + 16 * 3}, font_.size() / 2, glyf_end - 1})
    EXPECT_FALSE(LooksLikeTrueType(font_.data(), size)) << size;
}

TEST_F(TrueTypeCheck, DirectoryEntriesPointingOutsideTheFileFail) {
  std::vector<uint8_t> many_tables = font_;
  many_tables[4] = 0xFF, many_tables[5] = 0xFF;  // 65535 entries would run past the file
  EXPECT_FALSE(Check(many_tables));

  for (const char* tag : {"cmap", "loca", "head", "glyf", "hhea", "hmtx", "maxp"}) {
    std::vector<uint8_t> moved = font_;
    const size_t entry = EntryOf(moved, tag);
    ASSERT_NE(entry, 0u) << tag;
    PutU32(moved, entry + 8, static_cast<uint32_t>(moved.size()) - 2);
    EXPECT_FALSE(Check(moved)) << tag;

    // Without maxp the baker takes 65535 glyphs, far more than this font locates.
    std::vector<uint8_t> missing = font_;
    missing[entry] = 'z';
    EXPECT_FALSE(Check(missing)) << tag;
  }
}

TEST_F(TrueTypeCheck, ACharacterMapWithoutAUnicodeSubtableInsideItFails) {
  const size_t cmap = U32(font_, EntryOf(font_, "cmap") + 8);
  const size_t subtables = size_t{font_[cmap + 2]} << 8 | font_[cmap + 3];
  std::vector<uint8_t> far = font_;
  for (size_t i = 0; i < subtables; ++i) PutU32(far, cmap + 4 + 8 * i + 4, 0x7FFFFFF0u);
  EXPECT_FALSE(Check(far));

  std::vector<uint8_t> symbol_only = font_;
  for (size_t i = 0; i < subtables; ++i) {
    symbol_only[cmap + 4 + 8 * i + 1] = 3;  // Microsoft
    symbol_only[cmap + 4 + 8 * i + 3] = 0;  // symbol encoding
  }
  EXPECT_FALSE(Check(symbol_only));
}

// Where the fields the baker indexes by live in the test font.
struct Layout {
  explicit Layout(const std::vector<uint8_t>& font) {
    for (const char* tag : {"cmap", "head", "hhea", "hmtx", "loca", "glyf", "maxp"}) {
      const size_t entry = EntryOf(font, tag);
      offset[tag] = U32(font, entry + 8);
      length[tag] = U32(font, entry + 12);
    }
    const size_t cmap = offset["cmap"];
    records = U16(font, cmap + 2);
  }
  size_t Record(size_t i) const { return offset.at("cmap") + 4 + 8 * i; }
  size_t Subtable(const std::vector<uint8_t>& font, size_t i) const { return offset.at("cmap") + U32(font, Record(i) + 4); }
  std::map<std::string, size_t> offset, length;
  size_t records = 0;
};

// DejaVu's character maps: Unicode format 4 and 12, Macintosh format 6, Microsoft format 4
// and 12. The baker reads the last it understands, Microsoft's format 12.
TEST_F(TrueTypeCheck, TheCharacterMapTheBakerReadsMustHoldWhatItsHeaderAnnounces) {
  const Layout at(font_);
  ASSERT_EQ(at.records, 5u);
  const size_t format12 = at.Subtable(font_, 4);
  ASSERT_EQ(U16(font_, format12), 12u);
  // The same font reading its format 4 map (the last record no longer understood), or the
  // format 6 one (the last record pointing at it): both sound as they are.
  std::vector<uint8_t> by_format4 = font_;
  PutU16(by_format4, at.Record(4), 1);
  const size_t format4 = at.Subtable(font_, 3);
  ASSERT_EQ(U16(font_, format4), 4u);
  std::vector<uint8_t> by_format6 = font_;
  PutU32(by_format6, at.Record(4) + 4, U32(font_, at.Record(2) + 4));
  const size_t format6 = at.Subtable(font_, 2);
  ASSERT_EQ(U16(font_, format6), 6u);
  EXPECT_TRUE(Check(by_format4));
  EXPECT_TRUE(Check(by_format6));

  struct Corruption {
    const char* what;
    const std::vector<uint8_t>* base;
    size_t at;
    uint32_t value;
    bool wide;
  };
  const size_t segments = U16(font_, format4 + 6) / 2;
  const size_t cmap_end = at.offset.at("cmap") + at.length.at("cmap");
  const size_t range_offsets = format4 + 16 + 6 * segments;
  size_t indexed = 0;  // a segment that reads the glyph array
  while (indexed < segments && U16(font_, range_offsets + 2 * indexed) == 0) ++indexed;
  ASSERT_LT(indexed, segments);
  const Corruption corruptions[] = {
      {"format 2, which the baker cannot read", &font_, format12, 2, false},
      {"format 14", &font_, format12, 14, false},
      {"format 12 shorter than its groups", &font_, format12 + 4, 16 + 12 * U32(font_, format12 + 12) - 1, true},
      {"format 12 groups past its length", &font_, format12 + 12, U32(font_, format12 + 12) + 1, true},
      {"format 12 past the cmap table", &font_, format12 + 4, static_cast<uint32_t>(cmap_end - format12 + 1), true},
      {"format 4 shorter than its segments", &by_format4, format4 + 2, static_cast<uint32_t>(16 + 8 * segments - 1), false},
      {"format 4 with more segments than it holds", &by_format4, format4 + 6, 0xFFFE, false},
      {"format 4 with no segment", &by_format4, format4 + 6, 0, false},
      {"format 4 search range", &by_format4, format4 + 8, U16(font_, format4 + 8) * 2, false},
      {"format 4 entry selector", &by_format4, format4 + 10, U16(font_, format4 + 10) + 1, false},
      {"format 4 range shift", &by_format4, format4 + 12, U16(font_, format4 + 12) + 2, false},
      {"format 4 ends out of order", &by_format4, format4 + 14, 0xFFF0, false},
      {"format 4 last end below U+FFFF", &by_format4, format4 + 14 + 2 * (segments - 1), 0xFFFE, false},
      {"format 4 glyph array past the map", &by_format4, range_offsets + 2 * indexed, 0xFFFE, false},
      {"format 6 entries past its length", &by_format6, format6 + 8, 0x8000, false},
      {"format 6 past the cmap table", &by_format6, format6 + 2, 0xFFFF, false},
  };
  for (const Corruption& c : corruptions) {
    std::vector<uint8_t> bad = *c.base;
    c.wide ? PutU32(bad, c.at, c.value) : PutU16(bad, c.at, c.value);
    EXPECT_FALSE(Check(bad)) << c.what;
  }
}

TEST_F(TrueTypeCheck, EveryGlyphNeedsALocationInsideGlyfAndItsMetrics) {
  Layout at(font_);
  const size_t glyphs = U16(font_, at.offset["maxp"] + 4);
  const size_t long_metrics = U16(font_, at.offset["hhea"] + 34);
  ASSERT_EQ(U16(font_, at.offset["head"] + 50), 1u);  // 4-byte locations
  ASSERT_EQ(at.length["loca"], 4 * (glyphs + 1));
  ASSERT_EQ(at.length["hmtx"], 4 * long_metrics + 2 * (glyphs - long_metrics));
  const size_t loca = at.offset["loca"], glyf_length = at.length["glyf"];
  const size_t drawn = 36;  // 'A': a glyph with an outline
  ASSERT_NE(U32(font_, loca + 4 * drawn), U32(font_, loca + 4 * drawn + 4));
  const size_t drawn_box = at.offset["glyf"] + U32(font_, loca + 4 * drawn) + 2;  // xMin, yMin, xMax, yMax

  struct Corruption {
    const char* what;
    size_t at;
    uint32_t value;
    bool wide;
  };
  const Corruption corruptions[] = {
      {"more glyphs than locations", at.offset["maxp"] + 4, static_cast<uint32_t>(glyphs + 1), false},
      {"location format 2", at.offset["head"] + 50, 2, false},
      {"a location past glyf", loca + 4 * drawn, static_cast<uint32_t>(glyf_length + 2), true},
      {"the end location past glyf", loca + 4 * glyphs, static_cast<uint32_t>(glyf_length + 2), true},
      {"an outline header cut by glyf's end", loca + 4 * drawn, static_cast<uint32_t>(glyf_length - 4), true},
      {"one long metric more than hmtx holds", at.offset["hhea"] + 34, static_cast<uint32_t>(long_metrics + 1), false},
      {"no long metric", at.offset["hhea"] + 34, 0, false},
      {"ascent equal to descent", at.offset["hhea"] + 4, U16(font_, at.offset["hhea"] + 6), false},
      // The packer would give the glyph's bitmap a negative width or height.
      {"a box whose right edge lies left of its left", drawn_box + 4, 0x8000, false},
      {"a box whose top lies below its bottom", drawn_box + 6, 0x8000, false},
  };
  for (const Corruption& c : corruptions) {
    std::vector<uint8_t> bad = font_;
    c.wide ? PutU32(bad, c.at, c.value) : PutU16(bad, c.at, c.value);
    EXPECT_FALSE(Check(bad)) << c.what;
  }

  // Fewer glyphs than the tables hold is fine: the rest is never reached.
  std::vector<uint8_t> fewer = font_;
  PutU16(fewer, at.offset["maxp"] + 4, static_cast<uint32_t>(glyphs - 100));
  EXPECT_TRUE(Check(fewer));
}

TEST(TrueTypeCheckFonts, EveryDejaVuFontPasses) {
  size_t fonts = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/usr/share/fonts/truetype/dejavu")) {
    if (entry.path().extension() != ".ttf") continue;
    const std::vector<uint8_t> font = ReadFile(entry.path().c_str());
    EXPECT_TRUE(LooksLikeTrueType(font.data(), font.size())) << entry.path();
    ++fonts;
  }
  EXPECT_GT(fonts, 0u);
}

// Glyph outlines in the test font, found through loca (4-byte locations).
class GlyphOutlines : public TrueTypeCheck {
 protected:
  void SetUp() override {
    TrueTypeCheck::SetUp();
    const Layout at(font_);
    loca_ = at.offset.at("loca"), glyf_ = at.offset.at("glyf");
    glyphs_ = U16(font_, at.offset.at("maxp") + 4);
  }
  size_t Start(size_t glyph) const { return glyf_ + U32(font_, loca_ + 4 * glyph); }
  size_t End(size_t glyph) const { return glyf_ + U32(font_, loca_ + 4 * glyph + 4); }
  bool Composite(size_t glyph) const { return Start(glyph) != End(glyph) && U16(font_, Start(glyph)) == 0xFFFF; }
  std::vector<size_t> Composites(size_t count) const {
    std::vector<size_t> found;
    for (size_t g = 0; g < glyphs_ && found.size() < count; ++g)
      if (Composite(g)) found.push_back(g);
    return found;
  }
  size_t loca_ = 0, glyf_ = 0, glyphs_ = 0;
};

TEST_F(GlyphOutlines, ACompositeContainingItselfFails) {
  const std::vector<size_t> composites = Composites(10);
  ASSERT_EQ(composites.size(), 10u);
  const size_t a = composites[0], b = composites[1];
  std::vector<uint8_t> itself = font_;
  PutU16(itself, Start(a) + 12, static_cast<uint32_t>(a));
  EXPECT_FALSE(Check(itself));
  std::vector<uint8_t> each_other = font_;
  PutU16(each_other, Start(a) + 12, static_cast<uint32_t>(b));
  PutU16(each_other, Start(b) + 12, static_cast<uint32_t>(a));
  EXPECT_FALSE(Check(each_other));
  // A chain of nine composites nests deeper than the reader may recurse.
  std::vector<uint8_t> chain = font_;
  for (size_t i = 0; i + 1 < 9; ++i) PutU16(chain, Start(composites[i]) + 12, static_cast<uint32_t>(composites[i + 1]));
  EXPECT_FALSE(Check(chain));

  // One more component record announced than the glyph's bytes hold.
  std::vector<uint8_t> more = font_;
  size_t record = Start(a) + 10;
  for (;;) {
    const uint32_t flags = U16(more, record);
    if (!(flags & 0x20)) {
      PutU16(more, record, flags | 0x20);
      break;
    }
    record += 4 + ((flags & 1) ? 4 : 2) + ((flags & 8) ? 2 : (flags & 0x40) ? 4 : (flags & 0x80) ? 8 : 0);
  }
  EXPECT_FALSE(Check(more));
}

// 'A': two contours of straight lines.
TEST_F(GlyphOutlines, ASimpleOutlineMustEndInsideItsGlyph) {
  const size_t a = 36, start = Start(a), end = End(a);
  ASSERT_EQ(U16(font_, start), 2u);
  const size_t points = U16(font_, start + 12) + 1;
  ASSERT_LT(points, 256u);

  std::vector<uint8_t> contours = font_;
  PutU16(contours, start, 0x7FFF);
  EXPECT_FALSE(Check(contours)) << "more contour ends than the glyph holds";
  std::vector<uint8_t> unordered = font_;
  PutU16(unordered, start + 10, static_cast<uint32_t>(points));
  EXPECT_FALSE(Check(unordered)) << "a contour ending past the last";
  std::vector<uint8_t> instructions = font_;
  PutU16(instructions, start + 14, static_cast<uint32_t>(end - start));
  EXPECT_FALSE(Check(instructions)) << "instructions past the glyph";

  // The instructions grow until the flags are the glyph's last two bytes: one flag repeated
  // for every point. Whether that fits depends on the coordinate bytes the flag implies.
  auto repeated = [&](uint8_t flag, size_t flag_at) {
    std::vector<uint8_t> bad = font_;
    PutU16(bad, start + 14, static_cast<uint32_t>(flag_at - (start + 16)));
    bad[flag_at] = flag | 8;
    if (flag_at + 1 < end) bad[flag_at + 1] = static_cast<uint8_t>(points - 1);
    return Check(bad);
  };
  EXPECT_TRUE(repeated(0x31, end - 2)) << "on the curve, x and y as before: no coordinate bytes";
  EXPECT_FALSE(repeated(0x01, end - 2)) << "two-byte coordinates for every point";
  EXPECT_FALSE(repeated(0x37, end - 2)) << "one-byte coordinates for every point";
  EXPECT_FALSE(repeated(0x31, end - 1)) << "the repeat count past the glyph, in the next one";

  // The last point alone as a contour, off the curve: the reader would look past its points.
  std::vector<uint8_t> last_alone = font_;
  PutU16(last_alone, start + 10, static_cast<uint32_t>(points - 2));
  EXPECT_TRUE(Check(last_alone));
  last_alone[end - 2] = 0x30 | 8;
  last_alone[end - 1] = static_cast<uint8_t>(points - 1);
  PutU16(last_alone, start + 14, static_cast<uint32_t>(end - 2 - (start + 16)));
  EXPECT_FALSE(Check(last_alone));
}

}  // namespace
}  // namespace qel
