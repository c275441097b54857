// Which characters TrueType fonts bake: the plug-in-wide range configuration that
// FontAddGlyphRange and FontSetGlyphRange change, and the configuration each font added to
// the atlas starts from.
#pragma once

#include <cstdint>
#include <vector>

#include "nuklear_config.h"

namespace qel {

inline constexpr int kMaxGlyphRanges = 32;
inline constexpr int kGlyphRangeArraySize = 2 * kMaxGlyphRanges + 1;  // pairs, then a 0
inline constexpr int kBuiltInGlyphRangeTables = 6;
inline constexpr nk_rune kLastCodePoint = 0x10FFFF;

struct GlyphRangeState {
  // Absent until the first range call; then nk_font_config(14) with oversampling 1 x 1.
  bool has_config = false;
  struct nk_font_config config{};
  // Ranges added one by one: up to 32 first/last pairs, ended by 0.
  nk_rune array[kGlyphRangeArraySize]{};
};

GlyphRangeState& GlyphRanges();

// Built-in table 0 to 5 (first/last pairs ended by 0), or null for any other index.
const nk_rune* BuiltInGlyphRanges(int index);

// Number of first/last pairs before the terminating 0.
int CountGlyphRanges(const nk_rune* ranges);

enum class GlyphRangeResult { kAdded, kInvalid, kFull };

// Appends first..last to the configuration's current ranges (kept as they are when the range
// is refused). A first of 0 would end the list, and last below first or beyond U+10FFFF
// would make the atlas count a negative or absurd number of glyphs: such ranges are invalid.
GlyphRangeResult AddGlyphRange(GlyphRangeState& state, nk_rune first, nk_rune last);

// Points the configuration at built-in table `index`; false (nothing changed) for others.
bool SetGlyphRange(GlyphRangeState& state, int index);

// The configuration for a TrueType font of `pixel_size` added now: a copy of the range
// configuration when there is one, else the library defaults for that size. `ranges`
// receives the font's own copy of its range list, and the result points at it, so later
// range calls do not change fonts added before them; keep it as long as the font lives.
struct nk_font_config TrueTypeFontConfig(const GlyphRangeState& state, float pixel_size, std::vector<nk_rune>& ranges);

}  // namespace qel
