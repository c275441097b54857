// Windows.
//
// [SECTION] stored handles
// [SECTION] begin and end
// [SECTION] queries of the current window
// [SECTION] queries and changes by name
// [SECTION] stored handle exports
#include "widgets/windows.h"

#include "fonts/font_atlas.h"
#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "widgets/interface_results.h"
#include "widgets/panels.h"

namespace qel {
namespace {

nk_window* RootOf(nk_window* window) {
  while (window && window->parent) window = window->parent;
  return window;
}

bool IsTopLevelWindow(const nk_context* ctx, const nk_window* window) {
  for (const nk_window* it = ctx->begin; it; it = it->next)
    if (it == window) return true;
  return false;
}

// The life number of a window object, 0 for one WindowBegin never made.
uint32_t LifeOf(const nk_window* window) {
  const auto& lives = Windows().lives;
  const auto it = lives.find(window);
  return it == lives.end() ? 0 : it->second;
}

constexpr nk_flags kGoneFlags = NK_WINDOW_HIDDEN | NK_WINDOW_CLOSED;

void Unlink(nk_context* ctx, nk_window* window) {
  if (window->prev) window->prev->next = window->next;
  else ctx->begin = window->next;
  if (window->next) window->next->prev = window->prev;
  else ctx->end = window->prev;
  window->prev = window->next = nullptr;
}

// The window list runs from the bottom of the drawing order (begin) to the top (end).
void MoveToBottom(nk_context* ctx, nk_window* window) {
  if (ctx->begin == window) return;
  Unlink(ctx, window);
  window->next = ctx->begin;
  if (ctx->begin) ctx->begin->prev = window;
  ctx->begin = window;
  if (!ctx->end) ctx->end = window;
}

void MoveToTop(nk_context* ctx, nk_window* window) {
  if (ctx->end == window) return;
  Unlink(ctx, window);
  window->prev = ctx->end;
  if (ctx->end) ctx->end->next = window;
  ctx->end = window;
  if (!ctx->begin) ctx->begin = window;
}

// Nuklear's end-of-frame clean-up takes the activity from a hidden or closed active window
// by pointing the list's end at the window before it: the windows after that one drop out
// of the list, and when the window was the first one the whole list is lost. So such a
// window never stays active: it goes to the bottom of the drawing order, and the top-most
// shown window becomes the active one (none when every window is hidden).
void SettleGoneWindow(nk_context* ctx, nk_window* window) {
  if (!ctx || !window || ctx->active != window || ctx->current == window) return;
  if (!(window->flags & kGoneFlags)) return;
  MoveToBottom(ctx, window);
  nk_window* shown = ctx->end;
  while (shown && (shown->flags & kGoneFlags)) shown = shown->prev;
  if (shown) {
    MoveToTop(ctx, shown);
    shown->flags &= ~static_cast<nk_flags>(NK_WINDOW_ROM);
  }
  ctx->active = shown;
}

// The changes waiting for `window`, when it is the window being filled (a popup's window
// is filled inside it); null when the change can be made at once.
DeferredWindowChanges* DeferredFor(nk_context* ctx, nk_window* window) {
  if (!window || !ctx->current || RootOf(ctx->current) != window) return nullptr;
  DeferredWindowChanges& deferred = State().windows.deferred;
  if (deferred.window != window) deferred = DeferredWindowChanges{window};
  return &deferred;
}

void ApplyDeferredChanges(nk_window* window) {
  DeferredWindowChanges& deferred = State().windows.deferred;
  if (deferred.window != window) return;
  if (deferred.show == 0) window->flags |= NK_WINDOW_HIDDEN;
  if (deferred.show == 1) window->flags &= ~static_cast<nk_flags>(NK_WINDOW_HIDDEN);
  if (deferred.collapse == 0) window->flags |= NK_WINDOW_MINIMIZED;
  if (deferred.collapse == 1) window->flags &= ~static_cast<nk_flags>(NK_WINDOW_MINIMIZED);
  if (deferred.move) {
    window->bounds.x = deferred.x;
    window->bounds.y = deferred.y;
  }
  if (deferred.resize) {
    window->bounds.w = deferred.w;
    window->bounds.h = deferred.h;
  }
  deferred = DeferredWindowChanges{};
}

// WindowEnd's work: release a button held off screen, end the current window's panel, and
// apply what waited for it.
void EndCurrentWindow(nk_context* ctx) {
  const HostSize screen = FrameVirtualSize();
  ReleaseLeftButtonOffScreen(ctx, static_cast<float>(screen.width), static_cast<float>(screen.height));
  if (!ctx->current) return;
  EndOpenSubPanels(ctx);
  nk_window* window = ctx->current;
  // Nuklear's close button only hides the window, on its panel while it is being filled;
  // for the windows after it, a window closed by its button is closed all the same.
  const nk_panel* panel = window->layout;
  const bool closed_by_button = panel && panel->type == NK_PANEL_WINDOW && (panel->flags & NK_WINDOW_HIDDEN) &&
                                !(window->flags & NK_WINDOW_HIDDEN);
  nk_end(ctx);
  ApplyDeferredChanges(window);
  if ((window->flags & NK_WINDOW_CLOSED) || closed_by_button) Windows().frame.extra_flags = NK_WINDOW_NO_INPUT;
  SettleGoneWindow(ctx, window);
}

}  // namespace

WindowsState& Windows() { return State().windows; }

void EndWindowLeftOpen(nk_context* ctx) {
  if (!ctx || !ctx->current) return;
  QEL_LOG(WindowNotEnded, RootOf(ctx->current)->name_string);
  EndCurrentWindow(ctx);
}

// [SECTION] stored handles

void StoredHandleTable::Store(int32_t index, StoredHandleKind kind, nk_window* window, nk_panel* panel) {
  if (index < 0 || index >= kStoredHandleCount) return;
  StoredHandle& entry = entries_[index];
  entry = StoredHandle{};
  if (!window) return;
  entry.kind = kind;
  entry.window = window;
  entry.window_name = window->name;
  entry.root = RootOf(window);
  entry.root_name = entry.root->name;
  entry.root_life = LifeOf(entry.root);
  entry.panel = panel;
  entry.panel_scroll = panel ? panel->offset_x : nullptr;
  entry.panel_frame = Context() ? Context()->seq : 0;
  if (panel) entry.panel_number = PanelNumber(panel);
  if (window->parent) {
    entry.popup_name = window->parent->popup.name;
    entry.popup_type = static_cast<uint32_t>(window->parent->popup.type);
  }
}

void StoredHandleTable::StoreWindow(int32_t index, nk_window* window) {
  Store(index, StoredHandleKind::kWindow, window, nullptr);
}

void StoredHandleTable::StoreCanvas(int32_t index, nk_window* window) {
  Store(index, StoredHandleKind::kCanvas, window, nullptr);
}

void StoredHandleTable::StorePanel(int32_t index, nk_window* window, nk_panel* panel) {
  Store(index, StoredHandleKind::kPanel, panel ? window : nullptr, panel);
}

const StoredHandle* StoredHandleTable::Live(int32_t index, StoredHandleKind kind) const {
  const nk_context* ctx = Context();
  if (!ctx || index < 0 || index >= kStoredHandleCount) return nullptr;
  const StoredHandle& entry = entries_[index];
  if (entry.kind != kind) return nullptr;
  // The root must still be the same window: listed by the context, same name, same life.
  if (!IsTopLevelWindow(ctx, entry.root) || entry.root->name != entry.root_name ||
      LifeOf(entry.root) != entry.root_life)
    return nullptr;
  if (entry.window == entry.root) return &entry;
  // A popup lives in its parent's popup slot (a popup of a popup in that one's).
  // The popup object is reused by the next popup of its parent, so the parent must still
  // hold the same popup.
  for (const nk_window* popup = entry.root->popup.win; popup; popup = popup->popup.win) {
    if (popup != entry.window) continue;
    const nk_window* parent = popup->parent;
    const bool same = popup->name == entry.window_name && parent && parent->popup.name == entry.popup_name &&
                      static_cast<uint32_t>(parent->popup.type) == entry.popup_type;
    return same ? &entry : nullptr;
  }
  return nullptr;
}

nk_window* StoredHandleTable::Window(int32_t index) const {
  const StoredHandle* entry = Live(index, StoredHandleKind::kWindow);
  return entry ? entry->window : nullptr;
}

nk_command_buffer* StoredHandleTable::Canvas(int32_t index) const {
  const StoredHandle* entry = Live(index, StoredHandleKind::kCanvas);
  if (!entry || Context()->current != entry->window) return nullptr;
  return &entry->window->buffer;
}

nk_panel* StoredHandleTable::Panel(int32_t index) const {
  const StoredHandle* entry = Live(index, StoredHandleKind::kPanel);
  if (!entry) return nullptr;
  // Nuklear hands an ended panel's storage to the next panel that opens, so the stored one
  // is only good while it is still open: the current panel or one that holds it. A later
  // panel in the same storage scrolls another offset (a group's, a window's).
  const nk_context* ctx = Context();
  // The same window's panel of a later frame takes the same storage and scroll offset.
  if (ctx->seq != entry->panel_frame) return nullptr;
  // A later panel at the same depth, begun after this one ended, has another number.
  for (const nk_panel* open = ctx->current ? ctx->current->layout : nullptr; open; open = open->parent)
    if (open == entry->panel)
      return open->offset_x == entry->panel_scroll && PanelNumber(open) == entry->panel_number ? entry->panel
                                                                                                : nullptr;
  return nullptr;
}

nk_command_buffer* StoredCanvas(int32_t index) { return Windows().stored.Canvas(index); }

nk_panel* StoredPanel(int32_t index) { return Windows().stored.Panel(index); }

nk_panel* CurrentPanel(nk_context* ctx) {
  if (!ctx || !ctx->current) return nullptr;
  return ctx->current->layout;
}

void ReleaseLeftButtonOffScreen(nk_context* ctx, float virtual_width, float virtual_height) {
  nk_mouse& mouse = ctx->input.mouse;
  nk_mouse_button& left = mouse.buttons[NK_BUTTON_LEFT];
  if (!left.down || left.clicked != 0) return;
  const bool outside = mouse.pos.x < 0.0f || mouse.pos.x > virtual_width || mouse.pos.y < 0.0f ||
                       mouse.pos.y > virtual_height;
  if (outside) left.down = nk_false;
}

}  // namespace qel

