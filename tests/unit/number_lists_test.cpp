// Comma lists of numbers and the colour syntaxes read from them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "style/number_lists.h"

namespace qel {
namespace {

TEST(NumberLists, PiecesSplitAtRunsOfCommasAndStopAtTheCountAsked) {
  struct Case {
    const char* text;
    int32_t most;
    std::vector<float> values;
  };
  const Case cases[] = {
      {",4,,5,", 4, {4, 5}},         {"", 4, {}},         {",,,", 4, {}},       {"1,2,3,4,5", 4, {1, 2, 3, 4}},
      {"1.5,-2", 1, {1.5f}},         {"x,7", 2, {0, 7}},  {" 3 , 4", 2, {3, 4}}, {"1e3,", 2, {1000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    float out[4] = {-9, -9, -9, -9};
    const int32_t count = ParseFloatList(c.text, out, c.most);
    ASSERT_EQ(count, static_cast<int32_t>(c.values.size()));
    EXPECT_EQ(std::vector<float>(out, out + count), c.values);
    for (int32_t i = count; i < 4; ++i) EXPECT_EQ(out[i], -9.0f);  // untouched past the count
  }
  EXPECT_EQ(ParseFloatList(nullptr, nullptr, 2), 0);
}

TEST(NumberLists, AHexColourReadsNoByteAfterItsEightDigits) {
  // The digits end where the buffer ends: a longer read would run past it.
  const char text[] = {'0', 'x', 'A', 'B', 'C', 'D', 'E', 'F', '0', '1', '\0'};
  struct nk_color color{};
  ASSERT_TRUE(ParseColorText(text, color));
  EXPECT_EQ(std::vector<int>({color.r, color.g, color.b, color.a}), std::vector<int>({0xAB, 0xCD, 0xEF, 0x01}));
  EXPECT_FALSE(ParseColorText("0x#", color));
  EXPECT_FALSE(ParseColorText(nullptr, color));
}

}  // namespace
}  // namespace qel
