// Layout.
//
// [SECTION] row ratio lists
// [SECTION] rows
// [SECTION] template rows
// [SECTION] layout spaces
// [SECTION] bounds and row height
#include "widgets/layout.h"

#include <cstdlib>
#include <cstring>

#include "frame/exports.h"
#include "frame/plugin_state.h"
#include "widgets/interface_results.h"
#include "widgets/windows.h"

namespace qel {
namespace {

bool IsRowSeparator(char c) { return c == ',' || c == ']' || c == '['; }

nk_layout_format RowFormat(int32_t fmt) { return fmt != 0 ? NK_STATIC : NK_DYNAMIC; }

}  // namespace

LayoutState& Layout() { return State().layout; }

// [SECTION] row ratio lists

void ParseRowRatios(const char* text, std::vector<float>& out) {
  out.clear();
  if (!text) return;
  const char* at = std::strchr(text, '[');
  if (!at) return;
  ++at;
  // Read in place: no separator can be part of a number, so strtod stops at the token's end
  // (a frame's rows then cost no heap allocation once the buffers have grown).
  while (*at) {
    while (*at && IsRowSeparator(*at)) ++at;
    if (!*at) break;
    out.push_back(static_cast<float>(std::strtod(at, nullptr)));
    while (*at && !IsRowSeparator(*at)) ++at;
  }
}

int PanelDepth(const nk_panel* panel) {
  int depth = 0;
  for (const nk_panel* p = panel ? panel->parent : nullptr; p; p = p->parent) ++depth;
  return depth;
}

}  // namespace qel

using namespace qel;

void LayoutRow(int32_t fmt, float height, const char* ratios) {
  nk_context* ctx = Context();
  const nk_panel* panel = CurrentPanel(ctx);
  const size_t depth = static_cast<size_t>(PanelDepth(panel));
  std::deque<std::vector<float>>& buffers = Layout().row_ratios;
  if (buffers.size() <= depth) buffers.resize(depth + 1);
  std::vector<float>& buffer = buffers[depth];
  ParseRowRatios(ratios, buffer);
  const int columns = static_cast<int>(buffer.size());
  // Nuklear reads the ratio of the column it is at even in a row of no columns; a zero past
  // the last column keeps that read inside the buffer.
  buffer.push_back(0.0f);
  if (!panel) return;
  nk_layout_row(ctx, RowFormat(fmt), height, columns, buffer.data());
}

// [SECTION] rows

void LayoutRowDynamic(float height, int32_t cols) {
  if (nk_context* ctx = WidgetContext()) nk_layout_row_dynamic(ctx, height, cols);
}

void LayoutRowStatic(float height, int32_t item_width, int32_t cols) {
  if (nk_context* ctx = WidgetContext()) nk_layout_row_static(ctx, height, item_width, cols);
}

void LayoutRowBegin(int32_t fmt, float height, int32_t cols) {
  if (nk_context* ctx = WidgetContext()) nk_layout_row_begin(ctx, RowFormat(fmt), height, cols);
}

namespace {

bool InPushedRow(nk_context* ctx) {
  const nk_panel* panel = CurrentPanel(ctx);
  return panel && (panel->row.type == NK_LAYOUT_STATIC_ROW || panel->row.type == NK_LAYOUT_DYNAMIC_ROW);
}

bool InTemplateRow(nk_context* ctx) {
  const nk_panel* panel = CurrentPanel(ctx);
  return panel && panel->row.type == NK_LAYOUT_TEMPLATE;
}

bool TemplateHasRoom(nk_context* ctx) {
  return InTemplateRow(ctx) && CurrentPanel(ctx)->row.columns < NK_MAX_LAYOUT_ROW_TEMPLATE_COLUMNS;
}

}  // namespace

void LayoutRowPush(float value) {
  nk_context* ctx = Context();
  if (InPushedRow(ctx)) nk_layout_row_push(ctx, value);
}

void LayoutRowEnd() {
  nk_context* ctx = Context();
  if (InPushedRow(ctx)) nk_layout_row_end(ctx);
}

