// Value widgets over Nuklear's own: check boxes, options, selectables, sliders, the progress
// bar, properties and the colour picker. The script passes the value in and keeps the result.
//
// [SECTION] check boxes and options
// [SECTION] selectables
// [SECTION] sliders and progress
// [SECTION] properties
// [SECTION] colour picker
#include <cmath>

#include "frame/exports.h"
#include "images/image_table.h"
#include "widgets/buttons.h"
#include "widgets/cell_context.h"
#include "widgets/spinner.h"
#include "frame/boundary.h"
#include "widgets/values.h"

namespace qel {

float PropertyBound(float value, float limit) {
  if (std::isnan(value)) return 0.0f;
  return value < -limit ? -limit : value > limit ? limit : value;
}

int32_t PackUnitColor(float red, float green, float blue, float alpha) {
  auto byte = [](float c) -> uint32_t {
    if (!(c > 0.0f)) return 0;  // NaN too
    if (c >= 1.0f) return 255;
    return static_cast<uint32_t>(c * 255.0f);
  };
  return static_cast<int32_t>(byte(red) | (byte(green) << 8) | (byte(blue) << 16) | (byte(alpha) << 24));
}

bool SlideArgumentsValid(float min, float value, float max, float step) {
  return std::isfinite(min) && std::isfinite(max) && std::isfinite(step) && !std::isnan(value) && step > 0.0f &&
         min != max;
}

}  // namespace qel

using namespace qel;

namespace {

nk_flags Align(int32_t alignment) { return static_cast<nk_flags>(alignment); }


// Takes the widget's cell and draws nothing: for arguments no widget can show.
void TakeCell(nk_context* ctx) {
  struct nk_rect unused;
  nk_widget(&unused, ctx);
}

}  // namespace

// [SECTION] check boxes and options

int32_t CheckLabel(const char* label, int32_t active) {
  nk_context* ctx = CellContext();
  if (!ctx) return Bool(active);
  return Bool(nk_check_text(ctx, TextOrEmpty(label), LabelLength(label), active != 0));
}

int32_t CheckText(const char* text, int32_t length, int32_t active) {
  nk_context* ctx = CellContext();
  if (!ctx) return Bool(active);
  return Bool(nk_check_text(ctx, TextOrEmpty(text), TextLength(text, length), active != 0));
}

int32_t CheckFlagsLabel(const char* label, int32_t flags, int32_t value) {
  nk_context* ctx = CellContext();
  if (!ctx || !label) return flags;
  return static_cast<int32_t>(
      nk_check_flags_text(ctx, label, LabelLength(label), static_cast<unsigned>(flags), static_cast<unsigned>(value)));
}

int32_t CheckFlagsText(const char* text, int32_t length, int32_t flags, int32_t value) {
  nk_context* ctx = CellContext();
  if (!ctx || !text) return flags;
  return static_cast<int32_t>(nk_check_flags_text(ctx, text, TextLength(text, length), static_cast<unsigned>(flags),
                                                  static_cast<unsigned>(value)));
}

int32_t OptionLabel(const char* label, int32_t active) {
  nk_context* ctx = CellContext();
  if (!ctx) return Bool(active);
  return Bool(nk_option_text(ctx, TextOrEmpty(label), LabelLength(label), active != 0));
}

int32_t OptionText(const char* text, int32_t length, int32_t active) {
  nk_context* ctx = CellContext();
  if (!ctx) return Bool(active);
  return Bool(nk_option_text(ctx, TextOrEmpty(text), TextLength(text, length), active != 0));
}

// [SECTION] selectables

int32_t SelectLabel(const char* label, int32_t alignment, int32_t value) {
  nk_context* ctx = CellContext();
  if (!ctx) return Bool(value);
  return Bool(nk_select_text(ctx, TextOrEmpty(label), LabelLength(label), Align(alignment), value != 0));
}

int32_t SelectText(const char* text, int32_t length, int32_t alignment, int32_t value) {
  nk_context* ctx = CellContext();
  if (!ctx) return Bool(value);
  return Bool(nk_select_text(ctx, TextOrEmpty(text), TextLength(text, length), Align(alignment), value != 0));
}

int32_t SelectSymbolLabel(int32_t symbol, const char* label, int32_t alignment, int32_t value) {
  nk_context* ctx = CellContext();
  if (!ctx) return Bool(value);
  return Bool(nk_select_symbol_text(ctx, qel::ToSymbolType(symbol), TextOrEmpty(label), LabelLength(label),
                                    Align(alignment), value != 0));
}

