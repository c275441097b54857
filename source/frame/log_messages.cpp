#include "frame/log_messages.h"

#include <cstdarg>

namespace qel {

void LogEntry(const LogMessage& message, int line, ...) {
  va_list args;
  va_start(args, line);
  LogV(message.source, line, message.level, 0, message.format, args);
  va_end(args);
}

}  // namespace qel
