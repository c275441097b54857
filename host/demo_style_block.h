// The demo's style-block window: the button style taken into a host memory block, its
// border, rounding and border colour edited there with the host's own memory commands, and
// the block applied to the buttons of the window.
#pragma once

#include <cstdint>

#include "frame/export_table.h"

struct StyleBlockDemo {
  int32_t edited = 0;    // the block the sliders write into
  int32_t original = 0;  // the button style as it was, to set back after the window
  float border = 2.0f;
  float rounding = 8.0f;
};

// Makes the two blocks; call once after start-up (and after the theme is set).
void StyleBlockDemoStart(const qel::ExportTable& x, StyleBlockDemo& demo);

// The window at (x, y); the buttons drawn inside it use the edited block.
void StyleBlockDemoWindow(const qel::ExportTable& x, StyleBlockDemo& demo, float left, float top);
