// Nine-slice style items, checked on the image commands Nuklear records for them.
//
// Image commands store the screen rectangle as short x, y and unsigned short w, h, and the
// image region as four unsigned shorts; the nine-slice drawing cuts both at whole pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "nuklear_config.h"

namespace qel {
namespace {

struct Piece {
  int x, y, w, h;       // on the screen
  int rx, ry, rw, rh;   // in the image
};

float SixPixelsEach(nk_handle, float, const char*, int len) { return 6.0f * static_cast<float>(len); }

class NineSliceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    font_.height = 13;
    font_.width = SixPixelsEach;
    nk_init_default(&ctx_, &font_);
  }
  void TearDown() override { nk_free(&ctx_); }

  // The image pieces of one drawing of `slice` into `r`.
  std::vector<Piece> Draw(const nk_nine_slice& slice, struct nk_rect r) {
    EXPECT_TRUE(nk_begin(&ctx_, "canvas", nk_rect(0, 0, 800, 600), NK_WINDOW_NO_SCROLLBAR));
    nk_command_buffer* canvas = nk_window_get_canvas(&ctx_);
    nk_push_scissor(canvas, nk_rect(-8192, -8192, 16384, 16384));
    nk_draw_nine_slice(canvas, r, &slice, nk_rgba(255, 255, 255, 255));
    nk_end(&ctx_);
    std::vector<Piece> pieces = Pieces(slice.img.handle.id);
    nk_clear(&ctx_);
    return pieces;
  }

  // Every image command of the frame, checked to show the texture `id` at its full size.
  std::vector<Piece> Pieces(int id) {
    std::vector<Piece> pieces;
    const nk_command* cmd;
    nk_foreach(cmd, &ctx_) {
      if (cmd->type != NK_COMMAND_IMAGE) continue;
      const auto* image = reinterpret_cast<const nk_command_image*>(cmd);
      EXPECT_EQ(image->img.handle.id, id);
      pieces.push_back({image->x, image->y, image->w, image->h, image->img.region[0],
                        image->img.region[1], image->img.region[2], image->img.region[3]});
    }
    return pieces;
  }

  // Image commands of texture `id` in one window's buffer.
  static size_t ImageCommands(const nk_command_buffer* buffer, int id) {
    size_t images = 0;
    const char* base = static_cast<const char*>(nk_buffer_memory_const(buffer->base));
    for (nk_size at = buffer->begin; at < buffer->end;) {
      const nk_command* cmd = reinterpret_cast<const nk_command*>(base + at);
      if (cmd->type == NK_COMMAND_IMAGE && reinterpret_cast<const nk_command_image*>(cmd)->img.handle.id == id)
        ++images;
      at = cmd->next;
    }
    return images;
  }

  nk_user_font font_{};
  nk_context ctx_{};
};

void ExpectPiece(const Piece& p, int x, int y, int w, int h, int rx, int ry, int rw, int rh) {
  EXPECT_EQ(p.x, x);
  EXPECT_EQ(p.y, y);
  EXPECT_EQ(p.w, w);
  EXPECT_EQ(p.h, h);
  EXPECT_EQ(p.rx, rx);
  EXPECT_EQ(p.ry, ry);
  EXPECT_EQ(p.rw, rw);
  EXPECT_EQ(p.rh, rh);
}

// Pieces cover [x, x + w) x [y, y + h) exactly: each row and column starts where the one
// before it ends.
void ExpectTiles(const std::vector<Piece>& pieces, int columns, int x, int y, int w, int h) {
  ASSERT_EQ(pieces.size() % static_cast<size_t>(columns), 0u);
  int row_y = y;
  for (size_t row = 0; row < pieces.size() / static_cast<size_t>(columns); ++row) {
    int at = x;
    const Piece& first = pieces[row * static_cast<size_t>(columns)];
    EXPECT_EQ(first.y, row_y);
    for (int c = 0; c < columns; ++c) {
      const Piece& p = pieces[row * static_cast<size_t>(columns) + static_cast<size_t>(c)];
      EXPECT_EQ(p.x, at);
      EXPECT_EQ(p.y, first.y);
      EXPECT_EQ(p.h, first.h);
      at += p.w;
    }
    EXPECT_EQ(at, x + w);
    row_y += first.h;
  }
  EXPECT_EQ(row_y, y + h);
}

