// The script's colour table: one colour per style colour slot, filled slot by slot, applied
// to the whole live style at once, and read back as numbers or as "styleitem" lines.
#pragma once

#include <array>
#include <string>

#include "nuklear_config.h"
#include "style/vocabulary.h"

namespace qel {

static_assert(NK_COLOR_COUNT == kColorSlotCount, "one colour per named colour slot");

// Empty until the first begin; from then on it holds one colour per slot, and keeps them
// after the table is applied so that it can be changed and applied again.
struct ColorTableBuilder {
  bool begun = false;
  std::array<struct nk_color, kColorSlotCount> colors{};
};

// Empties the table to all-zero colours (`defaults` false) or Nuklear's own colours.
void BeginColorTable(ColorTableBuilder& table, bool defaults);

// The packed colours, unsigned decimal, joined by ";"; "" before the first begin.
std::string ColorTableNumbers(const ColorTableBuilder& table);

// One "styleitem" line per slot, named after it, colour as RRGGBBAA; "" before the first begin.
std::string ColorTableTags(const ColorTableBuilder& table);

}  // namespace qel
