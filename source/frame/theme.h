// The plug-in's built-in theme: the library's full style, then our own colours, sizes and
// symbols from a table of 41 colours.
#pragma once

#include "nuklear_config.h"

namespace qel {

inline constexpr int kThemeColorCount = 41;

// The entries of a theme table, named after the part of the style they colour first; most
// entries colour a few more fields (see ApplyThemeTable).
enum ThemeColor : int {
  kThemeTransparent = 0,
  kThemeText = 1,                  // plain text, edit text and cursor
  kThemeWidgetText = 2,            // text of every widget
  kThemeScrollbarButton = 3,       // also the contextual button's border
  kThemeWindow = 4,
  kThemeHeader = 5,
  kThemeHeaderButtonHover = 6,
  kThemeWindowBorder = 7,
  kThemeBorder = 8,                // widget and panel borders
  kThemeButton = 9,
  kThemeButtonHover = 10,
  kThemeButtonActive = 11,
  kThemeMenuButton = 12,
  kThemeMenuButtonHover = 13,
  kThemeMenuButtonActive = 14,
  kThemeToggle = 15,
  kThemeToggleHover = 16,
  kThemeToggleCursor = 17,
  kThemeToggleCursorHover = 18,
  kThemeSelect = 19,
  kThemeSelectHover = 20,
  kThemeSelectActive = 21,
  kThemeSelectActiveHover = 22,
  kThemeProgress = 23,             // also the scrollbar borders
  kThemeSlider = 24,
  kThemeSliderActive = 25,
  kThemeSliderCursor = 26,
  kThemeSliderCursorHover = 27,    // also the progress cursor
  kThemeSliderCursorActive = 28,   // also the slider's filled bar and the active progress cursor
  kThemeProperty = 29,
  kThemeEdit = 30,                 // also the text under edit cursors and selections
  kThemeUnused = 31,               // no field takes it
  kThemeCombo = 32,
  kThemeChart = 33,
  kThemeChartColor = 34,
  kThemeChartColorHighlight = 35,
  kThemeScrollbar = 36,
  kThemeScrollbarCursor = 37,
  kThemeScrollbarCursorHover = 38,
  kThemeScrollbarCursorActive = 39,
  kThemeTabHeader = 40,
};
static_assert(kThemeTabHeader + 1 == kThemeColorCount, "every theme table entry has a name");

// The table used when none is given.
extern const nk_color kDefaultThemeTable[kThemeColorCount];

// Styles the context from `table` (41 colours) or, when null, from kDefaultThemeTable.
void ApplyThemeTable(nk_context* ctx, const nk_color* table);

// The light variant that Init1 mode 2 uses, derived from the default table.
const nk_color* LightThemeTable();

}  // namespace qel
