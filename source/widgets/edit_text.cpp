#include "widgets/edit_text.h"

#include "widgets/float_filter.h"

namespace qel {

int32_t EditCapacity(int32_t max) {
  if (max < 0) return 0;
  return max > kEditLimitBytes ? kEditLimitBytes : max;
}

size_t Utf8CutLength(const char* text, size_t length, size_t max) {
  if (length <= max) return length;
  auto byte = [&](size_t at) { return static_cast<unsigned char>(text[at]); };
  // The byte at `max` is the first one left out. When it continues a sequence, find that
  // sequence's lead (at most three bytes back) and leave the whole sequence out.
  size_t lead = max;
  while (lead > 0 && max - lead < 3 && (byte(lead) & 0xC0) == 0x80) --lead;
  const unsigned char first = byte(lead);
  const size_t sequence = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
  return lead < max && lead + sequence > max ? lead : max;
}

nk_plugin_filter EditFilterOf(int32_t index) {
  static const nk_plugin_filter filters[] = {nk_filter_default, nk_filter_ascii, FilterFloat,  nk_filter_decimal,
                                             nk_filter_hex,     nk_filter_oct,   nk_filter_binary};
  if (index < 0 || index >= static_cast<int32_t>(sizeof filters / sizeof *filters)) return nullptr;
  return filters[index];
}

}  // namespace qel
