// Symbol drawing, checked on the commands it leaves in a window's command buffer.
//
// Nuklear stores command geometry in 16-bit integers: line end points and triangle corners
// as shorts, rectangles and circles as short x, y and unsigned short w, h, line thickness as
// an unsigned short. Each value is converted with a C cast, so fractions are cut toward zero
// (2.5 is stored as 2, 199.6 as 199, -0.4 as 0). The expectations below are those stored
// values.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "device/symbols.h"

namespace qel {
namespace {

constexpr nk_color kForeground{200, 10, 20, 255};
constexpr nk_color kBackground{5, 60, 90, 255};

bool operator==(nk_color a, nk_color b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; }

float SixPixelsEach(nk_handle, float, const char*, int len) { return 6.0f * static_cast<float>(len); }

// A context with one open window whose command buffer the symbols are drawn into.
class SymbolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    font_.height = 13;
    font_.width = SixPixelsEach;
    nk_init_default(&ctx_, &font_);
    ASSERT_TRUE(nk_begin(&ctx_, "symbols", nk_rect(0, 0, 800, 600), NK_WINDOW_NO_SCROLLBAR));
    canvas_ = nk_window_get_canvas(&ctx_);
    nk_push_scissor(canvas_, nk_rect(-8192, -8192, 16384, 16384));  // no clipping in the way
    first_ = AllCommands().size();
  }
  void TearDown() override {
    nk_end(&ctx_);
    nk_free(&ctx_);
  }

  void Draw(int value, struct nk_rect r, const nk_user_font* font) {
    nk_qel_draw_symbol(canvas_, value, r, kBackground, kForeground, 1, font);
  }
  void Draw(int value, struct nk_rect r) { Draw(value, r, &font_); }

  // Every command of the window, walked as nk__begin / nk__next walk them.
  std::vector<const nk_command*> AllCommands() const {
    std::vector<const nk_command*> commands;
    const char* base = static_cast<const char*>(nk_buffer_memory_const(canvas_->base));
    for (nk_size at = canvas_->begin; at < canvas_->end;) {
      const nk_command* cmd = reinterpret_cast<const nk_command*>(base + at);
      commands.push_back(cmd);
      at = cmd->next;
    }
    return commands;
  }
  // The commands drawn since the last call (or since SetUp).
  std::vector<const nk_command*> Drawn() {
    std::vector<const nk_command*> all = AllCommands();
    std::vector<const nk_command*> drawn(all.begin() + static_cast<long>(first_), all.end());
    first_ = all.size();
    return drawn;
  }
  // The drawn commands as bytes without their links, for comparing two drawings.
  std::string DrawnBytes() {
    std::string bytes;
    for (const nk_command* cmd : Drawn()) {
      const char* raw = reinterpret_cast<const char*>(cmd);
      bytes += std::to_string(cmd->type) + ":";
      bytes.append(raw + sizeof(nk_command), CommandSize(cmd) - sizeof(nk_command));
    }
    return bytes;
  }
  // Bytes up to the end of the last field: the tail padding is never written.
  static size_t CommandSize(const nk_command* cmd) {
#define QEL_END_OF(type, field) (offsetof(type, field) + sizeof(type::field))
    switch (cmd->type) {
      case NK_COMMAND_LINE: return QEL_END_OF(nk_command_line, color);
      case NK_COMMAND_RECT: return QEL_END_OF(nk_command_rect, color);
      case NK_COMMAND_RECT_FILLED: return QEL_END_OF(nk_command_rect_filled, color);
      case NK_COMMAND_CIRCLE: return QEL_END_OF(nk_command_circle, color);
      case NK_COMMAND_CIRCLE_FILLED: return QEL_END_OF(nk_command_circle_filled, color);
      case NK_COMMAND_TRIANGLE_FILLED: return QEL_END_OF(nk_command_triangle_filled, color);
      case NK_COMMAND_TEXT: return offsetof(nk_command_text, string) + 2;  // one character
      default: ADD_FAILURE() << "unexpected command type " << cmd->type; return sizeof(nk_command);
    }
#undef QEL_END_OF
  }

  nk_user_font font_{};
  nk_context ctx_{};
  nk_command_buffer* canvas_ = nullptr;
  size_t first_ = 0;
};

template <class T>
const T& As(const nk_command* cmd, nk_command_type type) {
  EXPECT_EQ(cmd->type, type);
  return *reinterpret_cast<const T*>(cmd);
}

