#include "theme_painter.h"

#include <algorithm>
#include <cmath>

namespace qel::themes {

namespace {

constexpr Rgba8 Hex(uint32_t rgb, uint8_t alpha = 255) {
  return Rgba8{static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb), alpha};
}

// Corner radii clockwise from the top left; an open side has no outline, so two cells can
// meet without a doubled line (the window header over its body).
struct Shape {
  float top_left, top_right, bottom_right, bottom_left;
  bool open_bottom = false;
};

float Clamp01(float v) { return std::min(1.0f, std::max(0.0f, v)); }

// Signed distance from (x, y) to a box [left, right] x [top, bottom] with rounded corners.
float RoundedBoxDistance(float x, float y, float left, float top, float right, float bottom, const Shape& s) {
  const float cx = (left + right) / 2, cy = (top + bottom) / 2;
  const float half_w = (right - left) / 2, half_h = (bottom - top) / 2;
  const float corner = x < cx ? (y < cy ? s.top_left : s.bottom_left) : (y < cy ? s.top_right : s.bottom_right);
  const float r = std::min(corner, std::min(half_w, half_h));
  const float qx = std::fabs(x - cx) - (half_w - r), qy = std::fabs(y - cy) - (half_h - r);
  const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
  return outside + std::min(std::max(qx, qy), 0.0f) - r;
}

uint8_t Mix(uint8_t a, uint8_t b, float t) { return static_cast<uint8_t>(std::lround(a + (b - a) * t)); }

Rgba8 Mix(Rgba8 a, Rgba8 b, float t) { return {Mix(a.r, b.r, t), Mix(a.g, b.g, t), Mix(a.b, b.b, t), Mix(a.a, b.a, t)}; }

void Put(Pixels& image, int x, int y, Rgba8 c) {
  uint8_t* p = &image.rgba[static_cast<size_t>(4 * (y * image.width + x))];
  p[0] = c.r;
  p[1] = c.g;
  p[2] = c.b;
  p[3] = c.a;
}

// Straight-alpha "over" of one colour with a coverage onto the pixel.
void Blend(Pixels& image, int x, int y, Rgba8 c, float coverage) {
  uint8_t* p = &image.rgba[static_cast<size_t>(4 * (y * image.width + x))];
  const float src_a = c.a / 255.0f * coverage, dst_a = p[3] / 255.0f;
  const float out_a = src_a + dst_a * (1 - src_a);
  if (out_a <= 0) return;
  const uint8_t channels[3] = {c.r, c.g, c.b};
  for (int k = 0; k < 3; ++k)
    p[k] = static_cast<uint8_t>(std::lround((channels[k] * src_a + p[k] * dst_a * (1 - src_a)) / out_a));
  p[3] = static_cast<uint8_t>(std::lround(out_a * 255));
}

// A bordered, shaded rounded box filling the cell, antialiased by its distance field.
void PaintBox(Pixels& image, const Cell& cell, const Shade& shade, const Shape& shape, float inset = 0) {
  const float size = static_cast<float>(cell.size);
  const float lo = inset, hi = size - inset;
  Shape inner = shape;
  for (float* r : {&inner.top_left, &inner.top_right, &inner.bottom_right, &inner.bottom_left}) *r = std::max(0.0f, *r - 1);
  for (int y = 0; y < cell.size; ++y)
    for (int x = 0; x < cell.size; ++x) {
      const float px = x + 0.5f, py = y + 0.5f;
      const float outer = Clamp01(0.5f - RoundedBoxDistance(px, py, lo, lo, hi, hi, shape));
      const float fill_bottom = shape.open_bottom ? hi + 1 : hi - 1;
      const float fill = Clamp01(0.5f - RoundedBoxDistance(px, py, lo + 1, lo + 1, hi - 1, fill_bottom, inner));
      if (outer <= 0) continue;
      const Rgba8 body = Mix(shade.top, shade.bottom, Clamp01((py - lo) / (hi - lo)));
      Rgba8 c = Mix(shade.outline, body, fill / outer);
      c.a = static_cast<uint8_t>(std::lround(c.a * outer));
      Put(image, cell.x + x, cell.y + y, c);
    }
}

float SegmentDistance(float px, float py, float ax, float ay, float bx, float by) {
  const float dx = bx - ax, dy = by - ay;
  const float t = Clamp01(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy));
  return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// A tick of two strokes, drawn over a transparent cell.
void PaintCheckMark(Pixels& image, const Cell& cell, Rgba8 colour) {
  const float s = static_cast<float>(cell.size) / 32.0f, half_width = 2.6f * s;
  for (int y = 0; y < cell.size; ++y)
    for (int x = 0; x < cell.size; ++x) {
      const float px = x + 0.5f, py = y + 0.5f;
      const float d = std::min(SegmentDistance(px, py, 7 * s, 17 * s, 13 * s, 24 * s),
                               SegmentDistance(px, py, 13 * s, 24 * s, 25 * s, 8 * s));
      const float coverage = Clamp01(half_width + 0.5f - d);
      if (coverage > 0) Blend(image, cell.x + x, cell.y + y, colour, coverage);
    }
}

Shape Rounded(float r) { return {r, r, r, r}; }

const Cell& CellNamed(const char* name) {
  for (const Cell& cell : AtlasCells())
    if (std::string(cell.name) == name) return cell;
  return AtlasCells().front();  // names come from this file only
}

}  // namespace

