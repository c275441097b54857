// String commands: tokens, replacement, numbers, and buffers made for the plug-in.
#include <cstring>
#include <string>

#include "host_fixture.h"

namespace qel {
namespace {

class Strings : public HostTest {
 protected:
  CommandByName<int32_t(const char*, const char*)> count_{"COUNTSTRINGTOKENS_L_S_S"};
  CommandByName<char*(const char*, const char*, int32_t)> token_{"GETSTRINGTOKEN_S_S_S_L"};
  CommandByName<char*(const char*, const char*, const char*, int32_t)> replace_{"REPLACESTRING_S_S_S_S_L"};
  CommandByName<int32_t(const char*)> val_{"VAL_L_S"};
};

TEST_F(Strings, TokensAreNonEmptyRunsBetweenAnyDelimiter) {
  EXPECT_EQ(count_("65:0:0:16:24", ":"), 5);
  EXPECT_EQ(count_("::a::b:", ":"), 2);  // empty runs are no tokens
  EXPECT_EQ(count_("", ":"), 0);         // so a blank line has none
  EXPECT_EQ(count_(":::", ":"), 0);
  EXPECT_EQ(count_("a b,c", " ,"), 3);   // every character of the second string separates
  EXPECT_EQ(count_("abc", ""), 1);
  EXPECT_EQ(count_(nullptr, ":"), 0);
  EXPECT_STREQ(token_("::a::b:", ":", 1), "a");
  EXPECT_STREQ(token_("::a::b:", ":", 2), "b");
  EXPECT_STREQ(token_("::a::b:", ":", 3), "");
  EXPECT_STREQ(token_("a:b", ":", 0), "");
  EXPECT_STREQ(token_("a:b", ":", -1), "");
  EXPECT_STREQ(token_("button.normal", ".", 1), "button");
  // A token of a token: the argument is a string the engine made a moment ago.
  EXPECT_STREQ(token_(token_("x;y,z", ";", 2), ",", 2), "z");
}

TEST_F(Strings, ReplaceAllFirstOrNone) {
  EXPECT_STREQ(replace_("C:\\Windows\\Fonts\\", "\\", "/", -1), "C:/Windows/Fonts/");
  EXPECT_STREQ(replace_("aaaa", "a", "bb", 2), "bbbbaa");
  EXPECT_STREQ(replace_("aaaa", "aa", "a", -1), "aa");  // no re-scanning of replaced text
  EXPECT_STREQ(replace_("abc", "b", "", -1), "ac");
  EXPECT_STREQ(replace_("abc", "b", "x", 0), "abc");
  EXPECT_STREQ(replace_("abc", "", "x", -1), "abc");
  EXPECT_STREQ(replace_(nullptr, "a", "b", -1), "");
}

TEST_F(Strings, ValReadsALeadingDecimalLikeAtoi) {
  EXPECT_EQ(val_("42"), 42);
  EXPECT_EQ(val_("  -17xyz"), -17);
  EXPECT_EQ(val_("+8"), 8);
  EXPECT_EQ(val_("abc"), 0);
  EXPECT_EQ(val_(""), 0);
  EXPECT_EQ(val_(nullptr), 0);
  EXPECT_EQ(val_("99999999999"), 2147483647);
  EXPECT_EQ(val_("-99999999999"), -2147483647 - 1);
  auto* len = Command<int32_t(const char*)>("LEN_L_S");
  EXPECT_EQ(len("h\xc3\xa9llo"), 6);  // bytes, not characters
  EXPECT_EQ(len(nullptr), 0);
}

TEST_F(Strings, CreatedStringsAreZeroedAndOutliveTheNextFrame) {
  auto* create = Command<char*(int32_t)>("CREATESTRING_S_L");
  char* text = create(64);
  ASSERT_NE(text, nullptr);
  for (int i = 0; i < 64; ++i) ASSERT_EQ(text[i], 0);
  std::strcpy(text, "handed to the host");
  char* token = token_("kept:for:now", ":", 2);
  host().Sync();  // a script may still read what it was handed after its frame ends
  EXPECT_STREQ(text, "handed to the host");
  EXPECT_STREQ(token, "for");
  EXPECT_NE(create(0), nullptr);
  EXPECT_EQ(create(-1), nullptr);
  EXPECT_EQ(create(0x7FFFFFFF), nullptr);
}

}  // namespace
}  // namespace qel
