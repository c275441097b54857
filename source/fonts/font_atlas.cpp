#include "fonts/font_atlas.h"

#include <cstdint>

#include "device/render_device.h"
#include "device/texture_upload.h"
#include "fonts/font_table.h"
#include "fonts/glyph_ranges.h"
#include "frame/exports.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"

namespace qel {
namespace {

GLuint UploadAtlasTexture(const void* pixels, int width, int height) {
  return UploadRgbaTexture(pixels, width, height, TextureFilters{GL_LINEAR, GL_LINEAR, false});
}

GLint MaxTextureSize() {
  GLint size = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
  return size;
}

bool FitsTexture(int width, int height) {
  const GLint most = MaxTextureSize();
  return width > 0 && height > 0 && width <= most && height <= most;
}

float MeasureNothing(nk_handle, float, const char*, int) { return 0.0f; }

void QueryNothing(nk_handle, float, struct nk_user_font_glyph* glyph, nk_rune, nk_rune) {
  if (glyph) *glyph = nk_user_font_glyph{};
}

}  // namespace

FontAtlasState& FontAtlas() { return State().fonts.atlas; }
FontTable& Fonts() { return State().fonts.table; }

void MakeEmptyFontHandle(nk_user_font& handle, float height, nk_handle texture) {
  handle.userdata = nk_handle_ptr(nullptr);
  handle.height = height;
  handle.width = MeasureNothing;
  handle.query = QueryNothing;
  handle.texture = texture;
}

void* AllocateFontBytes(size_t size) {
  nk_font_atlas* atlas = FontAtlas().open;
  if (!atlas || size == 0) return nullptr;
  return atlas->permanent.alloc(atlas->permanent.userdata, nullptr, size);
}

nk_font* AddAtlasFont(void* bytes, size_t size, float pixel_size) {
  FontAtlasState& state = FontAtlas();
  nk_font_atlas* atlas = state.open;
  if (!bytes) return nullptr;
  if (!atlas) return nullptr;
  std::vector<nk_rune>& ranges = state.font_ranges.emplace_back();
  struct nk_font_config config = TrueTypeFontConfig(GlyphRanges(), pixel_size, ranges);
  config.ttf_blob = bytes;
  config.ttf_size = size;
  config.ttf_data_owned_by_atlas = 1;
  nk_font* font = pixel_size > 0.0f ? nk_font_atlas_add(atlas, &config) : nullptr;
  if (!font) {
    atlas->permanent.free(atlas->permanent.userdata, bytes);
    state.font_ranges.pop_back();
    return nullptr;
  }
  // Registered at once, measured and drawn only after the bake: until then it is empty.
  MakeEmptyFontHandle(font->handle, pixel_size, nk_handle_id(0));
  return font;
}

void EnsureStyleFont() {
  nk_context* ctx = Context();
  if (!ctx) return;
  const nk_user_font* chosen = ctx->style.font;
  const FontAtlasState& state = FontAtlas();
  if (!state.baked_once) {
    if (state.open) return;  // fonts are being added; the stash's end settles it
    QEL_LOG(AtlasNothingBaked);
    FontStashBegin();
    FontStashEnd();
    if (chosen) nk_style_set_font(ctx, chosen);  // keep a font the script already chose
  }
  const FontTable& fonts = Fonts();
  if (!ctx->style.font && !fonts.order.empty()) nk_style_set_font(ctx, fonts.Find(fonts.order.front()));
}

}  // namespace qel

using namespace qel;

void FontStashBegin() {
  // Each stash is a new atlas. The previous one is not freed: fonts registered from it
  // keep drawing with its texture.
  FontAtlasState& state = FontAtlas();
  if (state.open)
    QEL_LOG(AtlasStashStillOpen);
  nk_font_atlas_init_default(&state.atlas);
  nk_font_atlas_begin(&state.atlas);
  state.open = &state.atlas;
}

void FontStashEnd() {
  nk_context* ctx = Context();
  FontAtlasState& state = FontAtlas();
  if (!state.open || !ctx) return;
  nk_font_atlas& atlas = *state.open;
  int width = 0, height = 0;
  const void* pixels = nk_font_atlas_bake(&atlas, &width, &height, NK_FONT_ATLAS_RGBA32);
  bool baked = pixels != nullptr;
  if (baked && !FitsTexture(width, height)) {
    // Uploading it would fail and leave every glyph sampling an empty texture.
    QEL_LOG(AtlasLargerThanTexture, width,
                 height, MaxTextureSize());
    baked = false;
    for (nk_cursor& cursor : atlas.cursors) cursor = nk_cursor{};  // as a bake that failed leaves them
  }
  // A failed bake still gives the device a texture: one white pixel, so shapes keep drawing.
  static const uint32_t kWhitePixel = 0xFFFFFFFFu;
  if (!baked) {
    QEL_LOG(AtlasBakeFailed);
    pixels = &kWhitePixel;
    width = height = 1;
  }
  RenderDevice& device = Device();
  device.font_texture = UploadAtlasTexture(pixels, width, height);
  const nk_handle texture = nk_handle_id(static_cast<int>(device.font_texture));
  nk_font_atlas_end(&atlas, texture, &device.null_texture);
  if (!baked) {
    device.null_texture.uv = nk_vec2(0.5f, 0.5f);
    // Without an atlas the fonts have no glyphs (or glyphs of a texture that was never
    // made): they stay empty rather than unusable.
    for (nk_font* font = atlas.fonts; font; font = font->next)
      MakeEmptyFontHandle(font->handle, font->config ? font->config->size : 0.0f, texture);
  }
  nk_style_load_all_cursors(ctx, atlas.cursors);
  if (atlas.default_font) {
    nk_style_set_font(ctx, &atlas.default_font->handle);
    Fonts().Register("default", &atlas.default_font->handle);
  }
  state.open = nullptr;
  state.baked_once = true;
}
