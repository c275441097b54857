// The look at a font file before the atlas gets it. Whatever it lets through is baked the
// way FontStashEnd bakes it, so a file the check passes but the baker cannot read shows up
// as the baker's out-of-bounds read.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "fonts/glyph_ranges.h"
#include "fonts/truetype_check.h"
#include "fuzz_support.h"

namespace {

void BakeAsTheAtlasDoes(const uint8_t* data, size_t size) {
  nk_font_atlas atlas;
  nk_font_atlas_init_default(&atlas);
  nk_font_atlas_begin(&atlas);
  // The atlas owns its copy, exactly sized, as AllocateFontBytes gives it.
  void* bytes = atlas.permanent.alloc(atlas.permanent.userdata, nullptr, size);
  std::memcpy(bytes, data, size);
  std::vector<nk_rune> ranges;
  struct nk_font_config config = qel::TrueTypeFontConfig(qel::GlyphRangeState{}, 13.0f, ranges);
  config.ttf_blob = bytes;
  config.ttf_size = size;
  config.ttf_data_owned_by_atlas = 1;
  if (nk_font_atlas_add(&atlas, &config)) {
    int width = 0, height = 0;
    const bool baked = nk_font_atlas_bake(&atlas, &width, &height, NK_FONT_ATLAS_RGBA32) != nullptr;
    nk_font_atlas_end(&atlas, nk_handle_id(1), nullptr);
    // A baked font measures from its glyph table; an unbaked one the plug-in never measures.
    if (baked) {
      static const char kText[] = "Fuzz 0123 \xc3\xa9";
      for (nk_font* font = atlas.fonts; font; font = font->next)
        font->handle.width(font->handle.userdata, font->handle.height, kText, sizeof kText - 1);
    }
  } else {
    atlas.permanent.free(atlas.permanent.userdata, bytes);
  }
  nk_font_atlas_clear(&atlas);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // An exactly sized heap copy: a read one byte past the file is caught.
  std::vector<uint8_t> file(data, data + size);
  if (qel::LooksLikeTrueType(file.data(), file.size())) BakeAsTheAtlasDoes(file.data(), file.size());
  return 0;
}
