// Feeds the host's raw input to the context once per frame, with a key-repeat throttle and
// double-click detection the host does not have.
#pragma once

#include <cstdint>

#include "nuklear_config.h"

namespace qel {

struct InputState {
  float key_repeat_timer = 0.0f;    // seconds until a held key is fed again
  uint32_t last_click_time = 0;     // milliseconds of the last single left release
  bool have_last_click = false;     // last_click_time holds a release a double click may pair with
};

InputState& Input();

// Seconds a pressed key waits before it repeats, and between repeats.
inline constexpr float kKeyRepeatDelay = 0.5f;
inline constexpr float kKeyRepeatInterval = 0.025f;
// Two left releases at most this many milliseconds apart make a double click.
inline constexpr uint32_t kDoubleClickTime = 500;

// Translates one frame of host input with the mouse at (x, y) in interface pixels.
void TranslateInput(nk_context* ctx, float x, float y);

}  // namespace qel
