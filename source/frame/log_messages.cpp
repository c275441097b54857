#include "frame/log_messages.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace qel {

void LogEntry(const LogMessage& message, int line, ...) {
  va_list args;
  va_start(args, line);
  LogV(message.source, line, message.level, 0, message.format, args);
  va_end(args);
}

std::string LogTextOf(const LogMessage& message, ...) {
  va_list args;
  va_start(args, message);
  va_list again;
  va_copy(again, args);
  const int needed = std::vsnprintf(nullptr, 0, message.format, args);
  va_end(args);
  std::string text;
  if (needed > 0) {
    std::vector<char> buffer(static_cast<size_t>(needed) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), message.format, again);
    text.assign(buffer.data(), static_cast<size_t>(needed));
  }
  va_end(again);
  return text;
}

}  // namespace qel
