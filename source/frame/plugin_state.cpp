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
  root.menus.frame = {};
}

}  // namespace qel
