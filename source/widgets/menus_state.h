// Combos, menus and the image drop-down: the state they keep.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "nuklear_config.h"

namespace qel {

// The one open image drop-down, in interface pixels; h = 0 when none is open. The drop-down
// whose slot starts exactly at (x, y) owns it.
struct DropDownRect {
  float x = 0, y = 0, w = 0, h = 0;
};

struct MenusState {
  DropDownRect drop_down;
  // Pieces of a separated list, each NUL-terminated, and pointers to them; kept so that a
  // list drawn every frame reuses their storage.
  std::string pieces;
  std::vector<const char*> piece_starts;
  struct Frame {
    const nk_panel* menubar = nullptr;  // the panel whose menu bar is begun and not yet ended
  } frame;
};

// Splits `text` at every byte equal to `separator` (a character code 1 to 255; any other
// value splits nothing) into at most `limit` pieces, stored in `state` as NUL-terminated
// strings. Never reads past the text's terminating NUL. Returns the number of pieces.
int SplitPieces(MenusState& state, const char* text, int32_t separator, int32_t limit);

}  // namespace qel