TEST_F(NineSliceTest, CornersKeepTheirSizeWhileEdgesAndCentreStretch) {
  // Region 32 x 24 at (8, 4) of a 64 x 48 texture, borders left 4, top 3, right 6, bottom 5.
  const nk_nine_slice slice = nk_sub9slice_id(7, 64, 48, nk_rect(8, 4, 32, 24), 4, 3, 6, 5);

  std::vector<Piece> big = Draw(slice, nk_rect(100, 50, 80, 40));
  ASSERT_EQ(big.size(), 9u);
  ExpectPiece(big[0], 100, 50, 4, 3, 8, 4, 4, 3);      // top left
  ExpectPiece(big[1], 104, 50, 70, 3, 12, 4, 22, 3);   // top edge
  ExpectPiece(big[2], 174, 50, 6, 3, 34, 4, 6, 3);     // top right
  ExpectPiece(big[3], 100, 53, 4, 32, 8, 7, 4, 16);    // left edge
  ExpectPiece(big[4], 104, 53, 70, 32, 12, 7, 22, 16); // centre
  ExpectPiece(big[5], 174, 53, 6, 32, 34, 7, 6, 16);   // right edge
  ExpectPiece(big[6], 100, 85, 4, 5, 8, 23, 4, 5);     // bottom left
  ExpectPiece(big[7], 104, 85, 70, 5, 12, 23, 22, 5);  // bottom edge
  ExpectPiece(big[8], 174, 85, 6, 5, 34, 23, 6, 5);    // bottom right

  std::vector<Piece> small = Draw(slice, nk_rect(200, 100, 20, 12));
  ASSERT_EQ(small.size(), 9u);
  for (size_t i = 0; i < 9; ++i) {  // the same image regions, whatever the size
    EXPECT_EQ(small[i].rx, big[i].rx);
    EXPECT_EQ(small[i].ry, big[i].ry);
    EXPECT_EQ(small[i].rw, big[i].rw);
    EXPECT_EQ(small[i].rh, big[i].rh);
  }
  for (size_t corner : {0u, 2u, 6u, 8u}) {
    EXPECT_EQ(small[corner].w, big[corner].w);
    EXPECT_EQ(small[corner].h, big[corner].h);
  }
  ExpectPiece(small[4], 204, 103, 10, 4, 12, 7, 22, 16);
  ExpectTiles(small, 3, 200, 100, 20, 12);
}

TEST_F(NineSliceTest, OddSizesStillTileTheRectangleWithoutGaps) {
  const nk_nine_slice slice = nk_sub9slice_id(7, 64, 48, nk_rect(8, 4, 32, 24), 4, 3, 6, 5);

  // Fractional rectangle: cut at whole pixels, neighbours share their edges.
  ExpectTiles(Draw(slice, nk_rect(10.5f, 20.7f, 33.3f, 17.9f)), 3, 10, 20, 33, 17);

  // Narrower than both side borders: the sides share the width (2 + 3), no middle column.
  std::vector<Piece> narrow = Draw(slice, nk_rect(0, 0, 5, 40));
  ASSERT_EQ(narrow.size(), 6u);
  ExpectTiles(narrow, 2, 0, 0, 5, 40);
  EXPECT_EQ(narrow[0].w, 2);
  EXPECT_EQ(narrow[0].rw, 4);  // the whole border, scaled down
  EXPECT_EQ(narrow[1].rx, 34);

  // Borders wider than the region are cut down to meet in its middle.
  std::vector<Piece> wide = Draw(nk_sub9slice_id(7, 64, 48, nk_rect(8, 4, 32, 24), 30, 0, 30, 0),
                                 nk_rect(0, 0, 100, 10));
  ASSERT_EQ(wide.size(), 2u);
  ExpectPiece(wide[0], 0, 0, 16, 10, 8, 4, 16, 24);
  ExpectPiece(wide[1], 84, 0, 16, 10, 24, 4, 16, 24);

  // Negative and NaN borders count as none: the region drawn whole.
  std::vector<Piece> plain = Draw(nk_sub9slice_id(7, 64, 48, nk_rect(8, 4, 32, 24), -3, NAN, 0, -0.0f),
                                  nk_rect(5, 6, 50, 60));
  ASSERT_EQ(plain.size(), 1u);
  ExpectPiece(plain[0], 5, 6, 50, 60, 8, 4, 32, 24);

  // Without a known image size there is nothing to cut: the image is stretched whole.
  std::vector<Piece> whole = Draw(nk_nine_slice_id(7, 4, 4, 4, 4), nk_rect(5, 6, 50, 60));
  ASSERT_EQ(whole.size(), 1u);
  EXPECT_EQ(whole[0].w, 50);
  EXPECT_EQ(whole[0].h, 60);

  EXPECT_TRUE(Draw(slice, nk_rect(5, 6, 0, 60)).empty());
}

