// Text drawn in each kind of font, read back from the host's screen: a TrueType font baked
// in the atlas, a bitmap font drawn from a host image, the built-in font; and what is left
// when a bake fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "../integration/bitmap_font.h"
#include "device_fixture.h"
#include "device/render_device.h"
#include "fonts/font_atlas.h"
#include "fonts/font_table.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/plugin_state.h"

namespace qel {
namespace {


const std::string kDejaVuRaw = "raw:/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr int kWidth = 320, kHeight = 240;
constexpr float kRowHeight = 40.0f;

// Where text of one row lit the screen.
struct Ink {
  int left = kWidth, top = kHeight, right = -1, bottom = -1, pixels = 0;
  int width() const { return right - left + 1; }
  int height() const { return bottom - top + 1; }
};

class FontDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    media_ = ::testing::TempDir() + "qel_font_drawing_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name() + "/";
    std::filesystem::remove_all(media_);
    std::filesystem::create_directories(media_);
    ASSERT_TRUE(WriteBitmapFont(media_));
    host_ = StartBoundHost(kWidth, kHeight, media_);
    ASSERT_TRUE(host_->ok());
    log_ = media_ + "plugin.log";
    LogSetLocation(log_.c_str());
    ASSERT_EQ(Init1(1), 1);
  }

  // One borderless black window over the target, a row of white text per font.
  template <class Rows>
  void DrawRows(Rows&& rows) {
    nk_context* ctx = Context();
    ctx->style.window.fixed_background = nk_style_item_color(nk_rgba(0, 0, 0, 255));
    ctx->style.window.border = 0;
    ctx->style.window.padding = nk_vec2(0, 0);
    ctx->style.window.spacing = nk_vec2(0, 0);
    ctx->style.text.color = nk_rgba(255, 255, 255, 255);
    ctx->style.cursor_visible = nk_false;  // the atlas's drawn mouse cursor would count as ink
    ASSERT_TRUE(nk_begin(ctx, "text", nk_rect(0, 0, kWidth, kHeight), NK_WINDOW_NO_SCROLLBAR | NK_WINDOW_BACKGROUND));
    rows(ctx);
    nk_end(ctx);
    Sync();
  }
  static void Row(nk_context* ctx, const nk_user_font* font, const char* text) {
    ASSERT_NE(font, nullptr) << text;
    nk_style_set_font(ctx, font);
    nk_layout_row_dynamic(ctx, kRowHeight, 1);
    nk_label(ctx, text, NK_TEXT_LEFT);
  }

  Ink InkOfRow(int row, int threshold = 128) const {
    const Pixels screen = host_->Screen();
    Ink ink;
    for (int y = row * static_cast<int>(kRowHeight); y < (row + 1) * static_cast<int>(kRowHeight); ++y)
      for (int x = 0; x < kWidth; ++x) {
        if ((screen.At(x, y) & 0xFF) < static_cast<uint32_t>(threshold)) continue;
        ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
        ++ink.pixels;
      }
    return ink;
  }
  bool Lit(int x, int y) const { return (host_->Screen().At(x, y) & 0xFF) >= 128; }

  std::string media_, log_;
  std::unique_ptr<ReferenceHost> host_;
};

