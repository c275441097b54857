// Groups, popups, tooltips and contextual menus.
//
// [SECTION] begun panels
// [SECTION] groups
// [SECTION] popups
// [SECTION] tooltips
// [SECTION] contextual menus
#include "widgets/panels.h"

#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/plugin_state.h"
#include "widgets/cell_context.h"
#include "widgets/layout.h"
#include "widgets/popup_context.h"
#include "widgets/tooltip_placement.h"

namespace qel {
namespace {

constexpr char kTooltipName[] = "__##Tooltip##__";

// A panel that takes no input must not be movable or scalable: Nuklear reads the input it
// withholds to move or size it.
nk_flags SubPanelFlags(int32_t flags) {
  nk_flags out = static_cast<nk_flags>(flags);
  if (out & NK_WINDOW_NO_INPUT) out &= ~static_cast<nk_flags>(NK_WINDOW_MOVABLE | NK_WINDOW_SCALABLE);
  return out;
}

// The context when a panel may open in the current window. Nuklear does not nest popups, so
// none opens while a popup is being filled.
nk_context* PopupHostContext() {
  nk_context* ctx = CellContext();
  return ctx && !ctx->current->parent ? ctx : nullptr;
}

// The context when the current window is a popup being filled (of any kind), else null.
nk_context* OpenPopupContext() {
  nk_context* ctx = WidgetContext();
  return ctx && InPopup(ctx) ? ctx : nullptr;
}

void EndTooltipPopup(nk_context* ctx) {
  // The tooltip's popup is begun afresh every frame: one step back in its sequence makes
  // Nuklear drop it at the end of the frame.
  ctx->current->seq--;
  nk_popup_close(ctx);
  nk_popup_end(ctx);
}

}  // namespace

PanelsState& Panels() { return State().panels; }

// [SECTION] begun panels

void NotePanelBegun(nk_context* ctx) {
  if (!ctx || !ctx->current || !ctx->current->layout) return;
  const int depth = PanelDepth(ctx->current->layout);
  PanelsState& panels = Panels();
  ++panels.begun;
  if (depth < kTrackedPanelDepth) panels.number_at_depth[depth] = panels.begun;
}

uint32_t PanelNumber(const nk_panel* panel) {
  const int depth = PanelDepth(panel);
  return depth < kTrackedPanelDepth ? Panels().number_at_depth[depth] : 0;
}

void EndOpenSubPanels(nk_context* ctx) {
  while (ctx && ctx->current && ctx->current->layout) {
    nk_panel* panel = ctx->current->layout;
    if (panel->type == NK_PANEL_GROUP && panel->parent) {
      nk_group_end(ctx);
    } else if ((panel->type & NK_PANEL_SET_POPUP) && ctx->current->parent) {
      // A popup that was never ended is closed too: left open, it would keep its window
      // read-only after the script stops describing it.
      if (panel->type == NK_PANEL_TOOLTIP) {
        EndTooltipPopup(ctx);
      } else {
        nk_popup_close(ctx);
        nk_popup_end(ctx);
      }
    } else {
      break;
    }
  }
}

}  // namespace qel

using namespace qel;

// [SECTION] groups
// Groups keep their scroll offsets in the window's value table under their name.

namespace {

int32_t BeginGroup(const char* name, const char* title, int32_t flags) {
  nk_context* ctx = CellContext();
  if (!ctx) return 0;
  const nk_flags result = nk_group_begin_titled(ctx, TextOrEmpty(name), TextOrEmpty(title), SubPanelFlags(flags));
  // A group closed or minimized by its header comes back ended already, with a nonzero
  // flag: its body is not to be filled, and no GroupEnd may follow.
  if (result != 1) return 0;
  NotePanelBegun(ctx);
  return 1;
}

}  // namespace

int32_t GroupBegin(const char* title, int32_t flags) { return BeginGroup(title, title, flags); }

int32_t GroupBeginTitled(const char* name, const char* title, int32_t flags) {
  return BeginGroup(name, title, flags);
}

void GroupEnd() {
  nk_context* ctx = WidgetContext();
  if (!ctx) return;
  const nk_panel* panel = ctx->current->layout;
  if (panel->type == NK_PANEL_GROUP && panel->parent) nk_group_end(ctx);
}

// [SECTION] popups

int32_t PopupBegin(int32_t type, const char* title, int32_t flags, float x, float y, float w, float h) {
  nk_context* ctx = PopupHostContext();
  if (!ctx) return 0;
  const nk_popup_type kind = type == 1 ? NK_POPUP_DYNAMIC : NK_POPUP_STATIC;
  if (!nk_popup_begin(ctx, kind, TextOrEmpty(title), SubPanelFlags(flags), nk_rect(x, y, w, h))) return 0;
  NotePanelBegun(ctx);
  return 1;
}

void PopupClose() {
  if (nk_context* ctx = OpenPopupContext()) nk_popup_close(ctx);
}

void PopupEnd() {
  if (nk_context* ctx = OpenPopupContext()) nk_popup_end(ctx);
}

