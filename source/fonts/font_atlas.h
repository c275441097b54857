// The font atlas: TrueType fonts baked between FontStashBegin and FontStashEnd into one
// texture, which also provides the white pixel every untextured shape is drawn with.
#pragma once

#include <GL/glew.h>

#include <cstddef>
#include <deque>
#include <vector>

#include "nuklear_config.h"

namespace qel {

struct FontAtlasState {
  nk_font_atlas atlas{};
  nk_font_atlas* open = nullptr;  // the atlas between FontStashBegin and FontStashEnd
  bool baked_once = false;        // the device has a font texture and a null texture
  // Each atlas font's own range list (its configuration points here); kept for the process,
  // like the fonts.
  std::deque<std::vector<nk_rune>> font_ranges;
};

FontAtlasState& FontAtlas();

// Makes sure windows can be drawn: a baked atlas (for the white pixel shapes use) and a
// style font. A script that never baked fonts gets the built-in font; one that registered
// fonts but chose none gets its first one.
void EnsureStyleFont();

// Memory for a font file from the open atlas's permanent allocator (null when no atlas is
// open or none can be had). The atlas owns it once AddAtlasFont succeeds.
void* AllocateFontBytes(size_t size);

// Adds TrueType bytes (from AllocateFontBytes) to the open atlas at `pixel_size`, with the
// current glyph range configuration. On failure the bytes are given back and null returned.
// The font measures and draws nothing until its atlas is baked.
nk_font* AddAtlasFont(void* bytes, size_t size, float pixel_size);

// A font handle that measures 0 and draws nothing: what an atlas font is until its atlas is
// baked, and stays when the bake fails.
void MakeEmptyFontHandle(nk_user_font& handle, float height, nk_handle texture);

}  // namespace qel
