// The plug-in's state, all of it: one root object with a member per subsystem, made on first
// use and kept for the life of the process (nothing is torn down). Every table, buffer and
// flag the plug-in keeps between calls is reachable from State(); nothing else in the
// plug-in keeps state of its own, except the host command table (frame/host_commands.cpp).
//
// Per-frame state lives in a `frame` member of the family that uses it, and
// ResetFrameState() resets all of them at the end of each frame. A family's accessor
// (Device(), Fonts(), Images(), Windows(), ...) is only a shorthand for its member here.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "device/clipboard.h"
#include "device/input.h"
#include "device/render_device.h"
#include "fonts/font_atlas.h"
#include "fonts/font_table.h"
#include "fonts/glyph_ranges.h"
#include "fonts/qel_font.h"
#include "frame/logger.h"
#include "images/image_table.h"
#include "nuklear_config.h"
#include "style/color_table.h"
#include "style/cursors.h"
#include "style/memblock_styles.h"
#include "style/style_items.h"
#include "style/widget_styles.h"
#include "widgets/editing.h"
#include "widgets/layout.h"
#include "widgets/menus_state.h"
#include "widgets/panels.h"
#include "widgets/queries.h"
#include "widgets/spinner.h"
#include "widgets/trees.h"
#include "widgets/windows.h"

namespace qel {

// Start-up and the log file.
struct FrameState {
  std::string log_path = "nuklear.log";   // where the next Init1 opens the log
  std::string open_log_path;              // the path logger 0 writes to, empty when none is open
  int32_t interface_memblock = 0;         // 2048-byte block for results of several values
  bool interface_block_reported = false;  // a failed remake is logged once until one succeeds
  struct nk_image placeholder{};          // what a failed image lookup shows
};

// TrueType fonts of the atlas, host-image fonts, and the table that names them all.
struct FontsState {
  FontTable table;
  FontAtlasState atlas;
  GlyphRangeState ranges;
  QelFontList qel_fonts;
};

// The style system's tables and stack.
struct StyleState {
  StyleItemTable items;
  WidgetStyleTable widget_styles;
  StyleStack stack;
  // Blocks of popped saves, taken again by later pushes: no allocation per push and pop.
  std::vector<std::shared_ptr<WidgetStyleBlock>> spare_blocks;
  MemblockStyleTable memblocks;  // style memory blocks by name
  ColorTableBuilder color_table;
  CursorTable cursors;
};

struct PluginRoot {
  LoggerState log;
  FrameState frame;
  RenderDevice device;  // owns the one nk_context
  ClipboardState clipboard;
  InputState input;
  FontsState fonts;
  ImagesState images;
  StyleState style;
  LayoutState layout;
  WindowsState windows;
  PanelsState panels;
  QueriesState queries;
  SpinnerState spinner;
  TreesState trees;
  MenusState menus;
  EditingState editing;
};

PluginRoot& State();

// Puts every family's per-frame state back to its start; Sync and Render call it once the
// frame is drawn.
void ResetFrameState();

// The context, or null before start-up. Every export starts from here.
inline nk_context* Context() {
  RenderDevice& device = State().device;
  return device.initialised ? &device.context : nullptr;
}

// The context when a window is open to take a widget, else null. Widget exports do nothing
// without one (Nuklear would only assert).
inline nk_context* WidgetContext() {
  nk_context* ctx = Context();
  return ctx && ctx->current && ctx->current->layout ? ctx : nullptr;
}

inline constexpr int32_t kInterfaceMemblockSize = 2048;

// The interface memblock's id, checked at each use: when the script has deleted the block
// or put a smaller one under its id, a new block is made (one WARN) and its id returned.
// Before start-up, and when the host makes no block, the id held (its loss told once).
int32_t LiveInterfaceMemblock();

// Writes `size` bytes at `offset` of the interface memblock (LiveInterfaceMemblock); false
// (nothing written) when there is no block or the bytes lie beyond its 2048.
bool WriteInterfaceBytes(int32_t offset, const void* data, int32_t size);

}  // namespace qel
