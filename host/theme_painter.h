// Draws the image atlases of the sample themes: rounded, bordered, softly shaded cells for
// buttons, window header and body, edit fields, toggles and the slider knob. Plain pixels,
// no GL, so the same atlas comes out on every machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "qelhost.h"

namespace qel::themes {

struct Rgba8 {
  uint8_t r = 0, g = 0, b = 0, a = 255;
};

// Fill gradient top to bottom, and the one-pixel outline around it.
struct Shade {
  Rgba8 top, bottom, outline;
};

struct Palette {
  Shade button, button_hover, button_active;
  Shade accent, accent_hover, accent_active;
  Shade header, panel;
  Shade field, field_active;
  Shade box, box_hover;
  Rgba8 mark;  // check mark, option dot
  Shade knob;
};

Palette LightPalette();
Palette DarkPalette();

// Where each cell of an atlas lies. The theme documents name these regions; a unit test holds
// them to this table.
struct Cell {
  const char* name;
  int x, y, size;
};
constexpr int kCellSize = 32;
constexpr int kCellPitch = 36;  // a transparent gutter keeps filtered samples inside their cell
constexpr int kAtlasColumns = 5, kAtlasRows = 4;
constexpr int kAtlasWidth = kAtlasColumns * kCellPitch, kAtlasHeight = kAtlasRows * kCellPitch;
const std::vector<Cell>& AtlasCells();

Pixels PaintAtlas(const Palette& palette);

// Writes "light.png" and "dark.png" into the folder; false when one cannot be written.
bool WriteThemeAtlases(const std::string& folder);

}  // namespace qel::themes
