#include <gtest/gtest.h>

#include <vector>

#include "widgets/layout.h"

namespace qel {
namespace {

std::vector<float> Parse(const char* text) {
  std::vector<float> out = {9.0f};  // a previous row's values are replaced
  ParseRowRatios(text, out);
  return out;
}

TEST(RowRatios, ListsParseAsTheirNumbers) {
  EXPECT_EQ(Parse("[0.25,0.5,0.25]"), (std::vector<float>{0.25f, 0.5f, 0.25f}));
  EXPECT_EQ(Parse("[120][80]"), (std::vector<float>{120.0f, 80.0f}));
  EXPECT_EQ(Parse("[0.3, -1]"), (std::vector<float>{0.3f, -1.0f}));
  EXPECT_EQ(Parse("[0.5, 0.5]"), (std::vector<float>{0.5f, 0.5f}));
  EXPECT_EQ(Parse("columns: [1e2,,,2.5]]"), (std::vector<float>{100.0f, 2.5f}));
  // Text after the last separator is a token; a token with no number reads 0.
  EXPECT_EQ(Parse("[0.5,0.25"), (std::vector<float>{0.5f, 0.25f}));
  EXPECT_EQ(Parse("[abc,0.5x]"), (std::vector<float>{0.0f, 0.5f}));
  EXPECT_EQ(Parse("[0.5, ]"), (std::vector<float>{0.5f, 0.0f}));
}

TEST(RowRatios, NoListGivesNoColumns) {
  EXPECT_TRUE(Parse("[]").empty());
  EXPECT_TRUE(Parse("[").empty());
  EXPECT_TRUE(Parse("0.5,0.5").empty());  // no "[": the list never starts
  EXPECT_TRUE(Parse("").empty());
  EXPECT_TRUE(Parse(nullptr).empty());
}

}  // namespace
}  // namespace qel
