// The export list as data for tests that call every export with hostile values: pools of
// hostile values per argument type, and one row per export with its name, kinds and how to
// call it (by round, or with chosen pool entries). Shared by the hostile-argument sweep and
// the random-script test.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "frame/export_list.h"
#include "frame/export_signature.h"
#include "frame/exports.h"

namespace qel {

inline constexpr int kMaxExportArguments = 16;

// Pools of hostile values; argument j of round r takes value (r + j) of its pool, so over the
// rounds every argument meets every value and neighbours differ.
inline const std::string& LongText() {
  static const std::string text(5000, 'x');
  return text;
}

// The hostile values for one argument type. Only the boundary's types have pools; a new
// type must get one here.
template <class T>
T Pick(int index) {
  static_assert(sizeof(T) == 0, "give this argument type a pool of hostile values");
  return T{};
}

template <>
inline int32_t Pick<int32_t>(int index) {
  static const int32_t pool[] = {0, -1, 1, 31, 32, 37, 65535, 65536, std::numeric_limits<int32_t>::max(),
                                 std::numeric_limits<int32_t>::min(), 0x7F, 2};
  return pool[index % (sizeof pool / sizeof *pool)];
}

template <>
inline uint32_t Pick<uint32_t>(int index) {
  static const uint32_t pool[] = {0, 1, 0x20, 0x10FFFF, 0x110000, 0xFFFFFFFFu, 0xD800};
  return pool[index % (sizeof pool / sizeof *pool)];
}

template <>
inline float Pick<float>(int index) {
  static const float pool[] = {0.0f,
                               -1.0f,
                               1e30f,
                               -1e30f,
                               std::numeric_limits<float>::quiet_NaN(),
                               std::numeric_limits<float>::infinity(),
                               -std::numeric_limits<float>::infinity(),
                               1e-30f,
                               65536.0f,
                               0.5f};
  return pool[index % (sizeof pool / sizeof *pool)];
}

template <>
inline const char* Pick<const char*>(int index) {
  static const char* const pool[] = {nullptr,
                                     "",
                                     "[",
                                     LongText().c_str(),
                                     "[1e309,nan,-inf,0x1p99999,,]]",
                                     "\xff\xfe\x80\xc3",
                                     "sweep",
                                     "[0.5,0.5",
                                     "raw:/nonexistent/\\\\..//"};
  return pool[index % (sizeof pool / sizeof *pool)];
}

// A native array of strings carries no length: its count is the caller's promise, which a
// sweep pairing it with huge counts cannot keep. Only the null array is swept; arrays with
// bad entries are tested with the drop-down itself.
template <>
inline const char* const* Pick<const char* const*>(int) {
  return nullptr;
}

// A pool value as C++ source would spell it, for listings of calls.
inline std::string Spelled(int32_t value) { return std::to_string(value); }
inline std::string Spelled(uint32_t value) { return std::to_string(value) + "u"; }
inline std::string Spelled(float value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INFINITY" : "-INFINITY";
  char text[32];
  std::snprintf(text, sizeof text, "%.9gf", static_cast<double>(value));
  return text;
}
inline std::string Spelled(const char* value) {
  if (!value) return "nullptr";
  if (value == LongText()) return "LongText().c_str()";
  std::string text = "\"";
  for (const char* c = value; *c; ++c) {
    const unsigned char byte = static_cast<unsigned char>(*c);
    if (byte == '"' || byte == '\\') {
      text += '\\';
      text += *c;
    } else if (byte < 0x20 || byte >= 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x\"\"", byte);
      text += escaped;
    } else {
      text += *c;
    }
  }
  return text + "\"";
}
inline std::string Spelled(const char* const* value) { return value ? "{...}" : "nullptr"; }

template <class... A, size_t... I>
std::string SpellPicks(const int* picks, std::index_sequence<I...>) {
  std::string text;
  ((text += (I ? ", " : "") + Spelled(Pick<A>(picks[I]))), ...);
  return text;
}

template <class R, class... A, size_t... I>
void CallWithIndices(R (*function)(A...), int round, std::index_sequence<I...>) {
  function(Pick<A>(round + static_cast<int>(I))...);
}

template <class R, class... A, size_t... I>
void CallWithPicks(R (*function)(A...), const int* picks, std::index_sequence<I...>) {
  function(Pick<A>(picks[I])...);
}

// How to call one signature with a round of hostile values. One instance per distinct
// signature, however many exports share it, so adding exports adds no code here.
template <class F>
struct CallShape;

template <class R, class... A>
struct CallShape<R (*)(A...)> {
  static void Call(void (*function)(), int round) {
    CallWithIndices(reinterpret_cast<R (*)(A...)>(function), round, std::index_sequence_for<A...>{});
  }
  // Argument j takes value picks[j] of its pool (a random script's call).
  static void CallPicked(void (*function)(), const int* picks) {
    CallWithPicks(reinterpret_cast<R (*)(A...)>(function), picks, std::index_sequence_for<A...>{});
  }
  // The host's letters for the signature, e.g. "L_SFF".
  static std::string Kinds() { return std::string(SignatureOf<R (*)(A...)>()); }
  // The picked arguments as source text, e.g. `1, nullptr, 0.5f`.
  static std::string SpellPicked(const int* picks) { return SpellPicks<A...>(picks, std::index_sequence_for<A...>{}); }
};

// Exports that would change what the test itself relies on: where the log goes and start-up.
inline const std::set<std::string>& CalledByHand() {
  static const std::set<std::string> names = {"Init0", "Init1", "LogSetLocation"};
  return names;
}

// What the export list says of one export: its name and result type, and how to call it.
// Pure data, one row per export, so more exports cost no more code.
struct ExportShape {
  const char* name;
  const char* result;                          // the result type as the export list spells it
  std::string (*kinds)();                      // result and argument kinds, host letters
  void (*call)(void (*function)(), int round);  // the call shape of its signature
  void (*call_picked)(void (*function)(), const int* picks);
  std::string (*spell_picked)(const int* picks);
};

inline constexpr ExportShape kExportShapes[] = {
#define QEL_SWEEP_SHAPE(result, name, params, doc) \
  {#name, #result, &CallShape<decltype(&::name)>::Kinds, &CallShape<decltype(&::name)>::Call,        \
   &CallShape<decltype(&::name)>::CallPicked, &CallShape<decltype(&::name)>::SpellPicked},
    QEL_EXPORT_LIST(QEL_SWEEP_SHAPE)
#undef QEL_SWEEP_SHAPE
};

// One export as the sweep walks it: its shape and its address in the loaded library.
struct SweepEntry {
  const ExportShape* shape;
  std::string kinds;
  void (*function)();
};

// The runtime table of every export but those called by hand, looked up by name through `find`.
inline std::vector<SweepEntry> SweepTable(const std::function<void*(const char* name)>& find) {
  std::vector<SweepEntry> table;
  for (const ExportShape& shape : kExportShapes) {
    if (CalledByHand().count(shape.name)) continue;
    table.push_back({&shape, shape.kinds(), reinterpret_cast<void (*)()>(find(shape.name))});
  }
  return table;
}

}  // namespace qel