// Every piece shows texels of the region within 0 to 65535 and lies on the rectangle.
void ExpectSanePieces(const std::vector<Piece>& pieces, const struct nk_image& img, int x, int y, int w, int h) {
  for (const Piece& p : pieces) {
    EXPECT_GT(p.w, 0);
    EXPECT_GT(p.h, 0);
    EXPECT_GE(p.x, x);
    EXPECT_GE(p.y, y);
    EXPECT_LE(p.x + p.w, x + w);
    EXPECT_LE(p.y + p.h, y + h);
    EXPECT_GT(p.rw, 0);
    EXPECT_GT(p.rh, 0);
    EXPECT_GE(p.rx, img.region[0]);
    EXPECT_GE(p.ry, img.region[1]);
    EXPECT_LE(p.rx + p.rw, std::min(img.region[0] + img.region[2], 65535));
    EXPECT_LE(p.ry + p.rh, std::min(img.region[1] + img.region[3], 65535));
  }
}

TEST_F(NineSliceTest, RegionsAtTheEndOfTheTexelRangeAndWildBorders) {
  // Region and borders as a script may write them into memory: the region reaches past
  // texel 65535, and the borders are oversize, negative, infinite or NaN.
  nk_nine_slice slice{};
  slice.img.handle.id = 7;
  slice.img.w = slice.img.h = 65535;
  const unsigned short regions[][4] = {
      {65000, 65500, 1000, 500}, {65535, 65535, 65535, 65535}, {0, 0, 65535, 65535}, {65534, 100, 65535, 1}};
  const float borders[][4] = {{100, 10, 200, 600},  {1e9f, -5, INFINITY, -INFINITY}, {NAN, 70000, 3, 65535},
                              {-1e9f, 0.4f, 0.6f, 2}, {65535, 65535, 65535, 65535}};
  for (const auto& region : regions) {
    for (const auto& border : borders) {
      std::copy(region, region + 4, slice.img.region);
      slice.l = border[0], slice.t = border[1], slice.r = border[2], slice.b = border[3];
      SCOPED_TRACE(::testing::Message() << "region " << region[0] << ", " << region[1] << ", " << region[2]
                                        << ", " << region[3] << " borders " << border[0] << ", " << border[1]
                                        << ", " << border[2] << ", " << border[3]);
      ExpectSanePieces(Draw(slice, nk_rect(10, 20, 400, 40)), slice.img, 10, 20, 400, 40);
      ExpectSanePieces(Draw(slice, nk_rect(10, 20, 3, 1)), slice.img, 10, 20, 3, 1);
    }
  }

  // The first case in detail. Columns: the left border (100 texels) and the middle, cut at
  // texel 65535; the right border lies wholly past it and is not drawn. Rows: the bottom
  // border is cut to the region (500) and both shrink to fit it (9 + 491); on 40 pixels the
  // top row gets floor(40 * 9 / 500) = 0 of them.
  std::copy(regions[0], regions[0] + 4, slice.img.region);
  slice.l = 100, slice.t = 10, slice.r = 200, slice.b = 600;
  const std::vector<Piece> pieces = Draw(slice, nk_rect(10, 20, 400, 40));
  ASSERT_EQ(pieces.size(), 2u);
  ExpectPiece(pieces[0], 10, 20, 100, 40, 65000, 65509, 100, 26);
  ExpectPiece(pieces[1], 110, 20, 100, 40, 65100, 65509, 435, 26);

  // A region starting at the last texel has nothing to show.
  std::copy(regions[1], regions[1] + 4, slice.img.region);
  EXPECT_TRUE(Draw(slice, nk_rect(10, 20, 400, 40)).empty());
}

