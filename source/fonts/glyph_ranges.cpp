#include "fonts/glyph_ranges.h"

#include "frame/plugin_state.h"

namespace qel {
namespace {

// Latin-1
const nk_rune kLatin[] = {0x0020, 0x00FF, 0};
// Chinese: CJK symbols and punctuation, kana, full-width forms, unified ideographs
const nk_rune kChinese[] = {0x0020, 0x00FF, 0x3000, 0x30FF, 0x31F0, 0x31FF, 0xFF00, 0xFFEF, 0x4E00, 0x9FAF, 0};
// Cyrillic with its supplements and extensions
const nk_rune kCyrillic[] = {0x0020, 0x00FF, 0x0301, 0x0301, 0x0400, 0x04FF, 0x0500, 0x052F, 0x2DE0, 0x2DFF,
                             0xA640, 0xA69F, 0x1C80, 0x1C8F, 0x1D2B, 0x1D78, 0xFE2E, 0xFE2F, 0};
// Korean: Hangul compatibility jamo and syllables
const nk_rune kKorean[] = {0x0020, 0x00FF, 0x3131, 0x3163, 0xAC00, 0xD79D, 0};
// Japanese with mathematical operators and Greek
const nk_rune kJapanese[] = {0x0020, 0x00FF, 0x2200, 0x22FF, 0x3000, 0x303F, 0x3040, 0x309F, 0x30A0,
                             0x30FF, 0x0370, 0x03FF, 0xFF00, 0xFFEF, 0x4E00, 0x9FFF, 0};
// Greek, Greek extended and ancient Greek numbers
const nk_rune kGreek[] = {0x0020, 0x00FF, 0x0370, 0x03FF, 0x1F00, 0x1FFF, 0x10140, 0x1018F, 0};

const nk_rune* const kBuiltInTables[kBuiltInGlyphRangeTables] = {kLatin,  kChinese,   kCyrillic,
                                                                 kKorean, kJapanese, kGreek};

void MakeConfigIfAbsent(GlyphRangeState& state) {
  if (state.has_config) return;
  state.config = nk_font_config(14.0f);
  state.config.oversample_v = 1;
  state.config.oversample_h = 1;
  state.has_config = true;
}

}  // namespace

GlyphRangeState& GlyphRanges() { return State().fonts.ranges; }

const nk_rune* BuiltInGlyphRanges(int index) {
  if (index < 0 || index >= kBuiltInGlyphRangeTables) return nullptr;
  return kBuiltInTables[index];
}

int CountGlyphRanges(const nk_rune* ranges) {
  int count = 0;
  if (!ranges) return 0;
  while (ranges[2 * count] != 0 && ranges[2 * count + 1] != 0) ++count;
  return count;
}

GlyphRangeResult AddGlyphRange(GlyphRangeState& state, nk_rune first, nk_rune last) {
  if (first == 0 || last < first || last > kLastCodePoint) return GlyphRangeResult::kInvalid;
  MakeConfigIfAbsent(state);
  const nk_rune* current = state.config.range;
  const int count = CountGlyphRanges(current);
  if (count >= kMaxGlyphRanges) return GlyphRangeResult::kFull;
  if (current != state.array) {
    // Every built-in table and the library's default list fit: none has more than 9 ranges.
    for (int i = 0; i < 2 * count; ++i) state.array[i] = current[i];
  }
  state.array[2 * count] = first;
  state.array[2 * count + 1] = last;
  state.array[2 * count + 2] = 0;
  state.config.range = state.array;
  return GlyphRangeResult::kAdded;
}

bool SetGlyphRange(GlyphRangeState& state, int index) {
  const nk_rune* table = BuiltInGlyphRanges(index);
  if (!table) return false;
  MakeConfigIfAbsent(state);
  state.config.range = table;
  return true;
}

struct nk_font_config TrueTypeFontConfig(const GlyphRangeState& state, float pixel_size, std::vector<nk_rune>& ranges) {
  struct nk_font_config config = state.has_config ? state.config : nk_font_config(pixel_size);
  const int count = CountGlyphRanges(config.range);
  ranges.assign(config.range, config.range + 2 * count);
  ranges.push_back(0);
  config.range = ranges.data();
  config.size = pixel_size;
  return config;
}

}  // namespace qel
