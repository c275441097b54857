#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "widgets/edit_text.h"

namespace qel {
namespace {

TEST(EditText, CutsKeepWholeUtf8Sequences) {
  struct Case {
    const char* text;
    size_t max;
    size_t kept;
  };
  const Case cases[] = {
      {"abc", 5, 3},
      {"abc", 3, 3},
      {"abc", 2, 2},
      {"abc", 0, 0},
      {"a\xC3\xA9", 2, 1},                  // é would be split
      {"a\xC3\xA9", 3, 3},
      {"\xE2\x82\xAC\xE2\x82\xAC", 4, 3},   // €€: the second € would be split
      {"\xE2\x82\xAC\xE2\x82\xAC", 5, 3},
      {"\xF0\x9F\x98\x80z", 3, 0},          // a four-byte sequence cut anywhere
      {"\xF0\x9F\x98\x80z", 4, 4},
      {"ab\x80\x80\x80\x80\x80", 5, 5},     // stray continuation bytes: not UTF-8, cut at max
      {"\xC3\xC3\xC3", 2, 2},               // broken leads: the cut splits no sequence
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8CutLength(c.text, std::strlen(c.text), c.max), c.kept) << c.text << " max " << c.max;
  }
}

TEST(EditText, CapacityHoldsWildMaximums) {
  EXPECT_EQ(EditCapacity(-1), 0);
  EXPECT_EQ(EditCapacity(0), 0);
  EXPECT_EQ(EditCapacity(256), 256);
  EXPECT_EQ(EditCapacity(kEditLimitBytes + 1), kEditLimitBytes);
  EXPECT_EQ(EditCapacity(INT32_MAX), kEditLimitBytes);
}

TEST(EditText, IndicesPastTheFilterTableSelectNoFilter) {
  EXPECT_EQ(EditFilterOf(0), nk_filter_default);
  EXPECT_EQ(EditFilterOf(3), nk_filter_decimal);
  EXPECT_EQ(EditFilterOf(6), nk_filter_binary);
  for (int32_t index : {7, 8, -1, INT32_MIN, INT32_MAX}) EXPECT_EQ(EditFilterOf(index), nullptr) << index;
}

}  // namespace
}  // namespace qel
