#include <gtest/gtest.h>

#include <string>

#include "frame/log_messages.h"
#include "frame/logger.h"

namespace qel {
namespace {

const char* const kLine = "%d %t %f(%n): %l: %m\n";

TEST(LogLine, DefaultFormatReadsDateTimeFileLineLevelMessage) {
  const std::string line = FormatLogLine(kLine, "%Y", "%H", "nuklearplugin", 42, kLogWarn, "hello", 0);
  // Year and hour depend on the time zone; the rest of the line does not.
  ASSERT_GE(line.size(), 8u);
  EXPECT_NE(line.find(" nuklearplugin(42): WARN: hello\n"), std::string::npos) << line;
}

TEST(LogLine, FileNameIsWhatFollowsTheLastSeparatorOfEitherKind) {
  auto file_of = [](const char* source) { return FormatLogLine("%f", "", "", source, 0, kLogInfo, "", 0); };
  EXPECT_EQ(file_of("a/b\\c/d\\e.cpp"), "e.cpp");
  EXPECT_EQ(file_of("src\\x/y.cpp"), "y.cpp");
  EXPECT_EQ(file_of("a/b\\c.cpp"), "c.cpp");
  EXPECT_EQ(file_of("plain"), "plain");
}

TEST(LogLine, UnknownPlaceholdersPrintNothingAndPercentEscapes) {
  EXPECT_EQ(FormatLogLine("[%q%%%z]%", "", "", "s", 1, kLogInfo, "m", 0), "[%]");
  EXPECT_EQ(FormatLogLine("%l %l %l %l", "", "", "s", 1, kLogDebug, "m", 0), "DEBUG DEBUG DEBUG DEBUG");
}

TEST(LogLine, EmptyOrOverlongDateConversionAddsNothing) {
  const std::string long_format(200, 'Y');  // strftime text of 200 chars fits; 300 would not
  EXPECT_EQ(FormatLogLine("<%d>", "", "", "s", 1, kLogInfo, "m", 0), "<>");
  std::string huge;
  for (int i = 0; i < 100; ++i) huge += "%Y";  // 400 characters of output
  EXPECT_EQ(FormatLogLine("<%d>", huge.c_str(), "", "s", 1, kLogInfo, "m", 0), "<>");
  EXPECT_EQ(FormatLogLine("<%d>", long_format.c_str(), "", "s", 1, kLogInfo, "m", 0), "<" + long_format + ">");
}

TEST(LogLine, DateAndTimeComeFromTheGivenInstant) {
  // 86400 seconds apart: the date moves by one day whatever the time zone, the time not.
  const std::string a = FormatLogLine("%d|%t", "%j", "%H:%M:%S", "s", 1, kLogInfo, "m", 1000000);
  const std::string b = FormatLogLine("%d|%t", "%j", "%H:%M:%S", "s", 1, kLogInfo, "m", 1000000 + 86400);
  EXPECT_NE(a.substr(0, 3), b.substr(0, 3));
  EXPECT_EQ(a.substr(4), b.substr(4));
}

}  // namespace
}  // namespace qel

namespace qel {
namespace {

std::string ReadAll(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::string text;
  char chunk[4096];
  for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, n);
  return text;
}

// The logger table is process-wide; each test runs in its own process.
TEST(Logger, WritesLongMessagesWholeAndDropsLevelsBelowTheMinimum) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  CreateLogger(0, file);
  SetLoggerMinimumLevel(0, kLogInfo);
  SetLoggerFormats(0, "%f:%l:%m\n", nullptr, nullptr);
  const std::string long_message(10000, 'x');
  Log("src", 1, kLogDebug, 0, "hidden");
  Log("src", 1, kLogWarn, 0, "%s", long_message.c_str());
  // An entry of the list is written with its own level and source.
  QEL_LOG(StyleFontMissing, "n");
  const LogMessage& entry = MessageOf(LogItem::StyleFontMissing);
  EXPECT_EQ(ReadAll(file), "src:WARN:" + long_message + "\n" + entry.source + ":" + kLogLevelNames[entry.level] + ":" +
                               LogText(msg::StyleFontMissing, "n") + "\n");
}

TEST(Logger, ProblemsOfTheLoggerGoToStandardError) {
  ::testing::internal::CaptureStderr();
  Log("src", 1, kLogError, 0, "before any logger");
  CreateLogger(0, std::tmpfile());
  CreateLogger(0, std::tmpfile());
  Log("src", 1, kLogError, 3, "unknown id");
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(err, "No such logger: 0\nLogger 0 already initialized.\nNo such logger: 3\n");
}

}  // namespace
}  // namespace qel

namespace qel {
namespace {

TEST(Logger, AFullDiskIsReportedOnStandardError) {
  std::FILE* full = std::fopen("/dev/full", "w");
  if (!full) GTEST_SKIP() << "no /dev/full here";
  CreateLogger(0, full);
  ::testing::internal::CaptureStderr();
  Log("src", 1, kLogError, 0, "lost");
  EXPECT_EQ(::testing::internal::GetCapturedStderr().rfind("Unable to write to log file: ", 0), 0u);
}

}  // namespace
}  // namespace qel
