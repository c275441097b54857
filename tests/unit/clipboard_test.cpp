#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
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

// Nuklear hands the copy hook a pointer into its string with no terminator after the copied
// glyphs. The text here ends right before an unreadable page, so reading past it crashes.
TEST(Clipboard, CopyReadsNoFurtherThanTheCopiedGlyphs) {
  const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  void* pages = mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(pages, MAP_FAILED);
  ASSERT_EQ(mprotect(static_cast<char*>(pages) + page, page, PROT_NONE), 0);
  auto at_page_end = [&](const std::string& bytes) {
    char* text = static_cast<char*>(pages) + page - bytes.size();
    std::memcpy(text, bytes.data(), bytes.size());
    return text;
  };
  nk_context ctx{};
  nk_init_default(&ctx, nullptr);
  InstallClipboard(&ctx);

  // "a", "é", "€", "𝄞": one to four bytes a glyph, the last one touching the page's end.
  const std::string all = "a\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E";
  ctx.clip.copy(ctx.clip.userdata, at_page_end(all), 4);
  EXPECT_EQ(ClipboardText(), all);
  ctx.clip.copy(ctx.clip.userdata, at_page_end("x\xE2\x82\xAC"), 2);
  EXPECT_EQ(ClipboardText(), "x\xE2\x82\xAC");
  // Bytes that lead nothing are a glyph each; a sequence cut short ends at the next lead.
  ctx.clip.copy(ctx.clip.userdata, at_page_end("\x80\xFF\xE2" "b"), 3);
  EXPECT_EQ(ClipboardText(), "\x80\xFF\xE2");

  nk_free(&ctx);
  munmap(pages, 2 * page);
}

}  // namespace
}  // namespace qel
