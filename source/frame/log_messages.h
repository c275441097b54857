// Every line the plug-in writes to its log, in one list: its name, level, source and format.
// Code logs by name (QEL_LOG(FontFileMissing, path)); the format is checked against the
// arguments at compile time, so a message and its call cannot drift apart. Tests build the
// expected text from the same entries (LogText), never from copied strings.
#pragma once

#include <cinttypes>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

#include "frame/logger.h"

// X(Name, level, source, "printf format")
// Sources: kSourcePlugin "nuklearplugin" (the exports), kSourceDevice "nuklear_qel_gl3"
// (render device, input, font atlas, image files of style documents), kSourceStyle
// "nuklear_tool" (style system).
#define QEL_LOG_MESSAGES(X)                                                                             \
  /* [SECTION] lifecycle */                                                                             \
  X(PluginInitialisation, kLogInfo, kSourcePlugin, "plugin initialisation ...")                          \
  /* [SECTION] style properties */                                                                      \
  X(StyleUnknownWidget, kLogError, kSourceStyle, "'%s' is not a known widget.")                           \
  X(StylePropertyValueNotValid, kLogWarn, kSourceStyle, "property value '%s' of property name '%s' not valid.") \
  X(StylePropertyNameNotValid, kLogWarn, kSourceStyle, "property name '%s' not valid.")                   \
  X(StyleItemNotFound, kLogWarn, kSourceStyle, "style item '%s' not found.")                              \
  X(StyleWrongVec2, kLogWarn, kSourceStyle, "Wrong vec2 value : %s")                                      \
  X(StyleButtonVec2, kLogInfo, kSourceStyle, "button vec2 style '%s' value '%.2f,%.2f'")                  \
  X(StyleNoSubWidget, kLogWarn, kSourceStyle, "This UI element has no widget with this name '%s'.")

namespace qel {

enum class LogItem : int {
#define QEL_LOG_ITEM_ENUM(name, level, source, format) name,
  QEL_LOG_MESSAGES(QEL_LOG_ITEM_ENUM)
#undef QEL_LOG_ITEM_ENUM
};

struct LogMessage {
  const char* name;
  int level;
  const char* source;
  const char* format;
};

inline constexpr LogMessage kLogMessages[] = {
#define QEL_LOG_ITEM_ENTRY(name, level, source, format) {#name, level, source, format},
    QEL_LOG_MESSAGES(QEL_LOG_ITEM_ENTRY)
#undef QEL_LOG_ITEM_ENTRY
};

inline constexpr size_t kLogMessageCount = sizeof kLogMessages / sizeof kLogMessages[0];

constexpr const LogMessage& MessageOf(LogItem item) { return kLogMessages[static_cast<size_t>(item)]; }

// One type per message, so that a call site names its message at compile time.
template <LogItem I>
struct LogTag {
  static constexpr LogItem item = I;
};

namespace msg {
#define QEL_LOG_ITEM_TAG(name, level, source, format) inline constexpr LogTag<LogItem::name> name{};
QEL_LOG_MESSAGES(QEL_LOG_ITEM_TAG)
#undef QEL_LOG_ITEM_TAG
}  // namespace msg

namespace log_format {

// What a printf conversion takes, and what an argument gives.
enum Kind : int { kInteger, kFloating, kString, kPointer, kOther };

template <class T>
constexpr Kind KindOf() {
  if constexpr (std::is_same_v<T, const char*> || std::is_same_v<T, char*>) return kString;
  else if constexpr (std::is_pointer_v<T> || std::is_null_pointer_v<T>) return kPointer;
  else if constexpr (std::is_floating_point_v<T>) return kFloating;
  else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>) return kInteger;
  else return kOther;
}

// Size in bytes an integer conversion reads with its length modifier; 0 for "int or smaller".
struct Conversion {
  Kind kind;
  size_t size;
};

// True when `format` has exactly one conversion per argument, each of a matching kind and,
// for integers, size (a `*` width or precision takes an int).
template <class... A>
constexpr bool Accepts(const char* format) {
  constexpr Kind kinds[] = {KindOf<A>()..., kOther};
  constexpr size_t sizes[] = {sizeof(A)..., 0};
  constexpr size_t count = sizeof...(A);
  size_t used = 0;
  auto take = [&](Kind kind, size_t size) {
    if (used >= count) return false;
    const Kind given = kinds[used];
    const size_t given_size = sizes[used];
    ++used;
    if (kind == kPointer) return given == kPointer || given == kString;
    if (given != kind) return false;
    if (kind == kInteger) return size == 0 ? given_size <= sizeof(int) : given_size == size;
    return true;
  };
  for (const char* p = format; *p; ++p) {
    if (*p != '%') continue;
    ++p;
    if (*p == '%') continue;
    while (*p == '-' || *p == '+' || *p == ' ' || *p == '#' || *p == '0') ++p;
    if (*p == '*') {
      if (!take(kInteger, 0)) return false;
      ++p;
    }
    while (*p >= '0' && *p <= '9') ++p;
    if (*p == '.') {
      ++p;
      if (*p == '*') {
        if (!take(kInteger, 0)) return false;
        ++p;
      }
      while (*p >= '0' && *p <= '9') ++p;
    }
    size_t size = 0;
    if (p[0] == 'h') {
      p += p[1] == 'h' ? 2 : 1;
    } else if (p[0] == 'l' && p[1] == 'l') {
      size = sizeof(long long), p += 2;
    } else if (p[0] == 'l') {
      size = sizeof(long), p += 1;
    } else if (p[0] == 'z' || p[0] == 't') {
      size = sizeof(size_t), p += 1;
    } else if (p[0] == 'j') {
      size = sizeof(intmax_t), p += 1;
    } else if (p[0] == 'I' && p[1] == '6' && p[2] == '4') {
      size = 8, p += 3;
    } else if (p[0] == 'I' && p[1] == '3' && p[2] == '2') {
      size = 4, p += 3;
    }
    switch (*p) {
      case 'd': case 'i': case 'u': case 'x': case 'X': case 'o': case 'c':
        if (!take(kInteger, size)) return false;
        break;
      case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A':
        if (!take(kFloating, 0)) return false;
        break;
      case 's':
        if (!take(kString, 0)) return false;
        break;
      case 'p':
        if (!take(kPointer, 0)) return false;
        break;
      default:
        return false;  // a conversion this check does not know, or a format ending in '%'
    }
  }
  return used == count;
}

}  // namespace log_format

// Writes one entry of the list to logger 0. Use QEL_LOG.
void LogEntry(const LogMessage& message, int line, ...);

template <LogItem I, class... A>
void LogAt(int line, LogTag<I>, A... args) {
  static_assert(log_format::Accepts<A...>(kLogMessages[static_cast<size_t>(I)].format),
                "the arguments do not match the message's format");
  LogEntry(MessageOf(I), line, args...);
}

// The message text an entry gives for these arguments: what tests look for in the log.
std::string LogTextOf(const LogMessage& message, ...);

template <LogItem I, class... A>
std::string LogText(LogTag<I>, A... args) {
  static_assert(log_format::Accepts<A...>(kLogMessages[static_cast<size_t>(I)].format),
                "the arguments do not match the message's format");
  return LogTextOf(MessageOf(I), args...);
}

}  // namespace qel

// QEL_LOG(Name, arguments...): logs entry Name of the list with the caller's line number.
#define QEL_LOG(...) ::qel::LogAt(__LINE__, ::qel::msg::__VA_ARGS__)