Palette LightPalette() {
  Palette p;
  p.button = {Hex(0xFFFFFF), Hex(0xE4E8EE), Hex(0xB4BCC8)};
  p.button_hover = {Hex(0xFFFFFF), Hex(0xEDF2F9), Hex(0x7F9CC6)};
  p.button_active = {Hex(0xD5DCE6), Hex(0xE6EAF0), Hex(0x6F8CB6)};
  p.accent = {Hex(0x5A97F7), Hex(0x2F6FDB), Hex(0x2559B2)};
  p.accent_hover = {Hex(0x73A8FA), Hex(0x3F7EE6), Hex(0x2559B2)};
  p.accent_active = {Hex(0x2A63C4), Hex(0x3A74D8), Hex(0x1D4A96)};
  p.header = {Hex(0xFFFFFF), Hex(0xE3E7EC), Hex(0xB9C0CA)};
  p.panel = {Hex(0xF5F6F8), Hex(0xEEF0F3), Hex(0xB9C0CA)};
  p.field = {Hex(0xF1F3F6), Hex(0xFFFFFF), Hex(0xB4BCC8)};
  p.field_active = {Hex(0xFFFFFF), Hex(0xFFFFFF), Hex(0x3F7EE6)};
  p.box = {Hex(0xFFFFFF), Hex(0xE9EDF2), Hex(0x9AA4B2)};
  p.box_hover = {Hex(0xFFFFFF), Hex(0xEDF2F9), Hex(0x3F7EE6)};
  p.mark = Hex(0x2F6FDB);
  p.knob = {Hex(0xFFFFFF), Hex(0xDDE3EA), Hex(0x7F8B9C)};
  return p;
}

Palette DarkPalette() {
  Palette p;
  p.button = {Hex(0x474D57), Hex(0x383D45), Hex(0x22262C)};
  p.button_hover = {Hex(0x535A65), Hex(0x424852), Hex(0x1A1D22)};
  p.button_active = {Hex(0x2C3036), Hex(0x353940), Hex(0x15171B)};
  p.accent = {Hex(0xF29B4B), Hex(0xD9741F), Hex(0x8F4A10)};
  p.accent_hover = {Hex(0xF7AE68), Hex(0xE3832F), Hex(0x8F4A10)};
  p.accent_active = {Hex(0xBF6419), Hex(0xCC6F21), Hex(0x70390B)};
  p.header = {Hex(0x3A3F47), Hex(0x2E3238), Hex(0x15171B)};
  p.panel = {Hex(0x272A30), Hex(0x23262B), Hex(0x15171B)};
  p.field = {Hex(0x17191D), Hex(0x1D2024), Hex(0x0F1013)};
  p.field_active = {Hex(0x17191D), Hex(0x1D2024), Hex(0xD9741F)};
  p.box = {Hex(0x1D2024), Hex(0x25282D), Hex(0x0F1013)};
  p.box_hover = {Hex(0x23262B), Hex(0x2C3036), Hex(0xD9741F)};
  p.mark = Hex(0xF29B4B);
  p.knob = {Hex(0xF1F2F4), Hex(0xC9CDD3), Hex(0x15171B)};
  return p;
}

const std::vector<Cell>& AtlasCells() {
  static const std::vector<Cell> cells = [] {
    const char* const names[kAtlasRows][kAtlasColumns] = {
        {"button", "button_hover", "button_active", "header", "panel"},
        {"accent", "accent_hover", "accent_active", "field", "field_active"},
        {"box", "box_hover", "mark", "option", "option_hover"},
        {"dot", "knob", "pill", "track", "scroll"},
    };
    std::vector<Cell> list;
    for (int row = 0; row < kAtlasRows; ++row)
      for (int column = 0; column < kAtlasColumns; ++column)
        list.push_back({names[row][column], column * kCellPitch + 2, row * kCellPitch + 2, kCellSize});
    return list;
  }();
  return cells;
}

Pixels PaintAtlas(const Palette& p) {
  Pixels image;
  image.width = kAtlasWidth;
  image.height = kAtlasHeight;
  image.rgba.assign(static_cast<size_t>(image.width * image.height * 4), 0);
  const Shape button = Rounded(6), round = Rounded(16);
  PaintBox(image, CellNamed("button"), p.button, button);
  PaintBox(image, CellNamed("button_hover"), p.button_hover, button);
  PaintBox(image, CellNamed("button_active"), p.button_active, button);
  PaintBox(image, CellNamed("accent"), p.accent, button);
  PaintBox(image, CellNamed("accent_hover"), p.accent_hover, button);
  PaintBox(image, CellNamed("accent_active"), p.accent_active, button);
  PaintBox(image, CellNamed("header"), p.header, Shape{8, 8, 0, 0, true});
  PaintBox(image, CellNamed("panel"), p.panel, Shape{0, 0, 8, 8});
  PaintBox(image, CellNamed("field"), p.field, Rounded(4));
  PaintBox(image, CellNamed("field_active"), p.field_active, Rounded(4));
  PaintBox(image, CellNamed("box"), p.box, Rounded(6));
  PaintBox(image, CellNamed("box_hover"), p.box_hover, Rounded(6));
  PaintCheckMark(image, CellNamed("mark"), p.mark);
  PaintBox(image, CellNamed("option"), p.box, round);
  PaintBox(image, CellNamed("option_hover"), p.box_hover, round);
  PaintBox(image, CellNamed("dot"), Shade{p.mark, p.mark, p.mark}, round, 6);
  PaintBox(image, CellNamed("knob"), p.knob, round, 1);
  PaintBox(image, CellNamed("pill"), p.accent, Rounded(8));
  PaintBox(image, CellNamed("track"), p.field, Rounded(8));
  PaintBox(image, CellNamed("scroll"), p.button, Rounded(4));
  return image;
}

bool WriteThemeAtlases(const std::string& folder) {
  const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  const bool light = Host::SavePng(PaintAtlas(LightPalette()), base + "light.png");
  const bool dark = Host::SavePng(PaintAtlas(DarkPalette()), base + "dark.png");
  return light && dark;
}

}  // namespace qel::themes
