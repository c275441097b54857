// Loading the plug-in's shared library and finding its exports: dlopen/dlsym on Linux,
// LoadLibrary/GetProcAddress on Windows, behind one interface so the host binds both the same way.
#pragma once

#include <string>

namespace qel::engine {

// The loaded library, or nullptr with the system's reason in `error`.
void* OpenPluginLibrary(const std::string& path, std::string& error);
// The named export of a loaded library, or nullptr.
void* PluginLibrarySymbol(void* library, const char* name);
void ClosePluginLibrary(void* library);

}  // namespace qel::engine
