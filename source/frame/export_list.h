// The one list of the plug-in's exports.
//
// Each line: X(result type, Name, (parameters), "what it returns or does"). From this list
// come the checked prototypes (exports.h), the Windows export list, the host-style command
// names (Init1 -> Init1_L_L) and the reference page, all through tools/export_manifest.cpp,
// and the test that every export resolves by name in the built library.
//
// Types at the boundary are only int32_t, uint32_t, float, const char* and char*.
#pragma once

#define QEL_EXPORT_LIST(X)                                                                          \
  /* [SECTION] lifecycle and frame */                                                               \
  X(int32_t, Init0, (), "start-up with the library's own style; 1 when the context exists")         \
  X(int32_t, Init1, (int32_t mode), "start-up; mode > 0 applies the built-in theme, 2 its light variant; 1 when the context exists") \
  X(void, Sync, (), "one whole host frame: update, render, draw the interface, swap")                \
  X(void, Render, (int32_t anti_aliasing), "draws the interface only, inside a frame the host drives") \
  X(void, LogSetLocation, (const char* path), "log path used by the next Init1; empty keeps the current one") \
  X(void, FixedVirtualResolution, (int32_t flag), "non-zero draws into the render image shown by a screen-fixed sprite") \
  X(int32_t, GetQelRenderImage, (), "id of the render image the interface draws into in fixed mode") \
  X(int32_t, GetQelRenderSprite, (), "id of the sprite that shows the render image")                  \
  X(int32_t, GetMemblockInterface, (), "id of the 2048-byte interface memblock")                     \
  X(int32_t, GetLastEditEvent, (), "flags of the last EditString call")                          \
  /* [SECTION] input */                                                                             \
  X(void, HandleInput0, (), "feeds this frame's host input, mouse at the host's raw position")      \
  X(void, HandleInput1, (float x, float y), "feeds this frame's host input, mouse at (x, y) in interface pixels") \
  /* [SECTION] fonts */                                                                             \
  X(void, FontStashBegin, (), "opens a new font atlas for TrueType fonts")                          \
  X(void, FontStashEnd, (), "bakes the open atlas; with no font added the built-in font becomes the style font")