void ExpectLine(const nk_command* cmd, int x0, int y0, int x1, int y1, int thickness, nk_color color) {
  const auto& line = As<nk_command_line>(cmd, NK_COMMAND_LINE);
  EXPECT_EQ(line.begin.x, x0);
  EXPECT_EQ(line.begin.y, y0);
  EXPECT_EQ(line.end.x, x1);
  EXPECT_EQ(line.end.y, y1);
  EXPECT_EQ(line.line_thickness, thickness);
  EXPECT_TRUE(line.color == color);
}

TEST_F(SymbolTest, CrossInTwentySquareAndItsModifiers) {
  // Plain: two lines in the inner box (inset 2), thickness 20 x 0.125 = 2.5, stored as 2.
  Draw(NK_SYMBOL_CROSS, nk_rect(100, 200, 20, 20));
  std::vector<const nk_command*> drawn = Drawn();
  ASSERT_EQ(drawn.size(), 2u);
  ExpectLine(drawn[0], 102, 202, 118, 218, 2, kForeground);
  ExpectLine(drawn[1], 102, 218, 118, 202, 2, kForeground);

  // 0x40: the square filled in the foreground, then the cross in the background colour.
  Draw(NK_SYMBOL_CROSS | NK_SYMBOL_MOD_INVERTED, nk_rect(100, 200, 20, 20));
  drawn = Drawn();
  ASSERT_EQ(drawn.size(), 3u);
  const auto& fill = As<nk_command_rect_filled>(drawn[0], NK_COMMAND_RECT_FILLED);
  EXPECT_EQ(fill.x, 100);
  EXPECT_EQ(fill.y, 200);
  EXPECT_EQ(fill.w, 20);
  EXPECT_EQ(fill.h, 20);
  EXPECT_EQ(fill.rounding, 0);
  EXPECT_TRUE(fill.color == kForeground);
  ExpectLine(drawn[1], 102, 202, 118, 218, 2, kBackground);
  ExpectLine(drawn[2], 102, 218, 118, 202, 2, kBackground);

  // 0x80: outline of thickness 1, then the cross in the centred half square (10 x 10 at
  // 5, 5): inner box 7..13, thickness 1.25 stored as 1.
  Draw(NK_SYMBOL_CROSS | NK_SYMBOL_MOD_FRAMED, nk_rect(0, 0, 20, 20));
  drawn = Drawn();
  ASSERT_EQ(drawn.size(), 3u);
  const auto& frame = As<nk_command_rect>(drawn[0], NK_COMMAND_RECT);
  EXPECT_EQ(frame.x, 0);
  EXPECT_EQ(frame.w, 20);
  EXPECT_EQ(frame.h, 20);
  EXPECT_EQ(frame.rounding, 0);
  EXPECT_EQ(frame.line_thickness, 1);
  EXPECT_TRUE(frame.color == kForeground);
  ExpectLine(drawn[1], 7, 7, 13, 13, 1, kForeground);
  ExpectLine(drawn[2], 7, 13, 13, 7, 1, kForeground);

  // 0x100: a circle outline instead of the square's, the same half-size cross.
  Draw(NK_SYMBOL_CROSS | NK_SYMBOL_MOD_CIRCLED, nk_rect(0, 0, 20, 20));
  drawn = Drawn();
  ASSERT_EQ(drawn.size(), 3u);
  const auto& ring = As<nk_command_circle>(drawn[0], NK_COMMAND_CIRCLE);
  EXPECT_EQ(ring.x, 0);
  EXPECT_EQ(ring.w, 20);
  EXPECT_EQ(ring.h, 20);
  EXPECT_EQ(ring.line_thickness, 1);
  ExpectLine(drawn[1], 7, 7, 13, 13, 1, kForeground);
  ExpectLine(drawn[2], 7, 13, 13, 7, 1, kForeground);
}

