// Host-image fonts: bitmap fonts drawn straight from a host image, one glyph per byte, as
// its SubimageTable places them. No kerning, no spacing: a text is as wide as the sum of
// its bytes' widths.
#pragma once

#include <deque>
#include <memory>

#include "images/subimages.h"
#include "nuklear_config.h"

namespace qel {

// A host-image font: its table and the font handle whose user data points at it.
struct QelFont {
  std::unique_ptr<SubimageTable> table;
  nk_user_font font{};
};

// A deque keeps every font where it was made: the font table points into it.
using QelFontList = std::deque<QelFont>;

// Makes the font for a loaded table and keeps both for the life of the process. Its user
// data is the table, its height the table's maximum height, its texture the GL texture the
// host gives for the table's image.
const nk_user_font* MakeQelFont(std::unique_ptr<SubimageTable> table);

// The font's callbacks, on a handle whose pointer is a SubimageTable.
float QelFontTextWidth(nk_handle table, float height, const char* text, int length);
void QelFontQueryGlyph(nk_handle table, float height, struct nk_user_font_glyph* glyph, nk_rune code_point,
                       nk_rune next_code_point);

}  // namespace qel
