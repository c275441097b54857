// The host command table: every engine command the plug-in calls, resolved by name once in
// ReceiveQELPtr. A command the host does not provide is never called; calling it through
// the table gives the neutral answer (0, 0.0, a null string, nothing).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>


namespace qel {

// X(NAME, C function type): only the commands the plug-in binds. The name is the host's; its
// letters spell the type (checked where the table is made). The reference host's own list must serve each of
// them with the same type; its tests check that at compile time.
#define QEL_HOST_COMMAND_LIST(X)                                   \
  /* frame */                                                      \
  X(UPDATE_0_F, void(float))                                       \
  X(RENDER_0_0, void())                                            \
  X(SWAP_0_0, void())                                              \
  X(SYNC_0_0, void())                                              \
  X(CLEARSCREEN_0_0, void())                                       \
  /* screen */                                                     \
  X(GETDEVICEWIDTH_L_0, int32_t())                                 \
  X(GETDEVICEHEIGHT_L_0, int32_t())                                \
  X(GETVIRTUALWIDTH_L_0, int32_t())                                \
  X(GETVIRTUALHEIGHT_L_0, int32_t())                               \
  X(SETVIRTUALRESOLUTION_0_L_L, void(int32_t, int32_t))            \
  X(SETRENDERTOIMAGE_0_L_L, void(int32_t, int32_t))                \
  X(SETRENDERTOSCREEN_0_0, void())                                 \
  X(GETPOLYGONSDRAWN_L_0, int32_t())                               \
  /* sprites */                                                    \
  X(CREATESPRITE_L_L, int32_t(int32_t))                            \
  X(SETSPRITEPOSITIONBYOFFSET_0_L_F_F, void(int32_t, float, float)) \
  X(SETSPRITEFLIP_0_L_L_L, void(int32_t, int32_t, int32_t))        \
  X(SETSPRITEDEPTH_0_L_L, void(int32_t, int32_t))                  \
  X(SETSPRITETRANSPARENCY_0_L_L, void(int32_t, int32_t))           \
  X(FIXSPRITETOSCREEN_0_L_L, void(int32_t, int32_t))               \
  X(SETSPRITECOLORALPHA_0_L_L, void(int32_t, int32_t))             \
  X(SETSPRITEVISIBLE_0_L_L, void(int32_t, int32_t))                \
  X(GETSPRITEVISIBLE_L_L, int32_t(int32_t))                        \
  /* objects and camera */                                         \
  X(CREATEOBJECTBOX_L_F_F_F, int32_t(float, float, float))         \
  X(SETOBJECTCOLLISIONMODE_0_L_L, void(int32_t, int32_t))          \
  X(SETOBJECTPOSITION_0_L_F_F_F, void(int32_t, float, float, float)) \
  X(SETOBJECTTRANSPARENCY_0_L_L, void(int32_t, int32_t))           \
  X(SETOBJECTCOLOR_0_L_L_L_L_L, void(int32_t, int32_t, int32_t, int32_t, int32_t)) \
  X(SETOBJECTVISIBLE_0_L_L, void(int32_t, int32_t))                \
  X(GETCAMERAX_F_L, float(int32_t))                                \
  X(GETCAMERAY_F_L, float(int32_t))                                \
  X(GETCAMERAZ_F_L, float(int32_t))                                \
  /* images */                                                     \
  X(CREATEIMAGECOLOR_L_L_L_L_L, int32_t(int32_t, int32_t, int32_t, int32_t)) \
  X(CREATERENDERIMAGE_L_L_L_L_L, int32_t(int32_t, int32_t, int32_t, int32_t)) \
  X(LOADIMAGE_L_S, int32_t(const char*))                           \
  X(LOADIMAGE_L_S_L, int32_t(const char*, int32_t))                \
  X(LOADIMAGE_0_L_S_L, void(int32_t, const char*, int32_t))        \
  X(GETIMAGEEXISTS_L_L, int32_t(int32_t))                          \
  X(GETIMAGEWIDTH_F_L, float(int32_t))                             \
  X(GETIMAGEHEIGHT_F_L, float(int32_t))                            \
  X(GETOPENGLIMAGEID_L_L, int32_t(int32_t))                        \
  /* memblocks */                                                  \
  X(CREATEMEMBLOCK_L_L, int32_t(int32_t))                          \
  X(CREATEMEMBLOCK_0_L_L, void(int32_t, int32_t))                  \
  X(CREATEMEMBLOCKFROMFILE_L_S, int32_t(const char*))              \
  X(CREATEMEMBLOCKFROMIMAGE_L_L, int32_t(int32_t))                 \
  X(GETMEMBLOCKEXISTS_L_L, int32_t(int32_t))                       \
  X(GETMEMBLOCKSIZE_L_L, int32_t(int32_t))                         \
  X(GETMEMBLOCKPTR_P_L, void*(int32_t))                            \
  X(DELETEMEMBLOCK_0_L, void(int32_t))                             \
  /* files */                                                      \
  X(GETFILEEXISTS_L_S, int32_t(const char*))                       \
  X(OPENTOREAD_L_S, int32_t(const char*))                          \
  X(READLINE_S_L, char*(int32_t))                                  \
  X(FILEEOF_L_L, int32_t(int32_t))                                 \
  X(CLOSEFILE_0_L, void(int32_t))                                  \
  X(GETREADPATH_S_0, char*())                                      \
  X(JOINPATHS_S_S_S, char*(const char*, const char*))              \
  /* strings */                                                    \
  X(CREATESTRING_S_L, char*(int32_t))                              \
  X(LEN_L_S, int32_t(const char*))                                 \
  X(VAL_L_S, int32_t(const char*))                                 \
  X(COUNTSTRINGTOKENS_L_S_S, int32_t(const char*, const char*))    \
  X(GETSTRINGTOKEN_S_S_S_L, char*(const char*, const char*, int32_t)) \
  X(REPLACESTRING_S_S_S_S_L, char*(const char*, const char*, const char*, int32_t)) \
  /* input and time */                                             \
  X(GETRAWKEYSTATE_L_L, int32_t(int32_t))                          \
  X(GETRAWKEYPRESSED_L_L, int32_t(int32_t))                        \
  X(GETRAWLASTKEY_L_0, int32_t())                                  \
  X(GETRAWMOUSEX_F_0, float())                                     \
  X(GETRAWMOUSEY_F_0, float())                                     \
  X(GETRAWMOUSELEFTPRESSED_L_0, int32_t())                         \
  X(GETRAWMOUSELEFTRELEASED_L_0, int32_t())                        \
  X(GETRAWMOUSERIGHTSTATE_L_0, int32_t())                          \
  X(GETRAWMOUSEMIDDLESTATE_L_0, int32_t())                         \
  X(GETRAWMOUSEWHEELDELTA_F_0, float())                            \
  X(GETCHARBUFFERLENGTH_L_0, int32_t())                            \
  X(GETLASTCHAR_L_0, int32_t())                                    \
  X(GETCHARBUFFER_S_0, char*())                                    \
  X(GETFRAMETIME_F_0, float())                                     \
  X(GETMILLISECONDS_L_0, int32_t())                                \
  X(FLOOR_L_F, int32_t(float))

// One resolved command: calls through when the host gave it, else answers neutrally.
template <class Signature>
struct HostCommand;

template <class R, class... A>
struct HostCommand<R(A...)> {
  using Function = R (*)(A...);
  Function function = nullptr;

