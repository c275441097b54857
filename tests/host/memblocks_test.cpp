// Memblocks: zero-filled bytes whose pointer stays put, made empty, under a chosen id, from
// a file and from an image.
#include <cstring>

#include "host_fixture.h"

namespace qel {
namespace {

class Memblocks : public HostTest {
 protected:
  CommandByName<int32_t(int32_t)> create_{"CREATEMEMBLOCK_L_L"};
  CommandByName<void(int32_t, int32_t)> create_at_{"CREATEMEMBLOCK_0_L_L"};
  CommandByName<int32_t(int32_t)> exists_{"GETMEMBLOCKEXISTS_L_L"};
  CommandByName<int32_t(int32_t)> size_{"GETMEMBLOCKSIZE_L_L"};
  CommandByName<void*(int32_t)> pointer_{"GETMEMBLOCKPTR_P_L"};
  CommandByName<void(int32_t)> delete_{"DELETEMEMBLOCK_0_L"};
};

TEST_F(Memblocks, NewBlockIsZeroedAndItsPointerOutlivesOtherBlocks) {
  const int32_t id = create_(2048);
  ASSERT_NE(id, 0);
  EXPECT_EQ(exists_(id), 1);
  EXPECT_EQ(size_(id), 2048);
  auto* bytes = static_cast<uint8_t*>(pointer_(id));
  ASSERT_NE(bytes, nullptr);
  for (int i = 0; i < 2048; ++i) ASSERT_EQ(bytes[i], 0) << i;
  bytes[0] = 7;
  bytes[2047] = 9;
  for (int i = 0; i < 200; ++i) create_(64);  // the table grows around it
  EXPECT_EQ(pointer_(id), bytes);
  EXPECT_EQ(host().MemblockData(id), bytes);
  EXPECT_EQ(host().MemblockSize(id), 2048);
  EXPECT_EQ(bytes[2047], 9);
}

TEST_F(Memblocks, DeletedIdsStayDeadAndAreNeverHandedOutAgain) {
  const int32_t first = create_(8);
  delete_(first);
  EXPECT_EQ(exists_(first), 0);
  EXPECT_EQ(size_(first), 0);
  EXPECT_EQ(pointer_(first), nullptr);
  EXPECT_EQ(host().MemblockData(first), nullptr);
  const int32_t second = create_(8);
  EXPECT_NE(second, first);
  delete_(first);  // twice, and unknown ids: nothing happens
  delete_(-5);
  EXPECT_EQ(exists_(second), 1);
}

TEST_F(Memblocks, ChosenIdsMakeOrReplaceABlock) {
  create_at_(5, 100);
  ASSERT_EQ(exists_(5), 1);
  EXPECT_EQ(size_(5), 100);
  static_cast<uint8_t*>(pointer_(5))[0] = 1;
  create_at_(5, 40);  // made again: new, zeroed bytes
  EXPECT_EQ(size_(5), 40);
  EXPECT_EQ(static_cast<uint8_t*>(pointer_(5))[0], 0);
  // Automatic ids keep clear of ids a script picks itself.
  EXPECT_GE(create_(4), 10000);
  create_at_(0, 10);
  create_at_(-1, 10);
  EXPECT_EQ(exists_(0), 0);
  EXPECT_EQ(exists_(-1), 0);
}

TEST_F(Memblocks, BadSizesMakeNothing) {
  EXPECT_EQ(create_(-1), 0);
  EXPECT_EQ(create_(0x7FFFFFFF), 0);  // beyond what the engine hands out
  create_at_(7, -3);
  EXPECT_EQ(exists_(7), 0);
  const int32_t empty = create_(0);
  EXPECT_EQ(exists_(empty), 1);
  EXPECT_EQ(size_(empty), 0);
}

TEST_F(Memblocks, FromFileHoldsItsBytesExactly) {
  const std::string bytes("ab\0\r\ncd\xff", 8);
  WriteFile(MediaFolder() + "/font.bin", bytes);
  auto* from_file = Command<int32_t(const char*)>("CREATEMEMBLOCKFROMFILE_L_S");
  const int32_t id = from_file("font.bin");
  ASSERT_NE(id, 0);
  ASSERT_EQ(size_(id), 8);
  EXPECT_EQ(std::memcmp(pointer_(id), bytes.data(), 8), 0);
  EXPECT_EQ(size_(from_file(("raw:" + MediaFolder() + "/font.bin").c_str())), 8);
  EXPECT_EQ(from_file("missing.bin"), 0);
  EXPECT_EQ(from_file(nullptr), 0);
  WriteFile(MediaFolder() + "/empty.bin", "");
  const int32_t empty = from_file("empty.bin");
  EXPECT_EQ(exists_(empty), 1);
  EXPECT_EQ(size_(empty), 0);
}

TEST_F(Memblocks, FromImageHasAHeadThenRgbaRows) {
  const int32_t image = Command<int32_t(int32_t, int32_t, int32_t, int32_t)>("CREATEIMAGECOLOR_L_L_L_L_L")(10, 20, 30, 40);
  const int32_t id = Command<int32_t(int32_t)>("CREATEMEMBLOCKFROMIMAGE_L_L")(image);
  ASSERT_NE(id, 0);
  ASSERT_EQ(size_(id), 12 + 4);
  int32_t head[3];
  std::memcpy(head, pointer_(id), sizeof head);
  EXPECT_EQ(head[0], 1);
  EXPECT_EQ(head[1], 1);
  EXPECT_EQ(head[2], 32);
  const auto* pixel = static_cast<uint8_t*>(pointer_(id)) + 12;
  EXPECT_EQ(pixel[0], 10);
  EXPECT_EQ(pixel[1], 20);
  EXPECT_EQ(pixel[2], 30);
  EXPECT_EQ(pixel[3], 40);
  EXPECT_EQ(Command<int32_t(int32_t)>("CREATEMEMBLOCKFROMIMAGE_L_L")(12345), 0);
}

}  // namespace
}  // namespace qel
