// TrueType fonts and the measuring exports, through the real exports.
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "environment.h"
#include "font_fixture.h"

namespace qel {
namespace {

const std::string kDejaVuRaw = "raw:" + kDejaVuSans;

// The plug-in writes the system font folder with forward slashes; Windows' temp folder,
// under which the tests' folders lie, is written with backslashes.
std::string ForwardSlashes(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

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
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::FontIdExists, "default")));
  api().FontStashEnd();
  EXPECT_EQ(api().FontGetHeight(), 13.0f);  // the style font stays
}

TEST_F(Fonts, AStashWithFontsAddedRegistersNoDefaultAndSetsNoStyleFont) {
  Start();
  api().FontStashBegin();
  EXPECT_EQ(api().FontAtlasAddFromFile("sans", kDejaVuRaw.c_str(), 20.0f), 1);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::FontLoaded, kDejaVuRaw.c_str())));
  api().FontStashEnd();
  EXPECT_FALSE(LogHas(LogText(msg::AtlasBakeFailed)));
  EXPECT_EQ(api().FontGetHeight(), 0.0f);
  Frame();

  api().FontStashBegin();
  EXPECT_EQ(api().FontAtlasAddFromFile("default", kDejaVuRaw.c_str(), 14.0f), 1);  // the id is free
  EXPECT_EQ(api().FontAtlasAddFromFile("sans", kDejaVuRaw.c_str(), 14.0f), 0);
  api().FontStashEnd();
  EXPECT_FALSE(LogHas(LogText(msg::FontIdExists, "default")));
  EXPECT_EQ(LogCount(LogLevelAndText(msg::FontIdExists, "sans")), 1);
}

TEST_F(Fonts, FontAddFromFileSkipsATakenIdSilentlyUnlikeTheAtlasAdds) {
  Start();
  api().FontStashBegin();
  ASSERT_EQ(api().FontAtlasAddFromFile("sans", kDejaVuRaw.c_str(), 20.0f), 1);
  api().FontAddFromFile("disk", kDejaVuSans.c_str(), 18.0f);
  EXPECT_EQ(LogCount(msg::FontHandleLoaded), 1);

  const std::string before = LogText();
  api().FontAddFromFile("sans", kDejaVuSans.c_str(), 18.0f);
  api().FontAddFromFile("disk", kDejaVuSans.c_str(), 18.0f);
  EXPECT_EQ(LogText(), before);

  EXPECT_EQ(api().FontAtlasAddFromFile("disk", kDejaVuRaw.c_str(), 20.0f), 0);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::FontIdExists, "disk")));
  api().FontStashEnd();
  EXPECT_FALSE(LogHas(LogText(msg::AtlasBakeFailed)));
}

TEST_F(Fonts, FilesThatCannotBeFontsAreRefusedBeforeTheAtlasReadsThem) {
  Start();
  WriteText("notes.ttf", "65:0:0:8:12\nthis is text, not a font\n");
  WriteText("empty.ttf", "");
  EXPECT_EQ(api().FontAtlasAddFromFile("early", kDejaVuRaw.c_str(), 20.0f), 0);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::FontStashNotOpen, "early")));

  api().FontStashBegin();
  EXPECT_EQ(api().FontAtlasAddFromFile("missing", "missing.ttf", 20.0f), 0);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::FontFileMissing, "missing.ttf")));
  EXPECT_EQ(api().FontAtlasAddFromFile("notes", "notes.ttf", 20.0f), 0);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::FontFileNotTrueType, "notes.ttf")));
  EXPECT_EQ(api().FontAtlasAddFromFile("empty", "empty.ttf", 20.0f), 0);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::FontFileEmpty, "empty.ttf")));
  EXPECT_EQ(api().FontAtlasAddFromFile("nameless", "", 20.0f), 0);
  EXPECT_EQ(api().FontAtlasAddFromFile("nameless", nullptr, 20.0f), 0);
  for (float size : {0.0f, -3.0f, std::nanf("")}) {
    EXPECT_EQ(api().FontAtlasAddFromFile("sizeless", kDejaVuRaw.c_str(), size), 0) << size;
    EXPECT_EQ(LogCount(LogLevelAndText(msg::FontSizeNotPositive, static_cast<double>(size), "sizeless")), 1) << size;
  }

  api().FontAddFromFile("notes", Media("notes.ttf").c_str(), 20.0f);
  api().FontAddFromFile("gone", Media("gone.ttf").c_str(), 20.0f);
  EXPECT_TRUE(LogHas(LogText(msg::FontFileNotTrueType, Media("notes.ttf").c_str())));
  EXPECT_TRUE(LogHas(LogText(msg::FontFileMissing, Media("gone.ttf").c_str())));
  EXPECT_EQ(LogCount(msg::FontHandleLoaded), 0);

  // None of them took its id, and the atlas still bakes.
  for (const char* id : {"early", "missing", "notes", "empty", "sizeless", "gone"})
    EXPECT_EQ(api().FontAtlasAddFromFile(id, kDejaVuRaw.c_str(), 12.0f), 1) << id;
  api().FontStashEnd();
  EXPECT_FALSE(LogHas(LogText(msg::AtlasBakeFailed)));
}

