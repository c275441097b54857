// The text field's state between calls: the one edit in progress, and the events of the
// last field drawn.
#pragma once

#include <cstdint>
#include <vector>

namespace qel {

// A field's typed text, kept by the plug-in while the user edits, so that the script's own
// text stays as it was until the edit ends. The owner is the field whose cell has exactly
// this top-left corner.
struct ActiveEdit {
  bool open = false;
  float x = -1.0f, y = -1.0f;
  std::vector<char> text;  // capacity + 1 bytes, always zero-terminated
};

struct EditingState {
  int32_t last_event = 0;  // flags of the last EditString
  ActiveEdit active;
  std::vector<char> scratch;  // the buffer of fields that do not own the edit, reused
  struct Frame {
    // An edit that another field took over earlier in this frame: its text still goes to
    // its own field when that field is drawn later in the frame.
    ActiveEdit handed_over;
  } frame;
};

}  // namespace qel
