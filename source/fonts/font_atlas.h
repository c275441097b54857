// The font atlas: TrueType fonts baked between FontStashBegin and FontStashEnd into one
// texture, which also provides the white pixel every untextured shape is drawn with.
#pragma once

#include <GL/glew.h>

#include "nuklear_config.h"

namespace qel {

struct FontAtlasState {
  nk_font_atlas atlas{};
  nk_font_atlas* open = nullptr;  // the atlas between FontStashBegin and FontStashEnd
  bool baked_once = false;        // the device has a font texture and a null texture
};

FontAtlasState& FontAtlas();

// Makes sure windows can be drawn: a baked atlas (for the white pixel shapes use) and a
// style font. A script that never baked fonts gets the built-in 13-pixel font; one that
// registered fonts but chose none gets its first one.
void EnsureStyleFont();

}  // namespace qel
