// The name -> entry point table of engine commands, built from command_list.h.
#pragma once

#include <cstddef>
#include <string_view>

namespace qel::engine {

struct CommandEntry {
  const char* name;
  void* entry;  // the command as a plain C function, cast to a data pointer for the lookup
};

// Every command, in list order.
const CommandEntry* CommandTable(size_t& count);

// The entry point of a command, or nullptr for a name the engine does not know.
void* FindCommand(std::string_view name);

}  // namespace qel::engine