TEST_F(NineSliceTest, EveryWidgetDrawsItsNineSliceItems) {
  // The texture id doubles as a colour when an item is mistaken for a colour item; no
  // command may carry that colour.
  constexpr int kId = 0x11223344;
  const nk_color alias{0x44, 0x33, 0x22, 0x11};
  const nk_style_item item = nk_style_item_nine_slice(nk_sub9slice_id(kId, 64, 64, nk_rect(0, 0, 12, 12), 2, 2, 2, 2));
  EXPECT_EQ(item.type, NK_STYLE_ITEM_NINE_SLICE);

  nk_style& s = ctx_.style;
  for (nk_style_item* field :
       {&s.window.fixed_background, &s.window.header.normal, &s.window.header.hover, &s.window.header.active,
        &s.window.scaler, &s.button.normal, &s.button.hover, &s.button.active, &s.checkbox.normal,
        &s.checkbox.hover, &s.checkbox.active, &s.checkbox.cursor_normal, &s.checkbox.cursor_hover,
        &s.option.normal, &s.option.hover, &s.option.active, &s.option.cursor_normal, &s.option.cursor_hover,
        &s.selectable.normal, &s.selectable.hover, &s.selectable.pressed, &s.selectable.normal_active,
        &s.selectable.hover_active, &s.selectable.pressed_active, &s.slider.normal, &s.slider.hover,
        &s.slider.active, &s.slider.cursor_normal, &s.slider.cursor_hover, &s.slider.cursor_active,
        &s.progress.normal, &s.progress.hover, &s.progress.active, &s.progress.cursor_normal,
        &s.progress.cursor_hover, &s.progress.cursor_active, &s.scrollv.normal, &s.scrollv.hover,
        &s.scrollv.active, &s.scrollv.cursor_normal, &s.scrollv.cursor_hover, &s.scrollv.cursor_active,
        &s.property.normal, &s.property.hover, &s.property.active, &s.edit.normal, &s.edit.hover,
        &s.edit.active, &s.chart.background, &s.combo.normal, &s.combo.hover, &s.combo.active,
        &s.tab.background}) {
    *field = item;
  }

  // Each widget on its own row; each must draw at least one whole nine-slice.
  ASSERT_TRUE(nk_begin(&ctx_, "all", nk_rect(0, 0, 400, 500),
                       NK_WINDOW_TITLE | NK_WINDOW_SCALABLE | NK_WINDOW_BORDER));
  const nk_command_buffer* out = nk_window_get_canvas(&ctx_);
  std::vector<std::pair<std::string, size_t>> drawn;
  size_t before = 0;
  auto mark = [&](const char* name) {
    const size_t now = ImageCommands(out, kId);
    drawn.emplace_back(name, now - before);
    before = now;
  };
  mark("window header and background");
  nk_layout_row_dynamic(&ctx_, 24, 1);
  nk_button_label(&ctx_, "button");
  mark("button");
  int check = nk_true;
  nk_checkbox_label(&ctx_, "check", &check);
  mark("checkbox");
  nk_option_label(&ctx_, "option", nk_true);
  mark("option");
  int selected = nk_true;
  nk_selectable_label(&ctx_, "selectable", NK_TEXT_LEFT, &selected);
  mark("selectable");
  float value = 0.5f;
  nk_slider_float(&ctx_, 0, &value, 1, 0.1f);
  mark("slider");
  nk_size progress = 50;
  nk_progress(&ctx_, &progress, 100, nk_false);
  mark("progress");
  nk_property_float(&ctx_, "#p", 0, &value, 1, 0.1f, 0.1f);
  mark("property");
  char text[16] = "edit";
  int length = 4;
  nk_edit_string(&ctx_, NK_EDIT_FIELD, text, &length, sizeof text, nk_filter_default);
  mark("edit");
  if (nk_chart_begin(&ctx_, NK_CHART_LINES, 2, 0, 1)) nk_chart_end(&ctx_);
  mark("chart");
  if (nk_combo_begin_label(&ctx_, "combo", nk_vec2(100, 100))) nk_combo_end(&ctx_);
  mark("combo");
  if (nk_tree_push_hashed(&ctx_, NK_TREE_TAB, "tab", NK_MINIMIZED, "tab", 3, 0)) nk_tree_pop(&ctx_);
  mark("tab");
  for (int i = 0; i < 20; ++i) nk_label(&ctx_, "overflow", NK_TEXT_LEFT);  // needs a scrollbar
  nk_end(&ctx_);
  mark("scrollbar and scaler");

  for (const auto& [name, pieces] : drawn) {  // whole nine-slices: background, cursors
    EXPECT_GE(pieces, 9u) << name;
    EXPECT_EQ(pieces % 9, 0u) << name;
  }

  const nk_command* cmd;
  auto same = [&](nk_color c) { return c.r == alias.r && c.g == alias.g && c.b == alias.b && c.a == alias.a; };
  nk_foreach(cmd, &ctx_) {
    switch (cmd->type) {
      case NK_COMMAND_RECT_FILLED: EXPECT_FALSE(same(reinterpret_cast<const nk_command_rect_filled*>(cmd)->color)); break;
      case NK_COMMAND_RECT: EXPECT_FALSE(same(reinterpret_cast<const nk_command_rect*>(cmd)->color)); break;
      case NK_COMMAND_CIRCLE_FILLED: EXPECT_FALSE(same(reinterpret_cast<const nk_command_circle_filled*>(cmd)->color)); break;
      case NK_COMMAND_TRIANGLE_FILLED: EXPECT_FALSE(same(reinterpret_cast<const nk_command_triangle_filled*>(cmd)->color)); break;
      case NK_COMMAND_TEXT: EXPECT_FALSE(same(reinterpret_cast<const nk_command_text*>(cmd)->background)); break;
      default: break;
    }
  }
}

}  // namespace
}  // namespace qel
