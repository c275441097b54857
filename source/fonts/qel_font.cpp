#include "fonts/qel_font.h"

#include "frame/host_commands.h"
#include "frame/plugin_state.h"

namespace qel {
namespace {

const SubimageTable* TableOf(nk_handle handle) { return static_cast<const SubimageTable*>(handle.ptr); }

}  // namespace

float QelFontTextWidth(nk_handle handle, float, const char* text, int length) {
  const SubimageTable* table = TableOf(handle);
  if (!table || !text) return 0.0f;
  float width = 0.0f;
  for (int i = 0; i < length; ++i) width += table->records[static_cast<unsigned char>(text[i])].width;
  return width;
}

void QelFontQueryGlyph(nk_handle handle, float, struct nk_user_font_glyph* glyph, nk_rune code_point, nk_rune) {
  if (!glyph) return;
  *glyph = nk_user_font_glyph{};
  const SubimageTable* table = TableOf(handle);
  if (!table || code_point > 255) return;
  const SubimageRecord& record = table->records[code_point];
  glyph->width = record.width;
  glyph->height = record.height;
  glyph->xadvance = record.width;
  glyph->uv[0] = nk_vec2(record.left, record.top);
  glyph->uv[1] = nk_vec2(record.right, record.bottom);
}

const nk_user_font* MakeQelFont(std::unique_ptr<SubimageTable> table) {
  if (!table) return nullptr;
  QelFont& made = State().fonts.qel_fonts.emplace_back();
  made.table = std::move(table);
  made.font.userdata = nk_handle_ptr(made.table.get());
  made.font.height = made.table->max_height;
  made.font.width = QelFontTextWidth;
  made.font.query = QelFontQueryGlyph;
  made.font.texture = nk_handle_id(HostCommands().GETOPENGLIMAGEID_L_L(made.table->image_id));
  return &made.font;
}

}  // namespace qel
