// Plug-in-wide state of the frame subsystem: made by Init1, kept for the life of the process.
// Other subsystems keep their own state beside their code and reach the context from here.
#pragma once

#include <cstdint>
#include <string>

#include "nuklear_config.h"

namespace qel {

struct PluginState {
  nk_context* ctx = nullptr;          // the one context; null until Init1
  bool started = false;               // Init1 has run its one-time steps
  std::string log_path = "nuklear.log";
  int32_t interface_memblock = 0;     // 2048-byte block for results of several values
  bool interface_block_reported = false;  // its loss is logged once until it is usable again
  struct nk_image placeholder{};             // what a failed image lookup shows
  uint32_t window_extra_flags = 0;    // reset by Sync and Render
  int32_t tree_counter = 0;           // makes tree ids unique within a frame
  int32_t last_edit_event = 0;        // flags of the last EditString
};

PluginState& Plugin();

// The context, or null before start-up. Every export starts from here.
inline nk_context* Context() { return Plugin().ctx; }

// The context when a window is open to take a widget, else null. Widget exports do nothing
// without one (Nuklear would only assert).
inline nk_context* WidgetContext() {
  nk_context* ctx = Context();
  return ctx && ctx->current && ctx->current->layout ? ctx : nullptr;
}

inline constexpr int32_t kInterfaceMemblockSize = 2048;

// Writes `size` bytes at `offset` of the interface memblock, looked up afresh on every write
// (the script may delete or recreate it); false (nothing written) when the block is missing
// or too small.
bool WriteInterfaceBytes(int32_t offset, const void* data, int32_t size);

}  // namespace qel
