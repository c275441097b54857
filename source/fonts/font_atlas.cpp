#include "fonts/font_atlas.h"

#include "device/render_device.h"
#include "fonts/font_table.h"
#include "frame/exports.h"
#include "frame/logger.h"
#include "frame/plugin_state.h"

namespace qel {
namespace {

FontAtlasState g_atlas;
FontTable g_fonts;

GLuint UploadAtlasTexture(const void* pixels, int width, int height) {
  GLint previous = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &previous);
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previous));
  return texture;
}

}  // namespace

FontAtlasState& FontAtlas() { return g_atlas; }
FontTable& Fonts() { return g_fonts; }

void EnsureStyleFont() {
  nk_context* ctx = Context();
  if (!ctx) return;
  const nk_user_font* chosen = ctx->style.font;
  if (!g_atlas.baked_once) {
    if (g_atlas.open) return;  // fonts are being added; the stash's end settles it
    QEL_LOG_WARN(kSourceDevice, "no fonts were baked; using the built-in font.");
    FontStashBegin();
    FontStashEnd();
    if (chosen) nk_style_set_font(ctx, chosen);  // keep a font the script already chose
  }
  if (!ctx->style.font && !g_fonts.order.empty()) nk_style_set_font(ctx, g_fonts.Find(g_fonts.order.front()));
}

}  // namespace qel

using namespace qel;

void FontStashBegin() {
  // Each stash is a new atlas. The previous one is not freed: fonts registered from it
  // keep drawing with its texture.
  nk_font_atlas_init_default(&g_atlas.atlas);
  nk_font_atlas_begin(&g_atlas.atlas);
  g_atlas.open = &g_atlas.atlas;
}

void FontStashEnd() {
  nk_context* ctx = Context();
  if (!g_atlas.open || !ctx) return;
  nk_font_atlas& atlas = *g_atlas.open;
  int width = 0, height = 0;
  const void* pixels = nk_font_atlas_bake(&atlas, &width, &height, NK_FONT_ATLAS_RGBA32);
  if (!pixels) QEL_LOG_WARN(kSourceDevice, "An error has occurred when baking the fonts.");
  RenderDevice& device = Device();
  device.font_texture = UploadAtlasTexture(pixels, width, height);
  nk_font_atlas_end(&atlas, nk_handle_id(static_cast<int>(device.font_texture)), &device.null_texture);
  nk_style_load_all_cursors(ctx, atlas.cursors);
  if (atlas.default_font) {
    nk_style_set_font(ctx, &atlas.default_font->handle);
    g_fonts.Register("default", &atlas.default_font->handle);
  }
  g_atlas.open = nullptr;
  g_atlas.baked_once = true;
}
