// The system clipboard as Nuklear's copy and paste hooks. On Windows it is the Win32
// clipboard (UTF-16 text); elsewhere a process-wide UTF-8 text stands in for it.
#pragma once

#include <string>

#include "nuklear_config.h"

namespace qel {

// Where there is no system clipboard, a process-wide text stands in for it.
struct ClipboardState {
  std::string text;
};

// Installs the copy and paste hooks on the context.
void InstallClipboard(nk_context* ctx);

// Direct access, for the host side of tests and for platforms without a system clipboard.
void SetClipboardText(const std::string& utf8);
std::string ClipboardText();

}  // namespace qel
