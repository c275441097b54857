#include "plugin_library.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace qel::engine {

namespace {

// FormatMessage's text for a system error code, without its trailing line break.
std::string SystemErrorText(DWORD code) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length && text ? std::string(text, length) : "error " + std::to_string(code);
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) message.pop_back();
  return message;
}

}  // namespace

void* OpenPluginLibrary(const std::string& path, std::string& error) {
  HMODULE library = LoadLibraryA(path.c_str());
  if (!library) error = SystemErrorText(GetLastError());
  return reinterpret_cast<void*>(library);
}

void* PluginLibrarySymbol(void* library, const char* name) {
  if (!library || !name) return nullptr;
  // GetProcAddress returns a function pointer type; the host casts it back to the export's type.
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void ClosePluginLibrary(void* library) {
  if (library) FreeLibrary(static_cast<HMODULE>(library));
}

}  // namespace qel::engine
