// Input and widget queries.
//
// [SECTION] input queries
// [SECTION] widget cells
// [SECTION] spacing
#include "widgets/queries.h"

#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/plugin_state.h"
#include "widgets/cell_context.h"
#include "widgets/interface_results.h"

namespace qel {
namespace {


// The context's input, or null before start-up (Nuklear's queries answer 0 for null).
nk_input* ContextInput() {
  nk_context* ctx = Context();
  return ctx ? &ctx->input : nullptr;
}

// Numbers outside Nuklear's key and button arrays are no key or button at all.
bool IsKey(int32_t key) { return key >= 0 && key < NK_KEY_MAX; }
bool IsButton(int32_t button) { return button >= 0 && button < NK_BUTTON_MAX; }

nk_keys Key(int32_t key) { return static_cast<nk_keys>(key); }
nk_buttons Button(int32_t button) { return static_cast<nk_buttons>(button); }


}  // namespace

QueriesState& Queries() { return State().queries; }

// [SECTION] spacing

void SkipCells(nk_context* ctx, int32_t cols) {
  if (!ctx || cols <= 0) return;
  const nk_panel* panel = ctx->current->layout;
  if (panel->row.columns <= 0) return;  // Nuklear would divide by the column count
  nk_spacing(ctx, cols < kMaxSkippedCells ? cols : kMaxSkippedCells);
}

}  // namespace qel

using namespace qel;

// [SECTION] input queries

int32_t InputIsKeyDown(int32_t key) { return IsKey(key) ? Bool(nk_input_is_key_down(ContextInput(), Key(key))) : 0; }

int32_t InputIsKeyPressed(int32_t key) {
  return IsKey(key) ? Bool(nk_input_is_key_pressed(ContextInput(), Key(key))) : 0;
}

int32_t InputIsKeyReleased(int32_t key) {
  return IsKey(key) ? Bool(nk_input_is_key_released(ContextInput(), Key(key))) : 0;
}

int32_t InputIsMouseDown(int32_t button) {
  return IsButton(button) ? Bool(nk_input_is_mouse_down(ContextInput(), Button(button))) : 0;
}

int32_t InputIsMousePressed(int32_t button) {
  return IsButton(button) ? Bool(nk_input_is_mouse_pressed(ContextInput(), Button(button))) : 0;
}

int32_t InputIsMouseReleased(int32_t button) {
  return IsButton(button) ? Bool(nk_input_is_mouse_released(ContextInput(), Button(button))) : 0;
}

int32_t InputHasMouseClick(int32_t button) {
  return IsButton(button) ? Bool(nk_input_has_mouse_click(ContextInput(), Button(button))) : 0;
}

int32_t InputHasMouseClickInRect(int32_t button, float x, float y, float w, float h) {
  if (!IsButton(button)) return 0;
  return Bool(nk_input_has_mouse_click_in_rect(ContextInput(), Button(button), nk_rect(x, y, w, h)));
}

int32_t InputHasMouseClickDownInRect(int32_t button, float x, float y, float w, float h, int32_t down) {
  if (!IsButton(button)) return 0;
  return Bool(nk_input_has_mouse_click_down_in_rect(ContextInput(), Button(button), nk_rect(x, y, w, h), down));
}

int32_t InputIsMouseClickInRect(int32_t button, float x, float y, float w, float h) {
  if (!IsButton(button)) return 0;
  return Bool(nk_input_is_mouse_click_in_rect(ContextInput(), Button(button), nk_rect(x, y, w, h)));
}

int32_t InputIsMouseClickDownInRect(int32_t button, float x, float y, float w, float h, int32_t down) {
  if (!IsButton(button)) return 0;
  return Bool(nk_input_is_mouse_click_down_in_rect(ContextInput(), Button(button), nk_rect(x, y, w, h), down));
}

int32_t InputAnyMouseClickInRect(float x, float y, float w, float h) {
  return Bool(nk_input_any_mouse_click_in_rect(ContextInput(), nk_rect(x, y, w, h)));
}

int32_t InputIsMouseHoveringRect(float x, float y, float w, float h) {
  return Bool(nk_input_is_mouse_hovering_rect(ContextInput(), nk_rect(x, y, w, h)));
}

int32_t InputIsMousePrevHoveringRect(float x, float y, float w, float h) {
  return Bool(nk_input_is_mouse_prev_hovering_rect(ContextInput(), nk_rect(x, y, w, h)));
}

int32_t InputMouseClicked(int32_t button, float x, float y, float w, float h) {
  if (!IsButton(button)) return 0;
  return Bool(nk_input_mouse_clicked(ContextInput(), Button(button), nk_rect(x, y, w, h)));
}

float InputGetMouseDeltaX() {
  const nk_input* in = ContextInput();
  return in ? in->mouse.delta.x : 0.0f;
}

float InputGetMouseDeltaY() {
  const nk_input* in = ContextInput();
  return in ? in->mouse.delta.y : 0.0f;
}

// [SECTION] widget cells

int32_t Widget() {
  nk_context* ctx = CellContext();
  struct nk_rect bounds = ZeroRect();
  Queries().last_widget_state = ctx ? static_cast<int32_t>(nk_widget(&bounds, ctx)) : NK_WIDGET_INVALID;
  return WriteRectResult(bounds);
}

// Takes the cell exactly as Widget does: the bounds a script draws into are the cell's own.
int32_t WidgetFitting() { return Widget(); }

int32_t WidgetGetLastState() { return Queries().last_widget_state; }

int32_t WidgetBounds() {
  nk_context* ctx = CellContext();
  return WriteRectResult(ctx ? nk_widget_bounds(ctx) : ZeroRect());
}

int32_t WidgetPosition() {
  nk_context* ctx = CellContext();
  return WriteVec2Result(ctx ? nk_widget_position(ctx) : ZeroVec2());
}

int32_t WidgetSize() {
  nk_context* ctx = CellContext();
  return WriteVec2Result(ctx ? nk_widget_size(ctx) : ZeroVec2());
}

float WidgetWidth() {
  nk_context* ctx = CellContext();
  return ctx ? nk_widget_width(ctx) : 0.0f;
}

float WidgetHeight() {
  nk_context* ctx = CellContext();
  return ctx ? nk_widget_height(ctx) : 0.0f;
}

int32_t WidgetIsHovered() {
  nk_context* ctx = CellContext();
  return ctx ? Bool(nk_widget_is_hovered(ctx)) : 0;
}

int32_t WidgetIsMouseClicked(int32_t button) {
  nk_context* ctx = CellContext();
  return ctx && IsButton(button) ? Bool(nk_widget_is_mouse_clicked(ctx, Button(button))) : 0;
}

int32_t WidgetHasMouseClickDown(int32_t button, int32_t down) {
  nk_context* ctx = CellContext();
  return ctx && IsButton(button) ? Bool(nk_widget_has_mouse_click_down(ctx, Button(button), down)) : 0;
}

void Spacing(int32_t cols) { SkipCells(CellContext(), cols); }
