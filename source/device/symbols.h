// Widget symbols: every symbol a widget shows (button symbols, scrollbar and slider arrows,
// tree and window header buttons, combo arrows) is drawn here. Our Nuklear patch hands each
// of its symbol requests to nk_qel_draw_symbol, which draws it with DrawSymbol.
//
// A symbol value is a symbol number (1 to 36; 0 and anything else draws nothing) or-ed with
// modifier bits (NK_SYMBOL_MOD_*). Every symbol is drawn in the working square: side
// min(w, h) at the content rectangle's top-left corner.
#pragma once

#include "nuklear_config.h"

namespace qel {

inline constexpr int kSymbolCount = NK_SYMBOL_MAX;  // symbol numbers 0 to 36
inline constexpr int kSymbolModifierMask =
    NK_SYMBOL_MOD_INVERTED | NK_SYMBOL_MOD_FRAMED | NK_SYMBOL_MOD_CIRCLED | NK_SYMBOL_MOD_RESERVED;

// The symbol number of a value: the value without its modifier bits.
constexpr int SymbolNumber(int value) { return value & ~kSymbolModifierMask; }

// Draws the symbol `value` into `out` with the library's drawing commands. `font` draws the
// text symbols (x, _, +, -); without a font they draw nothing.
void DrawSymbol(nk_command_buffer* out, int value, struct nk_rect content, nk_color background,
                nk_color foreground, const nk_user_font* font);

}  // namespace qel