TEST_F(SymbolTest, EverySymbolDrawsInTheSquareAtTheTopLeftAndReservedBitChangesNothing) {
  const struct nk_rect square = nk_rect(31, 17, 20, 20);
  const struct nk_rect wide = nk_rect(31, 17, 40, 20);
  const struct nk_rect tall = nk_rect(31, 17, 20, 45);
  for (int number = 1; number < kSymbolCount; ++number) {
    for (int modifiers : {0, 0x40, 0x80, 0x100, 0x40 | 0x80, 0x80 | 0x100}) {
      const int value = number | modifiers;
      SCOPED_TRACE("symbol value " + std::to_string(value));
      Draw(value, square);
      const std::string expected = DrawnBytes();
      EXPECT_FALSE(expected.empty());
      Draw(value, wide);
      EXPECT_EQ(DrawnBytes(), expected);
      Draw(value, tall);
      EXPECT_EQ(DrawnBytes(), expected);
      Draw(value | NK_SYMBOL_MOD_RESERVED, square);
      EXPECT_EQ(DrawnBytes(), expected);
    }
  }

  // The library's triangles keep their corners on the square's corners and edge midpoints.
  Draw(NK_SYMBOL_TRIANGLE_DOWN, nk_rect(5, 7, 40, 20));
  const std::vector<const nk_command*> drawn = Drawn();
  ASSERT_EQ(drawn.size(), 1u);
  const auto& tri = As<nk_command_triangle_filled>(drawn[0], NK_COMMAND_TRIANGLE_FILLED);
  EXPECT_EQ(tri.a.x, 5);
  EXPECT_EQ(tri.a.y, 7);
  EXPECT_EQ(tri.b.x, 25);
  EXPECT_EQ(tri.b.y, 7);
  EXPECT_EQ(tri.c.x, 15);
  EXPECT_EQ(tri.c.y, 27);
}

TEST_F(SymbolTest, SmallSquareKeepsMinimumThicknessAndRingFillsIt) {
  Draw(NK_SYMBOL_CROSS, nk_rect(10, 10, 8, 8));  // 8 x 0.125 = 1, the minimum
  std::vector<const nk_command*> drawn = Drawn();
  ASSERT_EQ(drawn.size(), 2u);
  ExpectLine(drawn[0], 12, 12, 16, 16, 1, kForeground);

  Draw(NK_SYMBOL_CROSS, nk_rect(10, 10, 4, 4));  // would be 0.5: stays 1
  drawn = Drawn();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(As<nk_command_line>(drawn[0], NK_COMMAND_LINE).line_thickness, 1);

  // Ring inset floor(8 / 10) = 0: the whole square; its stem from 0.4 of the way down to
  // one thickness above the square (13.2 stored as 13).
  Draw(NK_SYMBOL_POWER, nk_rect(10, 10, 8, 8));
  drawn = Drawn();
  ASSERT_EQ(drawn.size(), 2u);
  const auto& ring = As<nk_command_circle>(drawn[0], NK_COMMAND_CIRCLE);
  EXPECT_EQ(ring.x, 10);
  EXPECT_EQ(ring.y, 10);
  EXPECT_EQ(ring.w, 8);
  EXPECT_EQ(ring.h, 8);
  EXPECT_EQ(ring.line_thickness, 1);
  ExpectLine(drawn[1], 14, 13, 14, 9, 1, kForeground);
}

TEST_F(SymbolTest, ExtendedShapesReachOutsideTheSquareWhereTheyShould) {
  // Combo arrow of the theme: bar t/5 above the square, triangle below it. s = 16, t = 2.
  Draw(NK_SYMBOL_TRIANGLE_DOWN_FROM_BAR, nk_rect(100, 200, 16, 16));
  std::vector<const nk_command*> drawn = Drawn();
  ASSERT_EQ(drawn.size(), 2u);
  ExpectLine(drawn[0], 100, 199, 116, 199, 2, kForeground);  // y 199.6
  const auto& tri = As<nk_command_triangle_filled>(drawn[1], NK_COMMAND_TRIANGLE_FILLED);
  EXPECT_EQ(tri.a.x, 100);
  EXPECT_EQ(tri.a.y, 203);
  EXPECT_EQ(tri.b.x, 116);
  EXPECT_EQ(tri.b.y, 203);
  EXPECT_EQ(tri.c.x, 108);
  EXPECT_EQ(tri.c.y, 217);

  // Chevron right, s = 24 (t = 3, q = 20): the tip is split by t/4 so the thick strokes meet.
  Draw(NK_SYMBOL_CHEVRON_RIGHT, nk_rect(100, 200, 24, 24));
  drawn = Drawn();
  ASSERT_EQ(drawn.size(), 2u);
  ExpectLine(drawn[0], 107, 202, 117, 212, 3, kForeground);  // to (117, 212.75)
  ExpectLine(drawn[1], 117, 211, 107, 222, 3, kForeground);  // from (117, 211.25)

  // Three bars twice as thick as a line, at t, s/2 and s - t.
  Draw(NK_SYMBOL_BARS, nk_rect(100, 200, 24, 24));
  drawn = Drawn();
  ASSERT_EQ(drawn.size(), 3u);
  ExpectLine(drawn[0], 100, 203, 124, 203, 6, kForeground);
  ExpectLine(drawn[1], 100, 212, 124, 212, 6, kForeground);
  ExpectLine(drawn[2], 100, 221, 124, 221, 6, kForeground);
}

