#include "frame/host_commands.h"

#include <cstdint>
#include <cstring>

#include "frame/export_signature.h"
#include "frame/exports.h"

namespace qel {
namespace {

#define QEL_CHECK_HOST_COMMAND_SPELLING(name, signature)      \
  static_assert(NameSpells(#name, SignatureOf<signature>()), \
                "the letters of " #name " do not spell its C type");
QEL_HOST_COMMAND_LIST(QEL_CHECK_HOST_COMMAND_SPELLING)
#undef QEL_CHECK_HOST_COMMAND_SPELLING

HostCommandTable g_table;
std::vector<std::string> g_missing;
bool g_received = false;

template <class Command>
void Resolve(Command& command, const char* name, void* (*lookup)(const char*),
             std::vector<std::string>& missing) {
  void* entry = lookup ? lookup(name) : nullptr;
  command.function = reinterpret_cast<typename Command::Function>(entry);
  if (!entry) missing.emplace_back(name);
}

}  // namespace

HostCommandTable& HostCommands() { return g_table; }

std::vector<std::string> ResolveHostCommands(void* (*lookup)(const char* name)) {
  std::vector<std::string> missing;
  // CREATESTRING_S_L comes first: it is the command every string result depends on.
  Resolve(g_table.CREATESTRING_S_L, "CREATESTRING_S_L", lookup, missing);
#define QEL_RESOLVE_COMMAND(name, signature) \
  if (&g_table.name != static_cast<void*>(&g_table.CREATESTRING_S_L)) Resolve(g_table.name, #name, lookup, missing);
  QEL_HOST_COMMAND_LIST(QEL_RESOLVE_COMMAND)
#undef QEL_RESOLVE_COMMAND
  g_missing = missing;
  g_received = true;
  return missing;
}

const std::vector<std::string>& MissingHostCommands() { return g_missing; }

bool HostCommandsReceived() { return g_received; }

uint8_t* HostMemblockBytes(int32_t memblock, int64_t needed) {
  if (!g_table.GETMEMBLOCKEXISTS_L_L(memblock) || g_table.GETMEMBLOCKSIZE_L_L(memblock) < needed) return nullptr;
  return static_cast<uint8_t*>(g_table.GETMEMBLOCKPTR_P_L(memblock));
}

char* HostString(const char* text, size_t length) {
  if (length > static_cast<size_t>(INT32_MAX - 1)) return nullptr;
  char* out = g_table.CREATESTRING_S_L(static_cast<int32_t>(length + 1));
  if (!out) return nullptr;
  if (length) std::memcpy(out, text, length);
  out[length] = '\0';
  return out;
}

}  // namespace qel

extern "C" QEL_API void QEL_CALL ReceiveQELPtr(QelCommandLookup lookup) { qel::ResolveHostCommands(lookup); }
