// Drawn mouse cursors: named cursors made from image style items, installed for the
// library's cursor kinds, and drawn by Nuklear at the mouse when shown.
#pragma once

#include <cstdint>

#include "frame/named_table.h"
#include "nuklear_config.h"

namespace qel {

// Cursors by name. The live style's cursor slots point at entries of this table, so an entry
// keeps its address for as long as the process runs: a std::map node is never moved, Put
// assigns over an existing entry in place, and nothing removes entries.
using CursorTable = NamedTable<struct nk_cursor>;

inline constexpr int32_t kCursorKindCount = NK_CURSOR_COUNT;  // cursor kinds 0 to 6

// Whether `kind` names one of the style's cursor slots.
constexpr bool IsCursorKind(int32_t kind) { return kind >= 0 && kind < kCursorKindCount; }

// A cursor's size and offset as they can be drawn: a size that is not a positive finite
// number takes the image's own (`image_w`, `image_h`); sizes and offsets are kept within what
// Nuklear's 16-bit draw commands hold. `bounded` tells whether a finite value had to be cut.
struct CursorPlacement {
  struct nk_vec2 size;
  struct nk_vec2 offset;
  bool bounded = false;
};
CursorPlacement PlaceCursor(float size_x, float size_y, float offset_x, float offset_y, int image_w, int image_h);

}  // namespace qel
