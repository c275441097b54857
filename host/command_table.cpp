#include "command_table.h"

#include <type_traits>

#include "command_list.h"
#include "host_state.h"

namespace qel::engine {

namespace {

// The letter a C type has in a command name.
template <class T>
constexpr char LetterOf() {
  if constexpr (std::is_void_v<T>) return '0';
  else if constexpr (std::is_same_v<T, int32_t>) return 'L';
  else if constexpr (std::is_same_v<T, float>) return 'F';
  else if constexpr (std::is_same_v<T, char*> || std::is_same_v<T, const char*>) return 'S';
  else if constexpr (std::is_same_v<T, void*>) return 'P';
  else return '?';
}

// True when `name` (COMMAND_R_A_B...) spells the result and parameter types of F.
template <class F>
struct Spelling;
template <class R, class... A>
struct Spelling<R (*)(A...)> {
  static constexpr bool Matches(const char* name) {
    const char expected[] = {LetterOf<R>(), LetterOf<A>()..., sizeof...(A) == 0 ? '0' : '\0', '\0'};
    size_t at = 0;
    while (name[at] && name[at] != '_') ++at;  // skip the command itself
    size_t letter = 0;
    while (name[at] == '_') {
      const char c = name[at + 1];
      if (c == '\0' || (name[at + 2] != '_' && name[at + 2] != '\0')) return false;  // one letter each
      if (expected[letter] != c) return false;
      ++letter;
      at += 2;
    }
    return name[at] == '\0' && expected[letter] == '\0';
  }
};

enum class CommandIndex : size_t {
#define QEL_COMMAND_INDEX(name, result, params) name,
  QEL_ENGINE_COMMANDS(QEL_COMMAND_INDEX)
#undef QEL_COMMAND_INDEX
};

constexpr const char* kNames[] = {
#define QEL_COMMAND_NAME(name, result, params) #name,
    QEL_ENGINE_COMMANDS(QEL_COMMAND_NAME)
#undef QEL_COMMAND_NAME
};

// What the plug-in actually calls: with no live host the command answers neutrally, and a
// host that records calls notes the command's name first.
template <CommandIndex I, auto F>
struct Served;
template <CommandIndex I, class R, class... A, R (*F)(A...)>
struct Served<I, F> {
  static R Call(A... args) {
    HostState* host = LiveHost();
    if (!host || !host->ready) {
      if constexpr (std::is_void_v<R>) return;
      else return R{};
    }
    if (host->recording_calls) host->calls.emplace_back(kNames[static_cast<size_t>(I)]);
    return F(args...);
  }
};

#define QEL_CHECK_SPELLING(name, result, params)                                       \
  static_assert(Spelling<decltype(&commands::name)>::Matches(#name),                 \
                "the letters of " #name " do not match its result and parameter types");
QEL_ENGINE_COMMANDS(QEL_CHECK_SPELLING)
#undef QEL_CHECK_SPELLING

const CommandEntry kTable[] = {
#define QEL_COMMAND_ENTRY(name, result, params) \
  {#name, reinterpret_cast<void*>(&Served<CommandIndex::name, &commands::name>::Call)},
    QEL_ENGINE_COMMANDS(QEL_COMMAND_ENTRY)
#undef QEL_COMMAND_ENTRY
};

}  // namespace

const CommandEntry* CommandTable(size_t& count) {
  count = std::size(kTable);
  return kTable;
}

void* FindCommand(std::string_view name) {
  for (const CommandEntry& entry : kTable)
    if (name == entry.name) return entry.entry;
  return nullptr;
}

}  // namespace qel::engine