using namespace qel;

// [SECTION] begin and end

namespace {

int32_t BeginWindow(const char* name, const char* title, struct nk_rect bounds, int32_t flags) {
  nk_context* ctx = Context();
  if (!ctx) return 0;
  EndWindowLeftOpen(ctx);  // windows do not nest
  EnsureStyleFont();
  if (!ctx->style.font) {
    QEL_LOG(WindowWithoutFont, TextOrEmpty(name));
    return 0;
  }
  name = TextOrEmpty(name);
  title = title ? title : name;
  nk_flags effective = static_cast<nk_flags>(flags) | Windows().frame.extra_flags;
  nk_window* existing = nk_window_find(ctx, name);
  // With no active window Nuklear makes the shown window it begins both the active one and
  // the list's end, without moving it there; move it first.
  if (!ctx->active && existing && !(existing->flags & kGoneFlags) && !(effective & kGoneFlags))
    MoveToTop(ctx, existing);

  // Nuklear moves a movable window by reading the input it withholds from a window that
  // takes no input. Such a window begins unmovable, at the place it has now, and gets its
  // flag back once its header is done.
  const bool hold_still = (effective & NK_WINDOW_NO_INPUT) && (effective & NK_WINDOW_MOVABLE);
  if (hold_still) {
    effective &= ~static_cast<nk_flags>(NK_WINDOW_MOVABLE);
    if (existing) bounds = existing->bounds;
  }

  const int32_t result = nk_begin_titled(ctx, name, title, bounds, effective) ? 1 : 0;
  nk_window* window = ctx->current;
  NotePanelBegun(ctx);  // a collapsed window still begins its panel
  WindowsState& windows = Windows();
  if (window && window != existing) windows.lives[window] = ++windows.last_life;
  if (hold_still && window) {
    window->flags |= NK_WINDOW_MOVABLE;
    if (window->layout) window->layout->flags |= NK_WINDOW_MOVABLE;
  }
  // Nuklear withholds input only from the frame of a window flagged for no input; its
  // widgets go by the read-only bit and the mouse position. A window after a closed one
  // takes no input at all, so it is read-only until its panel ends, which clears both bits
  // again (unless Nuklear made it read-only itself). The script's own flag keeps Nuklear's
  // meaning.
  const bool after_closed = windows.frame.extra_flags & NK_WINDOW_NO_INPUT;
  const bool panel_ends = window && window->layout && !(window->flags & NK_WINDOW_HIDDEN);
  if (after_closed && panel_ends && !(window->layout->flags & NK_WINDOW_ROM)) {
    constexpr nk_flags kReadOnlyThisFrame = NK_WINDOW_ROM | NK_WINDOW_REMOVE_ROM;
    window->flags |= kReadOnlyThisFrame;
    window->layout->flags |= kReadOnlyThisFrame;
  }
  return result;
}

}  // namespace