  bool available() const { return function != nullptr; }
  R operator()(A... args) const {
    if (function) return function(args...);
    if constexpr (!std::is_void_v<R>) return R{};
  }
};

struct HostCommandTable {
#define QEL_HOST_COMMAND_MEMBER(name, signature) HostCommand<signature> name;
  QEL_HOST_COMMAND_LIST(QEL_HOST_COMMAND_MEMBER)
#undef QEL_HOST_COMMAND_MEMBER
};

// The table every module calls the host through.
HostCommandTable& HostCommands();

// Resolves every command through the host's lookup; returns the names it did not get.
std::vector<std::string> ResolveHostCommands(void* (*lookup)(const char* name));

// The names the last resolve did not get (empty before ReceiveQELPtr).
const std::vector<std::string>& MissingHostCommands();

// Whether the host's lookup has been received at all (false before ReceiveQELPtr).
bool HostCommandsReceived();

// A host memblock's bytes when the block exists and holds at least `needed` bytes, else null.
// Looked up at each use: a script may delete or remake a block at any time.
uint8_t* HostMemblockBytes(int32_t memblock, int64_t needed);

// A string result for the script: a new host string (CREATESTRING_S_L, length + 1) holding
// `length` bytes of `text`; null when the host makes none. The host owns and frees it.
char* HostString(const char* text, size_t length);

}  // namespace qel
