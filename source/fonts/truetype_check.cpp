#include "fonts/truetype_check.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace qel {
namespace {

uint32_t U16(const uint8_t* p) { return static_cast<uint32_t>(p[0]) << 8 | p[1]; }
uint32_t U32(const uint8_t* p) { return U16(p) << 16 | U16(p + 2); }
int32_t S16(const uint8_t* p) { return static_cast<int16_t>(static_cast<uint16_t>(U16(p))); }

struct Table {
  uint64_t offset = 0, length = 0;
  bool found = false;
};

struct Font {
  const uint8_t* data;
  uint64_t size;
  uint32_t tables;

  // The first directory entry with that tag, as the baker looks it up.
  Table Find(const char* tag) const {
    Table table;
    for (uint32_t i = 0; i < tables; ++i) {
      const uint8_t* entry = data + 12 + 16 * static_cast<uint64_t>(i);
      if (std::memcmp(entry, tag, 4) != 0) continue;
      table.offset = U32(entry + 8);
      table.length = U32(entry + 12);
      table.found = true;
      break;
    }
    return table;
  }
  bool Inside(const Table& table, uint64_t minimum_length) const {
    return table.found && table.offset != 0 && table.length >= minimum_length &&
           table.offset + table.length <= size;
  }
};

constexpr uint32_t kPlatformUnicode = 0, kPlatformMicrosoft = 3;
constexpr uint32_t kMicrosoftUnicodeBmp = 1, kMicrosoftUnicodeFull = 10;
constexpr uint32_t kGlyphHeader = 10;  // contour count and bounding box, read for every glyph drawn
// The shape reader recurses once per nested composite, and a composite costs it every
// component's outline again: both must stay small whatever the file says.
constexpr size_t kCompositeNesting = 8;
constexpr uint64_t kOutlineWork = uint64_t{1} << 20;  // points, vertices and components one glyph may expand to

// Format 4 is read by a binary search that trusts its search fields and the order of the
// segment ends, then indexes the glyph array by the code point's place in its segment.
// `map` is the subtable, whose declared `length` lies inside the file.
bool SegmentMapIsSound(const uint8_t* map, uint64_t length) {
  const uint64_t segments = U16(map + 6) >> 1;
  if (segments == 0 || 16 + 8 * segments > length) return false;
  uint64_t power = 1, log2 = 0;
  while (power * 2 <= segments) power *= 2, ++log2;
  // Any other search fields would take the search outside the segments or to the wrong one.
  if (U16(map + 8) != 2 * power || U16(map + 10) != log2 || U16(map + 12) != 2 * (segments - power)) return false;
  const uint8_t* ends = map + 14;
  const uint8_t* starts = ends + 2 * segments + 2;
  const uint8_t* range_offsets = starts + 4 * segments;
  for (uint64_t i = 0; i < segments; ++i) {
    const uint32_t end = U16(ends + 2 * i), start = U16(starts + 2 * i), range_offset = U16(range_offsets + 2 * i);
    if (i > 0 && end < U16(ends + 2 * (i - 1))) return false;
    if (range_offset == 0 || start > end) continue;
    // The glyph array entries of start..end, addressed from this segment's range offset.
    const uint64_t last_entry = (range_offsets - map) + 2 * i + range_offset + 2 * uint64_t{end - start};
    if (last_entry + 2 > length) return false;
  }
  return U16(ends + 2 * (segments - 1)) == 0xFFFF;  // every code point ends in some segment
}

// The subtable the baker reads characters from lies inside the character map table and
// holds what its header says. `map` is the subtable, `room` the bytes up to the table's end.
bool CharacterMapIsSound(const uint8_t* map, uint64_t room) {
  switch (U16(map)) {
    case 0: {
      const uint64_t length = U16(map + 2);
      return length >= 6 && length <= room;
    }
    case 4:
      return room >= 14 && U16(map + 2) <= room && SegmentMapIsSound(map, U16(map + 2));
    case 6: {
      if (room < 10) return false;
      const uint64_t length = U16(map + 2);
      return 10 + 2 * uint64_t{U16(map + 8)} <= length && length <= room;
    }
    case 12:
    case 13: {
      if (room < 16) return false;
      const uint64_t length = U32(map + 4);
      return 16 + 12 * uint64_t{U32(map + 12)} <= length && length <= room;
    }
    default:
      return false;  // a format the baker cannot read
  }
}

// Where each glyph's bytes start in glyf, from the loca table.
struct Locations {
  const uint8_t* table;
  uint64_t entry_size;
  uint64_t operator()(uint64_t glyph) const {
    return entry_size == 2 ? 2 * uint64_t{U16(table + 2 * glyph)} : uint64_t{U32(table + 4 * glyph)};
  }
};

// A simple outline's fields, walked as the shape reader walks them, end inside the glyph's
// bytes [at, end), `at` being past the header. `work` is what the reader does for it.
bool SimpleOutlineFits(const uint8_t* glyf, uint64_t at, uint64_t end, uint64_t contours, uint64_t* work) {
  if (at + 2 * contours + 2 > end) return false;
  const uint8_t* ends = glyf + at;
  // The reader takes the last contour's end as the point count.
  const uint64_t points = uint64_t{U16(ends + 2 * (contours - 1))} + 1;
  bool last_point_starts_contour = points == 1;
  for (uint64_t i = 0; i < contours; ++i) {
    const uint64_t last = U16(ends + 2 * i);
    if (i > 0 && last < U16(ends + 2 * (i - 1))) return false;
    if (last + 2 == points) last_point_starts_contour = true;
  }
  uint64_t p = at + 2 * contours;
  p += 2 + uint64_t{U16(glyf + p)};  // instructions, skipped
  // A flag with bit 3 holds for the next byte's count of further points too.
  uint64_t flagged = 0, coordinate_bytes = 0;
  uint32_t flags = 0;
  while (flagged < points) {
    if (p >= end) return false;
    flags = glyf[p++];
    uint64_t run = 1;
    if (flags & 8) {
      if (p >= end) return false;
      run += glyf[p++];
    }
    if (run > points - flagged) run = points - flagged;
    flagged += run;
    // Per axis: one byte (short), none (same as before) or two.
    coordinate_bytes += run * ((flags & 2) ? 1 : (flags & 16) ? 0 : 2);
    coordinate_bytes += run * ((flags & 4) ? 1 : (flags & 32) ? 0 : 2);
  }
  if (coordinate_bytes > end - p) return false;
  // A contour starting off the curve has the reader look at the point after its first, which
  // for the last point is past the reader's own array.
  if (last_point_starts_contour && !(flags & 1)) return false;
  *work = points + 2 * contours;
  return true;
}

// One component record of a composite outline, read as the shape reader reads it.
struct Component {
  uint32_t glyph;
  uint64_t next;  // the following record
  bool more;
};
bool ReadComponent(const uint8_t* glyf, uint64_t at, uint64_t end, Component* component) {
  if (at + 4 > end) return false;
  const uint32_t flags = U16(glyf + at);
  uint64_t size = 4;  // flags and glyph index
  if (flags & 2) size += (flags & 1) ? 4 : 2;  // offsets as words or bytes; point numbers are not read
  if (flags & 8)
    size += 2;  // one scale
  else if (flags & 0x40)
    size += 4;  // x and y scale
  else if (flags & 0x80)
    size += 8;  // two by two
  if (at + size > end) return false;
  *component = {U16(glyf + at + 2), at + size, (flags & 0x20) != 0};
  return true;
}

// Every outline lies inside its own glyph's bytes, and no composite nests deeper than the shape reader's recursion may go (so none
// contains itself) or expands to more than it can count.
bool OutlinesAreSound(const uint8_t* glyf, uint64_t glyphs, const Locations& location) {
  std::vector<uint32_t> work(glyphs, 0);  // per glyph; 0 for a composite not yet followed
  std::vector<uint8_t> nesting(glyphs, 0);
  bool composites = false;
  for (uint64_t glyph = 0; glyph < glyphs; ++glyph) {
    const uint64_t at = location(glyph), end = location(glyph + 1);
    if (at == end) {
      work[glyph] = 1;
      continue;
    }
    const int32_t contours = S16(glyf + at);
    uint64_t glyph_work = 1;  // no contour, or a composite form the reader skips
    if (contours > 0 && !SimpleOutlineFits(glyf, at + kGlyphHeader, end, static_cast<uint64_t>(contours), &glyph_work))
      return false;
    if (contours != -1) {
      work[glyph] = static_cast<uint32_t>(glyph_work);
      continue;
    }
    composites = true;
    Component component{0, at + kGlyphHeader, true};
    while (component.more) {
      if (!ReadComponent(glyf, component.next, end, &component)) return false;
    }
  }
  if (!composites) return true;

  // Follows each composite's components depth first, keeping its own stack so that neither
  // nesting nor a cycle can take it deeper than the reader may go.
  struct Frame {
    uint64_t glyph, next, end;
    bool more;
    uint32_t nesting;
    uint64_t work;
  };
  std::vector<Frame> stack;
  stack.reserve(kCompositeNesting);
  for (uint64_t root = 0; root < glyphs; ++root) {
    if (work[root] != 0) continue;
    auto push = [&](uint64_t glyph) {
      stack.push_back({glyph, location(glyph) + kGlyphHeader, location(glyph + 1), true, 0, 1});
    };
    push(root);
    while (!stack.empty()) {
      Frame& top = stack.back();
      uint64_t child = 0;
      if (top.more) {
        Component component{};
        ReadComponent(glyf, top.next, top.end, &component);  // cannot fail: every record was read above
        top.next = component.next;
        top.more = component.more;
        child = component.glyph;
        if (child >= glyphs) continue;  // the reader gives a glyph the font lacks no outline
        if (work[child] == 0) {
          if (stack.size() == kCompositeNesting) return false;  // nested too deep, or a cycle
          push(child);
          continue;
        }
      } else {
        if (top.nesting + 1 > kCompositeNesting) return false;
        child = top.glyph;
        work[child] = static_cast<uint32_t>(top.work);
        nesting[child] = static_cast<uint8_t>(top.nesting + 1);
        stack.pop_back();
        if (stack.empty()) break;
      }
      Frame& parent = stack.back();
      parent.work += work[child];
      if (nesting[child] > parent.nesting) parent.nesting = nesting[child];
      if (parent.work > kOutlineWork) return false;
    }
  }
  return true;
}

// Every glyph the baker can reach has its location, its outline and its metrics inside
// their tables, and a bounding box that is not turned inside out.
bool GlyphTablesAreSound(const Font& font, const Table& head, const Table& hhea, const Table& maxp) {
  const Table loca = font.Find("loca"), glyf = font.Find("glyf"), hmtx = font.Find("hmtx");
  const uint32_t location_format = U16(font.data + head.offset + 50);
  if (location_format > 1) return false;
  // Without maxp the baker takes every glyph index as present.
  const uint64_t glyphs = maxp.found ? U16(font.data + maxp.offset + 4) : 0xFFFF;
  const uint64_t entry_size = location_format == 0 ? 2 : 4;
  if ((glyphs + 1) * entry_size > loca.length) return false;
  const Locations location{font.data + loca.offset, entry_size};
  uint64_t next = location(0);
  for (uint64_t glyph = 0; glyph < glyphs; ++glyph) {
    const uint64_t at = next;
    next = location(glyph + 1);
    if (at > glyf.length || next > glyf.length) return false;
    if (at == next) continue;
    if (at + kGlyphHeader > next) return false;  // a glyph's bytes end where the next one's start
    // The packer sizes a glyph's bitmap from its box: an inverted one gives a negative size.
    const uint8_t* box = font.data + glyf.offset + at + 2;
    if (S16(box) > S16(box + 4) || S16(box + 2) > S16(box + 6)) return false;
  }
  if (!OutlinesAreSound(font.data + glyf.offset, glyphs, location)) return false;

  const uint8_t* header = font.data + hhea.offset;
  if (S16(header + 4) <= S16(header + 6)) return false;  // the pixel scale divides by ascent - descent
  const uint64_t long_metrics = U16(header + 34);
  if (long_metrics == 0 || 4 * long_metrics > hmtx.length) return false;
  // Glyphs past the long metrics have only a left side bearing each.
  return glyphs <= long_metrics || 4 * long_metrics + 2 * (glyphs - long_metrics) <= hmtx.length;
}

}  // namespace

