#include "frame/plugin_state.h"

namespace qel {

// Made on first use, so that no other static's initialisation can reach it unmade.
PluginRoot& State() {
  static PluginRoot root;
  return root;
}

void ResetFrameState() {
  PluginRoot& root = State();
  root.windows.frame = {};
  root.trees.frame = {};
  root.editing.frame.handed_over.open = false;  // its buffer is kept for the next hand-over
  root.menus.frame = {};
  root.device.frame = {};
}

}  // namespace qel
