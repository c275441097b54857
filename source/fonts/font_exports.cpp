// The exports that add fonts: TrueType fonts to the open atlas (through the host's files,
// from the system font folder, or from an operating-system path) and host-image fonts, and
// the glyph range calls that decide what later TrueType fonts bake.
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fonts/font_atlas.h"
#include "fonts/font_table.h"
#include "fonts/glyph_ranges.h"
#include "fonts/qel_font.h"
#include "fonts/truetype_check.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/logger.h"
#include "images/subimages.h"

namespace qel {
namespace {

const char* Text(const char* text) { return text ? text : ""; }

bool IdIsTaken(const char* id) {
  if (!Fonts().Has(id)) return false;
  QEL_LOG_ERROR(kSourcePlugin, "font id already exists '%s'. new font cannot be created.", id);
  return true;
}

// What every TrueType add needs before it reads a file: an open atlas and a usable size.
bool CanAddTrueType(const char* id, float size) {
  if (!FontAtlas().open) {
    QEL_LOG_ERROR(kSourcePlugin, "no font atlas is open (FontStashBegin). font '%s' cannot be created.", id);
    return false;
  }
  if (!(size > 0.0f)) {
    QEL_LOG_ERROR(kSourcePlugin, "font size %g is not above 0. font '%s' cannot be created.", static_cast<double>(size), id);
    return false;
  }
  return true;
}

bool RefuseIfNotTrueType(const void* bytes, size_t size, const char* path) {
  if (LooksLikeTrueType(bytes, size)) return false;
  QEL_LOG_ERROR(kSourcePlugin, "font file '%s' is not a TrueType font. new font cannot be created.", path);
  return true;
}

// The host file's bytes in atlas memory, or null. Refusals are logged.
void* LoadThroughHost(const char* path, size_t& size) {
  HostCommandTable& host = Host();
  if (!host.GETFILEEXISTS_L_S(path)) {
    QEL_LOG_ERROR(kSourcePlugin, "font file not exists '%s'. new font cannot be created.", path);
    return nullptr;
  }
  const int32_t memblock = host.CREATEMEMBLOCKFROMFILE_L_S(path);
  const int32_t bytes = host.GETMEMBLOCKSIZE_L_L(memblock);
  const void* source = bytes > 0 ? host.GETMEMBLOCKPTR_P_L(memblock) : nullptr;
  void* copy = nullptr;
  if (!source) {
    QEL_LOG_ERROR(kSourcePlugin, "font file '%s' is empty. new font cannot be created.", path);
  } else if (!RefuseIfNotTrueType(source, static_cast<size_t>(bytes), path)) {
    copy = AllocateFontBytes(static_cast<size_t>(bytes));
    if (copy) std::memcpy(copy, source, static_cast<size_t>(bytes));
  }
  host.DELETEMEMBLOCK_0_L(memblock);
  size = copy ? static_cast<size_t>(bytes) : 0;
  return copy;
}

// The bytes of an operating-system file in atlas memory, untranslated, or null.
void* LoadFromDisk(const char* path, size_t& size) {
  size = 0;
  std::FILE* file = std::fopen(path, "rb");
  if (!file) {
    QEL_LOG_ERROR(kSourcePlugin, "font file '%s' cannot be read. new font cannot be created.", path);
    return nullptr;
  }
  void* bytes = nullptr;
  long length = -1;
  if (std::fseek(file, 0, SEEK_END) == 0) length = std::ftell(file);
  if (length > 0 && std::fseek(file, 0, SEEK_SET) == 0) bytes = AllocateFontBytes(static_cast<size_t>(length));
  if (bytes && std::fread(bytes, 1, static_cast<size_t>(length), file) == static_cast<size_t>(length)) {
    size = static_cast<size_t>(length);
  } else {
    QEL_LOG_ERROR(kSourcePlugin, "font file '%s' cannot be read. new font cannot be created.", path);
    if (bytes) FontAtlas().open->permanent.free(FontAtlas().open->permanent.userdata, bytes);
    bytes = nullptr;
  }
  std::fclose(file);
  if (bytes && RefuseIfNotTrueType(bytes, size, path)) {
    FontAtlas().open->permanent.free(FontAtlas().open->permanent.userdata, bytes);
    bytes = nullptr;
    size = 0;
  }
  return bytes;
}

// The system font folder: SystemRoot, else windir, else SystemDrive's Windows folder.
std::string SystemFontFolder() {
  for (const char* name : {"SystemRoot", "windir"}) {
    const char* value = std::getenv(name);
    if (value && *value) return std::string(value) + "/Fonts/";
  }
  return std::string(Text(std::getenv("SystemDrive"))) + "/Windows/Fonts/";
}

}  // namespace
}  // namespace qel

