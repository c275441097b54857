// The text filter of fields that hold one decimal number: digits, '-' and a single '.'.
#pragma once

#include "nuklear_config.h"

namespace qel {

// Accepts '0' to '9', '-' and '.', but a '.' only while the text outside the selection (which
// the typed character replaces) holds none. Fits Nuklear's filter slot.
int FilterFloat(const struct nk_text_edit* box, nk_rune unicode);

}  // namespace qel
