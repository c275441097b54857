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
  X(void, FontStashEnd, (), "bakes the open atlas; with no font added the built-in font becomes the style font") \
  X(int32_t, FontAtlasAddFromFile, (const char* id, const char* path, float size), "adds a TrueType font read through the host to the open atlas; 1 when added") \
  X(int32_t, FontAtlasAddFromSystem, (const char* id, const char* file, float size), "FontAtlasAddFromFile with a file of the system font folder") \
  X(void, FontAddFromFile, (const char* id, const char* path, float size), "adds a TrueType font at an operating-system path to the open atlas; a taken id is skipped silently") \
  X(int32_t, FontAtlasAddQelFont0, (int32_t image, const char* id, const char* image_file), "bitmap font from a host image and its subimages file, loaded into that image id when above 0; the image id, or 0") \
  X(int32_t, FontAtlasAddQelFont1, (const char* id, const char* image_file), "FontAtlasAddQelFont0 into a new host image") \
  X(void, FontAddGlyphRange, (uint32_t first, uint32_t last), "adds a range of characters to what later TrueType fonts bake (up to 32)") \
  X(void, FontSetGlyphRange, (int32_t index), "later TrueType fonts bake built-in range table 0 to 5: Latin-1, Chinese, Cyrillic, Korean, Japanese, Greek") \
  X(float, FontGetHeight, (), "height of the style font; 0 without one")                             \
  X(float, FontGetLabelWidth, (const char* text), "width of the text in the style font; 0 without one") \
  X(float, FontGetTextWidth, (const char* text, int32_t length), "width of the first length bytes of the text in the style font; 0 without one")
