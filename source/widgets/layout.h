// Layout: rows of ratio or pixel columns, rows pushed column by column, template rows,
// free layout spaces and the minimum row height. LayoutRow takes its columns as text and
// keeps the numbers where Nuklear can read them while the row is filled.
#pragma once

#include <deque>
#include <vector>

#include "nuklear_config.h"

namespace qel {

struct LayoutState {
  // The row ratio buffers, one per panel nesting level (a window's panel is level 0, a group
  // inside it level 1, ...), so that a LayoutRow inside a group leaves the ratios of the row
  // holding that group alone. Each LayoutRow refills the buffer of its level.
  std::deque<std::vector<float>> row_ratios;
};

LayoutState& Layout();

// Replaces `out` with the numbers of a column list such as "[0.25,0.5,0.25]": the text
// after the first "[", split at ",", "]" and "[" (runs of them give no empty token, text
// after the last one is a token), each token read as strtod reads it (0 when it holds no
// number). Without a "[" the list is empty. A null text is empty.
void ParseRowRatios(const char* text, std::vector<float>& out);

// Nesting level of a panel: the number of panels it sits in.
int PanelDepth(const nk_panel* panel);

}  // namespace qel
