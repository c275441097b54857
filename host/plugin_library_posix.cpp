#include "plugin_library.h"

#include <dlfcn.h>

namespace qel::engine {

void* OpenPluginLibrary(const std::string& path, std::string& error) {
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    const char* reason = dlerror();
    error = reason ? reason : "unknown error";
  }
  return library;
}

void* PluginLibrarySymbol(void* library, const char* name) { return library && name ? dlsym(library, name) : nullptr; }

void ClosePluginLibrary(void* library) {
  if (library) dlclose(library);
}

}  // namespace qel::engine
