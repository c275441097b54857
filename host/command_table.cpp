#include "command_table.h"

#include <type_traits>

#include "command_list.h"
#include "frame/export_signature.h"
#include "host_state.h"

namespace qel::engine {

namespace {

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

#define QEL_CHECK_SPELLING(name, result, params)                              \
  static_assert(NameSpells(#name, SignatureOf<decltype(commands::name)>()), \
                "the letters of " #name " do not spell its result and parameter types");
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
