// Style items made through the exports, read back from the plug-in's own item table.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "device_fixture.h"
#include "style/style_items.h"

namespace qel {
namespace {

struct Region {
  int x, y, w, h;
  bool operator==(const Region& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
};

Region RegionOf(const struct nk_image& image) { return {image.region[0], image.region[1], image.region[2], image.region[3]}; }

class StyleItemRecords : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(64, 64);
    ASSERT_TRUE(host_->ok());
    const int32_t sheet = Host().CREATERENDERIMAGE_L_L_L_L_L(64, 32, 0, 0);
    texture_ = Host().GETOPENGLIMAGEID_L_L(sheet);
    ASSERT_NE(texture_, 0);
    ImageCreate1("sheet", sheet);
    ImageCreate0("part", sheet, 8, 4, 16, 8);
  }
  // The image item stored under the name (type 1 or 2).
  const struct nk_image& ImageOf(const char* name) {
    const struct nk_style_item* item = FindStyleItem(name);
    EXPECT_NE(item, nullptr) << name;
    EXPECT_NE(item->type, NK_STYLE_ITEM_COLOR) << name;
    return item->type == NK_STYLE_ITEM_NINE_SLICE ? item->data.slice.img : item->data.image;
  }
  std::unique_ptr<ReferenceHost> host_;
  int32_t texture_ = 0;
};

TEST_F(StyleItemRecords, ColourItemsTakeThePackedBytesInOrder) {
  ASSERT_EQ(StyleMakeItem0("red", static_cast<int32_t>(0xFF0000FFu)), 1);
  ASSERT_EQ(StyleMakeItem0("mixed", static_cast<int32_t>(0x80402010u)), 1);
  const struct nk_style_item* red = FindStyleItem("red");
  ASSERT_NE(red, nullptr);
  EXPECT_EQ(red->type, NK_STYLE_ITEM_COLOR);
  EXPECT_EQ(red->data.color.r, 255);
  EXPECT_EQ(red->data.color.g, 0);
  EXPECT_EQ(red->data.color.b, 0);
  EXPECT_EQ(red->data.color.a, 255);
  const nk_color mixed = FindStyleItem("mixed")->data.color;
  EXPECT_EQ((mixed.r << 24) | (mixed.g << 16) | (mixed.b << 8) | mixed.a, 0x10204080);
  EXPECT_EQ(FindStyleItem("Red"), nullptr);
  EXPECT_EQ(FindStyleItem(nullptr), nullptr);
}

TEST_F(StyleItemRecords, ImageItemsDefaultToTheImagesRegionAndAreCutAtItsEdges) {
  ASSERT_EQ(StyleMakeItem2("whole", "sheet", -1, -1, 0, 0), 1);
  const struct nk_image& whole = ImageOf("whole");
  EXPECT_EQ(FindStyleItem("whole")->type, NK_STYLE_ITEM_IMAGE);
  EXPECT_EQ(whole.handle.id, texture_);
  EXPECT_EQ(whole.w, 64);
  EXPECT_EQ(whole.h, 32);
  EXPECT_EQ(RegionOf(whole), (Region{0, 0, 64, 32}));

  StyleMakeItem2("part", "part", -1, 2, 0, 5);  // each default on its own
  EXPECT_EQ(RegionOf(ImageOf("part")), (Region{8, 2, 16, 5}));
  StyleMakeItem2("cut", "sheet", 10, 30, 1000, 100);
  EXPECT_EQ(RegionOf(ImageOf("cut")), (Region{10, 30, 54, 2}));

  // Past the edge, or past 65535: inside the image and never wrapped.
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  StyleMakeItem2("beyond", "sheet", 64, 1000, 5, 5);
  EXPECT_EQ(RegionOf(ImageOf("beyond")), (Region{64, 32, 0, 0}));
  StyleMakeItem2("huge", "sheet", kMax, 0, kMax, 70000);
  EXPECT_EQ(RegionOf(ImageOf("huge")), (Region{64, 0, 0, 32}));
  StyleMakeItem2("long", "sheet", 0, 65535, 65537, 65535);
  EXPECT_EQ(RegionOf(ImageOf("long")), (Region{0, 32, 64, 0}));
}

TEST_F(StyleItemRecords, NineSliceBordersOutsideTheImageAreNone) {
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  ASSERT_EQ(StyleMakeItem3("frame", "sheet", 0, 0, 0, 0, 65, 32, 64, 33), 1);
  const struct nk_style_item* frame = FindStyleItem("frame");
  EXPECT_EQ(frame->type, NK_STYLE_ITEM_NINE_SLICE);
  EXPECT_EQ(RegionOf(frame->data.slice.img), (Region{0, 0, 64, 32}));
  EXPECT_EQ(frame->data.slice.l, 0.0f);   // > width
  EXPECT_EQ(frame->data.slice.t, 32.0f);  // = height: kept
  EXPECT_EQ(frame->data.slice.r, 64.0f);
  EXPECT_EQ(frame->data.slice.b, 0.0f);   // > height

  StyleMakeItem3("odd", "part", -1, -1, 0, 0, nan, -0.5f, inf, 2.5f);
  const struct nk_nine_slice& odd = FindStyleItem("odd")->data.slice;
  EXPECT_EQ(RegionOf(odd.img), (Region{8, 4, 16, 8}));
  EXPECT_EQ(odd.l, 0.0f);
  EXPECT_EQ(odd.t, 0.0f);
  EXPECT_EQ(odd.r, 0.0f);
  EXPECT_EQ(odd.b, 2.5f);
}

}  // namespace
}  // namespace qel