int32_t WindowBegin(const char* name, float x, float y, float w, float h, int32_t flags) {
  return BeginWindow(name, name, nk_rect(x, y, w, h), flags);
}

int32_t WindowBeginTitled(const char* name, const char* title, float x, float y, float w, float h,
                          int32_t flags) {
  return BeginWindow(name, title, nk_rect(x, y, w, h), flags);
}

void WindowEnd() {
  nk_context* ctx = Context();
  if (ctx) EndCurrentWindow(ctx);
}

// [SECTION] queries of the current window

namespace {

nk_window* CurrentWindow() {
  nk_context* ctx = Context();
  return ctx ? ctx->current : nullptr;
}

struct nk_rect CurrentBounds() {
  const nk_window* window = CurrentWindow();
  return window ? window->bounds : ZeroRect();
}

struct nk_rect CurrentClip() {
  const nk_panel* panel = CurrentPanel(Context());
  return panel ? panel->clip : ZeroRect();
}

}  // namespace

int32_t WindowGetBounds() { return WriteRectResult(CurrentBounds()); }
float WindowGetBoundX() { return CurrentBounds().x; }
float WindowGetBoundY() { return CurrentBounds().y; }
float WindowGetBoundWidth() { return CurrentBounds().w; }
float WindowGetBoundHeight() { return CurrentBounds().h; }

