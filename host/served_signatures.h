// Every command the engine serves with the letters its C type spells, as a table usable in
// constant expressions, so a plug-in's list of the commands it binds can be checked against
// the engine's at compile time.
#pragma once

#include <cstddef>
#include <string_view>

#include "command_list.h"
#include "frame/export_signature.h"

namespace qel::engine {

struct ServedSignature {
  std::string_view name;
  std::string_view signature;  // e.g. "L_S" for int32_t(const char*)
};

inline constexpr ServedSignature kServedSignatures[] = {
#define QEL_SERVED_SIGNATURE(name, result, params) {#name, SignatureOf<decltype(commands::name)>()},
    QEL_ENGINE_COMMANDS(QEL_SERVED_SIGNATURE)
#undef QEL_SERVED_SIGNATURE
};

// The letters the engine serves `name` with; empty for a name it does not serve.
constexpr std::string_view ServedSignatureOf(std::string_view name) {
  for (const ServedSignature& served : kServedSignatures)
    if (served.name == name) return served.signature;
  return {};
}

}  // namespace qel::engine
