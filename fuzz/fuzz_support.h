// What the parser fuzzers share: the input as a C string, and the least plug-in state the
// parsers that work on the live style need (a context without GL, a log that goes nowhere).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "nuklear_config.h"

namespace qel::fuzz {

// The input up to its first zero byte, as the C string a script would pass.
std::string InputText(const uint8_t* data, size_t size);

// The input as `count` texts separated by zero bytes, as several arguments of one call; the
// last part ends at the next zero byte, and parts the input lacks are empty.
std::vector<std::string> InputParts(const uint8_t* data, size_t size, size_t count);

// Makes the plug-in's context once (no device, no font atlas: Nuklear's own default style)
// and a log that is formatted but written to /dev/null, so messages with fuzzed text are
// built like real ones. Returns the context.
nk_context* PluginContext();

// Puts the live style and the style tables back as they were after PluginContext, so one
// input never depends on what an earlier one left, and the tables do not grow without end.
// The image table then holds one named image, "sheet", 256 x 128, for items to cut from.
void ResetStyleState();

}  // namespace qel::fuzz
