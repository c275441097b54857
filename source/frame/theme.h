// The plug-in's built-in theme: the library's full style, then our own colours, sizes and
// symbols from a table of 41 colours.
#pragma once

#include "nuklear_config.h"

namespace qel {

inline constexpr int kThemeColorCount = 41;

// The table used when none is given.
extern const nk_color kDefaultThemeTable[kThemeColorCount];

// Styles the context from `table` (41 colours) or, when null, from kDefaultThemeTable.
void ApplyThemeTable(nk_context* ctx, const nk_color* table);

// The light variant that Init1 mode 2 uses, derived from the default table.
const nk_color* LightThemeTable();

}  // namespace qel
