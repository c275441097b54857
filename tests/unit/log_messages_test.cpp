// The list of log messages itself, and the compile-time check that holds calls to it.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>

#include "frame/log_messages.h"

namespace qel {
namespace {

TEST(LogMessages, EveryEntryHasAUniqueNameAKnownLevelAndSourceAndAFormat) {
  std::set<std::string> names;
  for (const LogMessage& entry : kLogMessages) {
    SCOPED_TRACE(entry.name);
    EXPECT_TRUE(names.insert(entry.name).second) << "name used twice";
    EXPECT_TRUE(entry.level == kLogDebug || entry.level == kLogInfo || entry.level == kLogWarn ||
                entry.level == kLogError);
    EXPECT_TRUE(std::strcmp(entry.source, kSourcePlugin) == 0 || std::strcmp(entry.source, kSourceDevice) == 0 ||
                std::strcmp(entry.source, kSourceStyle) == 0)
        << entry.source;
    ASSERT_NE(entry.format, nullptr);
    const size_t length = std::strlen(entry.format);
    EXPECT_GT(length, 0u);
    // The line format ends each line; a message of its own newline would leave an empty line.
    if (length > 0) {
      EXPECT_NE(entry.format[length - 1], '\n');
    }
  }
  EXPECT_EQ(names.size(), kLogMessageCount);
}

TEST(LogMessages, TextIsTheFormatFilledWholeHoweverLong) {
  EXPECT_EQ(LogText(msg::PluginInitialisation), MessageOf(LogItem::PluginInitialisation).format);
  const std::string long_name(5000, 'n');
  const std::string text = LogText(msg::ImageMissing, long_name.c_str());
  EXPECT_EQ(text.size(), std::strlen(MessageOf(LogItem::ImageMissing).format) - 2 + long_name.size());
  EXPECT_NE(text.find(long_name), std::string::npos);
  EXPECT_EQ(LogLevelAndText(msg::ImageSlotMissing, 4).rfind("ERROR: ", 0), 0u);
}

struct AcceptsCase {
  const char* what;
  bool accepted;
  bool expected;
};

using log_format::Accepts;

// Evaluated at compile time, as the calls' own checks are.
constexpr AcceptsCase kAcceptsCases[] = {
    {"%d takes an int", Accepts<int>("n=%d"), true},
    {"%d takes a smaller integer", Accepts<short>("%d"), true},
    {"%d refuses a string", Accepts<const char*>("%d"), false},
    {"%d refuses a double", Accepts<double>("%d"), false},
    {"%d refuses a 64-bit integer", Accepts<int64_t>("%d"), false},
    {"%lld takes a long long", Accepts<long long>("%lld"), true},
    {"%lld refuses an int", Accepts<int>("%lld"), false},
    {"%zu takes a size_t", Accepts<size_t>("%zu"), true},
    {"PRIXPTR takes a uintptr_t", Accepts<uintptr_t>("0x%" PRIXPTR), true},
    {"%u and %X take unsigned", Accepts<unsigned, uint32_t>("%u-%X"), true},
    {"%c takes a char", Accepts<char>("%c"), true},
    {"%s takes a string", Accepts<const char*>("'%s'"), true},
    {"%s refuses an int", Accepts<int>("%s"), false},
    {"%s refuses a std::string", Accepts<std::string>("%s"), false},
    {"%g takes a double", Accepts<double>("%g"), true},
    {"%g refuses an int", Accepts<int>("%g"), false},
    {"%p takes a pointer", Accepts<void*>("%p"), true},
    {"%p takes a string's address", Accepts<const char*>("%p"), true},
    {"%p refuses an integer", Accepts<uintptr_t>("%p"), false},
    {"flags, width and precision", Accepts<int, double>("%-08d %+10.3f"), true},
    {"%% takes nothing", Accepts<>("100%% done"), true},
    {"%% is no conversion for an argument", Accepts<int>("100%%"), false},
    {"* width takes an int before the value", Accepts<int, const char*>("%*s"), true},
    {"* width with no int for it", Accepts<const char*>("%*s"), false},
    {"* width given a string", Accepts<const char*, const char*>("%*s"), false},
    {".* precision takes an int", Accepts<int, double>("%.*f"), true},
    {"too few arguments", Accepts<int>("%d %d"), false},
    {"too many arguments", Accepts<int, int>("%d"), false},
    {"arguments for a plain text", Accepts<int>("plain"), false},
    {"arguments out of order", Accepts<int, const char*>("%s %d"), false},
    {"a format ending in %", Accepts<>("50%"), false},
    {"an unknown conversion", Accepts<int>("%y"), false},
};

TEST(LogFormat, AcceptsExactlyMatchingArguments) {
  for (const AcceptsCase& c : kAcceptsCases) EXPECT_EQ(c.accepted, c.expected) << c.what;
}

struct MatchesCase {
  const char* format;
  const char* text;
  bool expected;
};

const MatchesCase kMatchesCases[] = {
    {"plain text.", "plain text.", true},
    {"plain text.", "plain text", false},
    {"plain text.", "plain text. and more", false},
    {"image '%s' loaded", "image 'a.png' loaded", true},
    {"image '%s' loaded", "image '' loaded", true},
    {"image '%s' loaded", "image 'a.png' loaded twice", false},
    {"image '%s' loaded", "font 'a.png' loaded", false},
    {"%s at the start", "anything at the start", true},
    {"at the end %s", "at the end ", true},
    {"%d-%d of %s", "1-2 of x", true},
    {"%d-%d of %s", "1 of x", false},
    {"a %sb%sb", "a b", false},  // the pieces may not overlap the end
    {"handle 0x%08lX, %-5.2f%%", "handle 0x0000FFFF, 1.50%", true},
    {"handle 0x%08lX, %-5.2f%%", "handle 0x0000FFFF, 1.50", false},
    {"50%", "50%", false},  // a format ending in '%' is no format
};

TEST(LogFormat, MatchesTextOfAnyArgumentsAndNothingElse) {
  for (const MatchesCase& c : kMatchesCases)
    EXPECT_EQ(log_format::Matches(c.format, c.text), c.expected) << c.format << " / " << c.text;
}

TEST(LogFormat, LinesOfAnEntryAreCountedByLevelAndText) {
  const std::string log =
      "2024-01-01 10:00:00 image_table.cpp(1): ERROR: Imageslot '4' does not exists.\n"
      "2024-01-01 10:00:00 image_table.cpp(2): WARN: Imageslot '5' does not exists.\n"          // other level
      "2024-01-01 10:00:00 image_table.cpp(3): ERROR: Imageslot '6' does not exists. Again\n"   // other text
      "2024-01-01 10:00:00 image_table.cpp(4): ERROR: Image '7' does not exists.\n"            // other entry
      "2024-01-01 10:00:00 image_table.cpp(5): ERROR: Imageslot '-8' does not exists.";         // the last line
  EXPECT_EQ(CountLogLines(msg::ImageSlotMissing, log), 2);
  EXPECT_EQ(CountLogLines(msg::ImageMissing, log), 1);
  EXPECT_EQ(CountLogLines(msg::ImageSlotMissing, ""), 0);
}

}  // namespace
}  // namespace qel
