// The themes page of the demo: one settings window drawn under each sample theme in turn,
// the theme loaded from its style document whenever the turn changes.
#pragma once

#include "frame/export_table.h"

// Frames each theme stays on screen before the next one is loaded.
constexpr int kThemeFrames = 60;

// The theme shown in a frame (frames count from 1): "light" first, then "dark", and so on.
const char* ThemeOfFrame(int frame);

// Describes the frame's interface (without input or Sync), loading the theme when it changes.
void DemoThemesFrame(const qel::ExportTable& exports, int frame);
