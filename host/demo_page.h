// What every page of the demo shares: the page record the demo selects by name, and the
// flags, alignments, symbols and colours a script would name as constants of its own.
#pragma once

#include <cstdint>

#include "frame/export_table.h"
#include "qelhost.h"

// A page of the demo: a set of windows played as a script plays them. `start` runs once after
// the plug-in, its fonts and its images are loaded (may be null); `frame` describes every
// window once a frame, between the plug-in's input and its Sync. `input` (may be null) drives
// the host's scripted input before the plug-in reads it, so that headless screenshots show
// menus and popups open; it is not called when a real window's input is live.
struct DemoPage {
  const char* name;
  void (*start)(const qel::ExportTable& x, qel::Host& host);
  void (*frame)(const qel::ExportTable& x, int frame);
  void (*input)(qel::Host& host, int frame);
};

// One function per page file.
const DemoPage& MainDemoPage();
const DemoPage& ValuesDemoPage();
const DemoPage& ListsDemoPage();
const DemoPage& PanelsDemoPage();
const DemoPage& StylesDemoPage();
const DemoPage& ThemesDemoPage();

namespace demo {

constexpr int32_t kBorder = 1, kMovable = 2, kScalable = 4, kMinimizable = 16, kNoScrollbar = 32, kTitle = 64;
constexpr int32_t kWindow = kBorder | kMovable | kTitle;
constexpr int32_t kLeft = 17, kCentered = 18, kRight = 20;
constexpr int32_t kTriangleRight = 10, kPlus = 11, kMinus = 12;

constexpr int32_t Rgba(uint32_t r, uint32_t g, uint32_t b, uint32_t a = 255) {
  return static_cast<int32_t>(r | (g << 8) | (b << 16) | (a << 24));
}

constexpr int32_t kSwatches[] = {Rgba(230, 126, 34), Rgba(46, 204, 113), Rgba(52, 152, 219), Rgba(155, 89, 182)};
constexpr const char* kSwatchNames[] = {"Orange", "Green", "Blue", "Purple"};

}  // namespace demo
