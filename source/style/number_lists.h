// The comma-separated number lists of style values: regions, borders, colours and vec2
// values. Pieces are split at commas, a run of commas counts as one separator and outer
// commas are ignored, so ",4,,5," holds the two pieces "4" and "5".
#pragma once

#include <cstdint>

#include "nuklear_config.h"

namespace qel {

// The start of each piece of `text`, up to `most` of them; returns how many were found (at
// most `most`). Each start points into `text`; a piece ends at the next comma or at the end.
int32_t NumberPieces(const char* text, const char* starts[], int32_t most);

// Up to `most` pieces read as floats into `out` (text that is no number reads as 0); the
// count read. Entries of `out` past the count keep what they held.
int32_t ParseFloatList(const char* text, float out[], int32_t most);

// A colour value: "0x" (and an optional "#") then exactly eight hexadecimal digits RRGGBBAA;
// or three or four integers 0 to 255 (clamped) when the text has no "."; or three or four
// floats 0.0 to 1.0 (clamped, scaled to 0 to 255). A missing alpha is opaque. False for
// anything else (fewer digits or numbers): the caller refuses the value.
bool ParseColorText(const char* text, struct nk_color& out);

}  // namespace qel