int32_t WindowGetPosition() {
  const struct nk_rect bounds = CurrentBounds();
  return WriteVec2Result(nk_vec2(bounds.x, bounds.y));
}

int32_t WindowGetSize() {
  const struct nk_rect bounds = CurrentBounds();
  return WriteVec2Result(nk_vec2(bounds.w, bounds.h));
}

float WindowGetWidth() { return CurrentBounds().w; }
float WindowGetHeight() { return CurrentBounds().h; }

int32_t WindowGetContentRegion() { return WriteRectResult(CurrentClip()); }

int32_t WindowGetContentRegionMin() {
  const struct nk_rect clip = CurrentClip();
  return WriteVec2Result(nk_vec2(clip.x, clip.y));
}

int32_t WindowGetContentRegionMax() {
  const struct nk_rect clip = CurrentClip();
  return WriteVec2Result(nk_vec2(clip.x + clip.w, clip.y + clip.h));
}

int32_t WindowGetContentRegionSize() {
  const struct nk_rect clip = CurrentClip();
  return WriteVec2Result(nk_vec2(clip.w, clip.h));
}

float WindowGetContentRegionX() { return CurrentClip().x; }
float WindowGetContentRegionY() { return CurrentClip().y; }
float WindowGetContentRegionWidth() { return CurrentClip().w; }
float WindowGetContentRegionHeight() { return CurrentClip().h; }

int32_t WindowGetPanelBounds() {
  const nk_panel* panel = CurrentPanel(Context());
  return WriteRectResult(panel ? panel->bounds : ZeroRect());
}

int32_t WindowGetScroll() {
  const nk_window* window = CurrentWindow();
  if (!window) return WriteScrollResult(0, 0);
  return WriteScrollResult(window->scrollbar.x, window->scrollbar.y);
}

int32_t WindowGetFlags() {
  const nk_window* window = CurrentWindow();
  return window ? static_cast<int32_t>(window->flags) : 0;
}

int32_t WindowHasFocus() {
  nk_context* ctx = Context();
  return ctx && ctx->current && ctx->current == ctx->active ? 1 : 0;
}

int32_t WindowIsHovered() {
  nk_context* ctx = Context();
  return ctx && ctx->current && nk_window_is_hovered(ctx) ? 1 : 0;
}

int32_t WindowIsAnyHovered() {
  nk_context* ctx = Context();
  return ctx && ctx->current && nk_window_is_any_hovered(ctx) ? 1 : 0;
}

int32_t WindowIsAnyActive() {
  nk_context* ctx = Context();
  return ctx && ctx->current && nk_item_is_any_active(ctx) ? 1 : 0;
}

// [SECTION] queries and changes by name

int32_t WindowIsActive(const char* name) {
  nk_context* ctx = Context();
  return ctx && nk_window_is_active(ctx, TextOrEmpty(name)) ? 1 : 0;
}

int32_t WindowIsClosed(const char* name) {
  nk_context* ctx = Context();
  if (!ctx) return 1;
  return nk_window_is_closed(ctx, TextOrEmpty(name)) ? 1 : 0;
}

int32_t WindowIsHidden(const char* name) {
  nk_context* ctx = Context();
  if (!ctx) return 1;
  return nk_window_is_hidden(ctx, TextOrEmpty(name));
}

