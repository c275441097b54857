// The single-point float filter.
#include "widgets/float_filter.h"

namespace qel {

int FilterFloat(const struct nk_text_edit* box, nk_rune unicode) {
  const bool digit = unicode >= '0' && unicode <= '9';
  if (digit || unicode == '-') return nk_true;
  if (unicode != '.') return nk_false;
  if (!box) return nk_true;
  const char* text = static_cast<const char*>(box->string.buffer.memory.ptr);
  const int length = static_cast<int>(box->string.buffer.allocated);
  if (!text) return nk_true;
  // The selection goes when the character is typed, so its points do not count. The field
  // holds ASCII only (this filter lets nothing else in), so glyph indices are byte indices.
  const bool selected = box->select_start != box->select_end;
  const int from = selected ? (box->select_start < box->select_end ? box->select_start : box->select_end) : length;
  const int to = selected ? (box->select_start < box->select_end ? box->select_end : box->select_start) : length;
  for (int i = 0; i < length; ++i) {
    if (i >= from && i < to) continue;
    if (text[i] == '.') return nk_false;
  }
  return nk_true;
}

}  // namespace qel
