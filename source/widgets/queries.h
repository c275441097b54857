// Input and widget-cell queries: what the script can ask about this frame's input and about
// the next cell of the current row, for widgets it builds itself from the canvas exports.
#pragma once

#include <cstdint>

#include "nuklear_config.h"

namespace qel {

// The layout state of the last Widget or WidgetFitting call; -1 until the first one. It
// outlives frames.
struct QueriesState {
  int32_t last_widget_state = -1;
};

QueriesState& Queries();

// Skips `cols` cells of the current row as nk_spacing does, wrapping over rows. Nothing for
// cols <= 0 or a row of no columns; more than kMaxSkippedCells cells are cut to that many.
void SkipCells(nk_context* ctx, int32_t cols);

// Enough for any real layout; it keeps one call from walking billions of rows.
inline constexpr int32_t kMaxSkippedCells = 1 << 16;

}  // namespace qel
