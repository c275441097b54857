// The plug-in's log: one formatted, flushed line per event. Problems of the logger itself
// go to standard error, never to the log and never to the caller.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <memory>
#include <string>

namespace qel {

enum LogLevel : int { kLogDebug = 0, kLogInfo = 1, kLogWarn = 2, kLogError = 3 };
// The names lines print for the levels, indexed by level.
inline constexpr const char* kLogLevelNames[] = {"DEBUG", "INFO", "WARN", "ERROR"};

// Source names that log lines carry, one per side of the plug-in.
inline constexpr const char* kSourcePlugin = "nuklearplugin";
inline constexpr const char* kSourceDevice = "nuklear_qel_gl3";
inline constexpr const char* kSourceStyle = "nuklear_tool";

// The plug-in makes and uses only logger 0; a few more slots cost nothing.
inline constexpr int kLoggerSlots = 4;

struct LoggerRecord {
  int minimum_level = kLogDebug;
  std::FILE* file = nullptr;
  std::string line_format = "%d %t %f(%n): %l: %m\n";
  std::string date_format = "%Y-%m-%d";
  std::string time_format = "%H:%M:%S";
};

// The loggers, by id; a slot is empty until CreateLogger fills it. Kept in the plug-in's
// state root.
struct LoggerState {
  std::unique_ptr<LoggerRecord> slots[kLoggerSlots];
};

// Makes logger `id` on an open file, which it then owns. A taken slot closes the file.
void CreateLogger(int id, std::FILE* file);
bool LoggerExists(int id);
// Points an existing logger at another open file (closing the old one).
void ReplaceLoggerFile(int id, std::FILE* file);
void SetLoggerMinimumLevel(int id, int level);
// Line, date and time formats; null leaves one as it is. Texts longer than 255 are cut.
void SetLoggerFormats(int id, const char* line, const char* date, const char* time);

// Writes one line. `source` may be a path: only its file name is printed.
void Log(const char* source, int line, int level, int id, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 5, 6)))
#endif
    ;

// Log with its arguments already gathered.
void LogV(const char* source, int line, int level, int id, const char* format, va_list args);

// Builds the line that Log writes (exposed for tests): `now` is the one instant used for
// both date and time.
std::string FormatLogLine(const char* line_format, const char* date_format, const char* time_format,
                          const char* source, int line, int level, const char* message, long long now);

}  // namespace qel
