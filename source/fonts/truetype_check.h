// A look at a font file's table directory before the atlas gets it. The atlas's TrueType
// reader trusts every offset it finds, so a file that is not a TrueType font (or is cut
// short) would have it read far outside the file's bytes.
#pragma once

#include <cstddef>

namespace qel {

// True when `bytes` hold a single TrueType font (outline version 1.0 or "true") whose table
// directory and the tables the baker reads (cmap, loca, head, glyf, hhea, hmtx, and maxp
// when present) lie inside the bytes, and whose tables hold what the baker indexes in them:
// a Unicode subtable of a format it reads (0, 4, 6, 12, 13) with every entry its header
// announces, a location for every glyph maxp counts, each inside glyf, and metrics for
// every glyph in hmtx. Each glyph's bounding box has its minimum at or below its maximum on
// both axes (the packer sizes bitmaps from it). Each glyph's outline lies inside its own bytes as the shape reader
// walks it (contour ends, instructions, flags with their repeat counts, coordinates, or
// component records), and composites nest at most 8 deep, so
// never contain themselves, and expand to a bounded number of points.
bool LooksLikeTrueType(const void* bytes, size_t size);

}  // namespace qel
