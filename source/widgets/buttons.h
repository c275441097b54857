// Buttons: plain buttons, the button behaviour stack, and the click consumption that every
// button path of the plug-in (styled buttons, spinner, drop-downs, menu items) shares.
#pragma once

#include <cstdint>

#include "nuklear_config.h"

namespace qel {

// Every button that fires takes the left click with it: the left button's clicked count
// goes to 0, so no widget after it in the frame sees that click. Returns 1 when `fired`.
inline int32_t ConsumeClick(nk_context* ctx, int fired) {
  if (!fired) return 0;
  ctx->input.mouse.buttons[NK_BUTTON_LEFT].clicked = 0;
  return 1;
}

// Nuklear's behaviour for a script's number: 0 fires once per click, anything else repeats.
inline nk_button_behavior ButtonBehavior(int32_t behavior) {
  return behavior == 0 ? NK_BUTTON_DEFAULT : NK_BUTTON_REPEATER;
}

// A symbol number as Nuklear takes it (numbers 0 to 36 with the modifier bits); a negative
// number is no symbol.
inline nk_symbol_type ToSymbolType(int32_t symbol) {
  return symbol < 0 ? NK_SYMBOL_NONE : static_cast<nk_symbol_type>(symbol);
}

}  // namespace qel