void ExpectTriangle(const nk_command* cmd, int ax, int ay, int bx, int by, int cx, int cy) {
  const auto& tri = As<nk_command_triangle_filled>(cmd, NK_COMMAND_TRIANGLE_FILLED);
  EXPECT_EQ(tri.a.x, ax);
  EXPECT_EQ(tri.a.y, ay);
  EXPECT_EQ(tri.b.x, bx);
  EXPECT_EQ(tri.b.y, by);
  EXPECT_EQ(tri.c.x, cx);
  EXPECT_EQ(tri.c.y, cy);
  EXPECT_TRUE(tri.color == kForeground);
}

TEST_F(SymbolTest, TickDoubleChevronsAndBarredTrianglesAtTwentyFour) {
  // s = 24 at (100, 200): t = 3, inner box p = 2, q = 20; t/4 = 0.75 splits the tips.
  Draw(NK_SYMBOL_CHECK, nk_rect(100, 200, 24, 24));
  std::vector<const nk_command*> drawn = Drawn();
  ASSERT_EQ(drawn.size(), 2u);
  ExpectLine(drawn[0], 102, 212, 112, 222, 3, kForeground);  // to (112.75, 222)
  ExpectLine(drawn[1], 111, 222, 122, 202, 3, kForeground);  // from (111.25, 222)

  // Ends on y = s - 1 = 23, tip q/2 above; the second chevron 3t = 9 higher.
  Draw(NK_SYMBOL_DOUBLE_CHEVRON_UP, nk_rect(100, 200, 24, 24));
  drawn = Drawn();
  ASSERT_EQ(drawn.size(), 4u);
  ExpectLine(drawn[0], 102, 223, 112, 213, 3, kForeground);
  ExpectLine(drawn[1], 111, 213, 122, 223, 3, kForeground);
  ExpectLine(drawn[2], 102, 214, 112, 204, 3, kForeground);
  ExpectLine(drawn[3], 111, 204, 122, 214, 3, kForeground);

  // Tip on x = s - 1 = 23, ends q/2 left of it; the second chevron 3t further left.
  Draw(NK_SYMBOL_DOUBLE_CHEVRON_RIGHT, nk_rect(100, 200, 24, 24));
  drawn = Drawn();
  ASSERT_EQ(drawn.size(), 4u);
  ExpectLine(drawn[0], 113, 202, 123, 212, 3, kForeground);  // to (123, 212.75)
  ExpectLine(drawn[1], 123, 211, 113, 222, 3, kForeground);  // from (123, 211.25)
  ExpectLine(drawn[2], 104, 202, 114, 212, 3, kForeground);
  ExpectLine(drawn[3], 114, 211, 104, 222, 3, kForeground);

  // Bar t/5 left of the square (x 99.4), the triangle pointing at it.
  Draw(NK_SYMBOL_TRIANGLE_LEFT_TO_BAR, nk_rect(100, 200, 24, 24));
  drawn = Drawn();
  ASSERT_EQ(drawn.size(), 2u);
  ExpectLine(drawn[0], 99, 200, 99, 224, 3, kForeground);
  ExpectTriangle(drawn[1], 102, 212, 123, 200, 123, 224);  // (102.25, 212), (123.25, ...)

  // Bar t/5 right of the square (x 124.6), the triangle pointing away from it.
  Draw(NK_SYMBOL_TRIANGLE_LEFT_FROM_BAR, nk_rect(100, 200, 24, 24));
  drawn = Drawn();
  ASSERT_EQ(drawn.size(), 2u);
  ExpectLine(drawn[0], 124, 200, 124, 224, 3, kForeground);
  ExpectTriangle(drawn[1], 101, 212, 119, 200, 119, 224);  // (101.5, 212), (119.5, ...)
}

