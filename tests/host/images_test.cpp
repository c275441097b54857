// Images: colour images, files loaded by name (PNG written by the host itself), loading into
// an id, render images, GL texture names and sizes.
#include <GL/glew.h>

#include <string>

#include "host_fixture.h"

namespace qel {
namespace {

class Images : public HostTest {
 protected:
  CommandByName<int32_t(int32_t, int32_t, int32_t, int32_t)> color_{"CREATEIMAGECOLOR_L_L_L_L_L"};
  CommandByName<int32_t(int32_t, int32_t, int32_t, int32_t)> render_image_{"CREATERENDERIMAGE_L_L_L_L_L"};
  CommandByName<int32_t(const char*)> load_{"LOADIMAGE_L_S"};
  CommandByName<int32_t(const char*, int32_t)> load_keyed_{"LOADIMAGE_L_S_L"};
  CommandByName<void(int32_t, const char*, int32_t)> load_into_{"LOADIMAGE_0_L_S_L"};
  CommandByName<int32_t(int32_t)> exists_{"GETIMAGEEXISTS_L_L"};
  CommandByName<float(int32_t)> width_{"GETIMAGEWIDTH_F_L"};
  CommandByName<float(int32_t)> height_{"GETIMAGEHEIGHT_F_L"};
  CommandByName<int32_t(int32_t)> texture_{"GETOPENGLIMAGEID_L_L"};

