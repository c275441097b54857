// The engine frame on pixels: a render image shown by a flipped screen-fixed sprite, sprite
// depth order and blending, boxes seen by the camera, the virtual resolution and the count
// of triangles drawn.
#include <GL/glew.h>

#include "host_fixture.h"

namespace qel {
namespace {

constexpr uint32_t kBlack = 0xFF000000u;

class Render : public HostTest {
 protected:
  // 64x48 screen.
  CommandByName<int32_t(int32_t, int32_t, int32_t, int32_t)> color_{"CREATEIMAGECOLOR_L_L_L_L_L"};
  CommandByName<int32_t(int32_t)> sprite_{"CREATESPRITE_L_L"};
  CommandByName<void(int32_t, float, float)> position_{"SETSPRITEPOSITIONBYOFFSET_0_L_F_F"};
  CommandByName<void(int32_t, float, float)> size_{"SETSPRITESIZE_0_L_F_F"};
  CommandByName<void(int32_t, int32_t)> depth_{"SETSPRITEDEPTH_0_L_L"};
  CommandByName<void(int32_t, int32_t)> transparency_{"SETSPRITETRANSPARENCY_0_L_L"};
  CommandByName<void(int32_t, int32_t)> alpha_{"SETSPRITECOLORALPHA_0_L_L"};
  CommandByName<void(int32_t, int32_t)> sprite_visible_{"SETSPRITEVISIBLE_0_L_L"};
  CommandByName<int32_t(float, float, float)> box_{"CREATEOBJECTBOX_L_F_F_F"};
  CommandByName<void(int32_t, float, float, float)> box_position_{"SETOBJECTPOSITION_0_L_F_F_F"};
  CommandByName<void(int32_t, int32_t, int32_t, int32_t, int32_t)> box_color_{"SETOBJECTCOLOR_0_L_L_L_L_L"};
  CommandByName<void(int32_t, int32_t)> box_transparency_{"SETOBJECTTRANSPARENCY_0_L_L"};
  CommandByName<void(int32_t, int32_t)> box_visible_{"SETOBJECTVISIBLE_0_L_L"};
  CommandByName<void(int32_t, int32_t)> render_to_image_{"SETRENDERTOIMAGE_0_L_L"};
  CommandByName<void()> render_to_screen_{"SETRENDERTOSCREEN_0_0"};
  CommandByName<void()> clear_{"CLEARSCREEN_0_0"};

