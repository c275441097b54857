#include "frame/log_messages.h"

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

#include "frame/boundary.h"
#include "frame/plugin_state.h"

namespace qel {
namespace {

constexpr size_t kFormatLimit = 256;  // formats hold up to 255 characters
constexpr size_t kBufferSize = 4096;

std::unique_ptr<LoggerRecord>* Slots() { return State().log.slots; }

LoggerRecord* Find(int id) {
  if (id < 0 || id >= kLoggerSlots) return nullptr;
  return Slots()[id].get();
}

std::string Truncated(const char* text) {
  std::string s(text);
  if (s.size() >= kFormatLimit) s.resize(kFormatLimit - 1);
  return s;
}

const char* FileNameOf(const char* path) {
  const char* name = path;
  if (const char* slash = std::strrchr(name, '/')) name = slash + 1;
  if (const char* backslash = std::strrchr(name, '\\')) name = backslash + 1;
  return name;
}

// The local date or time through a strftime format; nothing when it is empty or too long.
std::string LocalTimeText(const char* format, const std::tm& local) {
  char text[kFormatLimit];
  size_t n = std::strftime(text, sizeof text, format, &local);
  return std::string(text, n);
}

}  // namespace

void CreateLogger(int id, std::FILE* file) {
  if (id < 0 || id >= kLoggerSlots) {
    std::fprintf(stderr, "No such logger: %d\n", id);
    if (file) std::fclose(file);
    return;
  }
  if (Slots()[id]) {
    std::fprintf(stderr, "Logger %d already initialized.\n", id);
    if (file) std::fclose(file);
    return;
  }
  LoggerRecord* record = new (std::nothrow) LoggerRecord;
  if (!record) {
    std::fprintf(stderr, "Failed to allocate logger: %s\n", std::strerror(ENOMEM));
    if (file) std::fclose(file);
    return;
  }
  record->file = file;
  Slots()[id].reset(record);
}

bool LoggerExists(int id) { return Find(id) != nullptr; }

void ReplaceLoggerFile(int id, std::FILE* file) {
  LoggerRecord* record = Find(id);
  if (!record) {
    if (file) std::fclose(file);
    return;
  }
  if (record->file && record->file != file) std::fclose(record->file);
  record->file = file;
}

void SetLoggerMinimumLevel(int id, int level) {
  if (LoggerRecord* record = Find(id)) record->minimum_level = level;
}

void SetLoggerFormats(int id, const char* line, const char* date, const char* time) {
  LoggerRecord* record = Find(id);
  if (!record) return;
  if (line) record->line_format = Truncated(line);
  if (date) record->date_format = Truncated(date);
  if (time) record->time_format = Truncated(time);
}

std::string FormatLogLine(const char* line_format, const char* date_format, const char* time_format,
                          const char* source, int line, int level, const char* message, long long now) {
  std::time_t instant = static_cast<std::time_t>(now);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &instant);
#else
  localtime_r(&instant, &local);
#endif
  std::string out;
  out.reserve(kBufferSize);
  for (const char* p = line_format; *p; ++p) {
    if (*p != '%') {
      out += *p;
      continue;
    }
    const char selector = *++p;
    if (selector == '\0') break;
    switch (selector) {
      case 'd': out += LocalTimeText(date_format, local); break;
      case 't': out += LocalTimeText(time_format, local); break;
      case 'f': out += FileNameOf(TextOrEmpty(source)); break;
      case 'n': out += std::to_string(line); break;
      case 'l': out += (level >= kLogDebug && level <= kLogError) ? kLogLevelNames[level] : ""; break;
      case 'm': out += message; break;
      case '%': out += '%'; break;
      default: break;  // an unknown placeholder prints nothing
    }
  }
  return out;
}

void Log(const char* source, int line, int level, int id, const char* format, ...) {
  va_list args;
  va_start(args, format);
  LogV(source, line, level, id, format, args);
  va_end(args);
}

void LogV(const char* source, int line, int level, int id, const char* format, va_list args) {
  LoggerRecord* record = Find(id);
  if (!record) {
    std::fprintf(stderr, "No such logger: %d\n", id);
    return;
  }
  if (level < record->minimum_level) return;

  char stack_buffer[kBufferSize];
  std::unique_ptr<char[]> heap_buffer;
  const char* message = stack_buffer;
  va_list again;
  va_copy(again, args);
  int needed = std::vsnprintf(stack_buffer, sizeof stack_buffer, format, args);
  if (needed < 0) {
    va_end(again);
    std::fprintf(stderr, "Formatting failed (1).\n");
    return;
  }
  if (static_cast<size_t>(needed) >= sizeof stack_buffer) {
    heap_buffer.reset(new (std::nothrow) char[static_cast<size_t>(needed) + 1]);
    if (!heap_buffer || std::vsnprintf(heap_buffer.get(), static_cast<size_t>(needed) + 1, format, again) < 0) {
      va_end(again);
      std::fprintf(stderr, "Formatting failed (1).\n");
      return;
    }
    message = heap_buffer.get();
  }
  va_end(again);

  std::string text;
  try {
    text = FormatLogLine(record->line_format.c_str(), record->date_format.c_str(),
                         record->time_format.c_str(), source, line, level, message,
                         static_cast<long long>(std::time(nullptr)));
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "Formatting failed (2).\n");
    return;
  }
  if (!record->file) return;
  // A full disk often shows only when the buffer is flushed; both count as a failed write.
  const bool written = std::fwrite(text.data(), 1, text.size(), record->file) == text.size();
  if (std::fflush(record->file) != 0 || !written)
    std::fprintf(stderr, "Unable to write to log file: %s\n", std::strerror(errno));
}

}  // namespace qel
