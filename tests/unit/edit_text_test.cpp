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

}  // namespace
}  // namespace qel
