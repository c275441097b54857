// The plug-in's list of the commands it binds against the engine's list of the commands it
// serves, and the naming convention both lists are spelled in.
#include <gtest/gtest.h>

#include <string_view>
#include <type_traits>

#include "command_list.h"
#include "frame/export_signature.h"
#include "frame/host_commands.h"
#include "served_signatures.h"

namespace qel {
namespace {

// Every command the plug-in binds is served under its name, with the same letters and the
// same C type: a command the engine lacks or serves otherwise fails the build here.
#define QEL_CHECK_SERVED(name, signature)                                                 \
  static_assert(engine::ServedSignatureOf(#name) == SignatureOf<signature>(),            \
                "the engine does not serve " #name " with the letters the plug-in binds"); \
  static_assert(std::is_same_v<signature, decltype(engine::commands::name)>,             \
                "the engine serves " #name " with another C type than the plug-in binds");
QEL_HOST_COMMAND_LIST(QEL_CHECK_SERVED)
#undef QEL_CHECK_SERVED

struct SpelledType {
  std::string_view spelled;
  std::string_view expected;
};

TEST(CommandSignature, EachTypeSpellsItsLetters) {
  const SpelledType cases[] = {
      {SignatureOf<void()>(), "0_0"},
      {SignatureOf<int32_t()>(), "L_0"},
      {SignatureOf<void(float)>(), "0_F"},
      {SignatureOf<uint32_t(int32_t)>(), "L_L"},
      {SignatureOf<void*(int32_t)>(), "P_L"},
      {SignatureOf<char*(const char*, const char*)>(), "S_S_S"},
      {SignatureOf<const char*(float, int32_t, char*)>(), "S_F_L_S"},
      {SignatureOf<void(int32_t, int32_t, int32_t, int32_t, int32_t)>(), "0_L_L_L_L_L"},
      {SignatureOf<int32_t (*)(float)>(), "L_F"},                  // a pointer spells its function
      {SignatureOf<void(void* (*)(const char*))>(), "0_P"},        // a lookup function is a pointer
  };
  for (const SpelledType& c : cases) EXPECT_EQ(c.spelled, c.expected);
}

TEST(CommandSignature, NameSpellsOnlyItsOwnLetters) {
  const struct {
    std::string_view name;
    std::string_view signature;
    bool spells;
  } cases[] = {
      {"CREATESTRING_S_L", "S_L", true},
      {"SYNC_0_0", "0_0", true},
      {"SETOBJECTCOLOR_0_L_L_L_L_L", "0_L_L_L_L_L", true},
      {"CREATESTRING_S_L", "S_L_L", false},    // an argument missing from the name
      {"CREATESTRING_S_L_L", "S_L", false},    // an argument too many in the name
      {"CREATESTRING_L_S", "S_L", false},      // result and argument swapped
      {"GETRAWLASTKEY_l_0", "L_0", false},     // letters are exact
      {"SYNC_0", "0_0", false},                // no argument letter at all
      {"SYNC__0_0", "0_0", false},
      {"CREATESTRING", "S_L", false},          // no letters
      {"_S_L", "S_L", false},                  // no command
      {"", "0_0", false},
  };
  for (const auto& c : cases) EXPECT_EQ(NameSpells(c.name, c.signature), c.spells) << c.name << " / " << c.signature;
}

TEST(CommandSignature, EngineTableAnswersOnlyExactNames) {
  const SpelledType cases[] = {
      {engine::ServedSignatureOf("SYNC_0_0"), "0_0"},
      {engine::ServedSignatureOf("GETMEMBLOCKPTR_P_L"), "P_L"},
      {engine::ServedSignatureOf("REPLACESTRING_S_S_S_S_L"), "S_S_S_S_L"},
      {engine::ServedSignatureOf("SETCAMERAPOSITION_0_L_F_F_F"), "0_L_F_F_F"},  // served, not bound
      {engine::ServedSignatureOf("SYNC_0"), ""},
      {engine::ServedSignatureOf("SYNC_0_0_0"), ""},
      {engine::ServedSignatureOf("sync_0_0"), ""},
      {engine::ServedSignatureOf("NOSUCHCOMMAND_0_0"), ""},
      {engine::ServedSignatureOf(""), ""},
  };
  for (const SpelledType& c : cases) EXPECT_EQ(c.spelled, c.expected);
}

}  // namespace
}  // namespace qel