using namespace qel;

int32_t FontAtlasAddFromFile(const char* id, const char* path, float size) {
  id = Text(id);
  if (IdIsTaken(id)) return 0;
  if (!path || !*path) {
    QEL_LOG_ERROR(kSourcePlugin, "font file name is empty. font '%s' cannot be created.", id);
    return 0;
  }
  if (!CanAddTrueType(id, size)) return 0;
  size_t bytes = 0;
  void* data = LoadThroughHost(path, bytes);
  if (!data) return 0;
  QEL_LOG_INFO(kSourcePlugin, "font '%s' loaded", path);
  nk_font* font = AddAtlasFont(data, bytes, size);
  if (!font) return 0;
  Fonts().Register(id, &font->handle);
  return 1;
}

int32_t FontAtlasAddFromSystem(const char* id, const char* file, float size) {
  const std::string raw = "raw:" + SystemFontFolder() + Text(file);
  const std::string path = HostText(Host().REPLACESTRING_S_S_S_S_L(raw.c_str(), "\\", "/", -1));
  QEL_LOG_INFO(kSourcePlugin, "attempt to load font '%s'", path.c_str());
  return FontAtlasAddFromFile(id, path.c_str(), size);
}

void FontAddFromFile(const char* id, const char* path, float size) {
  id = Text(id);
  path = Text(path);
  if (Fonts().Has(id)) return;  // unlike the atlas adds, a taken id is passed over in silence
  const std::string raw = std::string("raw:") + path;
  if (!Host().GETFILEEXISTS_L_S(raw.c_str())) {
    QEL_LOG_ERROR(kSourcePlugin, "font file not exists '%s'. new font cannot be created.", path);
    return;
  }
  if (!CanAddTrueType(id, size)) return;
  size_t bytes = 0;
  void* data = LoadFromDisk(path, bytes);
  if (!data) return;
  nk_font* font = AddAtlasFont(data, bytes, size);
  if (!font) return;
  QEL_LOG_INFO(kSourcePlugin, "load font handle 0x%" PRIXPTR, reinterpret_cast<uintptr_t>(&font->handle));
  Fonts().Register(id, &font->handle);
}

int32_t FontAtlasAddQelFont0(int32_t slot, const char* id, const char* image_file) {
  id = Text(id);
  image_file = Text(image_file);
  if (IdIsTaken(id)) return 0;
  HostCommandTable& host = Host();
  if (!host.GETFILEEXISTS_L_S(image_file)) {
    QEL_LOG_ERROR(kSourcePlugin, "file not exists '%s'. new font cannot be created.", image_file);
    return 0;
  }
  // A name too short to end in an extension has no companion file, whatever exists.
  bool has_extension = false;
  const std::string subimages = SubimagesFileName(image_file, &has_extension);
  if (!has_extension || !host.GETFILEEXISTS_L_S(subimages.c_str())) {
    QEL_LOG_ERROR(kSourcePlugin, "subimages file not exists '%s'. new font cannot be created.", subimages.c_str());
    return 0;
  }
  std::unique_ptr<SubimageTable> table = LoadSubimages(image_file, subimages.c_str(), slot);
  if (!table) {
    QEL_LOG_ERROR(kSourcePlugin, "image of font '%s' could not be loaded. new font cannot be created.", id);
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
      QEL_LOG_WARN(kSourcePlugin, "glyph range 0x%X-0x%X is not a range of characters. it is ignored.", first, last);
      break;
    case GlyphRangeResult::kFull:
      QEL_LOG_WARN(kSourcePlugin, "glyph ranges are full (%d ranges). range 0x%X-0x%X is ignored.", kMaxGlyphRanges,
                   first, last);
      break;
  }
}

void FontSetGlyphRange(int32_t index) { SetGlyphRange(GlyphRanges(), index); }
