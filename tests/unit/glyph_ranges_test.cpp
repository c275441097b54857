// The glyph range configuration: what FontAddGlyphRange and FontSetGlyphRange leave for the
// TrueType fonts added after them.
#include <gtest/gtest.h>

#include <vector>

#include "fonts/glyph_ranges.h"

namespace qel {
namespace {

std::vector<nk_rune> RangesOf(const nk_rune* ranges) {
  std::vector<nk_rune> list;
  for (int i = 0; i < 2 * CountGlyphRanges(ranges); ++i) list.push_back(ranges[i]);
  return list;
}

TEST(GlyphRanges, TheSixBuiltInTablesHoldTheirRangesInOrder) {
  const std::vector<nk_rune> expected[kBuiltInGlyphRangeTables] = {
      {0x0020, 0x00FF},
      {0x0020, 0x00FF, 0x3000, 0x30FF, 0x31F0, 0x31FF, 0xFF00, 0xFFEF, 0x4E00, 0x9FAF},
      {0x0020, 0x00FF, 0x0301, 0x0301, 0x0400, 0x04FF, 0x0500, 0x052F, 0x2DE0, 0x2DFF, 0xA640, 0xA69F, 0x1C80,
       0x1C8F, 0x1D2B, 0x1D78, 0xFE2E, 0xFE2F},
      {0x0020, 0x00FF, 0x3131, 0x3163, 0xAC00, 0xD79D},
      {0x0020, 0x00FF, 0x2200, 0x22FF, 0x3000, 0x303F, 0x3040, 0x309F, 0x30A0, 0x30FF, 0x0370, 0x03FF, 0xFF00,
       0xFFEF, 0x4E00, 0x9FFF},
      {0x0020, 0x00FF, 0x0370, 0x03FF, 0x1F00, 0x1FFF, 0x10140, 0x1018F},
  };
  for (int index = 0; index < kBuiltInGlyphRangeTables; ++index) {
    const nk_rune* table = BuiltInGlyphRanges(index);
    ASSERT_NE(table, nullptr) << index;
    EXPECT_EQ(RangesOf(table), expected[index]) << index;
    EXPECT_EQ(table[expected[index].size()], 0u) << index;  // ended right after its last pair
  }
  EXPECT_EQ(BuiltInGlyphRanges(kBuiltInGlyphRangeTables), nullptr);
  EXPECT_EQ(BuiltInGlyphRanges(-1), nullptr);
}

TEST(GlyphRanges, FirstAddedRangeKeepsLatinOneAndBakesOneByOne) {
  GlyphRangeState state;
  EXPECT_FALSE(state.has_config);
  EXPECT_EQ(AddGlyphRange(state, 0x0400, 0x04FF), GlyphRangeResult::kAdded);
  ASSERT_TRUE(state.has_config);
  EXPECT_EQ(RangesOf(state.config.range), (std::vector<nk_rune>{0x0020, 0x00FF, 0x0400, 0x04FF}));
  EXPECT_EQ(state.config.range, state.array);
  EXPECT_EQ(state.config.oversample_h, 1);
  EXPECT_EQ(state.config.oversample_v, 1);
  EXPECT_EQ(state.config.size, 14.0f);
  EXPECT_EQ(state.config.fallback_glyph, static_cast<nk_rune>('?'));
}

TEST(GlyphRanges, AddingAfterABuiltInTableExtendsThatTable) {
  GlyphRangeState state;
  ASSERT_TRUE(SetGlyphRange(state, 3));
  EXPECT_EQ(state.config.range, BuiltInGlyphRanges(3));
  AddGlyphRange(state, 0x0370, 0x03FF);
  EXPECT_EQ(RangesOf(state.config.range),
            (std::vector<nk_rune>{0x0020, 0x00FF, 0x3131, 0x3163, 0xAC00, 0xD79D, 0x0370, 0x03FF}));
}

TEST(GlyphRanges, SettingATableDropsAddedRangesAndOtherIndicesChangeNothing) {
  GlyphRangeState state;
  EXPECT_FALSE(SetGlyphRange(state, 6));
  EXPECT_FALSE(SetGlyphRange(state, -1));
  EXPECT_FALSE(state.has_config);  // not even made

  AddGlyphRange(state, 0x0400, 0x04FF);
  EXPECT_FALSE(SetGlyphRange(state, 6));
  EXPECT_FALSE(SetGlyphRange(state, -1));
  EXPECT_EQ(RangesOf(state.config.range), (std::vector<nk_rune>{0x0020, 0x00FF, 0x0400, 0x04FF}));

  ASSERT_TRUE(SetGlyphRange(state, 2));
  EXPECT_EQ(state.config.range, BuiltInGlyphRanges(2));
  EXPECT_EQ(CountGlyphRanges(state.config.range), 9);
  // Adding again starts from the table now chosen, not from the ranges dropped.
  AddGlyphRange(state, 0x0370, 0x03FF);
  EXPECT_EQ(CountGlyphRanges(state.config.range), 10);
  EXPECT_EQ(state.array[18], 0x0370u);
}

TEST(GlyphRanges, ThirtyTwoRangesAtMostAndNoRangeThatIsNotOne) {
  GlyphRangeState state;
  for (nk_rune i = 1; i < kMaxGlyphRanges; ++i)
    ASSERT_EQ(AddGlyphRange(state, 0x1000 * i, 0x1000 * i + 0xF), GlyphRangeResult::kAdded) << i;
  ASSERT_EQ(CountGlyphRanges(state.config.range), kMaxGlyphRanges);
  EXPECT_EQ(AddGlyphRange(state, 0x0400, 0x04FF), GlyphRangeResult::kFull);
  EXPECT_EQ(CountGlyphRanges(state.config.range), kMaxGlyphRanges);
  EXPECT_EQ(state.array[2 * kMaxGlyphRanges], 0u);

  GlyphRangeState fresh;
  EXPECT_EQ(AddGlyphRange(fresh, 0, 0x7F), GlyphRangeResult::kInvalid);  // 0 would end the list
  EXPECT_EQ(AddGlyphRange(fresh, 0x500, 0x400), GlyphRangeResult::kInvalid);
  EXPECT_EQ(AddGlyphRange(fresh, 0x20, 0x110000), GlyphRangeResult::kInvalid);
  EXPECT_FALSE(fresh.has_config);
  EXPECT_EQ(AddGlyphRange(fresh, 0x10140, 0x10FFFF), GlyphRangeResult::kAdded);
}

TEST(GlyphRanges, EachFontKeepsTheRangesItWasAddedWith) {
  GlyphRangeState state;
  std::vector<nk_rune> library_ranges;
  const struct nk_font_config library = TrueTypeFontConfig(state, 20.0f, library_ranges);
  EXPECT_EQ(library.size, 20.0f);
  EXPECT_EQ(library.oversample_h, 3);  // the library's defaults without a configuration
  EXPECT_EQ(library.oversample_v, 1);
  EXPECT_EQ(RangesOf(library.range), (std::vector<nk_rune>{0x0020, 0x00FF}));

  AddGlyphRange(state, 0x0400, 0x04FF);
  std::vector<nk_rune> cyrillic_ranges;
  const struct nk_font_config cyrillic = TrueTypeFontConfig(state, 18.0f, cyrillic_ranges);
  EXPECT_EQ(cyrillic.size, 18.0f);
  EXPECT_EQ(cyrillic.oversample_h, 1);
  EXPECT_EQ(cyrillic.range, cyrillic_ranges.data());

  // A later range call leaves the font added before it alone.
  AddGlyphRange(state, 0x0370, 0x03FF);
  SetGlyphRange(state, 1);
  EXPECT_EQ(RangesOf(cyrillic.range), (std::vector<nk_rune>{0x0020, 0x00FF, 0x0400, 0x04FF}));
  EXPECT_EQ(cyrillic.range[4], 0u);
}

}  // namespace
}  // namespace qel