TEST_F(SymbolTest, LibrarySymbolsInTheSquare) {
  // One character centred with the font: 6 wide, 13 high in a 20 square.
  Draw(NK_SYMBOL_PLUS, nk_rect(100, 200, 30, 20));
  std::vector<const nk_command*> drawn = Drawn();
  ASSERT_EQ(drawn.size(), 1u);
  const auto& text = As<nk_command_text>(drawn[0], NK_COMMAND_TEXT);
  EXPECT_EQ(text.x, 107);
  EXPECT_EQ(text.y, 203);  // 203.5
  EXPECT_EQ(text.w, 6);
  EXPECT_EQ(text.length, 1);
  EXPECT_EQ(text.string[0], '+');
  EXPECT_TRUE(text.foreground == kForeground);
  EXPECT_TRUE(text.background == kBackground);

  Draw(NK_SYMBOL_X, nk_rect(100, 200, 20, 20), nullptr);  // no font: no text
  EXPECT_TRUE(Drawn().empty());

  // Outlined shapes: the shape in the foreground, then one inset by 1 in the background.
  Draw(NK_SYMBOL_RECT_OUTLINE, nk_rect(10, 20, 12, 30));
  drawn = Drawn();
  ASSERT_EQ(drawn.size(), 2u);
  const auto& outer = As<nk_command_rect_filled>(drawn[0], NK_COMMAND_RECT_FILLED);
  const auto& inner = As<nk_command_rect_filled>(drawn[1], NK_COMMAND_RECT_FILLED);
  EXPECT_EQ(outer.w, 12);
  EXPECT_EQ(outer.h, 12);
  EXPECT_EQ(inner.x, 11);
  EXPECT_EQ(inner.y, 21);
  EXPECT_EQ(inner.w, 10);
  EXPECT_EQ(inner.h, 10);
  EXPECT_TRUE(outer.color == kForeground);
  EXPECT_TRUE(inner.color == kBackground);

  Draw(NK_SYMBOL_CIRCLE_OUTLINE, nk_rect(10, 20, 12, 30));
  drawn = Drawn();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(As<nk_command_circle_filled>(drawn[0], NK_COMMAND_CIRCLE_FILLED).h, 12);
  EXPECT_EQ(As<nk_command_circle_filled>(drawn[1], NK_COMMAND_CIRCLE_FILLED).x, 11);
}

TEST_F(SymbolTest, NumbersOutsideOneToThirtySixAndEmptyRectanglesDrawNothing) {
  for (int value : {0, 37, 0x3F, 0x40, 37 | 0x80, 0x3C0, 0x400 | 14, -1, -14, 1 << 30}) {
    Draw(value, nk_rect(100, 200, 20, 20));
    EXPECT_TRUE(Drawn().empty()) << "symbol value " << value;
  }
  Draw(NK_SYMBOL_CROSS | NK_SYMBOL_MOD_INVERTED, nk_rect(100, 200, 0, 20));
  Draw(NK_SYMBOL_CROSS, nk_rect(100, 200, 20, -5));
  EXPECT_TRUE(Drawn().empty());
  nk_qel_draw_symbol(nullptr, NK_SYMBOL_CROSS, nk_rect(0, 0, 20, 20), kBackground, kForeground, 1, &font_);
}

TEST_F(SymbolTest, WidgetsHandTheWholeValueOver) {
  // A button with a modified extended symbol: the value reaches our drawing unharmed.
  nk_layout_row_static(&ctx_, 30, 30, 1);
  Drawn();
  nk_button_symbol(&ctx_, static_cast<nk_symbol_type>(NK_SYMBOL_CROSS | NK_SYMBOL_MOD_INVERTED));
  const std::vector<const nk_command*> drawn = Drawn();
  const nk_style_button& style = ctx_.style.button;
  ASSERT_GE(drawn.size(), 3u);
  const auto& fill = As<nk_command_rect_filled>(drawn[drawn.size() - 3], NK_COMMAND_RECT_FILLED);
  EXPECT_TRUE(fill.color == style.text_normal);
  EXPECT_EQ(fill.w, fill.h);
  const auto& line = As<nk_command_line>(drawn[drawn.size() - 2], NK_COMMAND_LINE);
  EXPECT_TRUE(line.color == style.normal.data.color);  // the button's colour, exchanged
  EXPECT_EQ(drawn.back()->type, NK_COMMAND_LINE);
}

}  // namespace
}  // namespace qel