bool LooksLikeTrueType(const void* bytes, size_t size) {
  if (!bytes || size < 12) return false;
  const auto* data = static_cast<const uint8_t*>(bytes);
  const uint32_t version = U32(data);
  if (version != 0x00010000u && std::memcmp(data, "true", 4) != 0) return false;
  const Font font{data, size, U16(data + 4)};
  if (12 + 16 * static_cast<uint64_t>(font.tables) > font.size) return false;

  // The smallest lengths cover the fields read from each table.
  const Table cmap = font.Find("cmap"), head = font.Find("head"), hhea = font.Find("hhea");
  if (!font.Inside(cmap, 4) || !font.Inside(head, 54) || !font.Inside(hhea, 36)) return false;
  if (!font.Inside(font.Find("loca"), 1) || !font.Inside(font.Find("glyf"), 1) || !font.Inside(font.Find("hmtx"), 4))
    return false;
  const Table maxp = font.Find("maxp");
  if (maxp.found && !font.Inside(maxp, 6)) return false;
  if (!GlyphTablesAreSound(font, head, hhea, maxp)) return false;

  // A character map the baker understands, lying inside the cmap table. The baker reads the
  // last one it understands.
  const uint8_t* map = data + cmap.offset;
  const uint64_t subtables = U16(map + 2);
  if (4 + 8 * subtables > cmap.length) return false;
  uint64_t chosen = 0;
  bool unicode = false;
  for (uint64_t i = 0; i < subtables; ++i) {
    const uint8_t* record = map + 4 + 8 * i;
    const uint32_t platform = U16(record), encoding = U16(record + 2);
    const bool understood = platform == kPlatformUnicode ||
                            (platform == kPlatformMicrosoft &&
                             (encoding == kMicrosoftUnicodeBmp || encoding == kMicrosoftUnicodeFull));
    if (!understood) continue;
    chosen = U32(record + 4);
    if (chosen + 4 > cmap.length) return false;
    unicode = true;
  }
  return unicode && CharacterMapIsSound(map + chosen, cmap.length - chosen);
}

}  // namespace qel
