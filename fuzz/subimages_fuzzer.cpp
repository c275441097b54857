// The subimages file, read line by line through a host whose file, token and number commands
// behave as the reference host's do (its own string code is linked in), over an image of
// 256 x 128 pixels. The table it gives is then measured with, as a host-image font does.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "fonts/qel_font.h"
#include "frame/host_commands.h"
#include "fuzz_support.h"
#include "images/subimages.h"
#include "text.h"

namespace {

constexpr int32_t kImage = 7, kFile = 3;

struct FakeFile {
  std::string bytes;
  size_t at = 0;
  bool open = false;
};
FakeFile g_file;
// Strings handed to the plug-in live until the next input, as the host's pool keeps them.
std::deque<std::string> g_strings;

char* Keep(std::string text) { return g_strings.emplace_back(std::move(text)).data(); }

int32_t LoadImage(const char*, int32_t) { return kImage; }
float ImageWidth(int32_t image) { return image == kImage ? 256.0f : 0.0f; }
float ImageHeight(int32_t image) { return image == kImage ? 128.0f : 0.0f; }
int32_t OpenToRead(const char*) {
  g_file.open = true;
  g_file.at = 0;
  return kFile;
}
int32_t FileEof(int32_t file) { return file != kFile || !g_file.open || g_file.at >= g_file.bytes.size(); }
char* ReadLine(int32_t file) {
  if (file != kFile || !g_file.open || g_file.at >= g_file.bytes.size()) return Keep("");
  size_t end = g_file.bytes.find('\n', g_file.at);
  const bool ended = end != std::string::npos;
  const size_t next = ended ? end + 1 : g_file.bytes.size();
  if (!ended) end = g_file.bytes.size();
  if (ended && end > g_file.at && g_file.bytes[end - 1] == '\r') --end;
  std::string line = g_file.bytes.substr(g_file.at, end - g_file.at);
  g_file.at = next;
  return Keep(std::move(line));
}
void CloseFile(int32_t) { g_file.open = false; }
int32_t CountTokens(const char* text, const char* delimiters) {
  return static_cast<int32_t>(qel::engine::SplitTokens(text ? text : "", delimiters ? delimiters : "").size());
}
char* Token(const char* text, const char* delimiters, int32_t index) {
  const std::string source = text ? text : "";
  const auto tokens = qel::engine::SplitTokens(source, delimiters ? delimiters : "");
  const bool valid = index >= 1 && static_cast<size_t>(index) <= tokens.size();
  return Keep(valid ? std::string(tokens[static_cast<size_t>(index) - 1]) : std::string());
}
int32_t Val(const char* text) { return qel::engine::ParseDecimal(text); }

void InstallHost() {
  qel::HostCommandTable& host = qel::HostCommands();
  host.LOADIMAGE_L_S_L.function = LoadImage;
  host.GETIMAGEWIDTH_F_L.function = ImageWidth;
  host.GETIMAGEHEIGHT_F_L.function = ImageHeight;
  host.OPENTOREAD_L_S.function = OpenToRead;
  host.FILEEOF_L_L.function = FileEof;
  host.READLINE_S_L.function = ReadLine;
  host.CLOSEFILE_0_L.function = CloseFile;
  host.COUNTSTRINGTOKENS_L_S_S.function = CountTokens;
  host.GETSTRINGTOKEN_S_S_S_L.function = Token;
  host.VAL_L_S.function = Val;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool installed = (qel::fuzz::PluginContext(), InstallHost(), true);
  (void)installed;
  g_strings.clear();
  g_file = FakeFile{std::string(reinterpret_cast<const char*>(data), size)};
  std::unique_ptr<qel::SubimageTable> table = qel::LoadSubimages("font.png", "font subimages.txt", 0);
  if (!table || table->image_id != kImage) __builtin_trap();
  if (!(table->max_height >= 0.0f)) __builtin_trap();

  // Measure every byte, and query every code point's glyph, through the font's callbacks.
  char all[255];
  for (int i = 0; i < 255; ++i) all[i] = static_cast<char>(i + 1);
  const nk_handle handle = nk_handle_ptr(table.get());
  // Sizes are whole pixels of 32-bit numbers: their sum is finite.
  if (!std::isfinite(qel::QelFontTextWidth(handle, 16.0f, all, 255))) __builtin_trap();
  for (nk_rune code = 0; code < 300; ++code) {
    struct nk_user_font_glyph glyph;
    qel::QelFontQueryGlyph(handle, 16.0f, &glyph, code, 0);
  }
  return 0;
}
