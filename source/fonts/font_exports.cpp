// The exports that add fonts: TrueType fonts to the open atlas (through the host's files,
// from the system font folder, or from an operating-system path) and host-image fonts, and
// the glyph range calls that decide what later TrueType fonts bake.
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fonts/font_atlas.h"
#include "fonts/font_table.h"
#include "fonts/glyph_ranges.h"
#include "fonts/qel_font.h"
#include "fonts/truetype_check.h"
#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/log_messages.h"
#include "images/subimages.h"

namespace qel {
namespace {

constexpr float kMaxFontSize = 32768.0f;  // the atlas's greatest height in pixels

bool IdIsTaken(const char* id) {
  if (!Fonts().Has(id)) return false;
  QEL_LOG(FontIdExists, id);
  return true;
}

// What every TrueType add needs before it reads a file: an open atlas and a usable size.
bool CanAddTrueType(const char* id, float size) {
  if (!FontAtlas().open) {
    QEL_LOG(FontStashNotOpen, id);
    return false;
  }
  if (!(size > 0.0f)) {
    QEL_LOG(FontSizeNotPositive, static_cast<double>(size), id);
    return false;
  }
  // A line taller than the tallest atlas can never be baked, and the baker's arithmetic is
  // not made for such scales (an infinite size would bake NaN glyphs).
  if (!(size <= kMaxFontSize)) {
    QEL_LOG(FontSizeTooLarge, static_cast<double>(size),
                  static_cast<double>(kMaxFontSize), id);
    return false;
  }
  return true;
}

// The file's bytes copied into atlas memory, or null (logged). The check comes before the
// copy, so a refused file costs no atlas memory.
void* CopyFontBytes(const void* source, size_t size, const char* path) {
  if (!source || size == 0) {
    QEL_LOG(FontFileEmpty, path);
    return nullptr;
  }
  if (!LooksLikeTrueType(source, size)) {
    QEL_LOG(FontFileNotTrueType, path);
    return nullptr;
  }
  void* copy = AllocateFontBytes(size);
  if (!copy) {
    QEL_LOG(FontFileNoMemory, path);
    return nullptr;
  }
  std::memcpy(copy, source, size);
  return copy;
}

// A file read through the host (media folder or "raw:" path) into atlas memory, or null.
void* LoadThroughHost(const char* path, size_t& size) {
  size = 0;
  HostCommandTable& host = HostCommands();
  if (!host.GETFILEEXISTS_L_S(path)) {
    QEL_LOG(FontFileMissing, path);
    return nullptr;
  }
  const int32_t memblock = host.CREATEMEMBLOCKFROMFILE_L_S(path);
  const int32_t bytes = memblock > 0 ? host.GETMEMBLOCKSIZE_L_L(memblock) : 0;
  const void* source = bytes > 0 ? host.GETMEMBLOCKPTR_P_L(memblock) : nullptr;
  void* copy = CopyFontBytes(source, source ? static_cast<size_t>(bytes) : 0, path);
  if (memblock > 0) host.DELETEMEMBLOCK_0_L(memblock);
  if (copy) size = static_cast<size_t>(bytes);
  return copy;
}

// An operating-system file, read untranslated into atlas memory, or null.
void* LoadFromDisk(const char* path, size_t& size) {
  size = 0;
  std::vector<char> bytes;
  std::FILE* file = std::fopen(path, "rb");
  bool read = false;
  if (file) {
    long length = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) length = std::ftell(file);
    if (length >= 0 && std::fseek(file, 0, SEEK_SET) == 0) {
      bytes.resize(static_cast<size_t>(length));
      read = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    std::fclose(file);
  }
  if (!read) {
    QEL_LOG(FontFileUnreadable, path);
    return nullptr;
  }
  void* copy = CopyFontBytes(bytes.data(), bytes.size(), path);
  if (copy) size = bytes.size();
  return copy;
}

// The system font folder: SystemRoot, else windir, else SystemDrive's Windows folder.
std::string SystemFontFolder() {
  for (const char* name : {"SystemRoot", "windir"}) {
    const char* value = std::getenv(name);
    if (value && *value) return std::string(value) + "/Fonts/";
  }
  return std::string(TextOrEmpty(std::getenv("SystemDrive"))) + "/Windows/Fonts/";
}

}  // namespace
}  // namespace qel

