// Every engine command the host serves, once: its name (which spells its signature: result
// letter, then one letter per argument; L int32, F float, S string, P pointer, 0 none), its
// C result type and its parameters. The command's function carries the same name.
#pragma once

#include <cstdint>

// X(NAME, result type, (parameters))
#define QEL_ENGINE_COMMANDS(X)                                                               \
  /* frame: commands_frame.cpp */                                                            \
  X(UPDATE_0_F, void, (float seconds))                                                       \
  X(RENDER_0_0, void, ())                                                                    \
  X(SWAP_0_0, void, ())                                                                      \
  X(SYNC_0_0, void, ())                                                                      \
  X(CLEARSCREEN_0_0, void, ())                                                               \
  /* screen: commands_screen.cpp */                                                          \
  X(GETDEVICEWIDTH_L_0, int32_t, ())                                                         \
  X(GETDEVICEHEIGHT_L_0, int32_t, ())                                                        \
  X(GETVIRTUALWIDTH_L_0, int32_t, ())                                                        \
  X(GETVIRTUALHEIGHT_L_0, int32_t, ())                                                       \
  X(SETVIRTUALRESOLUTION_0_L_L, void, (int32_t width, int32_t height))                       \
  X(SETRENDERTOIMAGE_0_L_L, void, (int32_t image, int32_t depth_image))                      \
  X(SETRENDERTOSCREEN_0_0, void, ())                                                         \
  X(GETPOLYGONSDRAWN_L_0, int32_t, ())                                                       \
  X(SETCLEARCOLOR_0_L_L_L, void, (int32_t red, int32_t green, int32_t blue))                 \
  /* sprites: commands_sprites.cpp */                                                        \
  X(CREATESPRITE_L_L, int32_t, (int32_t image))                                              \
  X(DELETESPRITE_0_L, void, (int32_t sprite))                                                \
  X(SETSPRITEPOSITIONBYOFFSET_0_L_F_F, void, (int32_t sprite, float x, float y))             \
  X(SETSPRITESIZE_0_L_F_F, void, (int32_t sprite, float width, float height))                \
  X(SETSPRITEFLIP_0_L_L_L, void, (int32_t sprite, int32_t horizontal, int32_t vertical))     \
  X(SETSPRITEDEPTH_0_L_L, void, (int32_t sprite, int32_t depth))                             \
  X(SETSPRITETRANSPARENCY_0_L_L, void, (int32_t sprite, int32_t mode))                       \
  X(FIXSPRITETOSCREEN_0_L_L, void, (int32_t sprite, int32_t fixed))                          \
  X(SETSPRITECOLORALPHA_0_L_L, void, (int32_t sprite, int32_t alpha))                        \
  X(SETSPRITEVISIBLE_0_L_L, void, (int32_t sprite, int32_t visible))                         \
  X(GETSPRITEVISIBLE_L_L, int32_t, (int32_t sprite))                                         \
  X(GETSPRITEEXISTS_L_L, int32_t, (int32_t sprite))                                          \
  /* objects and camera: commands_objects.cpp */                                             \
  X(CREATEOBJECTBOX_L_F_F_F, int32_t, (float width, float height, float length))             \
  X(DELETEOBJECT_0_L, void, (int32_t object))                                                \
  X(SETOBJECTCOLLISIONMODE_0_L_L, void, (int32_t object, int32_t mode))                      \
  X(SETOBJECTPOSITION_0_L_F_F_F, void, (int32_t object, float x, float y, float z))          \
  X(SETOBJECTTRANSPARENCY_0_L_L, void, (int32_t object, int32_t mode))                       \
  X(SETOBJECTCOLOR_0_L_L_L_L_L,                                                              \
    void, (int32_t object, int32_t red, int32_t green, int32_t blue, int32_t alpha))         \
  X(SETOBJECTVISIBLE_0_L_L, void, (int32_t object, int32_t visible))                         \
  X(GETOBJECTVISIBLE_L_L, int32_t, (int32_t object))                                         \
  X(GETCAMERAX_F_L, float, (int32_t camera))                                                 \
  X(GETCAMERAY_F_L, float, (int32_t camera))                                                 \
  X(GETCAMERAZ_F_L, float, (int32_t camera))                                                 \
  X(SETCAMERAPOSITION_0_L_F_F_F, void, (int32_t camera, float x, float y, float z))          \
  /* images: commands_images.cpp */                                                          \
  X(CREATEIMAGECOLOR_L_L_L_L_L, int32_t, (int32_t red, int32_t green, int32_t blue, int32_t alpha)) \
  X(CREATERENDERIMAGE_L_L_L_L_L,                                                             \
    int32_t, (int32_t width, int32_t height, int32_t format, int32_t mipmap))                \
  X(LOADIMAGE_L_S, int32_t, (const char* file))                                              \
  X(LOADIMAGE_L_S_L, int32_t, (const char* file, int32_t black_to_alpha))                    \
  X(LOADIMAGE_0_L_S_L, void, (int32_t image, const char* file, int32_t black_to_alpha))      \
  X(GETIMAGEEXISTS_L_L, int32_t, (int32_t image))                                            \
  X(GETIMAGEWIDTH_F_L, float, (int32_t image))                                               \
  X(GETIMAGEHEIGHT_F_L, float, (int32_t image))                                              \
  X(GETOPENGLIMAGEID_L_L, int32_t, (int32_t image))                                          \
  /* memblocks: commands_memblocks.cpp */                                                    \
  X(CREATEMEMBLOCK_L_L, int32_t, (int32_t size))                                             \
  X(CREATEMEMBLOCK_0_L_L, void, (int32_t memblock, int32_t size))                            \
  X(CREATEMEMBLOCKFROMFILE_L_S, int32_t, (const char* file))                                 \
  X(CREATEMEMBLOCKFROMIMAGE_L_L, int32_t, (int32_t image))                                   \
  X(GETMEMBLOCKEXISTS_L_L, int32_t, (int32_t memblock))                                      \
  X(GETMEMBLOCKSIZE_L_L, int32_t, (int32_t memblock))                                        \
  X(GETMEMBLOCKPTR_P_L, void*, (int32_t memblock))                                           \
  X(DELETEMEMBLOCK_0_L, void, (int32_t memblock))                                            \
  /* files: commands_files.cpp */                                                            \
  X(GETFILEEXISTS_L_S, int32_t, (const char* file))                                          \
  X(OPENTOREAD_L_S, int32_t, (const char* file))                                             \
  X(READLINE_S_L, char*, (int32_t file))                                                     \
  X(FILEEOF_L_L, int32_t, (int32_t file))                                                    \
  X(CLOSEFILE_0_L, void, (int32_t file))                                                     \
  X(GETREADPATH_S_0, char*, ())                                                              \
  X(JOINPATHS_S_S_S, char*, (const char* first, const char* second))                         \
  /* strings: commands_strings.cpp */                                                        \
  X(CREATESTRING_S_L, char*, (int32_t bytes))                                                \
  X(LEN_L_S, int32_t, (const char* text))                                                    \
  X(VAL_L_S, int32_t, (const char* text))                                                    \
  X(COUNTSTRINGTOKENS_L_S_S, int32_t, (const char* text, const char* delimiters))            \
  X(GETSTRINGTOKEN_S_S_S_L, char*, (const char* text, const char* delimiters, int32_t index)) \
  X(REPLACESTRING_S_S_S_S_L,                                                                 \
    char*, (const char* text, const char* find, const char* replacement, int32_t count))     \
  /* input and time: commands_input.cpp */                                                   \
  X(GETRAWKEYSTATE_L_L, int32_t, (int32_t key))                                              \
  X(GETRAWKEYPRESSED_L_L, int32_t, (int32_t key))                                            \
  X(GETRAWKEYRELEASED_L_L, int32_t, (int32_t key))                                           \
  X(GETRAWLASTKEY_L_0, int32_t, ())                                                          \
  X(GETRAWMOUSEX_F_0, float, ())                                                             \
  X(GETRAWMOUSEY_F_0, float, ())                                                             \
  X(GETRAWMOUSELEFTPRESSED_L_0, int32_t, ())                                                 \
  X(GETRAWMOUSELEFTRELEASED_L_0, int32_t, ())                                                \
  X(GETRAWMOUSELEFTSTATE_L_0, int32_t, ())                                                   \
  X(GETRAWMOUSERIGHTSTATE_L_0, int32_t, ())                                                  \
  X(GETRAWMOUSEMIDDLESTATE_L_0, int32_t, ())                                                 \
  X(GETRAWMOUSEWHEELDELTA_F_0, float, ())                                                    \
  X(GETCHARBUFFERLENGTH_L_0, int32_t, ())                                                    \
  X(GETLASTCHAR_L_0, int32_t, ())                                                            \
  X(GETCHARBUFFER_S_0, char*, ())                                                            \
  X(GETFRAMETIME_F_0, float, ())                                                             \
  X(GETMILLISECONDS_L_0, int32_t, ())                                                        \
  X(FLOOR_L_F, int32_t, (float value))

namespace qel::engine::commands {

#define QEL_DECLARE_ENGINE_COMMAND(name, result, params) result name params;
QEL_ENGINE_COMMANDS(QEL_DECLARE_ENGINE_COMMAND)
#undef QEL_DECLARE_ENGINE_COMMAND

}  // namespace qel::engine::commands
