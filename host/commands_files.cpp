// File commands: existence, line reading and paths. A file id that was never opened (or
// failed to open) reads as empty and at its end, so a read loop over it stops at once.
#include <string>

#include "command_list.h"
#include "host_state.h"
#include "text.h"

namespace qel::engine::commands {

int32_t GETFILEEXISTS_L_S(const char* file) { return file && LiveHost()->files.Exists(file) ? 1 : 0; }

int32_t OPENTOREAD_L_S(const char* file) { return file ? LiveHost()->files.OpenToRead(file) : 0; }

char* READLINE_S_L(int32_t file) {
  HostState& host = *LiveHost();
  std::string line;
  host.files.ReadLine(file, line);
  return host.strings.Copy(line);
}

int32_t FILEEOF_L_L(int32_t file) { return LiveHost()->files.AtEnd(file) ? 1 : 0; }

void CLOSEFILE_0_L(int32_t file) { LiveHost()->files.Close(file); }

char* GETREADPATH_S_0() {
  HostState& host = *LiveHost();
  return host.strings.Copy(host.files.read_path());
}

char* JOINPATHS_S_S_S(const char* first, const char* second) {
  return LiveHost()->strings.Copy(JoinPath(first ? first : "", second ? second : ""));
}

}  // namespace qel::engine::commands