int32_t PopupGetScrollX() {
  nk_context* ctx = WidgetContext();
  if (!ctx) return 0;
  nk_uint x = 0;
  nk_popup_get_scroll(ctx, &x, nullptr);
  return static_cast<int32_t>(x);
}

int32_t PopupGetScrollY() {
  nk_context* ctx = WidgetContext();
  if (!ctx) return 0;
  nk_uint y = 0;
  nk_popup_get_scroll(ctx, nullptr, &y);
  return static_cast<int32_t>(y);
}

void PopupSetScroll(int32_t x, int32_t y) {
  if (nk_context* ctx = WidgetContext()) nk_popup_set_scroll(ctx, static_cast<nk_uint>(x), static_cast<nk_uint>(y));
}

// [SECTION] tooltips
// Nuklear's tooltip opens at the pointer wherever that is; ours takes an offset and stays
// inside the host's virtual screen.

int32_t TooltipBegin0(float width, float offset_x, float offset_y) {
  nk_context* ctx = PopupHostContext();
  if (!ctx) return 0;
  nk_window* window = ctx->current;
  if (window->popup.win && (window->popup.type & NK_PANEL_SET_NONBLOCK)) return 0;

  const nk_style& style = ctx->style;
  TooltipStyle measures;
  measures.padding_y = style.window.padding.y;
  measures.spacing_y = style.window.spacing.y;
  measures.border = style.window.tooltip_border;
  measures.font_height = style.font ? style.font->height : 0.0f;
  const HostSize screen = FrameVirtualSize();
  const TooltipPlace place = PlaceTooltip(width, ctx->input.mouse.pos.x, ctx->input.mouse.pos.y, offset_x,
                                          offset_y, measures, screen.width, screen.height);

  // A place at the end of the int range (an infinite offset) less a negative clip origin is
  // beyond it: the difference is taken in 64 bits.
  const struct nk_rect clip = window->layout->clip;
  const struct nk_rect bounds = nk_rect(static_cast<float>(int64_t{place.x} - TruncToInt(clip.x)),
                                        static_cast<float>(int64_t{place.y} - TruncToInt(clip.y)),
                                        static_cast<float>(place.w), 16384.0f);
  if (!nk_popup_begin(ctx, NK_POPUP_DYNAMIC, kTooltipName, NK_WINDOW_NO_SCROLLBAR | NK_WINDOW_BORDER, bounds))
    return 0;  // another popup holds the window's popup: leave its kind and the window's panel alone
  window->layout->flags &= ~static_cast<nk_flags>(NK_WINDOW_ROM);
  window->popup.type = NK_PANEL_TOOLTIP;
  ctx->current->layout->type = NK_PANEL_TOOLTIP;
  NotePanelBegun(ctx);
  return 1;
}

int32_t TooltipBegin1(float width) { return TooltipBegin0(width, 0.0f, 0.0f); }

void TooltipEnd() {
  nk_context* ctx = OpenPopupContext();
  if (ctx && ctx->current->layout->type == NK_PANEL_TOOLTIP) EndTooltipPopup(ctx);
}

void Tooltip0(const char* text, float offset_x, float offset_y) {
  nk_context* ctx = PopupHostContext();
  if (!ctx || !text || !ctx->style.font) return;
  const nk_user_font* font = ctx->style.font;
  const struct nk_vec2 padding = ctx->style.window.padding;
  const int length = LabelLength(text);
  const float width = font->width(font->userdata, font->height, text, length) + 4.0f * padding.x;
  const float line_height = font->height + 2.0f * padding.y;
  // Above the pointer unless the script chose a vertical offset.
  if (offset_y == 0.0f) offset_y = -line_height;
  if (!TooltipBegin0(width, offset_x, offset_y)) return;
  nk_layout_row_dynamic(ctx, line_height, 1);
  nk_text(ctx, text, length, NK_TEXT_LEFT);
  EndTooltipPopup(ctx);
}

void Tooltip1(const char* text) { Tooltip0(text, 0.0f, 0.0f); }

// [SECTION] contextual menus
// The items are the combo and menu items' kin; only begin, close and end live here.

int32_t ContextualBegin(int32_t flags, float w, float h, float trigger_x, float trigger_y, float trigger_w,
                        float trigger_h) {
  nk_context* ctx = PopupHostContext();
  if (!ctx) return 0;
  // A window has one popup at a time. Nuklear would open the menu in the object of another
  // popup that is still open and draw that popup with the menu's place and content.
  const nk_window* window = ctx->current;
  if (window->popup.win && window->popup.active && window->popup.type != NK_PANEL_CONTEXTUAL) return 0;
  if (!nk_contextual_begin(ctx, SubPanelFlags(flags), nk_vec2(w, h),
                           nk_rect(trigger_x, trigger_y, trigger_w, trigger_h)))
    return 0;
  NotePanelBegun(ctx);
  return 1;
}

// ContextualClose and ContextualEnd are the combo's close and end under other names
// (popup_items.cpp): one function serves the three families.
