// The arithmetic of a chart value before Nuklear draws it.
#pragma once

#include "nuklear_config.h"

namespace qel {

// Whether a value can be drawn on the slot at all: a finite value, a slot with a finite,
// non-empty range and room for one more value. Nuklear divides by the range and by the
// count, and draws lines on past the chart's right edge when a slot is full.
bool ChartSlotTakes(const struct nk_chart_slot& slot, float value);

// The value held to the slot's range.
float ChartClamp(const struct nk_chart_slot& slot, float value);

// Where a slot's columns start: 0 when the range holds it, else the range's end nearest to 0.
// Nuklear's column arithmetic grows columns from 0 and overshoots the chart otherwise.
float ChartColumnBase(const struct nk_chart_slot& slot);

}  // namespace qel
