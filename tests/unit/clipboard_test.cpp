#include <gtest/gtest.h>

#include <string>

#include "device/clipboard.h"

namespace qel {
namespace {

TEST(Clipboard, CopyTakesGlyphsNotBytesAndPasteInsertsThemAll) {
  nk_context ctx{};
  nk_init_default(&ctx, nullptr);
  InstallClipboard(&ctx);
  ctx.clip.copy(ctx.clip.userdata, "h\xC3\xA9llo", 2);  // "hé": two glyphs, three bytes
  EXPECT_EQ(ClipboardText(), "h\xC3\xA9");

  SetClipboardText("\xE2\x82\xAC" "1,5");  // "€1,5"
  nk_text_edit edit;
  nk_textedit_init_default(&edit);
  edit.mode = NK_TEXT_EDIT_MODE_INSERT;
  ctx.clip.paste(ctx.clip.userdata, &edit);
  EXPECT_EQ(std::string(static_cast<const char*>(nk_buffer_memory_const(&edit.string.buffer)),
                        static_cast<size_t>(edit.string.buffer.allocated)),
            "\xE2\x82\xAC" "1,5");
  EXPECT_EQ(edit.string.len, 4);
  EXPECT_EQ(edit.cursor, 4);  // after the pasted glyphs, not after as many bytes

  SetClipboardText("");
  ctx.clip.paste(ctx.clip.userdata, &edit);  // nothing to paste
  EXPECT_EQ(edit.string.len, 4);
  nk_textedit_free(&edit);
  nk_free(&ctx);
}

}  // namespace
}  // namespace qel
