// A button whose background is a nine-slice of a test image, drawn at two sizes and read
// back from the screen: corners keep their pixels, edges and centre stretch.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "device_fixture.h"
#include "frame/plugin_state.h"

namespace qel {
namespace {

constexpr uint32_t kRed = 0xFF0000FFu, kGreen = 0xFF00FF00u, kBlue = 0xFFFF0000u, kYellow = 0xFF00FFFFu;
constexpr uint32_t kMagenta = 0xFFFF00FFu, kWhite = 0xFFFFFFFFu;
constexpr int kSide = 24, kBorder = 8;

// 24 x 24: four coloured 8 x 8 corners, magenta edges, a white centre.
std::string WriteTestImage() {
  Pixels image;
  image.width = image.height = kSide;
  image.rgba.resize(static_cast<size_t>(kSide * kSide * 4));
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      const bool left = x < kBorder, right = x >= kSide - kBorder, top = y < kBorder, bottom = y >= kSide - kBorder;
      uint32_t c = kWhite;
      if (top && left) c = kRed;
      else if (top && right) c = kGreen;
      else if (bottom && left) c = kBlue;
      else if (bottom && right) c = kYellow;
      else if (top || bottom || left || right) c = kMagenta;
      for (int k = 0; k < 4; ++k) image.rgba[static_cast<size_t>(4 * (y * kSide + x) + k)] = static_cast<uint8_t>(c >> (8 * k));
    }
  const std::string path = ::testing::TempDir() + "nine_slice_test_image.png";
  return ReferenceHost::SavePng(image, path) ? path : "";
}

TEST(NineSliceButton, CornersKeepTheirPixelsWhileEdgesAndCentreStretch) {
  auto host = StartBoundHost(400, 300);
  ASSERT_TRUE(host->ok());
  ASSERT_EQ(StartPlugin("nine_slice_button_test.log"), 1);
  FontStashBegin();
  FontStashEnd();
  const std::string file = WriteTestImage();
  ASSERT_FALSE(file.empty());
  const int32_t image = HostCommands().LOADIMAGE_L_S(("raw:" + file).c_str());
  ASSERT_GT(image, 0);

  nk_context* ctx = Context();
  const struct nk_style_item slice = nk_style_item_nine_slice(
      nk_sub9slice_id(HostCommands().GETOPENGLIMAGEID_L_L(image), kSide, kSide, nk_rect(0, 0, kSide, kSide), kBorder, kBorder,
                      kBorder, kBorder));
  ctx->style.button.normal = ctx->style.button.hover = ctx->style.button.active = slice;
  ctx->style.button.border = 0;
  ctx->style.button.rounding = 0;
  host->MoveMouse(399, 299);  // keep the pointer (and Nuklear's drawn cursor) off the buttons

  HandleInput0();
  ASSERT_TRUE(WindowBegin("slices", 0, 0, 400, 300, 0));
  LayoutRowStatic(40, 100, 1);
  ButtonLabel("");
  LayoutRowStatic(120, 300, 1);
  ButtonLabel("");
  WindowEnd();
  Sync();
  const Pixels screen = host->Screen();

  // Each button's bounds, found on screen: from its red corner's top-left pixel to its
  // yellow corner's bottom-right one.
  struct Box {
    int x, y, w, h;
  };
  auto find_button = [&](int from_y) {
    Box box{-1, -1, 0, 0};
    for (int y = from_y; y < screen.height && box.x < 0; ++y)
      for (int x = 0; x < screen.width; ++x)
        if (screen.At(x, y) == kRed) {
          box.x = x;
          box.y = y;
          break;
        }
    // The yellow corner ends the button: stop at the first row past it.
    for (int y = box.y; box.x >= 0 && y < screen.height && (box.h == 0 || y < box.y + box.h + 1); ++y)
      for (int x = box.x; x < screen.width; ++x)
        if (screen.At(x, y) == kYellow) {
          box.w = std::max(box.w, x - box.x + 1);
          box.h = std::max(box.h, y - box.y + 1);
        }
    return box;
  };
  const Box small = find_button(0);
  ASSERT_GE(small.x, 0);
  const Box large = find_button(small.y + small.h);
  ASSERT_GE(large.x, 0);
  EXPECT_EQ(small.w, 100);
  EXPECT_EQ(small.h, 40);
  EXPECT_EQ(large.w, 300);
  EXPECT_EQ(large.h, 120);

  for (const Box& r : {small, large}) {
    const int x = r.x, y = r.y, w = r.w, h = r.h;
    SCOPED_TRACE("button " + std::to_string(w) + " x " + std::to_string(h));
    // Corners: 8 x 8 of their colour at every size (a texel in from the seams).
    EXPECT_EQ(screen.At(x + 1, y + 1), kRed);
    EXPECT_EQ(screen.At(x + kBorder - 2, y + kBorder - 2), kRed);
    EXPECT_EQ(screen.At(x + w - 2, y + 1), kGreen);
    EXPECT_EQ(screen.At(x + w - kBorder + 1, y + kBorder - 2), kGreen);
    EXPECT_EQ(screen.At(x + 1, y + h - 2), kBlue);
    EXPECT_EQ(screen.At(x + w - 2, y + h - 2), kYellow);
    // Edges stretch along their length and keep their thickness.
    EXPECT_EQ(screen.At(x + w / 2, y + 1), kMagenta);
    EXPECT_EQ(screen.At(x + w / 2, y + kBorder - 2), kMagenta);
    EXPECT_EQ(screen.At(x + 1, y + h / 2), kMagenta);
    EXPECT_EQ(screen.At(x + w - 2, y + h / 2), kMagenta);
    // The centre fills the rest (away from its seams, which the texture's linear filter
    // blends with the edge texels when stretched).
    EXPECT_EQ(screen.At(x + w / 2, y + h / 2), kWhite);
    EXPECT_EQ(screen.At(x + w / 4, y + h / 2), kWhite);
  }
}

}  // namespace
}  // namespace qel
