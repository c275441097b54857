// Setting and removing environment variables in tests, on Linux and Windows alike. On Windows
// the variables live in the C runtime both the test program and the plug-in DLL share, and
// setting one to "" removes it, which readers of the variable treat as unset either way.
#pragma once

#include <cstdlib>
#include <string>

namespace qel {

inline void SetEnvironmentValue(const char* name, const std::string& value) {
#ifdef _WIN32
  _putenv_s(name, value.c_str());
#else
  setenv(name, value.c_str(), 1);
#endif
}

inline void ClearEnvironmentValue(const char* name) {
#ifdef _WIN32
  _putenv_s(name, "");
#else
  unsetenv(name);
#endif
}

}  // namespace qel
