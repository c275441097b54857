// The context a widget export may draw with: a window is current and its panel is open to
// widgets. Nuklear asserts on a minimized or hidden panel, so those answer like no window.
#pragma once

#include "frame/plugin_state.h"
#include "nuklear_config.h"

namespace qel {

inline nk_context* CellContext() {
  nk_context* ctx = WidgetContext();
  if (!ctx) return nullptr;
  const nk_flags shut = NK_WINDOW_HIDDEN | NK_WINDOW_MINIMIZED | NK_WINDOW_CLOSED;
  return (ctx->current->layout->flags & shut) ? nullptr : ctx;
}

}  // namespace qel