int32_t SelectSymbolText(int32_t symbol, const char* text, int32_t length, int32_t alignment, int32_t value) {
  nk_context* ctx = CellContext();
  if (!ctx) return Bool(value);
  return Bool(nk_select_symbol_text(ctx, qel::ToSymbolType(symbol), TextOrEmpty(text), TextLength(text, length),
                                    Align(alignment), value != 0));
}

namespace {

// The image is looked up first, so a missing one is logged even when nothing is drawn.
int32_t SelectImage(const struct nk_image& image, const char* text, int length, int32_t alignment, int32_t value) {
  nk_context* ctx = CellContext();
  if (!ctx) return Bool(value);
  return Bool(nk_select_image_text(ctx, image, TextOrEmpty(text), length, Align(alignment), value != 0));
}

}  // namespace

int32_t SelectImageLabel0(int32_t slot, const char* label, int32_t alignment, int32_t value) {
  const struct nk_image image = LookupImageSlot(slot);
  return SelectImage(image, label, LabelLength(label), alignment, value);
}

int32_t SelectImageLabel1(const char* name, const char* label, int32_t alignment, int32_t value) {
  const struct nk_image image = LookupImageName(name);
  return SelectImage(image, label, LabelLength(label), alignment, value);
}

int32_t SelectImageText0(int32_t slot, const char* text, int32_t length, int32_t alignment, int32_t value) {
  const struct nk_image image = LookupImageSlot(slot);
  return SelectImage(image, text, TextLength(text, length), alignment, value);
}

int32_t SelectImageText1(const char* name, const char* text, int32_t length, int32_t alignment, int32_t value) {
  const struct nk_image image = LookupImageName(name);
  return SelectImage(image, text, TextLength(text, length), alignment, value);
}

// [SECTION] sliders and progress

float SlideFloat(float min, float value, float max, float step) {
  nk_context* ctx = CellContext();
  if (!ctx) return value;
  // Nuklear divides by the step and by the range; without both it has no slider to draw.
  if (!SlideArgumentsValid(min, value, max, step)) {
    TakeCell(ctx);
    return value;
  }
  return nk_slide_float(ctx, min, value, max, step);
}

int32_t SlideInteger(int32_t min, int32_t value, int32_t max, int32_t step) {
  if (!CellContext()) return value;
  return TruncateToInt(SlideFloat(static_cast<float>(min), static_cast<float>(value), static_cast<float>(max),
                                  static_cast<float>(step)));
}

uint32_t Progress(uint32_t current, uint32_t max, int32_t modifiable) {
  nk_context* ctx = CellContext();
  if (!ctx) return current;
  return static_cast<uint32_t>(nk_prog(ctx, current, max, modifiable != 0));
}

// [SECTION] properties
// Nuklear prints a float property's number by casting it to int, so a number past the int
// range would run its digits off the end of the text; and an int property adds its step
// without looking at overflow. Arguments are held to ranges where neither can happen.

int32_t PropertyInt(const char* name, int32_t min, int32_t value, int32_t max, int32_t step, float pixel_step) {
  nk_context* ctx = CellContext();
  if (!ctx || !name) return value;
  auto held = [](int32_t v, int32_t limit) { return v < -limit ? -limit : v > limit ? limit : v; };
  return nk_propertyi(ctx, name, held(min, kPropertyIntLimit), held(value, kPropertyIntLimit),
                      held(max, kPropertyIntLimit), held(step, kPropertyIntLimit - 1),
                      PropertyBound(pixel_step, kPropertyPixelStepLimit));
}

float PropertyFloat(const char* name, float min, float value, float max, float step, float pixel_step) {
  nk_context* ctx = CellContext();
  if (!ctx || !name) return value;
  const float low = PropertyBound(min, kPropertyFloatLimit), high = PropertyBound(max, kPropertyFloatLimit);
  // A NaN value starts at the low end, as Nuklear's own clamp would put it once changed.
  const float start = std::isnan(value) ? low : PropertyBound(value, kPropertyFloatLimit);
  return nk_propertyf(ctx, name, low, start, high, PropertyBound(step, kPropertyFloatLimit),
                      PropertyBound(pixel_step, kPropertyPixelStepLimit));
}

// [SECTION] colour picker

int32_t ColorPicker(float red, float green, float blue, float alpha, int32_t format) {
  nk_context* ctx = CellContext();
  if (!ctx) return PackUnitColor(red, green, blue, alpha);
  auto known = [](float c) { return std::isnan(c) ? 0.0f : c; };
  struct nk_colorf color = {known(red), known(green), known(blue), known(alpha)};
  color = nk_color_picker(ctx, color, format == 1 ? NK_RGBA : NK_RGB);
  return PackUnitColor(color.r, color.g, color.b, color.a);
}
