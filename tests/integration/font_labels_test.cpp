// Labels drawn through the exports in each kind of font, the one a script gets as its style
// font without choosing one: the first font it registered, or the built-in font when it
// never baked any.
#include "font_fixture.h"
#include "widget_fixture.h"

namespace qel {
namespace {

constexpr int32_t kRed = static_cast<int32_t>(0xFF0000FFu);
constexpr int32_t kAlignLeft = 17, kNoScrollbar = 32;
constexpr int kWindowWidth = 400, kWindowHeight = 120;

class FontLabels : public FontTest {
 protected:
  // One window with one red label, the pointer kept off it; the red ink found on screen.
  ColorBox DrawLabel(const char* text, int tolerance) {
    host().MoveMouse(600, 400);
    Frame([&] {
      if (api().WindowBegin("fonts", 0, 0, kWindowWidth, kWindowHeight, kNoScrollbar)) {
        api().LayoutRowDynamic(40, 1);
        api().LabelColored(text, kAlignLeft, kRed);
      }
      api().WindowEnd();
    });
    return FindColor(host().Screen(), 0x0000FF, tolerance, 0, 0, kWindowWidth, kWindowHeight);
  }
};

TEST_F(FontLabels, ATrueTypeFontDrawsItsTextAsWideAsItMeasures) {
  Start();
  api().FontStashBegin();
  ASSERT_EQ(api().FontAtlasAddFromFile("sans", ("raw:" + kDejaVuSans).c_str(), 30.0f), 1);
  api().FontStashEnd();
  const ColorBox ink = DrawLabel("HIH", 90);
  EXPECT_NEAR(api().FontGetHeight(), 30.0f, 1.0f);  // the window made it the style font
  EXPECT_GT(ink.count, 150);
  EXPECT_NEAR(ink.width(), api().FontGetLabelWidth("HIH"), 6.0f);
  EXPECT_GE(ink.height(), 17);  // capitals of a 30-pixel line
  // Without a glyph range call Cyrillic is not baked: it measures as the fallback "?".
  EXPECT_EQ(api().FontGetLabelWidth("\xD0\x96"), api().FontGetLabelWidth("?"));
}

TEST_F(FontLabels, AGlyphRangeAddedBeforeTheFontBakesItsCharacters) {
  Start();
  api().FontAddGlyphRange(0x0400, 0x04FF);
  api().FontStashBegin();
  ASSERT_EQ(api().FontAtlasAddFromFile("sans", ("raw:" + kDejaVuSans).c_str(), 30.0f), 1);
  api().FontStashEnd();
  const ColorBox zhe = DrawLabel("\xD0\x96\xD0\x96", 90);  // ЖЖ
  EXPECT_GT(api().FontGetLabelWidth("\xD0\x96"), api().FontGetLabelWidth("?"));
  EXPECT_NEAR(zhe.width(), api().FontGetLabelWidth("\xD0\x96\xD0\x96"), 6.0f);
  const ColorBox question = DrawLabel("??", 90);
  EXPECT_NE(zhe.count, question.count);
}

TEST_F(FontLabels, ABitmapFontDrawsItsGlyphCellsSideBySide) {
  WriteBitmapFont();
  Start();
  ASSERT_GT(api().FontAtlasAddQelFont1("bitmap", "glyphs.png"), 0);  // registered first
  api().FontStashBegin();
  ASSERT_EQ(api().FontAtlasAddFromFile("sans", ("raw:" + kDejaVuSans).c_str(), 20.0f), 1);
  api().FontStashEnd();
  const ColorBox ink = DrawLabel("ABW", 0);
  EXPECT_EQ(api().FontGetHeight(), 16.0f);
  EXPECT_EQ(api().FontGetTextWidth("ABW", 3), 25.0f);  // 8 + 7 + 10
  EXPECT_EQ(api().FontGetTextWidth("ABWA", 3), 25.0f);
  EXPECT_EQ(api().FontGetLabelWidth("BB"), 14.0f);
  EXPECT_EQ(ink.width(), 25);
  EXPECT_EQ(ink.height(), 16);
  EXPECT_EQ(ink.count, 8 * 12 + 7 * 12 + 10 * 16);
}

TEST_F(FontLabels, TheBuiltInFontDrawsWhenTheScriptNeverBaked) {
  Start();
  const ColorBox ink = DrawLabel("HIH", 90);
  EXPECT_EQ(api().FontGetHeight(), 13.0f);
  EXPECT_GT(ink.count, 30);
  EXPECT_NEAR(ink.width(), api().FontGetLabelWidth("HIH"), 4.0f);
  EXPECT_LE(ink.height(), 13);
}

}  // namespace
}  // namespace qel
