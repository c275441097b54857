// Charts: a line or column chart of up to four value series in the next cell. Every value is
// held to its series' range before Nuklear draws it.
#include "widgets/charts.h"

#include <cmath>

#include "frame/boundary.h"
#include "frame/exports.h"
#include "widgets/cell_context.h"

namespace qel {

bool ChartSlotTakes(const struct nk_chart_slot& slot, float value) {
  const float range = slot.max - slot.min;
  return std::isfinite(value) && std::isfinite(range) && range > 0.0f && slot.index >= 0 && slot.index < slot.count;
}

float ChartClamp(const struct nk_chart_slot& slot, float value) {
  const float v = value < slot.min ? slot.min : value;
  return v > slot.max ? slot.max : v;
}

float ChartColumnBase(const struct nk_chart_slot& slot) {
  if (slot.min > 0.0f) return slot.min;
  if (slot.max < 0.0f) return slot.max;
  return 0.0f;
}

}  // namespace qel

using namespace qel;

namespace {

// A chart type as Nuklear stores it: lines or columns; any other number becomes Nuklear's
// own "no type", whose values draw nothing (casting the number itself would make an
// enumeration value that does not exist).
nk_chart_type ChartType(int32_t type) {
  return type == NK_CHART_LINES || type == NK_CHART_COLUMN ? static_cast<nk_chart_type>(type) : NK_CHART_MAX;
}

// The chart of the current window, when a window is current.
nk_chart* CurrentChart() {
  nk_context* ctx = WidgetContext();
  return ctx ? &ctx->current->layout->chart : nullptr;
}

// A slot goes only to a begun chart (outside one it would draw at the window's corner) that
// has room for it (Nuklear asserts on a fifth).
nk_context* SlotContext() {
  nk_chart* chart = CurrentChart();
  return chart && chart->slot > 0 && chart->slot < NK_CHART_MAX_SLOT ? WidgetContext() : nullptr;
}

}  // namespace

int32_t ChartBegin(int32_t type, int32_t count, float min, float max) {
  nk_context* ctx = CellContext();
  return ctx ? (nk_chart_begin(ctx, ChartType(type), count, min, max) ? 1 : 0) : 0;
}

int32_t ChartBeginColored(int32_t type, int32_t color, int32_t highlight, int32_t count, float min, float max) {
  nk_context* ctx = CellContext();
  if (!ctx) return 0;
  return nk_chart_begin_colored(ctx, ChartType(type), UnpackColor(color), UnpackColor(highlight), count, min, max)
             ? 1
             : 0;
}

void ChartAddSlot(int32_t type, int32_t count, float min, float max) {
  nk_context* ctx = SlotContext();
  if (ctx) nk_chart_add_slot(ctx, ChartType(type), count, min, max);
}

void ChartAddSlotColored(int32_t type, int32_t color, int32_t highlight, int32_t count, float min, float max) {
  nk_context* ctx = SlotContext();
  if (ctx) nk_chart_add_slot_colored(ctx, ChartType(type), UnpackColor(color), UnpackColor(highlight), count, min, max);
}

int32_t ChartPushSlot(float value, int32_t slot) {
  nk_chart* chart = CurrentChart();
  if (!chart || slot < 0 || slot >= chart->slot || slot >= NK_CHART_MAX_SLOT) return 0;
  nk_chart_slot& series = chart->slots[slot];
  if (!ChartSlotTakes(series, value)) return 0;
  const float held = ChartClamp(series, value);
  if (series.type != NK_CHART_COLUMN) {
    return static_cast<int32_t>(nk_chart_push_slot(WidgetContext(), held, slot));
  }
  // Columns are drawn over a range shifted so that it holds 0, then the range is put back.
  const float base = ChartColumnBase(series);
  const float min = series.min, max = series.max;
  series.min -= base;
  series.max -= base;
  const nk_flags events = nk_chart_push_slot(WidgetContext(), held - base, slot);
  series.min = min;
  series.max = max;
  return static_cast<int32_t>(events);
}

int32_t ChartPush(float value) { return ChartPushSlot(value, 0); }

void ChartEnd() {
  nk_context* ctx = WidgetContext();
  if (ctx) nk_chart_end(ctx);
}
