// Style items made through the exports, read back from the plug-in's own item table.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "device_fixture.h"
#include "style/style_items.h"

namespace qel {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// A 64 by 32 image named "sheet", and its part (8, 4, 16, 8) named "part".
class StyleItemRecords : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(64, 64);
    ASSERT_TRUE(host_->ok());
    const int32_t sheet = HostCommands().CREATERENDERIMAGE_L_L_L_L_L(64, 32, 0, 0);
    texture_ = HostCommands().GETOPENGLIMAGEID_L_L(sheet);
    ImageCreate1("sheet", sheet);
    ImageCreate0("part", sheet, 8, 4, 16, 8);
  }
  // The region of the item made by StyleMakeItem2 from (x, y, w, h), as "x y w h".
  std::string RegionOf(const char* image, int32_t x, int32_t y, int32_t w, int32_t h) {
    if (!StyleMakeItem2("probe", image, x, y, w, h)) return "refused";
    const nk_ushort* r = FindStyleItem("probe")->data.image.region;
    return std::to_string(r[0]) + " " + std::to_string(r[1]) + " " + std::to_string(r[2]) + " " + std::to_string(r[3]);
  }
  std::unique_ptr<ReferenceHost> host_;
  int32_t texture_ = 0;
};

TEST_F(StyleItemRecords, ColourAndImageItems) {
  ASSERT_EQ(StyleMakeItem0("red", static_cast<int32_t>(0xFF0000FFu)), 1);
  const struct nk_style_item* red = FindStyleItem("red");
  ASSERT_NE(red, nullptr);
  EXPECT_EQ(red->type, NK_STYLE_ITEM_COLOR);
  EXPECT_EQ(red->data.color.r + (red->data.color.g << 8) + (red->data.color.b << 16), 255);
  EXPECT_EQ(red->data.color.a, 255);
  EXPECT_EQ(FindStyleItem("Red"), nullptr);

  ASSERT_EQ(StyleMakeItem2("whole", "sheet", -1, -1, 0, 0), 1);
  const struct nk_style_item* whole = FindStyleItem("whole");
  EXPECT_EQ(whole->type, NK_STYLE_ITEM_IMAGE);
  EXPECT_EQ(whole->data.image.handle.id, texture_);
  EXPECT_EQ(whole->data.image.w, 64);
  EXPECT_EQ(whole->data.image.h, 32);
  EXPECT_EQ(RegionOf("sheet", -1, -1, 0, 0), "0 0 64 32");
  EXPECT_EQ(RegionOf("part", -1, 2, 0, 5), "8 2 16 5");  // each default on its own
  EXPECT_EQ(RegionOf("sheet", 10, 30, 1000, 100), "10 30 54 2");
}

TEST_F(StyleItemRecords, RegionsStayInsideTheImageAndNeverWrap) {
  EXPECT_EQ(RegionOf("sheet", 64, 1000, 5, 5), "64 32 0 0");
  EXPECT_EQ(RegionOf("sheet", kMax, 0, kMax, 70000), "64 0 0 32");
  EXPECT_EQ(RegionOf("sheet", 0, 65535, 65537, 65535), "0 32 64 0");
}

TEST_F(StyleItemRecords, NineSliceBordersOutsideTheImageAreNone) {
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  ASSERT_EQ(StyleMakeItem3("frame", "sheet", 0, 0, 0, 0, 65, 32, 64, 33), 1);
  const struct nk_style_item* frame = FindStyleItem("frame");
  EXPECT_EQ(frame->type, NK_STYLE_ITEM_NINE_SLICE);
  EXPECT_EQ(frame->data.slice.img.region[2], 64);
  const struct nk_nine_slice& s = frame->data.slice;
  EXPECT_EQ((std::vector<float>{s.l, s.t, s.r, s.b}), (std::vector<float>{0, 32, 64, 0}));  // W and H are inside

  StyleMakeItem3("odd", "part", 0, 0, 0, 0, nan, -0.5f, inf, 2.5f);
  const struct nk_nine_slice& o = FindStyleItem("odd")->data.slice;
  EXPECT_EQ((std::vector<float>{o.l, o.t, o.r, o.b}), (std::vector<float>{0, 0, 0, 2.5f}));
}

}  // namespace
}  // namespace qel