TEST_F(FontDrawing, LabelsShowTheirTextInATrueTypeFontABitmapFontAndTheBuiltInFont) {
  ASSERT_GT(FontAtlasAddQelFont1("bitmap", "glyphs.png"), 0);
  FontStashBegin();
  ASSERT_EQ(FontAtlasAddFromFile("sans", kDejaVuRaw.c_str(), 30.0f), 1);
  FontStashEnd();
  FontStashBegin();  // a stash of its own for the built-in font; the first atlas stays
  FontStashEnd();
  nk_context* ctx = Context();
  const nk_user_font* sans = Fonts().Find("sans");
  const nk_user_font* bitmap = Fonts().Find("bitmap");
  const nk_user_font* builtin = Fonts().Find("default");

  // Measured through the exports with each as the style font.
  nk_style_set_font(ctx, bitmap);
  EXPECT_EQ(FontGetHeight(), 16.0f);
  EXPECT_EQ(FontGetTextWidth("ABW", 3), 25.0f);  // 8 + 7 + 10: sums of record widths
  EXPECT_EQ(FontGetLabelWidth("AB"), 15.0f);
  EXPECT_EQ(FontGetLabelWidth("AxB"), 15.0f);  // x is not in the file
  nk_style_set_font(ctx, sans);
  EXPECT_NEAR(FontGetHeight(), 30.0f, 1.0f);
  const float sans_width = FontGetLabelWidth("HIH");
  nk_style_set_font(ctx, builtin);
  EXPECT_EQ(FontGetHeight(), 13.0f);
  const float builtin_width = FontGetLabelWidth("HIH");

  DrawRows([&](nk_context* c) {
    Row(c, sans, "HIH");
    Row(c, bitmap, "ABW");
    Row(c, builtin, "HIH");
  });
  ReferenceHost::SavePng(host_->Screen(), media_ + "three_fonts.png");

  const Ink sans_ink = InkOfRow(0);
  EXPECT_GT(sans_ink.pixels, 150);
  EXPECT_NEAR(sans_ink.width(), sans_width, 6.0f);
  EXPECT_GT(sans_ink.height(), 15);

  // The bitmap glyphs are solid blocks drawn side by side, top-aligned in the row.
  const Ink bitmap_ink = InkOfRow(1);
  EXPECT_EQ(bitmap_ink.width(), 25);
  EXPECT_EQ(bitmap_ink.height(), 16);
  EXPECT_NEAR(bitmap_ink.pixels, 8 * 12 + 7 * 12 + 10 * 16, 8);
  const int x = bitmap_ink.left, y = bitmap_ink.top;
  EXPECT_TRUE(Lit(x + 4, y + 10) && !Lit(x + 4, y + 14));       // A: 12 high
  EXPECT_TRUE(Lit(x + 8 + 6, y + 10) && !Lit(x + 8 + 6, y + 14));  // B: 7 wide, 12 high
  EXPECT_TRUE(Lit(x + 15 + 5, y + 15));                          // W: 16 high

  const Ink builtin_ink = InkOfRow(2);
  EXPECT_GT(builtin_ink.pixels, 30);
  EXPECT_NEAR(builtin_ink.width(), builtin_width, 4.0f);
  EXPECT_LE(builtin_ink.height(), 13);
}

void* NoMemory(nk_handle, void*, nk_size) { return nullptr; }

TEST_F(FontDrawing, AFailedBakeLeavesFontsThatMeasureNothingAndShapesStillDraw) {
#ifndef NDEBUG
  GTEST_SKIP() << "Nuklear asserts on a failed allocation when built with assertions";
#endif
  FontStashBegin();
  ASSERT_EQ(FontAtlasAddFromFile("sans", kDejaVuRaw.c_str(), 30.0f), 1);
  FontAtlas().open->temporary.alloc = NoMemory;
  FontStashEnd();

  // The built-in font as the default of an atlas whose bake then fails.
  FontStashBegin();
  nk_font_atlas* atlas = FontAtlas().open;
  atlas->default_font = nk_font_atlas_add_default(atlas, 13.0f, nullptr);
  ASSERT_NE(atlas->default_font, nullptr);
  atlas->temporary.alloc = NoMemory;
  FontStashEnd();

  const nk_user_font* sans = Fonts().Find("sans");
  ASSERT_NE(sans, nullptr);
  EXPECT_EQ(sans->width(sans->userdata, sans->height, "abc", 3), 0.0f);
  EXPECT_EQ(FontGetHeight(), 13.0f);  // the built-in font, without glyphs
  EXPECT_EQ(FontGetLabelWidth("abc"), 0.0f);
  EXPECT_EQ(Device().null_texture.uv.x, 0.5f);

  DrawRows([&](nk_context* ctx) {
    Row(ctx, sans, "abc");
    Row(ctx, Fonts().Find("default"), "abc");
    nk_fill_rect(nk_window_get_canvas(ctx), nk_rect(200, 150, 30, 20), 0, nk_rgba(255, 0, 0, 255));
  });
  EXPECT_EQ(host_->Screen().At(210, 160), 0xFF0000FFu);
  EXPECT_EQ(InkOfRow(0).pixels + InkOfRow(1).pixels, 0);
  std::string log;
  {
    std::ifstream in(log_);
    log.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  EXPECT_EQ(log.find(LogLevelAndText(msg::AtlasBakeFailed)) != std::string::npos, true);
}

}  // namespace
}  // namespace qel
