// Windows: begin and end, queries and changes by name, the extra flags that keep windows
// after a closed one from taking input, and the table of stored window, canvas and panel
// handles that the canvas exports and WindowGetStoredPanelBounds read.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "nuklear_config.h"

namespace qel {

inline constexpr int32_t kStoredHandleCount = 32;

enum class StoredHandleKind : uint8_t { kEmpty, kWindow, kCanvas, kPanel };

// One stored handle. A handle names a window object of Nuklear's, which Nuklear frees at the
// end of a frame in which the window was not begun or was closed, and may then reuse for
// another window; an entry therefore also keeps who its window was, and reads as empty once
// that window is gone.
struct StoredHandle {
  StoredHandleKind kind = StoredHandleKind::kEmpty;
  nk_window* window = nullptr;  // the window (or popup) whose canvas or panel this is
  nk_hash window_name = 0;
  nk_window* root = nullptr;    // its top-level window
  nk_hash root_name = 0;
  uint32_t root_life = 0;       // which life of the root's window object (see WindowsState)
  nk_panel* panel = nullptr;    // kPanel only
  nk_uint* panel_scroll = nullptr;  // the panel's scroll offset, which tells it from a later panel in its storage
  unsigned int panel_frame = 0;     // the context's frame count when stored: a panel ends with its frame
  uint32_t panel_number = 0;        // the begun-panel number of its depth when stored (see PanelsState)
  nk_hash popup_name = 0;           // for a popup's panel: which popup its parent held
  uint32_t popup_type = 0;
};

class StoredHandleTable {
 public:
  // Indices outside 0 to 31 are ignored; a null window empties the entry.
  void StoreWindow(int32_t index, nk_window* window);
  void StoreCanvas(int32_t index, nk_window* window);
  void StorePanel(int32_t index, nk_window* window, nk_panel* panel);

  // The entry's handle when it is of that kind and its window still lives, else null; a
  // panel also only while it is open (the current panel or one that holds it).
  nk_window* Window(int32_t index) const;
  // A canvas only while its window is the one being filled: Nuklear builds one window's
  // commands at a time.
  nk_command_buffer* Canvas(int32_t index) const;
  nk_panel* Panel(int32_t index) const;

 private:
  void Store(int32_t index, StoredHandleKind kind, nk_window* window, nk_panel* panel);
  const StoredHandle* Live(int32_t index, StoredHandleKind kind) const;

  StoredHandle entries_[kStoredHandleCount];
};

// By-name changes asked for the window being filled. Nuklear finishes a window's panel only
// while the window is shown, and the panel's end writes the panel's flags over the window's:
// hiding it mid-window would leave its command buffer unfinished (and its panel unfreed),
// collapsing it would be lost. So such changes wait until WindowEnd has ended the panel.
struct DeferredWindowChanges {
  nk_window* window = nullptr;  // the window they are for; null when none waits
  int8_t show = -1;             // -1 no change, 0 hide, 1 show
  int8_t collapse = -1;         // -1 no change, 0 collapse, 1 expand
  bool move = false;
  bool resize = false;
  float x = 0.0f, y = 0.0f, w = 0.0f, h = 0.0f;
};

struct WindowsState {
  StoredHandleTable stored;
  DeferredWindowChanges deferred;
  // Each time WindowBegin makes a new window, the window object's address gets a new life
  // number, so an entry of an earlier window at the same address is told apart.
  std::unordered_map<const nk_window*, uint32_t> lives;
  uint32_t last_life = 0;
  struct Frame {
    // OR-ed into the flags of every window begun; WindowEnd sets NK_WINDOW_NO_INPUT after a
    // closed window, so the windows after it take no input until the frame ends.
    uint32_t extra_flags = 0;
  } frame;
};

WindowsState& Windows();

// The stored canvas at `index` for the canvas exports: null when the entry is empty, holds
// another kind, or its window is gone.
nk_command_buffer* StoredCanvas(int32_t index);
nk_panel* StoredPanel(int32_t index);

// The current window's panel (the group's or popup's while one is being filled), or null
// when there is no context, no current window, or the current window is hidden.
nk_panel* CurrentPanel(nk_context* ctx);

// Releases a left button that is held with no press this frame while the pointer is
// outside the virtual screen (0, 0)-(width, height), edges inside. WindowEnd runs it.
void ReleaseLeftButtonOffScreen(nk_context* ctx, float virtual_width, float virtual_height);

// Ends a window the script left open (a begin without its WindowEnd), with one ERROR naming
// it; the frame's drawing and the next WindowBegin call it, since windows do not nest and an
// open window's commands are unfinished. Nothing happens when no window is open.
void EndWindowLeftOpen(nk_context* ctx);

}  // namespace qel
