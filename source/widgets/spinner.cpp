// The spinner.
//
// [SECTION] value text
// [SECTION] spinner
// [SECTION] exports
#include "widgets/spinner.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frame/exports.h"
#include "widgets/buttons.h"
#include "widgets/cell_context.h"
#include "widgets/float_filter.h"
#include "frame/boundary.h"

namespace qel {
namespace {


constexpr int kMaxDecimals = 99;
constexpr int kExponentDigits = 8;  // "-1.23456789e+38" is 15 characters
constexpr nk_hash kSpinnerSeed = 13;

// Writes `text` into `out` when it fits its 15 characters.
bool Fits(const char* text, int length, char (&out)[kSpinTextSize]) {
  if (length < 0 || length >= kSpinTextSize) return false;
  std::memcpy(out, text, static_cast<size_t>(length) + 1);
  return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

SpinnerState& Spinner() { return State().spinner; }

// [SECTION] value text

int32_t SpinDecimals(int32_t decimals) { return decimals < 0 ? 0 : decimals > kMaxDecimals ? kMaxDecimals : decimals; }

float LimitSpinValue(float value, float min, float max) {
  if (!(max > min)) return value;
  if (std::isnan(value)) return min;
  return value < min ? min : value > max ? max : value;
}

int32_t TruncateToInt(float value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483648.0f) return INT32_MAX;
  if (value <= -2147483648.0f) return INT32_MIN;
  return static_cast<int32_t>(value);
}

void SpinnerText(float value, SpinMode mode, int32_t decimals, char (&out)[kSpinTextSize]) {
  if (mode == SpinMode::kInteger) {
    std::snprintf(out, sizeof out, "%d", static_cast<int>(TruncateToInt(value)));
    return;
  }
  if (std::isnan(value)) value = 0.0f;
  if (std::isinf(value)) value = value > 0 ? FLT_MAX : -FLT_MAX;
  // The widest float with 99 decimals needs 141 characters; fewer decimals first, then the
  // exponent form, until the text fits the field.
  char scratch[192];
  const double wide = value;
  for (int places = SpinDecimals(decimals); places >= 0; --places)
    if (Fits(scratch, std::snprintf(scratch, sizeof scratch, "%.*f", places, wide), out)) return;
  for (int places = kExponentDigits; places >= 0; --places)
    if (Fits(scratch, std::snprintf(scratch, sizeof scratch, "%.*e", places, wide), out)) return;
  std::snprintf(out, sizeof out, "0");  // not reached: "-3e+38" always fits
}

float ReadSpinnerNumber(const char* text, SpinMode mode) {
  if (!text) return 0.0f;
  const char* at = text;
  while (IsBlank(*at)) ++at;
  const char* start = at;
  if (*at == '+' || *at == '-') ++at;
  const char* digits = at;
  while (IsDigit(*at)) ++at;
  bool any_digit = at != digits;
  if (mode == SpinMode::kInteger) {
    if (!any_digit) return 0.0f;
    // Read digit by digit and stop at the int range, so no overflow.
    const bool negative = *start == '-';
    int64_t magnitude = 0;
    for (const char* d = digits; d < at && magnitude <= INT64_C(2147483648); ++d) magnitude = magnitude * 10 + (*d - '0');
    const int64_t signed_value = negative ? -magnitude : magnitude;
    const int64_t held = signed_value < INT32_MIN ? INT32_MIN : signed_value > INT32_MAX ? INT32_MAX : signed_value;
    return static_cast<float>(held);
  }
  if (*at == '.') {
    const char* fraction = ++at;
    while (IsDigit(*at)) ++at;
    any_digit = any_digit || at != fraction;
  }
  if (!any_digit) return 0.0f;
  if (*at == 'e' || *at == 'E') {
    const char* exponent = at + 1;
    if (*exponent == '+' || *exponent == '-') ++exponent;
    if (IsDigit(*exponent)) {
      while (IsDigit(*exponent)) ++exponent;
      at = exponent;
    }
  }
  // Only the scanned characters reach strtod, so it sees no "inf", "nan" or hex forms.
  char number[64];
  const size_t length = static_cast<size_t>(at - start) < sizeof number - 1 ? static_cast<size_t>(at - start) : sizeof number - 1;
  std::memcpy(number, start, length);
  number[length] = '\0';
  const double read = std::strtod(number, nullptr);
  if (std::isnan(read)) return 0.0f;
  if (read > FLT_MAX) return FLT_MAX;
  if (read < -FLT_MAX) return -FLT_MAX;
  return static_cast<float>(read);
}

// [SECTION] spinner

namespace {

// A press of the left button outside the current window gives the typed text up.
bool PressedOutsideWindow(const nk_context* ctx) {
  const nk_mouse_button& left = ctx->input.mouse.buttons[NK_BUTTON_LEFT];
  if (!left.down || !left.clicked) return false;
  const struct nk_rect w = ctx->current->bounds;
  return !NK_INBOX(left.clicked_pos.x, left.clicked_pos.y, w.x, w.y, w.w, w.h);
}

// The spinner's row inside its group: the field, then the minus and the plus button.
float SpinInGroup(nk_context* ctx, const char* name, struct nk_rect cell, float min, float value, float max,
                  float step, int32_t decimals, SpinMode mode, nk_plugin_filter filter) {
  SpinnerState& state = Spinner();
  const uint32_t id = nk_murmur_hash(name, static_cast<int>(std::strlen(name)), kSpinnerSeed);
  if (PressedOutsideWindow(ctx) && state.active_id == id) {
    state.active_id = 0;
    // The press also ends the field's editing, as it would have had the field run.
    ctx->current->edit.active = nk_false;
    return value;
  }

  char fresh[kSpinTextSize];
  SpinnerText(LimitSpinValue(value, min, max), mode, decimals, fresh);

  const nk_style_window& window = ctx->style.window;
  nk_layout_row_begin(ctx, NK_STATIC, cell.h, 3);
  const float field = cell.w - 2 * window.padding.x - 2 * window.spacing.x - 2 * cell.h;
  nk_layout_row_push(ctx, field > 0 ? field : 0);
  char* buffer = state.active_id == id ? state.edit_text : fresh;
  const nk_flags edited = nk_edit_string_zero_terminated(ctx, NK_EDIT_FIELD | NK_EDIT_SIG_ENTER | NK_EDIT_AUTO_SELECT,
                                                         buffer, kSpinTextSize, filter);
  if (edited & NK_EDIT_ACTIVATED) {
    if (buffer != state.edit_text) std::memcpy(state.edit_text, buffer, kSpinTextSize);
    state.active_id = id;
  } else if ((edited & NK_EDIT_DEACTIVATED) && state.active_id == id) {
    state.active_id = 0;
  }
  float v = ReadSpinnerNumber(buffer, mode);

  nk_layout_row_push(ctx, cell.h);
  if (ConsumeClick(ctx, nk_button_symbol(ctx, NK_SYMBOL_MINUS))) v -= step;
  nk_layout_row_push(ctx, cell.h);
  if (ConsumeClick(ctx, nk_button_symbol(ctx, NK_SYMBOL_PLUS))) v += step;
  nk_layout_row_end(ctx);
  return LimitSpinValue(v, min, max);
}

float RunSpinner(const char* name, float min, float value, float max, float step, int32_t decimals, SpinMode mode,
                 nk_plugin_filter filter) {
  nk_context* ctx = CellContext();
  if (!ctx) return value;
  const char* title = TextOrEmpty(name);
  const struct nk_rect cell = nk_widget_bounds(ctx);

  // The group fills the cell edge to edge, and its buttons repeat while held; whatever the
  // script had set is put back afterwards.
  nk_style_window& window = ctx->style.window;
  const struct nk_vec2 group_padding = window.group_padding;
  const enum nk_button_behavior behavior = ctx->button_behavior;
  window.group_padding = nk_vec2(0, 0);
  ctx->button_behavior = NK_BUTTON_REPEATER;

  float result = value;
  if (nk_group_begin(ctx, title, NK_WINDOW_NO_SCROLLBAR)) {
    result = SpinInGroup(ctx, title, cell, min, value, max, step, decimals, mode, filter);
    nk_group_end(ctx);
  }
  window.group_padding = group_padding;
  ctx->button_behavior = behavior;
  return result;
}

}  // namespace
}  // namespace qel

using namespace qel;

// [SECTION] exports

// The filter argument cannot carry a function across the script boundary: any value runs the
// spinner in integer mode without a filter, and nothing is ever called through it.
float Spin(const char* name, float min, float value, float max, float step, int32_t decimals, int32_t filter) {
  return RunSpinner(name, min, value, max, step, decimals, SpinMode::kInteger, nullptr);
}

float SpinFloat(const char* name, float min, float value, float max, float step, int32_t decimals) {
  return RunSpinner(name, min, value, max, step, decimals, SpinMode::kFloat, FilterFloat);
}

int32_t SpinInt(const char* name, int32_t min, int32_t value, int32_t max, int32_t step) {
  const float result = RunSpinner(name, static_cast<float>(min), static_cast<float>(value), static_cast<float>(max),
                                  static_cast<float>(step), 0, SpinMode::kInteger, nk_filter_decimal);
  return TruncateToInt(result);
}