int32_t WindowIsCollapsed(const char* name) {
  nk_context* ctx = Context();
  if (!ctx) return 0;
  return nk_window_is_collapsed(ctx, TextOrEmpty(name));
}

void WindowClose(const char* name) {
  nk_context* ctx = Context();
  if (!ctx) return;
  nk_window* window = nk_window_find(ctx, TextOrEmpty(name));
  if (!window || window == ctx->current) return;
  nk_window_close(ctx, TextOrEmpty(name));
  SettleGoneWindow(ctx, window);
}

void WindowCollapse(const char* name, int32_t state) {
  nk_context* ctx = Context();
  if (!ctx) return;
  if (DeferredWindowChanges* later = DeferredFor(ctx, nk_window_find(ctx, TextOrEmpty(name)))) {
    later->collapse = state == 0 ? 0 : 1;
    return;
  }
  nk_window_collapse(ctx, TextOrEmpty(name), state == 0 ? NK_MINIMIZED : NK_MAXIMIZED);
}

void WindowCollapseIf(const char* name, int32_t state, int32_t cond) {
  if (cond) WindowCollapse(name, state);
}

void WindowShow(const char* name, int32_t state) {
  nk_context* ctx = Context();
  if (!ctx) return;
  if (DeferredWindowChanges* later = DeferredFor(ctx, nk_window_find(ctx, TextOrEmpty(name)))) {
    later->show = state == 0 ? 0 : 1;
    return;
  }
  nk_window_show(ctx, TextOrEmpty(name), state == 0 ? NK_HIDDEN : NK_SHOWN);
  SettleGoneWindow(ctx, nk_window_find(ctx, TextOrEmpty(name)));
}

void WindowShowIf(const char* name, int32_t state, int32_t cond) {
  if (cond) WindowShow(name, state);
}

void WindowSetBounds(const char* name, float x, float y, float w, float h) {
  nk_context* ctx = Context();
  if (!ctx) return;
  nk_window* window = nk_window_find(ctx, TextOrEmpty(name));
  if (DeferredWindowChanges* later = DeferredFor(ctx, window)) {
    later->move = later->resize = true;
    later->x = x;
    later->y = y;
    later->w = w;
    later->h = h;
    return;
  }
  if (window) window->bounds = nk_rect(x, y, w, h);
}

void WindowSetPosition(const char* name, float x, float y) {
  nk_context* ctx = Context();
  if (!ctx) return;
  if (DeferredWindowChanges* later = DeferredFor(ctx, nk_window_find(ctx, TextOrEmpty(name)))) {
    later->move = true;
    later->x = x;
    later->y = y;
    return;
  }
  nk_window_set_position(ctx, TextOrEmpty(name), nk_vec2(x, y));
}

void WindowSetSize(const char* name, float w, float h) {
  nk_context* ctx = Context();
  if (!ctx) return;
  if (DeferredWindowChanges* later = DeferredFor(ctx, nk_window_find(ctx, TextOrEmpty(name)))) {
    later->resize = true;
    later->w = w;
    later->h = h;
    return;
  }
  nk_window_set_size(ctx, TextOrEmpty(name), nk_vec2(w, h));
}

void WindowSetFocus(const char* name) {
  nk_context* ctx = Context();
  if (!ctx) return;
  nk_window_set_focus(ctx, TextOrEmpty(name));
  SettleGoneWindow(ctx, ctx->active);  // a hidden window is not kept active
}

void WindowSetScroll(int32_t x, int32_t y) {
  nk_context* ctx = Context();
  if (ctx && ctx->current) nk_window_set_scroll(ctx, static_cast<nk_uint>(x), static_cast<nk_uint>(y));
}

// [SECTION] stored handle exports

void WindowStore(int32_t index, const char* name) {
  nk_context* ctx = Context();
  Windows().stored.StoreWindow(index, ctx ? nk_window_find(ctx, TextOrEmpty(name)) : nullptr);
}

void WindowStoreCanvas(int32_t index) { Windows().stored.StoreCanvas(index, CurrentWindow()); }

void WindowStorePanel(int32_t index) {
  nk_window* window = CurrentWindow();
  Windows().stored.StorePanel(index, window, window ? window->layout : nullptr);
}

int32_t WindowGetStoredPanelBounds(int32_t index) {
  const nk_panel* panel = StoredPanel(index);
  return WriteRectResult(panel ? panel->bounds : ZeroRect());
}
