#include "fonts/truetype_check.h"

#include <cstdint>
#include <cstring>

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

// Every glyph the baker can reach has its location, its outline header and its metrics
// inside their tables.
bool GlyphTablesAreSound(const Font& font, const Table& head, const Table& hhea, const Table& maxp) {
  const Table loca = font.Find("loca"), glyf = font.Find("glyf"), hmtx = font.Find("hmtx");
  const uint32_t location_format = U16(font.data + head.offset + 50);
  if (location_format > 1) return false;
  // Without maxp the baker takes every glyph index as present.
  const uint64_t glyphs = maxp.found ? U16(font.data + maxp.offset + 4) : 0xFFFF;
  const uint64_t entry_size = location_format == 0 ? 2 : 4;
  if ((glyphs + 1) * entry_size > loca.length) return false;
  const uint8_t* locations = font.data + loca.offset;
  auto location = [&](uint64_t glyph) {
    return entry_size == 2 ? 2 * uint64_t{U16(locations + 2 * glyph)} : uint64_t{U32(locations + 4 * glyph)};
  };
  uint64_t next = location(0);
  for (uint64_t glyph = 0; glyph < glyphs; ++glyph) {
    const uint64_t at = next;
    next = location(glyph + 1);
    if (at > glyf.length || next > glyf.length) return false;
    if (at != next && at + kGlyphHeader > glyf.length) return false;
  }

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
