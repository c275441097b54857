#include "device/symbols.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace qel {
namespace {

// Draws in one working square: coordinates are relative to its top-left corner.
struct Pen {
  nk_command_buffer* out;
  float x, y;  // top-left corner of the square
  float s;     // side
  float t;     // line thickness
  nk_color fg, bg;

  void Line(float x0, float y0, float x1, float y1, float thickness) const {
    nk_stroke_line(out, x + x0, y + y0, x + x1, y + y1, thickness, fg);
  }
  void Line(float x0, float y0, float x1, float y1) const { Line(x0, y0, x1, y1, t); }

  void Triangle(float x0, float y0, float x1, float y1, float x2, float y2) const {
    nk_fill_triangle(out, x + x0, y + y0, x + x1, y + y1, x + x2, y + y2, fg);
  }

  // Two lines from `a` over the tip to `b`; the tip is split by ±d so that the two thick
  // lines meet in a point instead of overlapping.
  void Bent(float ax, float ay, float tip_x, float tip_y, float bx, float by, float dx, float dy) const {
    Line(ax, ay, tip_x + dx, tip_y + dy);
    Line(tip_x - dx, tip_y - dy, bx, by);
  }

  struct nk_rect Square() const { return nk_rect(x, y, s, s); }
  struct nk_rect Inset(float by) const {
    const float side = std::max(0.0f, s - 2 * by);
    return nk_rect(x + by, y + by, side, side);
  }
};

// One character centred in the square, as the library places its text symbols.
void DrawCharacter(const Pen& pen, const char* character, const nk_user_font* font) {
  if (!font || !font->width) return;
  const float text_width = font->width(font->userdata, font->height, character, 1);
  struct nk_rect label;
  label.w = std::max(1.0f, text_width);
  label.x = std::max(pen.x, pen.x + (pen.s - label.w) / 2);
  label.w = std::min(pen.x + pen.s, label.x + label.w) - label.x;
  label.y = pen.y + (pen.s - font->height) / 2;
  label.h = font->height;
  nk_draw_text(pen.out, label, character, 1, font, pen.bg, pen.fg);
}

void DrawLibrarySymbol(const Pen& pen, int number, const nk_user_font* font) {
  switch (number) {
    case NK_SYMBOL_X: DrawCharacter(pen, "x", font); break;
    case NK_SYMBOL_UNDERSCORE: DrawCharacter(pen, "_", font); break;
    case NK_SYMBOL_PLUS: DrawCharacter(pen, "+", font); break;
    case NK_SYMBOL_MINUS: DrawCharacter(pen, "-", font); break;
    case NK_SYMBOL_CIRCLE_SOLID: nk_fill_circle(pen.out, pen.Square(), pen.fg); break;
    case NK_SYMBOL_CIRCLE_OUTLINE:
      nk_fill_circle(pen.out, pen.Square(), pen.fg);
      nk_fill_circle(pen.out, pen.Inset(1), pen.bg);
      break;
    case NK_SYMBOL_RECT_SOLID: nk_fill_rect(pen.out, pen.Square(), 0, pen.fg); break;
    case NK_SYMBOL_RECT_OUTLINE:
      nk_fill_rect(pen.out, pen.Square(), 0, pen.fg);
      nk_fill_rect(pen.out, pen.Inset(1), 0, pen.bg);
      break;
    default: {  // the four triangles
      const nk_heading heading = number == NK_SYMBOL_TRIANGLE_UP     ? NK_UP
                                 : number == NK_SYMBOL_TRIANGLE_DOWN ? NK_DOWN
                                 : number == NK_SYMBOL_TRIANGLE_LEFT ? NK_LEFT
                                                                     : NK_RIGHT;
      struct nk_vec2 p[3];
      nk_triangle_from_direction(p, pen.Square(), 0, 0, heading);
      nk_fill_triangle(pen.out, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, pen.fg);
      break;
    }
  }
}

void DrawExtendedSymbol(const Pen& pen, int number) {
  const float s = pen.s, t = pen.t;
  const float p = 2, q = s - 4;  // inner box of the chevrons, the tick and the cross
  const float e = s - 1;         // where the double chevrons end
  switch (number) {
    case NK_SYMBOL_CHECK: pen.Bent(p, p + q / 2, p + q / 2, p + q, p + q, p, t / 4, 0); break;
    case NK_SYMBOL_CROSS:
      pen.Line(p, p, p + q, p + q);
      pen.Line(p, p + q, p + q, p);
      break;
    case NK_SYMBOL_CHEVRON_UP: pen.Bent(p, p + 3 * q / 4, p + q / 2, p + q / 4, p + q, p + 3 * q / 4, t / 4, 0); break;
    case NK_SYMBOL_CHEVRON_DOWN: pen.Bent(p, p + q / 4, p + q / 2, p + 3 * q / 4, p + q, p + q / 4, t / 4, 0); break;
    case NK_SYMBOL_CHEVRON_LEFT: pen.Bent(p + 3 * q / 4, p, p + q / 4, p + q / 2, p + 3 * q / 4, p + q, 0, t / 4); break;
    case NK_SYMBOL_CHEVRON_RIGHT: pen.Bent(p + q / 4, p, p + 3 * q / 4, p + q / 2, p + q / 4, p + q, 0, t / 4); break;
    case NK_SYMBOL_BARS:
      for (float y : {t, s / 2, s - t}) pen.Line(0, y, s, y, 2 * t);
      break;
    case NK_SYMBOL_POWER: {
      const float i = std::floor(s / 10);
      nk_stroke_circle(pen.out, pen.Inset(i), t, pen.fg);
      pen.Line(s / 2, i + 0.4f * (s - 2 * i), s / 2, -t);
      break;
    }
    case NK_SYMBOL_DOUBLE_CHEVRON_UP:
      for (float dy : {0.0f, -3 * t}) pen.Bent(p, e + dy, p + q / 2, e - q / 2 + dy, p + q, e + dy, t / 4, 0);
      break;
    case NK_SYMBOL_DOUBLE_CHEVRON_DOWN:
      for (float dy : {0.0f, -3 * t}) pen.Bent(p, e - q / 2 + dy, p + q / 2, e + dy, p + q, e - q / 2 + dy, t / 4, 0);
      break;
    case NK_SYMBOL_DOUBLE_CHEVRON_LEFT:
      for (float dx : {0.0f, 3 * t}) pen.Bent(1 + q / 2 + dx, p, 1 + dx, p + q / 2, 1 + q / 2 + dx, p + q, 0, t / 4);
      break;
    case NK_SYMBOL_DOUBLE_CHEVRON_RIGHT:
      for (float dx : {0.0f, -3 * t}) pen.Bent(e - q / 2 + dx, p, e + dx, p + q / 2, e - q / 2 + dx, p + q, 0, t / 4);
      break;
    case NK_SYMBOL_LINE_VERTICAL: pen.Line(s / 2, 0, s / 2, s); break;
    case NK_SYMBOL_LINES_VERTICAL:
      for (float x : {s / 4, s / 4 + 3 * t}) pen.Line(x, 0, x, s);
      break;
    case NK_SYMBOL_LINE_HORIZONTAL: pen.Line(0, s / 2, s, s / 2); break;
    case NK_SYMBOL_LINES_HORIZONTAL:
      for (float y : {s / 4, s / 4 + 3 * t}) pen.Line(0, y, s, y);
      break;
    // A triangle beside a bar; the bar lies t/5 outside the square.
    case NK_SYMBOL_TRIANGLE_LEFT_TO_BAR:
      pen.Line(-t / 5, 0, -t / 5, s);
      pen.Triangle(0.75f * t, s / 2, s - t / 4, 0, s - t / 4, s);
      break;
    case NK_SYMBOL_TRIANGLE_RIGHT_TO_BAR:
      pen.Line(s + t / 5, 0, s + t / 5, s);
      pen.Triangle(t / 4, 0, s - 0.75f * t, s / 2, t / 4, s);
      break;
    case NK_SYMBOL_TRIANGLE_UP_TO_BAR:
      pen.Line(0, -t / 5, s, -t / 5);
      pen.Triangle(s / 2, t, s, s, 0, s);
      break;
    case NK_SYMBOL_TRIANGLE_DOWN_TO_BAR:
      pen.Line(0, s + t / 5, s, s + t / 5);
      pen.Triangle(0, 0, s, 0, s / 2, s - t);
      break;
    case NK_SYMBOL_TRIANGLE_LEFT_FROM_BAR:
      pen.Line(s + t / 5, 0, s + t / 5, s);
      pen.Triangle(t / 2, s / 2, s - 1.5f * t, 0, s - 1.5f * t, s);
      break;
    case NK_SYMBOL_TRIANGLE_RIGHT_FROM_BAR:
      pen.Line(-t / 5, 0, -t / 5, s);
      pen.Triangle(1.5f * t, 0, s - t / 2, s / 2, 1.5f * t, s);
      break;
    case NK_SYMBOL_TRIANGLE_UP_FROM_BAR:
      pen.Line(0, s + t / 5, s, s + t / 5);
      pen.Triangle(s / 2, -t / 2, s, s - 1.5f * t, 0, s - 1.5f * t);
      break;
    case NK_SYMBOL_TRIANGLE_DOWN_FROM_BAR:
      pen.Line(0, -t / 5, s, -t / 5);
      pen.Triangle(0, 1.5f * t, s, 1.5f * t, s / 2, s + t / 2);
      break;
    default: break;
  }
}

}  // namespace

