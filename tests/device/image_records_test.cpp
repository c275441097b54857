// Image records made from the reference host's images, watched on the plug-in's own stores.
#include <gtest/gtest.h>

#include "frame/host_commands.h"
#include "images/image_table.h"
#include "device_fixture.h"

namespace qel {
namespace {


class ImageRecords : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(64, 64);
    ASSERT_TRUE(host_->ok());
    image_ = HostCommands().CREATEIMAGECOLOR_L_L_L_L_L(0, 255, 0, 255);  // one green pixel
    ASSERT_GT(image_, 0);
  }
  std::unique_ptr<ReferenceHost> host_;
  int32_t image_ = 0;
};

TEST_F(ImageRecords, ARegionIsTruncatedAndASizeOfZeroTakesTheWholeImage) {
  const int32_t texture = HostCommands().GETOPENGLIMAGEID_L_L(image_);
  ASSERT_NE(texture, 0);
  const struct nk_image part = MakeImageRecord(image_, 1, 2, 3.7f, 2);
  EXPECT_EQ(part.handle.id, texture);
  EXPECT_EQ(part.w, 1);
  EXPECT_EQ(part.h, 1);
  EXPECT_EQ(part.region[0], 1);
  EXPECT_EQ(part.region[1], 2);
  EXPECT_EQ(part.region[2], 3);
  EXPECT_EQ(part.region[3], 2);

  const struct nk_image whole = MakeImageRecord(image_, 0, 0, 0, -5);
  EXPECT_EQ(whole.region[2], 1);
  EXPECT_EQ(whole.region[3], 1);

  const struct nk_image memblock = MakeWholeImageRecord(image_);
  EXPECT_EQ(memblock.region[0], 0);
  EXPECT_EQ(memblock.region[2], 65535);
  EXPECT_EQ(memblock.region[3], 65535);

  // A host image that does not exist is not tested: the record takes what the host says.
  const struct nk_image missing = MakeImageRecord(99999, 0, 0, -1, -1);
  EXPECT_EQ(missing.handle.id, 0);
  EXPECT_EQ(missing.w, 0);
}

}  // namespace
}  // namespace qel