TEST_F(Fonts, AFontTheAtlasCannotHoldFailsItsBakeAndMeasuresNothing) {
  Start();
  // Wider glyphs than the atlas (400 pixels, three times oversampled), and a size whose
  // glyphs the atlas could not place at all; a fitting font in the same stash goes with them.
  int failed = 0;
  for (float size : {400.0f, 1000.0f}) {
    const std::string huge = "huge " + std::to_string(static_cast<int>(size));
    const std::string beside = "beside " + std::to_string(static_cast<int>(size));
    api().FontStashBegin();
    EXPECT_EQ(api().FontAtlasAddFromFile(huge.c_str(), kDejaVuRaw.c_str(), size), 1);
    EXPECT_EQ(api().FontAtlasAddFromFile(beside.c_str(), kDejaVuRaw.c_str(), 20.0f), 1);
    api().FontStashEnd();
    EXPECT_EQ(LogCount(LogLevelAndText(msg::AtlasBakeFailed)), ++failed) << size;
    api().StyleSetFont(huge.c_str());
    EXPECT_EQ(api().FontGetHeight(), size);
    EXPECT_EQ(api().FontGetLabelWidth("abc"), 0.0f) << size;
    api().StyleSetFont(beside.c_str());
    EXPECT_EQ(api().FontGetLabelWidth("abc"), 0.0f) << size;
    Frame([&] {
      if (api().WindowBegin("text", 0, 0, 300, 200, 0)) {
        api().LayoutRowDynamic(40, 1);
        api().Label("abc", 17);
      }
      api().WindowEnd();
    });
  }

  // The next stash of fitting fonts bakes as before.
  api().FontStashBegin();
  ASSERT_EQ(api().FontAtlasAddFromFile("sans", kDejaVuRaw.c_str(), 100.0f), 1);
  api().FontStashEnd();
  EXPECT_EQ(LogCount(LogText(msg::AtlasBakeFailed)), failed);
  api().StyleSetFont("sans");
  EXPECT_GT(api().FontGetLabelWidth("abc"), 100.0f);

  // Sizes no atlas could hold are refused when added.
  api().FontStashBegin();
  EXPECT_EQ(api().FontAtlasAddFromFile("taller", kDejaVuRaw.c_str(), 40000.0f), 0);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::FontSizeTooLarge, 40000.0, 32768.0, "taller")));
  EXPECT_EQ(api().FontAtlasAddFromFile("endless", kDejaVuRaw.c_str(), INFINITY), 0);
  EXPECT_EQ(LogCount(LogLevelAndText(msg::FontSizeTooLarge, double{INFINITY}, 32768.0, "endless")), 1);
  api().FontAddFromFile("endless", kDejaVuSans.c_str(), INFINITY);
  EXPECT_EQ(LogCount(LogLevelAndText(msg::FontSizeTooLarge, double{INFINITY}, 32768.0, "endless")), 2);
  api().FontStashEnd();
  EXPECT_EQ(LogCount(LogText(msg::AtlasBakeFailed)), failed);  // the built-in font alone
  EXPECT_EQ(api().FontGetHeight(), 13.0f);
}

TEST_F(Fonts, AFontFileWithACorruptedTableIsRefusedLikeAnyFileThatIsNoFont) {
  std::ifstream in(kDejaVuSans, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(bytes.size(), 100000u);
  // maxp's glyph count, one more than loca locates.
  const size_t tables = static_cast<uint8_t>(bytes[4]) << 8 | static_cast<uint8_t>(bytes[5]);
  size_t maxp = 0;
  for (size_t i = 0; i < tables; ++i)
    if (bytes.compare(12 + 16 * i, 4, "maxp") == 0)
      for (size_t k = 0; k < 4; ++k) maxp = maxp << 8 | static_cast<uint8_t>(bytes[12 + 16 * i + 8 + k]);
  ASSERT_NE(maxp, 0u);
  std::string corrupted = bytes;
  const unsigned glyphs = (static_cast<uint8_t>(bytes[maxp + 4]) << 8 | static_cast<uint8_t>(bytes[maxp + 5])) + 1;
  corrupted[maxp + 4] = static_cast<char>(glyphs >> 8);
  corrupted[maxp + 5] = static_cast<char>(glyphs);
  WriteText("corrupted.ttf", corrupted);
  WriteText("intact.ttf", bytes);

  Start();
  api().FontStashBegin();
  EXPECT_EQ(api().FontAtlasAddFromFile("corrupted", "corrupted.ttf", 20.0f), 0);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::FontFileNotTrueType, "corrupted.ttf")));
  api().FontAddFromFile("corrupted", Media("corrupted.ttf").c_str(), 20.0f);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::FontFileNotTrueType, Media("corrupted.ttf").c_str())));
  EXPECT_EQ(api().FontAtlasAddFromFile("intact", "intact.ttf", 20.0f), 1);
  api().FontStashEnd();
  EXPECT_FALSE(LogHas(LogText(msg::AtlasBakeFailed)));
  api().StyleSetFont("intact");
  EXPECT_GT(api().FontGetLabelWidth("abc"), 20.0f);
}

