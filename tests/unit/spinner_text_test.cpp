// The spinner's value text and its reading back: what fits a field of 15 characters, and
// which numbers a typed text holds.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "widgets/spinner.h"

namespace qel {
namespace {

std::string Text(float value, SpinMode mode, int32_t decimals) {
  char out[kSpinTextSize];
  std::memset(out, 'x', sizeof out);
  SpinnerText(value, mode, decimals, out);
  EXPECT_NE(std::memchr(out, '\0', sizeof out), nullptr);
  return out;
}

TEST(SpinnerText, FitsFifteenCharactersAndReadsBack) {
  struct Case {
    float value;
    SpinMode mode;
    int32_t decimals;
    const char* text;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Case cases[] = {
      {0.3333f, SpinMode::kFloat, 2, "0.33"},
      {2.5f, SpinMode::kFloat, -7, "2"},  // decimals below 0 are 0 ("%.0f" rounds to even)
      {0.5f, SpinMode::kFloat, 1000, "0.5000000000000"},
      {123456789012.5f, SpinMode::kFloat, 2, "123456790528.00"},
      {12345678901234.0f, SpinMode::kFloat, 2, "12345679020032"},
      {-1.5e15f, SpinMode::kFloat, 2, "-1.50000001e+15"},
      {-FLT_MAX, SpinMode::kFloat, 99, "-3.40282347e+38"},
      {INFINITY, SpinMode::kFloat, 2, "3.40282347e+38"},
      {nan, SpinMode::kFloat, 2, "0.00"},
      {7.9f, SpinMode::kInteger, 2, "7"},
      {-7.9f, SpinMode::kInteger, 0, "-7"},
      {1e30f, SpinMode::kInteger, 0, "2147483647"},
      {-1e30f, SpinMode::kInteger, 0, "-2147483648"},
      {nan, SpinMode::kInteger, 0, "0"},
  };
  for (const Case& c : cases) {
    const std::string text = Text(c.value, c.mode, c.decimals);
    EXPECT_EQ(text, c.text) << c.value;
    EXPECT_LE(text.size(), 15u);
    if (c.mode == SpinMode::kFloat && std::isfinite(c.value) && std::fabs(c.value) > 1e3f) {
      EXPECT_NEAR(ReadSpinnerNumber(text.c_str(), c.mode), c.value, std::fabs(c.value) * 1e-7f) << text;
    }
  }
}

TEST(SpinnerText, ReadsTheLeadingNumberOnly) {
  struct Case {
    const char* text;
    SpinMode mode;
    float value;
  };
  const Case cases[] = {
      {"  12.5abc", SpinMode::kFloat, 12.5f},
      {"-.5", SpinMode::kFloat, -0.5f},
      {"1e3", SpinMode::kFloat, 1000.0f},
      {"1e", SpinMode::kFloat, 1.0f},
      {"1e+", SpinMode::kFloat, 1.0f},
      {"9e99", SpinMode::kFloat, FLT_MAX},
      {"-9e99", SpinMode::kFloat, -FLT_MAX},
      {"inf", SpinMode::kFloat, 0.0f},
      {"nan", SpinMode::kFloat, 0.0f},
      {"0x10", SpinMode::kFloat, 0.0f},
      {".", SpinMode::kFloat, 0.0f},
      {"-", SpinMode::kFloat, 0.0f},
      {"", SpinMode::kFloat, 0.0f},
      {nullptr, SpinMode::kFloat, 0.0f},
      {"12.9", SpinMode::kInteger, 12.0f},
      {"-3-4", SpinMode::kInteger, -3.0f},
      {"+8", SpinMode::kInteger, 8.0f},
      {"99999999999", SpinMode::kInteger, 2147483648.0f},
      {"-99999999999999999999", SpinMode::kInteger, -2147483648.0f},
      {"1e5", SpinMode::kInteger, 1.0f},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReadSpinnerNumber(c.text, c.mode), c.value) << (c.text ? c.text : "(null)");
}

TEST(SpinnerText, LimitsAndConversions) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(LimitSpinValue(12, 0, 10), 10.0f);
  EXPECT_EQ(LimitSpinValue(-1, 0, 10), 0.0f);
  EXPECT_EQ(LimitSpinValue(nan, 2, 10), 2.0f);
  EXPECT_EQ(LimitSpinValue(50, 3, 3), 50.0f);   // min = max: no limit
  EXPECT_EQ(LimitSpinValue(50, 10, 0), 50.0f);  // min > max: none either
  EXPECT_TRUE(std::isnan(LimitSpinValue(nan, 3, 3)));
  EXPECT_EQ(SpinDecimals(-1), 0);
  EXPECT_EQ(SpinDecimals(100), 99);
  EXPECT_EQ(TruncateToInt(2147483648.0f), INT32_MAX);
  EXPECT_EQ(TruncateToInt(-2147483648.0f), INT32_MIN);
  EXPECT_EQ(TruncateToInt(-2.9f), -2);
  EXPECT_EQ(TruncateToInt(nan), 0);
}

}  // namespace
}  // namespace qel