  // A 3x2 PNG in the media folder: top row red, green, black; bottom row blue, white, clear.
  void WritePng(const std::string& name) {
    Pixels pixels;
    pixels.width = 3;
    pixels.height = 2;
    pixels.rgba = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255, 9, 9, 9, 0};
    ASSERT_TRUE(Host::SavePng(pixels, MediaFolder() + "/" + name));
  }
};

TEST_F(Images, ColorImageIsOnePixelOfThatColour) {
  const int32_t image = color_(255, 0, 0, 255);
  ASSERT_NE(image, 0);
  EXPECT_EQ(exists_(image), 1);
  EXPECT_EQ(width_(image), 1.0f);
  EXPECT_EQ(height_(image), 1.0f);
  const Pixels pixels = host().ImagePixels(image);
  ASSERT_EQ(pixels.width, 1);
  EXPECT_EQ(pixels.At(0, 0), Rgba(255, 0, 0));
  EXPECT_EQ(host().ImagePixels(color_(300, -4, 128, 64)).At(0, 0), Rgba(255, 0, 128, 64));  // clamped
  const auto name = static_cast<GLuint>(texture_(image));
  EXPECT_NE(name, 0u);
  EXPECT_EQ(glIsTexture(name), GL_TRUE);
  EXPECT_NE(texture_(color_(0, 0, 0, 0)), static_cast<int32_t>(name));
}

TEST_F(Images, MissingImagesReadAsZero) {
  for (int32_t id : {0, -1, 1, 10000, 99999}) {
    EXPECT_EQ(exists_(id), 0);
    EXPECT_EQ(width_(id), 0.0f);
    EXPECT_EQ(height_(id), 0.0f);
    EXPECT_EQ(texture_(id), 0);
    EXPECT_EQ(host().ImagePixels(id).width, 0);
  }
}

TEST_F(Images, LoadedPngKeepsItsSizeAndRowsTopFirst) {
  WritePng("tiles.png");
  const int32_t image = load_("tiles.png");
  ASSERT_NE(image, 0);
  EXPECT_EQ(width_(image), 3.0f);
  EXPECT_EQ(height_(image), 2.0f);
  const Pixels pixels = host().ImagePixels(image);
  EXPECT_EQ(pixels.At(0, 0), Rgba(255, 0, 0));
  EXPECT_EQ(pixels.At(2, 0), Rgba(0, 0, 0));
  EXPECT_EQ(pixels.At(0, 1), Rgba(0, 0, 255));
  EXPECT_EQ(pixels.At(2, 1), Rgba(9, 9, 9, 0));
  EXPECT_NE(load_(("raw:" + MediaFolder() + "/tiles.png").c_str()), 0);
  EXPECT_EQ(load_("missing.png"), 0);
  EXPECT_EQ(load_(nullptr), 0);
  WriteFile(MediaFolder() + "/broken.png", "not an image");
  EXPECT_EQ(load_("broken.png"), 0);
}

TEST_F(Images, BlackToAlphaClearsOnlyBlackPixels) {
  WritePng("font.png");
  const Pixels pixels = host().ImagePixels(load_keyed_("font.png", 1));
  EXPECT_EQ(pixels.At(2, 0), Rgba(0, 0, 0, 0));
  EXPECT_EQ(pixels.At(0, 0), Rgba(255, 0, 0));
  EXPECT_EQ(pixels.At(0, 1), Rgba(0, 0, 255));
  EXPECT_EQ(host().ImagePixels(load_keyed_("font.png", 0)).At(2, 0), Rgba(0, 0, 0));
}

TEST_F(Images, LoadingIntoAnIdReplacesItAndAFailedLoadKeepsIt) {
  WritePng("tiles.png");
  load_into_(12, "tiles.png", 0);
  ASSERT_EQ(exists_(12), 1);
  EXPECT_EQ(width_(12), 3.0f);
  const int32_t first_texture = texture_(12);
  load_into_(12, "missing.png", 0);
  EXPECT_EQ(texture_(12), first_texture);
  const int32_t red = color_(255, 0, 0, 255);
  load_into_(red, "tiles.png", 1);  // an existing image, by the engine's own id
  EXPECT_EQ(width_(red), 3.0f);
  EXPECT_EQ(host().ImagePixels(red).At(2, 0), Rgba(0, 0, 0, 0));
  load_into_(0, "tiles.png", 0);
  load_into_(-3, "tiles.png", 0);
  EXPECT_EQ(exists_(0), 0);
  EXPECT_EQ(exists_(-3), 0);
}

TEST_F(Images, RenderImagesHaveTheirSizeAndStartTransparent) {
  const int32_t image = render_image_(40, 30, 0, 0);
  ASSERT_NE(image, 0);
  EXPECT_EQ(width_(image), 40.0f);
  EXPECT_EQ(height_(image), 30.0f);
  EXPECT_EQ(glIsTexture(static_cast<GLuint>(texture_(image))), GL_TRUE);
  const Pixels pixels = host().ImagePixels(image);
  ASSERT_EQ(pixels.width, 40);
  ASSERT_EQ(pixels.height, 30);
  EXPECT_EQ(pixels.At(39, 29), 0u);
  EXPECT_NE(render_image_(16, 16, 1, 0), 0);  // a depth image
  EXPECT_NE(render_image_(16, 16, 0, 1), 0);  // with mipmaps
  EXPECT_EQ(render_image_(0, 10, 0, 0), 0);
  EXPECT_EQ(render_image_(10, -1, 0, 0), 0);
  EXPECT_EQ(render_image_(1 << 30, 4, 0, 0), 0);
}

TEST_F(Images, SavePngRefusesPixelsThatDoNotAddUp) {
  Pixels pixels;
  pixels.width = 2;
  pixels.height = 2;
  pixels.rgba.assign(12, 0);  // one pixel short
  EXPECT_FALSE(Host::SavePng(pixels, MediaFolder() + "/short.png"));
  EXPECT_FALSE(Host::SavePng(Pixels{}, MediaFolder() + "/empty.png"));
  pixels.rgba.assign(16, 255);
  EXPECT_FALSE(Host::SavePng(pixels, MediaFolder() + "/no/such/folder/x.png"));
  EXPECT_EQ(pixels.At(2, 0), 0u);  // outside reads as 0
  EXPECT_EQ(pixels.At(-1, 1), 0u);
}

}  // namespace
}  // namespace qel