// [SECTION] template rows

void LayoutRowTemplateBegin(float height) {
  if (nk_context* ctx = WidgetContext()) nk_layout_row_template_begin(ctx, height);
}

void LayoutRowTemplatePushDynamic() {
  nk_context* ctx = Context();
  if (TemplateHasRoom(ctx)) nk_layout_row_template_push_dynamic(ctx);
}

void LayoutRowTemplatePushVariable(float min_width) {
  nk_context* ctx = Context();
  if (TemplateHasRoom(ctx)) nk_layout_row_template_push_variable(ctx, min_width);
}

void LayoutRowTemplatePushStatic(float width) {
  nk_context* ctx = Context();
  if (TemplateHasRoom(ctx)) nk_layout_row_template_push_static(ctx, width);
}

void LayoutRowTemplateEnd() {
  nk_context* ctx = Context();
  if (InTemplateRow(ctx)) nk_layout_row_template_end(ctx);
}

// [SECTION] layout spaces

void LayoutSpaceBegin(int32_t fmt, float height, int32_t widget_count) {
  if (nk_context* ctx = WidgetContext())
    nk_layout_space_begin(ctx, fmt == 1 ? NK_STATIC : NK_DYNAMIC, height, widget_count);
}

void LayoutSpacePush(float x, float y, float w, float h) {
  nk_context* ctx = Context();
  const nk_panel* panel = CurrentPanel(ctx);
  if (panel && (panel->row.type == NK_LAYOUT_STATIC_FREE || panel->row.type == NK_LAYOUT_DYNAMIC_FREE))
    nk_layout_space_push(ctx, nk_rect(x, y, w, h));
}

// The space ends when the next row layout begins.
void LayoutSpaceEnd() {}

int32_t LayoutSpaceBounds() {
  nk_context* ctx = WidgetContext();
  return WriteRectResult(ctx ? nk_layout_space_bounds(ctx) : ZeroRect());
}

int32_t LayoutSpaceToScreen(float x, float y) {
  nk_context* ctx = WidgetContext();
  return WriteVec2Result(ctx ? nk_layout_space_to_screen(ctx, nk_vec2(x, y)) : ZeroVec2());
}

int32_t LayoutSpaceToLocal(float x, float y) {
  nk_context* ctx = WidgetContext();
  return WriteVec2Result(ctx ? nk_layout_space_to_local(ctx, nk_vec2(x, y)) : ZeroVec2());
}

int32_t LayoutSpaceRectToScreen(float x, float y, float w, float h) {
  nk_context* ctx = WidgetContext();
  return WriteRectResult(ctx ? nk_layout_space_rect_to_screen(ctx, nk_rect(x, y, w, h)) : ZeroRect());
}

int32_t LayoutSpaceRectToLocal(float x, float y, float w, float h) {
  nk_context* ctx = WidgetContext();
  return WriteRectResult(ctx ? nk_layout_space_rect_to_local(ctx, nk_rect(x, y, w, h)) : ZeroRect());
}

// [SECTION] bounds and row height

int32_t LayoutWidgetBounds() {
  nk_context* ctx = WidgetContext();
  return WriteRectResult(ctx ? nk_layout_widget_bounds(ctx) : ZeroRect());
}

float LayoutRatioFromPixel(float pixel_width) {
  // The share of the window's width. (Nuklear's own helper divides by the window's x
  // position instead, which makes the answer depend on where the window stands.)
  nk_context* ctx = WidgetContext();
  if (!ctx) return 0.0f;
  const float width = ctx->current->bounds.w;
  if (!(width > 0.0f)) return 0.0f;
  return NK_CLAMP(0.0f, pixel_width / width, 1.0f);
}

void LayoutSetMinRowHeight(float height) {
  if (nk_context* ctx = WidgetContext()) nk_layout_set_min_row_height(ctx, height);
}

void LayoutResetMinRowHeight() {
  if (nk_context* ctx = WidgetContext()) nk_layout_reset_min_row_height(ctx);
}