TEST_F(Fonts, TheSystemFontFolderIsFoundThroughSystemRootThenWindirThenSystemDrive) {
  namespace fs = std::filesystem;
  for (const char* folder : {"root/Fonts", "win/dir/Fonts", "drive/Windows/Fonts"}) {
    fs::create_directories(Media(folder));
    fs::copy_file(kDejaVuSans, Media(std::string(folder) + "/DejaVuSans.ttf"));  // Wine has no symbolic links
  }
  Start();
  api().FontStashBegin();

  SetEnvironmentValue("SystemRoot", Media("root"));
  SetEnvironmentValue("windir", Media("nowhere"));
  EXPECT_EQ(api().FontAtlasAddFromSystem("from root", "DejaVuSans.ttf", 16.0f), 1);
  const std::string from_root = "raw:" + ForwardSlashes(Media("root")) + "/Fonts/DejaVuSans.ttf";
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::FontLoadAttempted, from_root.c_str())));

  // An empty SystemRoot counts as none; backslashes become slashes.
  SetEnvironmentValue("SystemRoot", "");
  SetEnvironmentValue("windir", Media("win") + "\\dir");
  EXPECT_EQ(api().FontAtlasAddFromSystem("from windir", "DejaVuSans.ttf", 16.0f), 1);
  const std::string from_windir = "raw:" + ForwardSlashes(Media("win")) + "/dir/Fonts/DejaVuSans.ttf";
  EXPECT_TRUE(LogHas(LogText(msg::FontLoadAttempted, from_windir.c_str())));

  ClearEnvironmentValue("SystemRoot");
  ClearEnvironmentValue("windir");
  SetEnvironmentValue("SystemDrive", Media("drive"));
  EXPECT_EQ(api().FontAtlasAddFromSystem("from drive", "DejaVuSans.ttf", 16.0f), 1);
  const std::string from_drive = "raw:" + ForwardSlashes(Media("drive")) + "/Windows/Fonts/DejaVuSans.ttf";
  EXPECT_TRUE(LogHas(LogText(msg::FontLoadAttempted, from_drive.c_str())));
  EXPECT_EQ(api().FontAtlasAddFromSystem("absent", "NoSuchFont.ttf", 16.0f), 0);
  EXPECT_EQ(api().FontAtlasAddFromSystem("from drive", "DejaVuSans.ttf", 16.0f), 0);
  EXPECT_TRUE(LogHas(LogText(msg::FontIdExists, "from drive")));
  api().FontStashEnd();
  EXPECT_FALSE(LogHas(LogText(msg::AtlasBakeFailed)));
}

TEST_F(Fonts, GlyphRangesBeyondThirtyTwoAndRangesOfNoCharactersAreIgnoredWithAWarning) {
  Start();
  for (uint32_t first = 0x0400; first < 0x0400 + 31 * 0x10; first += 0x10) api().FontAddGlyphRange(first, first + 0xF);
  EXPECT_EQ(LogCount(msg::GlyphRangesFull), 0);
  EXPECT_EQ(LogCount(msg::GlyphRangeInvalid), 0);
  api().FontAddGlyphRange(0x3000, 0x30FF);  // the 33rd with Latin-1 kept from the start
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::GlyphRangesFull, 32, 0x3000, 0x30FF)));
  api().FontAddGlyphRange(0x0500, 0x0400);
  api().FontAddGlyphRange(0, 0x7F);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::GlyphRangeInvalid, 0x500, 0x400)));
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::GlyphRangeInvalid, 0x0, 0x7F)));
  api().FontSetGlyphRange(2);  // a table replaces them all; adding works again
  api().FontAddGlyphRange(0x3000, 0x30FF);
  EXPECT_EQ(LogCount(msg::GlyphRangesFull), 1);
  EXPECT_EQ(LogCount(msg::GlyphRangeInvalid), 2);
}

}  // namespace
}  // namespace qel
