// The style stack: pushes save the live structure of one widget before a named style (or a
// memory block) is set over it, and each pop puts back the latest save, whatever its
// widget. The stack is bounded, so a script that pushes every frame and never pops stops
// at the bound instead of growing without end.
#pragma once

#include <cstdint>

#include "nuklear_config.h"
#include "style/widget_styles.h"

namespace qel {

// The most saves the stack holds; a push beyond it is refused with an ERROR.
inline constexpr int32_t kStyleStackDepth = 1024;

// Saves the live structure of `widget` (3 to 20) on top of the stack, reusing the block of an earlier
// pop when there is one. False (ERROR naming `pushed_name`, nothing saved) when the stack is
// full; false without a message when there is no context or the widget has no structure.
// The caller sets its style over the live one only after a true answer.
bool SaveLiveStyleOnStack(nk_context* ctx, int32_t widget, const char* pushed_name);

}  // namespace qel