using namespace qel;

int32_t FontAtlasAddFromFile(const char* id, const char* path, float size) {
  id = TextOrEmpty(id);
  if (IdIsTaken(id)) return 0;
  if (!path || !*path) {
    QEL_LOG(FontFileNameEmpty, id);
    return 0;
  }
  if (!CanAddTrueType(id, size)) return 0;
  size_t bytes = 0;
  void* data = LoadThroughHost(path, bytes);
  if (!data) return 0;
  QEL_LOG(FontLoaded, path);
  nk_font* font = AddAtlasFont(data, bytes, size);
  if (!font) return 0;
  Fonts().Register(id, &font->handle);
  return 1;
}

int32_t FontAtlasAddFromSystem(const char* id, const char* file, float size) {
  const std::string raw = "raw:" + SystemFontFolder() + TextOrEmpty(file);
  const std::string path = TextOrEmpty(HostCommands().REPLACESTRING_S_S_S_S_L(raw.c_str(), "\\", "/", -1));
  QEL_LOG(FontLoadAttempted, path.c_str());
  return FontAtlasAddFromFile(id, path.c_str(), size);
}

void FontAddFromFile(const char* id, const char* path, float size) {
  id = TextOrEmpty(id);
  path = TextOrEmpty(path);
  if (Fonts().Has(id)) return;  // unlike the atlas adds, a taken id is passed over in silence
  const std::string raw = std::string("raw:") + path;
  if (!HostCommands().GETFILEEXISTS_L_S(raw.c_str())) {
    QEL_LOG(FontFileMissing, path);
    return;
  }
  if (!CanAddTrueType(id, size)) return;
  size_t bytes = 0;
  void* data = LoadFromDisk(path, bytes);
  if (!data) return;
  nk_font* font = AddAtlasFont(data, bytes, size);
  if (!font) return;
  QEL_LOG(FontHandleLoaded, reinterpret_cast<uintptr_t>(&font->handle));
  Fonts().Register(id, &font->handle);
}

int32_t FontAtlasAddQelFont0(int32_t slot, const char* id, const char* image_file) {
  id = TextOrEmpty(id);
  image_file = TextOrEmpty(image_file);
  if (IdIsTaken(id)) return 0;
  HostCommandTable& host = HostCommands();
  if (!host.GETFILEEXISTS_L_S(image_file)) {
    QEL_LOG(FontImageFileMissing, image_file);
    return 0;
  }
  // A name too short to end in an extension has no companion file, whatever exists.
  bool has_extension = false;
  const std::string subimages = SubimagesFileName(image_file, &has_extension);
  if (!has_extension || !host.GETFILEEXISTS_L_S(subimages.c_str())) {
    QEL_LOG(FontSubimagesFileMissing, subimages.c_str());
    return 0;
  }
  std::unique_ptr<SubimageTable> table = LoadSubimages(image_file, subimages.c_str(), slot);
  if (!table) {
    QEL_LOG(FontImageNotLoaded, id);
    return 0;
  }
  const int32_t image = table->image_id;
  Fonts().Register(id, MakeQelFont(std::move(table)));
  return image;
}

int32_t FontAtlasAddQelFont1(const char* id, const char* image_file) { return FontAtlasAddQelFont0(-1, id, image_file); }

void FontAddGlyphRange(uint32_t first, uint32_t last) {
  switch (AddGlyphRange(GlyphRanges(), first, last)) {
    case GlyphRangeResult::kAdded: break;
    case GlyphRangeResult::kInvalid:
      QEL_LOG(GlyphRangeInvalid, first, last);
      break;
    case GlyphRangeResult::kFull:
      QEL_LOG(GlyphRangesFull, kMaxGlyphRanges,
                   first, last);
      break;
  }
}

void FontSetGlyphRange(int32_t index) { SetGlyphRange(GlyphRanges(), index); }
