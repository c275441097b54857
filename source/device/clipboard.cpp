#include "device/clipboard.h"

#include <cstddef>

#include "frame/plugin_state.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace qel {
namespace {

// Bytes of the first `glyphs` UTF-8 sequences of `text`. Nuklear hands its string without a
// terminator, so each sequence is measured as Nuklear measured it when it counted the glyphs:
// the length its lead byte gives, cut short at a byte that does not continue it; a byte that
// cannot lead a sequence is a glyph of its own. No byte past those glyphs is read.
size_t Utf8BytesOfGlyphs(const char* text, int glyphs) {
  size_t bytes = 0;
  for (int i = 0; i < glyphs; ++i) {
    const auto lead = static_cast<unsigned char>(text[bytes]);
    size_t length = 1;
    if (lead >= 0xC0 && lead < 0xE0) length = 2;
    else if (lead >= 0xE0 && lead < 0xF0) length = 3;
    else if (lead >= 0xF0 && lead < 0xF8) length = 4;
    size_t taken = 1;
    while (taken < length && (static_cast<unsigned char>(text[bytes + taken]) & 0xC0) == 0x80) ++taken;
    bytes += taken;
  }
  return bytes;
}

int GlyphCount(const std::string& utf8) {
  int glyphs = 0;
  int at = 0;
  const int size = static_cast<int>(utf8.size());
  while (at < size) {
    nk_rune rune;
    int n = nk_utf_decode(utf8.data() + at, &rune, size - at);
    if (n <= 0) break;
    at += n;
    ++glyphs;
  }
  return glyphs;
}

#if defined(_WIN32)
void PutSystemText(const std::string& utf8) {
  int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  if (!OpenClipboard(nullptr)) return;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (static_cast<size_t>(wide) + 1) * sizeof(wchar_t));
  if (memory) {
    wchar_t* target = static_cast<wchar_t*>(GlobalLock(memory));
    if (target) {
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), target, wide);
      target[wide] = 0;
      GlobalUnlock(memory);
      EmptyClipboard();
      if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    } else {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
}

std::string GetSystemText() {
  std::string utf8;
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(nullptr)) return utf8;
  if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    if (const wchar_t* source = static_cast<const wchar_t*>(GlobalLock(memory))) {
      int bytes = WideCharToMultiByte(CP_UTF8, 0, source, -1, nullptr, 0, nullptr, nullptr);
      if (bytes > 1) {
        utf8.resize(static_cast<size_t>(bytes));
        WideCharToMultiByte(CP_UTF8, 0, source, -1, &utf8[0], bytes, nullptr, nullptr);
        utf8.resize(static_cast<size_t>(bytes - 1));
      }
      GlobalUnlock(memory);
    }
  }
  CloseClipboard();
  return utf8;
}
#else
void PutSystemText(const std::string& utf8) { State().clipboard.text = utf8; }
std::string GetSystemText() { return State().clipboard.text; }
#endif

void Copy(nk_handle, const char* text, int glyphs) {
  if (!text || glyphs <= 0) return;
  PutSystemText(std::string(text, Utf8BytesOfGlyphs(text, glyphs)));
}

void Paste(nk_handle, nk_text_edit* edit) {
  if (!edit) return;
  const std::string text = GetSystemText();
  if (text.empty()) return;
  // Nuklear's paste counts the length in glyphs.
  nk_textedit_paste(edit, text.c_str(), GlyphCount(text));
}

}  // namespace

void InstallClipboard(nk_context* ctx) {
  if (!ctx) return;
  ctx->clip.copy = Copy;
  ctx->clip.paste = Paste;
  ctx->clip.userdata = nk_handle_ptr(nullptr);
}

void SetClipboardText(const std::string& utf8) { PutSystemText(utf8); }
std::string ClipboardText() { return GetSystemText(); }

}  // namespace qel