  // A square sprite of one colour, centred at (x, y).
  int32_t Square(uint32_t r, uint32_t g, uint32_t b, float x, float y, float side, int32_t a = 255) {
    const int32_t sprite = sprite_(color_(static_cast<int32_t>(r), static_cast<int32_t>(g), static_cast<int32_t>(b), a));
    position_(sprite, x, y);
    size_(sprite, side, side);
    return sprite;
  }
  // Fills a rectangle of the bound framebuffer given in y-down pixels, the way a plug-in
  // drawing with a y-down projection fills it.
  static void FillYDown(int x, int y, int width, int height, int target_height, float r, float g, float b) {
    glEnable(GL_SCISSOR_TEST);
    glScissor(x, target_height - y - height, width, height);
    glClearColor(r, g, b, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
  }
};

TEST_F(Render, RenderImageShownByAVerticallyFlippedSpriteIsUpright) {
  const int32_t image = Command<int32_t(int32_t, int32_t, int32_t, int32_t)>("CREATERENDERIMAGE_L_L_L_L_L")(64, 48, 0, 0);
  render_to_image_(image, -1);
  clear_();
  FillYDown(0, 0, 64, 8, 48, 1, 0, 0);  // a red band along the top
  FillYDown(0, 0, 8, 8, 48, 0, 1, 0);   // and a green top-left corner
  render_to_screen_();

  // Read back as shown: top row first.
  const Pixels drawn = host().ImagePixels(image);
  EXPECT_EQ(drawn.At(2, 2), Rgba(0, 255, 0));
  EXPECT_EQ(drawn.At(30, 2), Rgba(255, 0, 0));
  EXPECT_EQ(drawn.At(30, 40), 0u);

  const int32_t sprite = sprite_(image);
  position_(sprite, 32, 24);
  Command<void(int32_t, int32_t, int32_t)>("SETSPRITEFLIP_0_L_L_L")(sprite, 0, 1);
  Command<void(int32_t, int32_t)>("FIXSPRITETOSCREEN_0_L_L")(sprite, 1);
  transparency_(sprite, 1);
  host().Sync();
  const Pixels screen = host().Screen();
  ASSERT_EQ(screen.width, 64);
  ASSERT_EQ(screen.height, 48);
  EXPECT_EQ(screen.At(2, 2), Rgba(0, 255, 0));
  EXPECT_EQ(screen.At(30, 2), Rgba(255, 0, 0));
  EXPECT_EQ(screen.At(62, 7), Rgba(255, 0, 0));
  EXPECT_EQ(screen.At(62, 8), kBlack);  // transparent image: the cleared screen shows
  EXPECT_EQ(screen.At(30, 47), kBlack);

  // Unflipped, the same image shows upside down.
  Command<void(int32_t, int32_t, int32_t)>("SETSPRITEFLIP_0_L_L_L")(sprite, 0, 0);
  host().Sync();
  EXPECT_EQ(host().Screen().At(30, 47), Rgba(255, 0, 0));
  EXPECT_EQ(host().Screen().At(30, 2), kBlack);
}

TEST_F(Render, LoadedImagesShowTheirTopRowAtTheTopAndFlipsMirror) {
  Pixels pixels;  // 2x2: red, green over blue, white
  pixels.width = pixels.height = 2;
  pixels.rgba = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
  ASSERT_TRUE(Host::SavePng(pixels, MediaFolder() + "/quad.png"));
  const int32_t sprite = sprite_(Command<int32_t(const char*)>("LOADIMAGE_L_S")("quad.png"));
  position_(sprite, 32, 24);
  size_(sprite, 64, 48);
  host().Sync();
  EXPECT_EQ(host().Screen().At(10, 10), Rgba(255, 0, 0));
  EXPECT_EQ(host().Screen().At(54, 10), Rgba(0, 255, 0));
  EXPECT_EQ(host().Screen().At(10, 40), Rgba(0, 0, 255));
  Command<void(int32_t, int32_t, int32_t)>("SETSPRITEFLIP_0_L_L_L")(sprite, 1, 0);
  host().Sync();
  EXPECT_EQ(host().Screen().At(10, 10), Rgba(0, 255, 0));
  EXPECT_EQ(host().Screen().At(54, 40), Rgba(0, 0, 255));
}

TEST_F(Render, LowerDepthIsInFrontAndEqualDepthKeepsCreationOrder) {
  const int32_t red = Square(255, 0, 0, 32, 24, 20);
  const int32_t green = Square(0, 255, 0, 32, 24, 20);
  const int32_t blue = Square(0, 0, 255, 32, 24, 20);
  depth_(red, 5);
  depth_(green, 0);
  depth_(blue, 10);
  host().Sync();
  EXPECT_EQ(host().Screen().At(32, 24), Rgba(0, 255, 0));
  depth_(green, 20);
  host().Sync();
  EXPECT_EQ(host().Screen().At(32, 24), Rgba(255, 0, 0));
  depth_(red, 10);  // equal to blue: the later sprite is drawn over the earlier
  host().Sync();
  EXPECT_EQ(host().Screen().At(32, 24), Rgba(0, 0, 255));
  sprite_visible_(blue, 0);
  host().Sync();
  EXPECT_EQ(host().Screen().At(32, 24), Rgba(255, 0, 0));
  EXPECT_FALSE(host().SpriteVisible(blue));
  EXPECT_EQ(Command<int32_t(int32_t)>("GETSPRITEVISIBLE_L_L")(blue), 0);
  EXPECT_EQ(Command<int32_t(int32_t)>("GETSPRITEVISIBLE_L_L")(red), 1);
}

TEST_F(Render, ColourAlphaBlendsOnlyWithTransparencyOn) {
  const int32_t over = Square(255, 0, 0, 32, 24, 20);
  alpha_(over, 128);
  host().Sync();
  const uint32_t blended = host().Screen().At(32, 24) & 0xFFu;
  EXPECT_GE(blended, 126u);
  EXPECT_LE(blended, 130u);
  transparency_(over, 0);
  host().Sync();
  EXPECT_EQ(host().Screen().At(32, 24), Rgba(255, 0, 0));
  transparency_(over, 2);  // additive over green gives yellow
  alpha_(over, 255);
  depth_(Square(0, 255, 0, 32, 24, 20), 50);
  host().Sync();
  EXPECT_EQ(host().Screen().At(32, 24), Rgba(255, 255, 0));
}

TEST_F(Render, VirtualResolutionIsStretchedOverTheScreen) {
  Command<void(int32_t, int32_t)>("SETVIRTUALRESOLUTION_0_L_L")(32, 24);
  Square(255, 255, 255, 8, 6, 4);  // virtual 6..10 x 4..8, screen 12..20 x 8..16
  host().Sync();
  const Pixels screen = host().Screen();
  EXPECT_EQ(screen.At(13, 9), Rgba(255, 255, 255));
  EXPECT_EQ(screen.At(19, 15), Rgba(255, 255, 255));
  EXPECT_EQ(screen.At(11, 12), kBlack);
  EXPECT_EQ(screen.At(16, 16), kBlack);
  EXPECT_EQ(host().VirtualWidth(), 32);
  Command<void(int32_t, int32_t)>("SETVIRTUALRESOLUTION_0_L_L")(0, 10);  // refused
  EXPECT_EQ(Command<int32_t()>("GETVIRTUALWIDTH_L_0")(), 32);
  EXPECT_EQ(Command<int32_t()>("GETVIRTUALHEIGHT_L_0")(), 24);
  EXPECT_EQ(Command<int32_t()>("GETDEVICEWIDTH_L_0")(), 64);
  EXPECT_EQ(Command<int32_t()>("GETDEVICEHEIGHT_L_0")(), 48);
}

TEST_F(Render, BoxesAreSeenByTheCameraAndHideWhenAskedOrTransparent) {
  EXPECT_EQ(Command<float(int32_t)>("GETCAMERAZ_F_L")(1), -10.0f);
  const int32_t box = box_(2, 2, 2);
  box_position_(box, 0, 0, 0);
  box_color_(box, 0, 0, 255, 255);
  host().Sync();
  const uint32_t centre = host().Screen().At(32, 24);
  EXPECT_EQ(centre & 0xFFFFu, 0u);             // no red or green
  EXPECT_GT((centre >> 16) & 0xFFu, 64u);      // lit blue
  EXPECT_EQ(host().Screen().At(1, 1), kBlack);  // the box is small in the middle
  box_visible_(box, 0);
  host().Sync();
  EXPECT_EQ(host().Screen().At(32, 24), kBlack);
  EXPECT_FALSE(host().ObjectVisible(box));
  box_visible_(box, 1);
  box_transparency_(box, 1);
  box_color_(box, 0, 0, 0, 0);
  host().Sync();
  EXPECT_EQ(host().Screen().At(32, 24), kBlack);
  EXPECT_TRUE(host().ObjectVisible(box));
}

TEST_F(Render, ABoxAroundTheCameraHidesNothing) {
  // The plug-in keeps a 2x2x2 box at the camera: seen from inside, every face is a back face.
  const int32_t box = box_(2, 2, 2);
  box_position_(box, Command<float(int32_t)>("GETCAMERAX_F_L")(1), Command<float(int32_t)>("GETCAMERAY_F_L")(1),
                Command<float(int32_t)>("GETCAMERAZ_F_L")(1));
  box_color_(box, 255, 255, 255, 255);
  Square(255, 0, 0, 32, 24, 64);
  host().Sync();
  EXPECT_EQ(host().Screen().At(32, 24), Rgba(255, 0, 0));
  EXPECT_EQ(host().Screen().At(5, 5), Rgba(255, 0, 0));
}

TEST_F(Render, PolygonsCountVisibleBoxesAndSpritesOfTheLastRender) {
  auto* polygons = Command<int32_t()>("GETPOLYGONSDRAWN_L_0");
  EXPECT_EQ(polygons(), 0);
  const int32_t shown = box_(1, 1, 1);
  const int32_t hidden = box_(1, 1, 1);
  box_visible_(hidden, 0);
  Square(1, 2, 3, 5, 5, 2);
  Square(1, 2, 3, 5, 5, 2);
  sprite_visible_(Square(1, 2, 3, 5, 5, 2), 0);
  host().Render();
  EXPECT_EQ(polygons(), 12 + 2 * 2);
  EXPECT_EQ(host().PolygonsDrawn(), 16);
  box_visible_(shown, 0);
  EXPECT_EQ(polygons(), 16);  // until the next render
  host().Sync();
  EXPECT_EQ(polygons(), 4);
}

TEST_F(Render, DrawingGoesToTheBoundImageAndClearScreenClearsOnlyIt) {
  Command<void(int32_t, int32_t, int32_t)>("SETCLEARCOLOR_0_L_L_L")(0, 0, 255);
  const int32_t image = Command<int32_t(int32_t, int32_t, int32_t, int32_t)>("CREATERENDERIMAGE_L_L_L_L_L")(32, 16, 0, 0);
  Square(255, 0, 0, 32, 24, 4);  // the middle of the 64x48 virtual space
  host().Sync();                 // the screen: blue with a red square
  const Pixels before = host().BackBuffer();

  render_to_image_(image, 0);
  EXPECT_EQ(Command<int32_t()>("GETDEVICEWIDTH_L_0")(), 64);  // the device stays the device
  host().Render();  // the virtual space stretched over the 32x16 image
  render_to_screen_();
  const Pixels drawn = host().ImagePixels(image);
  EXPECT_EQ(drawn.At(16, 8), Rgba(255, 0, 0));
  EXPECT_EQ(drawn.At(2, 2), Rgba(0, 0, 255, 0));  // cleared with alpha 0
  EXPECT_EQ(host().BackBuffer().At(2, 2), before.At(2, 2));
  EXPECT_EQ(before.At(2, 2), Rgba(0, 0, 255));

  render_to_image_(image, -1);
  clear_();
  render_to_screen_();
  EXPECT_EQ(host().ImagePixels(image).At(16, 8), Rgba(0, 0, 255, 0));
  EXPECT_EQ(host().BackBuffer().At(32, 24), Rgba(255, 0, 0));

  // Images that cannot be drawn into leave the target alone.
  render_to_image_(12345, -1);
  render_to_image_(Command<int32_t(int32_t, int32_t, int32_t, int32_t)>("CREATERENDERIMAGE_L_L_L_L_L")(8, 8, 1, 0), -1);
  clear_();
  EXPECT_EQ(host().BackBuffer().At(32, 24), Rgba(0, 0, 255));
}

TEST_F(Render, ScreenIsTheFramePresentedAtTheLastSwap) {
  EXPECT_EQ(host().Screen().width, 0);  // nothing presented yet
  Square(255, 0, 0, 32, 24, 64);
  host().Sync();
  Command<void(int32_t, int32_t, int32_t)>("SETCLEARCOLOR_0_L_L_L")(0, 255, 0);
  clear_();
  EXPECT_EQ(host().Screen().At(10, 10), Rgba(255, 0, 0));
  EXPECT_EQ(host().BackBuffer().At(10, 10), Rgba(0, 255, 0));
}

TEST_F(Render, SpritesAndBoxesIgnoreBadIdsAndValues) {
  EXPECT_EQ(sprite_(4242), 0);  // no such image
  position_(4242, 1, 1);
  depth_(-7, 3);
  alpha_(4242, 1000);
  transparency_(4242, 1);
  box_visible_(4242, 1);
  box_color_(4242, 1, 2, 3, 4);
  EXPECT_EQ(box_(-1, 1, 1), 0);
  EXPECT_EQ(Command<int32_t(int32_t)>("GETSPRITEVISIBLE_L_L")(4242), 0);
  EXPECT_EQ(Command<float(int32_t)>("GETCAMERAX_F_L")(2), 0.0f);  // only camera 1 exists
  const int32_t plain = sprite_(0);  // no image: plain white
  ASSERT_NE(plain, 0);
  position_(plain, 32, 24);
  size_(plain, 4, 4);
  host().Sync();
  EXPECT_EQ(host().Screen().At(32, 24), Rgba(255, 255, 255));
}

}  // namespace
}  // namespace qel