void DrawSymbol(nk_command_buffer* out, int value, struct nk_rect content, nk_color background,
                nk_color foreground, const nk_user_font* font) {
  const int number = SymbolNumber(value);
  if (!out || number < 1 || number >= kSymbolCount) return;
  const float side = std::min(content.w, content.h);
  if (!(side > 0)) return;  // an empty (or NaN) rectangle has no square to draw in

  Pen pen{out, content.x, content.y, side, 0, foreground, background};
  if (value & NK_SYMBOL_MOD_INVERTED) {
    nk_fill_rect(out, pen.Square(), 0, pen.fg);
    std::swap(pen.fg, pen.bg);
  }
  const bool framed = value & NK_SYMBOL_MOD_FRAMED;
  const bool circled = value & NK_SYMBOL_MOD_CIRCLED;
  if (framed) nk_stroke_rect(out, pen.Square(), 0, 1, pen.fg);
  if (circled) nk_stroke_circle(out, pen.Square(), 1, pen.fg);
  if (framed || circled) {  // the symbol at half size, centred in the square
    pen.x += side / 4;
    pen.y += side / 4;
    pen.s = side / 2;
  }
  pen.t = std::max(1.0f, pen.s * 0.125f);

  if (number < NK_SYMBOL_CHECK) {
    DrawLibrarySymbol(pen, number, font);
  } else {
    DrawExtendedSymbol(pen, number);
  }
}

}  // namespace qel

// Nuklear's symbol drawing (nk_draw_symbol) comes here for every widget.
extern "C" void nk_qel_draw_symbol(nk_command_buffer* out, int type, struct nk_rect content,
                                   nk_color background, nk_color foreground, float border_width,
                                   const nk_user_font* font) {
  (void)border_width;  // symbols are drawn from the square alone
  qel::DrawSymbol(out, type, content, background, foreground, font);
}
