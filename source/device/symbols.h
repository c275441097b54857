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

// Scripts and style documents pass symbols by number, so the patched enumeration must keep
// numbering the extended symbols as they are drawn.
static_assert(NK_SYMBOL_MINUS == 12 && NK_SYMBOL_CHECK == 13, "the extended symbols follow the library's own");
static_assert(NK_SYMBOL_CROSS == 14 && NK_SYMBOL_CHEVRON_UP == 15 && NK_SYMBOL_CHEVRON_DOWN == 16 &&
                  NK_SYMBOL_CHEVRON_LEFT == 17 && NK_SYMBOL_CHEVRON_RIGHT == 18,
              "cross and chevrons are symbols 14 to 18");
static_assert(NK_SYMBOL_BARS == 19 && NK_SYMBOL_DOUBLE_CHEVRON_UP == 21 && NK_SYMBOL_LINE_VERTICAL == 25 &&
                  NK_SYMBOL_TRIANGLE_LEFT_TO_BAR == 29 && NK_SYMBOL_TRIANGLE_LEFT_FROM_BAR == 33,
              "bars, double chevrons, lines and barred triangles keep their numbers");
static_assert(NK_SYMBOL_TRIANGLE_DOWN_FROM_BAR == 36 && NK_SYMBOL_MAX == 37, "37 symbol numbers, 0 to 36");
inline constexpr int kSymbolModifierMask =
    NK_SYMBOL_MOD_INVERTED | NK_SYMBOL_MOD_FRAMED | NK_SYMBOL_MOD_CIRCLED | NK_SYMBOL_MOD_RESERVED;

// The symbol number of a value: the value without its modifier bits.
constexpr int SymbolNumber(int value) { return value & ~kSymbolModifierMask; }

// Draws the symbol `value` into `out` with the library's drawing commands. `font` draws the
// text symbols (x, _, +, -); without a font they draw nothing.
void DrawSymbol(nk_command_buffer* out, int value, struct nk_rect content, nk_color background,
                nk_color foreground, const nk_user_font* font);

}  // namespace qel
