// Host-image fonts on a table made by hand: widths are sums of record widths, one record per
// byte, and glyphs come straight from the records.
#include <gtest/gtest.h>

#include <memory>

#include "fonts/qel_font.h"
#include "frame/host_commands.h"

namespace qel {
namespace {

std::unique_ptr<SubimageTable> MakeTable() {
  auto table = std::make_unique<SubimageTable>();
  *table = SubimageTable{};
  table->image_id = 7;
  table->max_height = 24.0f;
  table->records['A'] = {0, 0, 16, 24, 0.0f, 0.0f, 0.125f, 0.75f};
  table->records['i'] = {16, 0, 5, 20, 0.125f, 0.0f, 0.1640625f, 0.625f};
  table->records[0xE9] = {32, 0, 11, 22, 0.25f, 0.0f, 0.3359375f, 0.6875f};
  return table;
}

TEST(QelFont, WidthIsTheSumOfTheRecordWidthsOfItsBytes) {
  const auto table = MakeTable();
  const nk_handle handle = nk_handle_ptr(table.get());
  EXPECT_EQ(QelFontTextWidth(handle, 24, "AiA", 3), 37.0f);
  EXPECT_EQ(QelFontTextWidth(handle, 24, "AiA", 2), 21.0f);
  EXPECT_EQ(QelFontTextWidth(handle, 24, "A\xE9", 2), 27.0f);  // a byte above 127 is its own record
  EXPECT_EQ(QelFontTextWidth(handle, 24, "Ax", 2), 16.0f);     // codes the file did not list are 0 wide
  EXPECT_EQ(QelFontTextWidth(handle, 24, "A", 0), 0.0f);
  EXPECT_EQ(QelFontTextWidth(handle, 24, "A", -3), 0.0f);
  EXPECT_EQ(QelFontTextWidth(handle, 24, nullptr, 3), 0.0f);
}

TEST(QelFont, GlyphsComeFromTheRecordsAndCodePointsAbove255AreEmpty) {
  const auto table = MakeTable();
  const nk_handle handle = nk_handle_ptr(table.get());
  nk_user_font_glyph glyph{};
  QelFontQueryGlyph(handle, 24, &glyph, 'i', 'A');
  EXPECT_EQ(glyph.width, 5.0f);
  EXPECT_EQ(glyph.height, 20.0f);
  EXPECT_EQ(glyph.xadvance, 5.0f);
  EXPECT_EQ(glyph.offset.x, 0.0f);
  EXPECT_EQ(glyph.offset.y, 0.0f);
  EXPECT_EQ(glyph.uv[0].x, 0.125f);
  EXPECT_EQ(glyph.uv[0].y, 0.0f);
  EXPECT_EQ(glyph.uv[1].x, 0.1640625f);
  EXPECT_EQ(glyph.uv[1].y, 0.625f);

  QelFontQueryGlyph(handle, 24, &glyph, 0xE9, 0);
  EXPECT_EQ(glyph.width, 11.0f);
  QelFontQueryGlyph(handle, 24, &glyph, 0x416, 0);
  EXPECT_EQ(glyph.width, 0.0f);
  EXPECT_EQ(glyph.height, 0.0f);
  EXPECT_EQ(glyph.xadvance, 0.0f);
  EXPECT_EQ(glyph.uv[1].x, 0.0f);
}

TEST(QelFont, TheFontIsAsTallAsTheTallestRecordAndDrawsFromTheImagesTexture) {
  HostCommands().GETOPENGLIMAGEID_L_L.function = [](int32_t image) -> int32_t { return image == 7 ? 41 : 0; };
  const nk_user_font* font = MakeQelFont(MakeTable());
  HostCommands().GETOPENGLIMAGEID_L_L.function = nullptr;
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->height, 24.0f);
  EXPECT_EQ(font->texture.id, 41);
  EXPECT_EQ(static_cast<const SubimageTable*>(font->userdata.ptr)->image_id, 7);
  EXPECT_EQ(font->width(font->userdata, font->height, "Ai", 2), 21.0f);
  EXPECT_EQ(MakeQelFont(nullptr), nullptr);
}

}  // namespace
}  // namespace qel
