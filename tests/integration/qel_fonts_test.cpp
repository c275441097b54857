// Host-image fonts: the image and its subimages file, loaded through the host.
#include "font_fixture.h"

namespace qel {
namespace {

using QelFonts = FontTest;

template <class Signature>
Signature* Command(const char* name) {
  return reinterpret_cast<Signature*>(Host::Lookup(name));
}

TEST_F(QelFonts, TheImageLoadsIntoANewImageOrTheOneGivenWithBlackMadeClear) {
  WriteBitmapFont();
  Start();
  const int32_t image = api().FontAtlasAddQelFont1("bitmap", "glyphs.png");
  ASSERT_GT(image, 0);
  EXPECT_EQ(Command<float(int32_t)>("GETIMAGEWIDTH_F_L")(image), kGlyphImageWidth);
  EXPECT_EQ(Command<float(int32_t)>("GETIMAGEHEIGHT_F_L")(image), kGlyphImageHeight);
  const Pixels pixels = host().ImagePixels(image);
  EXPECT_EQ(pixels.At(kGlyphA.x + 1, kGlyphA.y + 1), Rgba(255, 255, 255));
  EXPECT_EQ(pixels.At(40, 20) >> 24, 0u) << "black is clear";

  const int32_t given = Command<int32_t(int32_t, int32_t, int32_t, int32_t)>("CREATEIMAGECOLOR_L_L_L_L_L")(0, 0, 255, 255);
  ASSERT_GT(given, 0);
  EXPECT_EQ(api().FontAtlasAddQelFont0(given, "into given", "glyphs.png"), given);
  EXPECT_EQ(Command<float(int32_t)>("GETIMAGEWIDTH_F_L")(given), kGlyphImageWidth);

  EXPECT_EQ(api().FontAtlasAddQelFont1("bitmap", "glyphs.png"), 0);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::FontIdExists, "bitmap")));
}

TEST_F(QelFonts, LinesWithoutFiveFieldsAndCodesBeyond255AreSkippedWithAWarning) {
  WriteBitmapFont();
  Start();
  ASSERT_GT(api().FontAtlasAddQelFont1("bitmap", "glyphs.png"), 0);
  const char* const file = "glyphs subimages.txt";
  const std::vector<std::string> expected = {
      LogLevelAndText(msg::SubimagesTokenCountWrong, file, 3),
      LogLevelAndText(msg::SubimagesTokenCountWrong, file, 5),
      LogLevelAndText(msg::SubimagesCodeOutOfRange, 300, file, 6),
  };
  for (const std::string& message : expected) EXPECT_EQ(LogCount(message), 1) << message;
  EXPECT_EQ(LogCount(msg::SubimagesTokenCountWrong), 2);
  EXPECT_EQ(LogCount(msg::SubimagesCodeOutOfRange), 1);
}

TEST_F(QelFonts, MissingFilesAndNamesTooShortForAnExtensionAreRefused) {
  WriteBitmapFont();
  WriteBitmapFont("lonely.png");
  std::filesystem::remove(Media("lonely subimages.txt"));
  WriteText("a.b", "");
  WriteText(" subimages.txt", "65:0:0:8:12\n");  // there, but a.b has no name for it
  Start();

  EXPECT_EQ(api().FontAtlasAddQelFont1("q", "missing.png"), 0);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::FontImageFileMissing, "missing.png")));
  EXPECT_EQ(api().FontAtlasAddQelFont1("q", "lonely.png"), 0);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::FontSubimagesFileMissing, "lonely subimages.txt")));
  EXPECT_EQ(api().FontAtlasAddQelFont0(-1, "q", "a.b"), 0);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::FontSubimagesFileMissing, " subimages.txt")));
  EXPECT_EQ(api().FontAtlasAddQelFont1("q", nullptr), 0);
  EXPECT_GT(api().FontAtlasAddQelFont1("q", "glyphs.png"), 0);  // the id was never taken
}

TEST_F(QelFonts, AnImageTheHostCannotLoadIsRefused) {
  WriteText("broken.png", "not an image");
  WriteText("broken subimages.txt", "65:0:0:8:12\n");
  Start();
  EXPECT_EQ(api().FontAtlasAddQelFont1("broken", "broken.png"), 0);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::SubimagesImageNotLoaded, "broken.png")));
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::FontImageNotLoaded, "broken")));
}

}  // namespace
}  // namespace qel
