// Pieces of the text field that need no context: how much of a text fits a field, and the
// character filter an index names.
#pragma once

#include <cstddef>
#include <cstdint>

#include "nuklear_config.h"

namespace qel {

// The largest number of bytes a field may hold, whatever the script asks: its buffers are
// allocated whole, and a wild maximum would ask for gigabytes.
inline constexpr int32_t kEditLimitBytes = 1 << 20;

// The script's maximum made usable: negative is 0, past the limit is the limit.
int32_t EditCapacity(int32_t max);

// Bytes of `text` (of `length` bytes) that fit in `max` bytes without splitting a UTF-8
// sequence: a cut never leaves a lead byte without its continuation bytes.
size_t Utf8CutLength(const char* text, size_t length, size_t max);

// The filter of index 0 to 6; every other index is no filter (null, which Nuklear takes as
// accepting every character).
nk_plugin_filter EditFilterOf(int32_t index);

}  // namespace qel
