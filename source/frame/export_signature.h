// The host's naming convention for C functions, written once for exports, the plug-in's host
// commands and the reference host's commands: one letter for the result, then one per
// argument (L integer, F float, S string, P pointer, 0 none), joined by '_', e.g.
// Init1 -> "L_L", Sync -> "0_0", GETMEMBLOCKPTR_P_L -> "P_L". Everything here works in
// constant expressions, so lists of commands can be checked against each other at compile time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
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
                  "the host boundary carries only 32-bit integers, floats, strings and pointers");
    return 'L';
  }
}

// A signature's letters as zero-terminated text of fixed length.
template <size_t Length>
struct SignatureText {
  char letters[Length + 1] = {};
  constexpr std::string_view view() const { return std::string_view(letters, Length); }
};

template <class F>
struct Signature;

template <class R, class... A>
struct Signature<R(A...)> {
  // A function of no arguments still spells one argument letter: "0".
  static constexpr size_t kLetterCount = 1 + (sizeof...(A) == 0 ? 1 : sizeof...(A));

  static constexpr SignatureText<2 * kLetterCount - 1> Spell() {
    const char letters[] = {SignatureLetter<R>(), SignatureLetter<A>()..., '0'};
    SignatureText<2 * kLetterCount - 1> text;
    for (size_t i = 0; i < kLetterCount; ++i) {
      if (i > 0) text.letters[2 * i - 1] = '_';
      text.letters[2 * i] = letters[i];
    }
    return text;
  }
};

template <class R, class... A>
struct Signature<R (*)(A...)> : Signature<R(A...)> {};

template <class F>
inline constexpr auto kSignatureText = Signature<F>::Spell();

// The letters of a function type or function pointer type, e.g. SignatureOf<int32_t(float)>()
// is "L_F"; the text lives as long as the program.
template <class F>
constexpr std::string_view SignatureOf() {
  return kSignatureText<F>.view();
}

// Whether a command name (the command, then its letters: COMMAND_R_A_B...) spells `signature`.
// The command itself holds no '_', so its letters are everything after the first one.
constexpr bool NameSpells(std::string_view name, std::string_view signature) {
  const size_t cut = name.find('_');
  return cut != std::string_view::npos && cut > 0 && name.substr(cut + 1) == signature;
}

}  // namespace qel
