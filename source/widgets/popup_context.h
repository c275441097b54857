// The checks every combo, menu and contextual path makes before it hands the context to
// Nuklear.
#pragma once

#include "nuklear_config.h"
#include "widgets/cell_context.h"
#include "widgets/panels.h"

namespace qel {

// True when the current window is a popup (combo, menu, contextual or plain popup): only
// there may an item close it or an end export end it.
inline bool InPopup(const nk_context* ctx) {
  const nk_window* win = ctx->current;
  return win && win->parent && win->layout && (win->layout->type & NK_PANEL_SET_POPUP);
}

// The context a combo or menu header may open its popup from: a window that takes widgets
// and is not itself a popup (Nuklear has no popups inside popups).
inline nk_context* PopupHeaderContext() {
  nk_context* ctx = CellContext();
  return ctx && !InPopup(ctx) ? ctx : nullptr;
}

// A combo or menu header's answer: 1 when its popup began, numbered as a begun panel so that
// panels stored inside it are told apart from a later popup's; else 0.
inline int32_t BeganPopup(nk_context* ctx, int began) {
  if (began) NotePanelBegun(ctx);
  return began ? 1 : 0;
}

}  // namespace qel
