#include "fonts/truetype_check.h"

#include <cstdint>
#include <cstring>

namespace qel {
namespace {

uint32_t U16(const uint8_t* p) { return static_cast<uint32_t>(p[0]) << 8 | p[1]; }
uint32_t U32(const uint8_t* p) { return U16(p) << 16 | U16(p + 2); }

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

  // A character map the baker understands, lying inside the cmap table.
  const uint8_t* map = data + cmap.offset;
  const uint64_t subtables = U16(map + 2);
  if (4 + 8 * subtables > cmap.length) return false;
  bool unicode = false;
  for (uint64_t i = 0; i < subtables; ++i) {
    const uint8_t* record = map + 4 + 8 * i;
    const uint32_t platform = U16(record), encoding = U16(record + 2);
    const bool understood = platform == kPlatformUnicode ||
                            (platform == kPlatformMicrosoft &&
                             (encoding == kMicrosoftUnicodeBmp || encoding == kMicrosoftUnicodeFull));
    if (!understood) continue;
    if (U32(record + 4) + uint64_t{4} > cmap.length) return false;
    unicode = true;
  }
  return unicode;
}

}  // namespace qel
