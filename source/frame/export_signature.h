// Turns an export's C type into the host's naming convention: one letter for the result,
// then one per argument (L integer, F float, S string, P pointer, 0 none), e.g.
// Init1 -> "L_L", Sync -> "0_0".
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

namespace qel {

template <class T>
constexpr char SignatureLetter() {
  if constexpr (std::is_void_v<T>) {
    return '0';
  } else if constexpr (std::is_same_v<T, float>) {
    return 'F';
  } else if constexpr (std::is_same_v<T, const char*> || std::is_same_v<T, char*>) {
    return 'S';
  } else if constexpr (std::is_pointer_v<T>) {
    return 'P';
  } else {
    static_assert(std::is_same_v<T, int32_t> || std::is_same_v<T, uint32_t>,
                  "exports take and return only 32-bit integers, floats and strings");
    return 'L';
  }
}

template <class R, class... A>
std::string SignatureOf(R (*)(A...)) {
  std::string s(1, SignatureLetter<R>());
  if constexpr (sizeof...(A) == 0) {
    s += "_0";
  } else {
    ((s += '_', s += SignatureLetter<A>()), ...);
  }
  return s;
}

}  // namespace qel
