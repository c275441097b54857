#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "images/image_table.h"

namespace qel {
namespace {

TEST(ImageRecords, FloatsBecomeSixteenBitFieldsByTruncationModulo65536) {
  EXPECT_EQ(ImageCoordinate(30.7f), 30);
  EXPECT_EQ(ImageCoordinate(-0.9f), 0);
  EXPECT_EQ(ImageCoordinate(-1.0f), 65535);
  EXPECT_EQ(ImageCoordinate(-1.5f), 65535);
  EXPECT_EQ(ImageCoordinate(65536.0f), 0);
  EXPECT_EQ(ImageCoordinate(70000.9f), 70000 - 65536);
  EXPECT_EQ(ImageCoordinate(1e20f), 0);  // a multiple of 65536
  EXPECT_EQ(ImageCoordinate(std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_EQ(ImageCoordinate(-std::numeric_limits<float>::infinity()), 0);
}

TEST(ImageRecords, SixteenBytesLittleEndianBothWays) {
  struct nk_image image = nk_image_id(0x12345678);
  image.w = 640;
  image.h = 0xABCD;
  image.region[0] = 1;
  image.region[1] = 2;
  image.region[2] = 65535;
  image.region[3] = 0x0102;
  uint8_t bytes[kImageRecordBytes];
  EncodeImageRecord(image, bytes);
  const uint8_t expected[kImageRecordBytes] = {0x78, 0x56, 0x34, 0x12, 0x80, 0x02, 0xCD, 0xAB,
                                               1,    0,    2,    0,    0xFF, 0xFF, 0x02, 0x01};
  for (int i = 0; i < kImageRecordBytes; ++i) EXPECT_EQ(bytes[i], expected[i]) << i;
  const struct nk_image back = DecodeImageRecord(bytes);
  EXPECT_EQ(back.handle.id, 0x12345678);
  EXPECT_EQ(back.w, 640);
  EXPECT_EQ(back.h, 0xABCD);
  EXPECT_EQ(back.region[2], 65535);
  EXPECT_EQ(back.region[3], 0x0102);
}

TEST(ImageRecords, RegionsRunningPastTheImageAreCutAtItsEdge) {
  struct nk_image whole = nk_image_id(7);
  whole.w = 32;
  whole.h = 16;
  whole.region[2] = whole.region[3] = 65535;
  const struct nk_image fitted = FitRegionToImage(whole);
  EXPECT_EQ(fitted.region[2], 32);
  EXPECT_EQ(fitted.region[3], 16);

  struct nk_image inside = whole;
  inside.region[0] = 8;
  inside.region[1] = 4;
  inside.region[2] = 10;
  inside.region[3] = 20;
  const struct nk_image cut = FitRegionToImage(inside);
  EXPECT_EQ(cut.region[2], 10);  // fits: kept
  EXPECT_EQ(cut.region[3], 12);

  struct nk_image sizeless = nk_image_id(7);  // no size: drawn whole anyway
  sizeless.region[2] = 65535;
  EXPECT_EQ(FitRegionToImage(sizeless).region[2], 65535);
}

}  // namespace
}  // namespace qel
