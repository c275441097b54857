// TrueType fonts and the measuring exports, through the real exports.
#include <cmath>
#include <cstdlib>

#include "font_fixture.h"

namespace qel {
namespace {

const std::string kDejaVuRaw = "raw:" + kDejaVuSans;

using Fonts = FontTest;

TEST_F(Fonts, AStashWithoutFontsMakesTheBuiltInFontTheDefaultStyleFont) {
  Start();
  EXPECT_EQ(api().FontGetHeight(), 0.0f);  // no style font yet
  EXPECT_EQ(api().FontGetLabelWidth("abc"), 0.0f);
  api().FontStashEnd();  // without a stash: nothing
  EXPECT_EQ(api().FontGetHeight(), 0.0f);

  api().FontStashBegin();
  api().FontStashEnd();
  EXPECT_EQ(api().FontGetHeight(), 13.0f);
  const float abc = api().FontGetLabelWidth("abc");
  EXPECT_GT(abc, 10.0f);
  EXPECT_EQ(api().FontGetTextWidth("abc", 2), api().FontGetLabelWidth("ab"));
  EXPECT_EQ(api().FontGetTextWidth("abc", 1000), abc);  // never read past the terminator
  EXPECT_EQ(api().FontGetTextWidth("abc", 0), 0.0f);
  EXPECT_EQ(api().FontGetTextWidth("abc", -4), 0.0f);
  EXPECT_EQ(api().FontGetLabelWidth(""), 0.0f);
  EXPECT_EQ(api().FontGetLabelWidth(nullptr), 0.0f);
  Frame();

  api().FontStashBegin();
  EXPECT_EQ(api().FontAtlasAddFromFile("default", kDejaVuRaw.c_str(), 20.0f), 0);
  EXPECT_TRUE(LogHas("ERROR: font id already exists 'default'. new font cannot be created."));
  api().FontStashEnd();
  EXPECT_EQ(api().FontGetHeight(), 13.0f);  // the style font stays
}

TEST_F(Fonts, AStashWithFontsAddedRegistersNoDefaultAndSetsNoStyleFont) {
  Start();
  api().FontStashBegin();
  EXPECT_EQ(api().FontAtlasAddFromFile("sans", kDejaVuRaw.c_str(), 20.0f), 1);
  EXPECT_TRUE(LogHas("INFO: font '" + kDejaVuRaw + "' loaded"));
  api().FontStashEnd();
  EXPECT_FALSE(LogHas("An error has occurred when baking the fonts."));
  EXPECT_EQ(api().FontGetHeight(), 0.0f);
  Frame();

  api().FontStashBegin();
  EXPECT_EQ(api().FontAtlasAddFromFile("default", kDejaVuRaw.c_str(), 14.0f), 1);  // the id is free
  EXPECT_EQ(api().FontAtlasAddFromFile("sans", kDejaVuRaw.c_str(), 14.0f), 0);
  api().FontStashEnd();
  EXPECT_FALSE(LogHas("already exists 'default'"));
  EXPECT_EQ(LogCount("font id already exists 'sans'. new font cannot be created."), 1);
}

TEST_F(Fonts, FontAddFromFileSkipsATakenIdSilentlyUnlikeTheAtlasAdds) {
  Start();
  api().FontStashBegin();
  ASSERT_EQ(api().FontAtlasAddFromFile("sans", kDejaVuRaw.c_str(), 20.0f), 1);
  api().FontAddFromFile("disk", kDejaVuSans.c_str(), 18.0f);
  EXPECT_EQ(LogCount("INFO: load font handle 0x"), 1);

  const std::string before = LogText();
  api().FontAddFromFile("sans", kDejaVuSans.c_str(), 18.0f);
  api().FontAddFromFile("disk", kDejaVuSans.c_str(), 18.0f);
  EXPECT_EQ(LogText(), before);

  EXPECT_EQ(api().FontAtlasAddFromFile("disk", kDejaVuRaw.c_str(), 20.0f), 0);
  EXPECT_TRUE(LogHas("ERROR: font id already exists 'disk'. new font cannot be created."));
  api().FontStashEnd();
  EXPECT_FALSE(LogHas("An error has occurred when baking the fonts."));
}

TEST_F(Fonts, FilesThatCannotBeFontsAreRefusedBeforeTheAtlasReadsThem) {
  Start();
  WriteText("notes.ttf", "65:0:0:8:12\nthis is text, not a font\n");
  WriteText("empty.ttf", "");
  EXPECT_EQ(api().FontAtlasAddFromFile("early", kDejaVuRaw.c_str(), 20.0f), 0);
  EXPECT_TRUE(LogHas("no font atlas is open (FontStashBegin). font 'early' cannot be created."));

  api().FontStashBegin();
  EXPECT_EQ(api().FontAtlasAddFromFile("missing", "missing.ttf", 20.0f), 0);
  EXPECT_TRUE(LogHas("ERROR: font file not exists 'missing.ttf'. new font cannot be created."));
  EXPECT_EQ(api().FontAtlasAddFromFile("notes", "notes.ttf", 20.0f), 0);
  EXPECT_TRUE(LogHas("ERROR: font file 'notes.ttf' is not a TrueType font. new font cannot be created."));
  EXPECT_EQ(api().FontAtlasAddFromFile("empty", "empty.ttf", 20.0f), 0);
  EXPECT_TRUE(LogHas("ERROR: font file 'empty.ttf' is empty. new font cannot be created."));
  EXPECT_EQ(api().FontAtlasAddFromFile("nameless", "", 20.0f), 0);
  EXPECT_EQ(api().FontAtlasAddFromFile("nameless", nullptr, 20.0f), 0);
  for (float size : {0.0f, -3.0f, std::nanf("")})
    EXPECT_EQ(api().FontAtlasAddFromFile("sizeless", kDejaVuRaw.c_str(), size), 0) << size;
  EXPECT_EQ(LogCount("font 'sizeless' cannot be created."), 3);

  api().FontAddFromFile("notes", Media("notes.ttf").c_str(), 20.0f);
  api().FontAddFromFile("gone", Media("gone.ttf").c_str(), 20.0f);
  EXPECT_TRUE(LogHas("font file '" + Media("notes.ttf") + "' is not a TrueType font."));
  EXPECT_TRUE(LogHas("font file not exists '" + Media("gone.ttf") + "'."));
  EXPECT_FALSE(LogHas("load font handle"));

  // None of them took its id, and the atlas still bakes.
  for (const char* id : {"early", "missing", "notes", "empty", "sizeless", "gone"})
    EXPECT_EQ(api().FontAtlasAddFromFile(id, kDejaVuRaw.c_str(), 12.0f), 1) << id;
  api().FontStashEnd();
  EXPECT_FALSE(LogHas("An error has occurred when baking the fonts."));
}

TEST_F(Fonts, TheSystemFontFolderIsFoundThroughSystemRootThenWindirThenSystemDrive) {
  namespace fs = std::filesystem;
  for (const char* folder : {"root/Fonts", "win/dir/Fonts", "drive/Windows/Fonts"}) {
    fs::create_directories(Media(folder));
    fs::create_symlink(kDejaVuSans, Media(std::string(folder) + "/DejaVuSans.ttf"));
  }
  Start();
  api().FontStashBegin();

  setenv("SystemRoot", Media("root").c_str(), 1);
  setenv("windir", Media("nowhere").c_str(), 1);
  EXPECT_EQ(api().FontAtlasAddFromSystem("from root", "DejaVuSans.ttf", 16.0f), 1);
  EXPECT_TRUE(LogHas("INFO: attempt to load font 'raw:" + Media("root") + "/Fonts/DejaVuSans.ttf'"));

  // An empty SystemRoot counts as none; backslashes become slashes.
  setenv("SystemRoot", "", 1);
  setenv("windir", (Media("win") + "\\dir").c_str(), 1);
  EXPECT_EQ(api().FontAtlasAddFromSystem("from windir", "DejaVuSans.ttf", 16.0f), 1);
  EXPECT_TRUE(LogHas("attempt to load font 'raw:" + Media("win") + "/dir/Fonts/DejaVuSans.ttf'"));

  unsetenv("SystemRoot");
  unsetenv("windir");
  setenv("SystemDrive", Media("drive").c_str(), 1);
  EXPECT_EQ(api().FontAtlasAddFromSystem("from drive", "DejaVuSans.ttf", 16.0f), 1);
  EXPECT_TRUE(LogHas("attempt to load font 'raw:" + Media("drive") + "/Windows/Fonts/DejaVuSans.ttf'"));
  EXPECT_EQ(api().FontAtlasAddFromSystem("absent", "NoSuchFont.ttf", 16.0f), 0);
  EXPECT_EQ(api().FontAtlasAddFromSystem("from drive", "DejaVuSans.ttf", 16.0f), 0);
  EXPECT_TRUE(LogHas("font id already exists 'from drive'"));
  api().FontStashEnd();
  EXPECT_FALSE(LogHas("An error has occurred when baking the fonts."));
}

TEST_F(Fonts, GlyphRangesBeyondThirtyTwoAndRangesOfNoCharactersAreIgnoredWithAWarning) {
  Start();
  for (uint32_t first = 0x0400; first < 0x0400 + 31 * 0x10; first += 0x10) api().FontAddGlyphRange(first, first + 0xF);
  EXPECT_FALSE(LogHas("ignored."));
  api().FontAddGlyphRange(0x3000, 0x30FF);  // the 33rd with Latin-1 kept from the start
  EXPECT_TRUE(LogHas("WARN: glyph ranges are full (32 ranges). range 0x3000-0x30FF is ignored."));
  api().FontAddGlyphRange(0x0500, 0x0400);
  api().FontAddGlyphRange(0, 0x7F);
  EXPECT_TRUE(LogHas("WARN: glyph range 0x500-0x400 is not a range of characters. it is ignored."));
  EXPECT_TRUE(LogHas("WARN: glyph range 0x0-0x7F is not a range of characters. it is ignored."));
  api().FontSetGlyphRange(2);  // a table replaces them all; adding works again
  api().FontAddGlyphRange(0x3000, 0x30FF);
  EXPECT_EQ(LogCount("ignored."), 3);
}

}  // namespace
}  // namespace qel
