// Panels inside the current window: groups, popups, tooltips and contextual menus, and the
// count of begun panels that tells a stored panel from a later one in the same storage.
#pragma once

#include <cstdint>

#include "nuklear_config.h"

namespace qel {

inline constexpr int kTrackedPanelDepth = 16;

struct PanelsState {
  // Every panel begun gets the next number; the number of the panel last begun at each
  // nesting depth is kept. Nuklear hands an ended panel's storage to the next panel that
  // opens, so a stored panel is still the same panel only while its depth keeps its number.
  uint32_t begun = 0;
  uint32_t number_at_depth[kTrackedPanelDepth] = {};
};

PanelsState& Panels();

// Numbers the current window's panel as newly begun. Every export that begins a panel (a
// window, group, popup, tooltip, contextual menu, combo or menu) calls it once the begin has
// succeeded.
void NotePanelBegun(nk_context* ctx);

// The number of the panel begun last at this panel's depth; 0 for depths not tracked.
uint32_t PanelNumber(const nk_panel* panel);

// Ends whatever groups and popups the script left open inside the current window (closing
// the popups), so that ending the window finishes the window's own panel and not theirs.
void EndOpenSubPanels(nk_context* ctx);

}  // namespace qel
