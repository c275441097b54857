// Canvas drawing: shapes, images and text straight into a stored window canvas, outside the
// layout. Coordinates are screen pixels.
//
// [SECTION] arguments
// [SECTION] strokes
// [SECTION] fills
// [SECTION] images and text
#include <algorithm>
#include <cmath>
#include <string>

#include "fonts/font_table.h"
#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "images/image_table.h"
#include "widgets/windows.h"

using namespace qel;

// [SECTION] arguments
// Nuklear keeps positions as 16-bit signed and sizes as 16-bit unsigned integers, cast from
// the floats; casting a float beyond the range (or NaN) is undefined, so the script's values
// are brought into range first. In-range values reach Nuklear unchanged.

namespace {

float Clamped(float value, float low, float high) {
  if (std::isnan(value)) return 0.0f;
  return std::min(std::max(value, low), high);
}

float Position(float value) { return Clamped(value, -32768.0f, 32767.0f); }
float Extent(float value) { return Clamped(value, -65535.0f, 65535.0f); }

struct nk_rect Area(float x, float y, float w, float h) {
  return nk_rect(Position(x), Position(y), Extent(w), Extent(h));
}

}  // namespace

// [SECTION] strokes

void StrokeLine(int32_t canvas, float x0, float y0, float x1, float y1, float thickness, int32_t color) {
  if (nk_command_buffer* buffer = StoredCanvas(canvas))
    nk_stroke_line(buffer, Position(x0), Position(y0), Position(x1), Position(y1), Extent(thickness),
                   UnpackColor(color));
}

void StrokeCurve(int32_t canvas, float ax, float ay, float c0x, float c0y, float c1x, float c1y, float bx, float by,
                 float thickness, int32_t color) {
  if (nk_command_buffer* buffer = StoredCanvas(canvas))
    nk_stroke_curve(buffer, Position(ax), Position(ay), Position(c0x), Position(c0y), Position(c1x), Position(c1y),
                    Position(bx), Position(by), Extent(thickness), UnpackColor(color));
}

void StrokeRect(int32_t canvas, float x, float y, float w, float h, float rounding, float thickness, int32_t color) {
  if (nk_command_buffer* buffer = StoredCanvas(canvas))
    nk_stroke_rect(buffer, Area(x, y, w, h), Extent(rounding), Extent(thickness), UnpackColor(color));
}

void StrokeCircle(int32_t canvas, float x, float y, float w, float h, float thickness, int32_t color) {
  if (nk_command_buffer* buffer = StoredCanvas(canvas))
    nk_stroke_circle(buffer, Area(x, y, w, h), Extent(thickness), UnpackColor(color));
}

void StrokeArc(int32_t canvas, float cx, float cy, float radius, float a_min, float a_max, float thickness,
               int32_t color) {
  if (nk_command_buffer* buffer = StoredCanvas(canvas))
    nk_stroke_arc(buffer, Position(cx), Position(cy), Extent(radius), a_min, a_max, Extent(thickness),
                  UnpackColor(color));
}

void StrokeTriangle(int32_t canvas, float x0, float y0, float x1, float y1, float x2, float y2, float thickness,
                    int32_t color) {
  if (nk_command_buffer* buffer = StoredCanvas(canvas))
    nk_stroke_triangle(buffer, Position(x0), Position(y0), Position(x1), Position(y1), Position(x2), Position(y2),
                       Extent(thickness), UnpackColor(color));
}

// [SECTION] fills

void FillRect(int32_t canvas, float x, float y, float w, float h, float rounding, int32_t color) {
  if (nk_command_buffer* buffer = StoredCanvas(canvas))
    nk_fill_rect(buffer, Area(x, y, w, h), Extent(rounding), UnpackColor(color));
}

void FillRectMultiColor(int32_t canvas, float x, float y, float w, float h, int32_t left, int32_t top, int32_t right,
                        int32_t bottom) {
  if (nk_command_buffer* buffer = StoredCanvas(canvas))
    nk_fill_rect_multi_color(buffer, Area(x, y, w, h), UnpackColor(left), UnpackColor(top), UnpackColor(right),
                             UnpackColor(bottom));
}

void FillCircle(int32_t canvas, float x, float y, float w, float h, int32_t color) {
  if (nk_command_buffer* buffer = StoredCanvas(canvas)) nk_fill_circle(buffer, Area(x, y, w, h), UnpackColor(color));
}

void FillArc(int32_t canvas, float cx, float cy, float radius, float a_min, float a_max, int32_t color) {
  if (nk_command_buffer* buffer = StoredCanvas(canvas))
    nk_fill_arc(buffer, Position(cx), Position(cy), Extent(radius), a_min, a_max, UnpackColor(color));
}

void FillTriangle(int32_t canvas, float x0, float y0, float x1, float y1, float x2, float y2, int32_t color) {
  if (nk_command_buffer* buffer = StoredCanvas(canvas))
    nk_fill_triangle(buffer, Position(x0), Position(y0), Position(x1), Position(y1), Position(x2), Position(y2),
                     UnpackColor(color));
}

// [SECTION] images and text
// The image or font is looked up before the canvas, so a missing one is logged even when
// there is nothing to draw into.

namespace {

void DrawImageOn(int32_t canvas, float x, float y, float w, float h, const struct nk_image& image, int32_t color) {
  if (nk_command_buffer* buffer = StoredCanvas(canvas)) nk_draw_image(buffer, Area(x, y, w, h), &image, UnpackColor(color));
}

}  // namespace

void DrawImage0(int32_t canvas, float x, float y, float w, float h, int32_t slot, int32_t color) {
  DrawImageOn(canvas, x, y, w, h, LookupImageSlot(slot), color);
}

void DrawImage1(int32_t canvas, float x, float y, float w, float h, const char* name, int32_t color) {
  DrawImageOn(canvas, x, y, w, h, LookupImageName(name), color);
}

void DrawText(int32_t canvas, float x, float y, float w, float h, const char* text, const char* font,
              int32_t background, int32_t foreground) {
  const char* id = TextOrEmpty(font);
  const nk_user_font* user_font = Fonts().Find(id);
  if (!user_font) {
    QEL_LOG(CanvasFontMissing, id);
    return;
  }
  text = TextOrEmpty(text);
  // The host measures the text; never past its terminator.
  const int length = std::min(std::max(HostCommands().LEN_L_S(text), 0), LabelLength(text));
  if (nk_command_buffer* buffer = StoredCanvas(canvas))
    nk_draw_text(buffer, Area(x, y, w, h), text, length, user_font, UnpackColor(background), UnpackColor(foreground));
}
