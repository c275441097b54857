// The text field. The script owns the text and passes it in every frame; while the user
// types, the typed text lives in the one active edit, and the script gets it back in the
// call where the edit ends (focus lost, or Enter in a field that signals it).
//
// [SECTION] the field
// [SECTION] cursor and selection
#include <algorithm>
#include <cstring>

#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/plugin_state.h"
#include "widgets/cell_context.h"
#include "widgets/edit_text.h"

using namespace qel;

namespace {

EditingState& Editing() { return State().editing; }

bool OwnedBy(const ActiveEdit& edit, const struct nk_rect& cell) {
  return edit.open && edit.x == cell.x && edit.y == cell.y;
}

// Copies `length` bytes of `text` into `buffer`, sized to at least `capacity` + 1 bytes, and
// terminates it.
void Fill(std::vector<char>& buffer, size_t capacity, const char* text, size_t length) {
  if (buffer.size() < capacity + 1) buffer.resize(capacity + 1);
  std::memcpy(buffer.data(), text, length);
  buffer[length] = '\0';
}

// A new host string of the text, cut to the field's capacity.
char* Result(const char* text, size_t length, int32_t capacity) {
  return HostString(text, Utf8CutLength(text, length, static_cast<size_t>(capacity)));
}

char* ResultOf(const std::vector<char>& buffer, int32_t capacity) {
  const char* text = buffer.data();
  return Result(text, std::strlen(text), capacity);
}

// Nuklear keeps the window's focused field until another is clicked; a committed field lets go
// of it, so that it is not active from the next frame on.
void ReleaseEditFocus(nk_context* ctx) {
  ctx->current->edit.name = 0;
  ctx->current->edit.active = 0;
}

}  // namespace

// [SECTION] the field

char* EditString(int32_t flags, const char* text, int32_t max, int32_t filter) {
  EditingState& editing = Editing();
  const char* given = TextOrEmpty(text);
  const size_t given_length = std::strlen(given);
  const int32_t capacity = EditCapacity(max);
  const size_t kept = Utf8CutLength(given, given_length, static_cast<size_t>(capacity));

  nk_context* ctx = CellContext();
  if (!ctx) {
    editing.last_event = 0;
    return HostString(given, kept);
  }

  const struct nk_rect cell = nk_widget_bounds(ctx);
  const bool owner = OwnedBy(editing.active, cell);
  char* buffer;
  int field_bytes;  // Nuklear's max counts the terminator
  if (owner) {
    // The edit keeps the size it began with; a larger max passed since must not run past it.
    const int32_t held = static_cast<int32_t>(editing.active.text.size()) - 1;
    buffer = editing.active.text.data();
    field_bytes = std::min(capacity, held) + 1;
  } else {
    Fill(editing.scratch, static_cast<size_t>(capacity), given, kept);
    buffer = editing.scratch.data();
    field_bytes = capacity + 1;
  }

  nk_flags events = nk_edit_string_zero_terminated(ctx, static_cast<nk_flags>(flags), buffer, field_bytes,
                                                   EditFilterOf(filter));

  if (events & NK_EDIT_ACTIVATED) {
    // A field clicked while another owns the edit takes it over; the other field may still be
    // drawn later in this frame and gets its typed text then.
    if (editing.active.open) std::swap(editing.frame.handed_over, editing.active);
    ActiveEdit& edit = editing.active;
    edit.text.assign(static_cast<size_t>(capacity) + 1, '\0');
    std::memcpy(edit.text.data(), given, kept);
    edit.x = cell.x;
    edit.y = cell.y;
    edit.open = true;
    editing.last_event = static_cast<int32_t>(events);
    return HostString(given, kept);
  }

  const bool ends = (events & NK_EDIT_DEACTIVATED) || ((events & NK_EDIT_ACTIVE) && (events & NK_EDIT_COMMITED));
  if (ends && owner) {
    ActiveEdit& edit = editing.active;
    char* result = ResultOf(edit.text, capacity);
    edit.open = false;
    edit.x = edit.y = -1.0f;
    std::vector<char>().swap(edit.text);
    ReleaseEditFocus(ctx);
    editing.last_event = static_cast<int32_t>(events);
    return result;
  }

  ActiveEdit& handed = editing.frame.handed_over;
  if (!owner && OwnedBy(handed, cell)) {
    // This field's edit was taken over by a field drawn before it: it ends here.
    handed.open = false;
    editing.last_event = static_cast<int32_t>(events | NK_EDIT_DEACTIVATED);
    return ResultOf(handed.text, capacity);
  }

  editing.last_event = static_cast<int32_t>(events);
  return HostString(given, kept);
}

int32_t GetLastEditEvent() { return Editing().last_event; }

// [SECTION] cursor and selection

namespace {

// The window's own record of its focused field, which Nuklear loads into the text-edit state
// each frame: a position set only on the text-edit state would be gone by the next draw.
nk_window* FocusedWindow(nk_context* ctx) {
  nk_window* window = ctx->current;
  return window && window->edit.active ? window : nullptr;
}

int Position(int32_t position) { return position < 0 ? 0 : position; }

}  // namespace

int32_t EditGetCursorPosition() {
  nk_context* ctx = Context();
  return ctx ? ctx->text_edit.cursor : 0;
}

void EditSetCursorPosition(int32_t position) {
  nk_context* ctx = Context();
  if (!ctx) return;
  ctx->text_edit.cursor = Position(position);
  if (nk_window* window = FocusedWindow(ctx)) window->edit.cursor = Position(position);
}

int32_t EditGetMarkStart() {
  nk_context* ctx = Context();
  return ctx ? std::min(ctx->text_edit.select_start, ctx->text_edit.select_end) : 0;
}

int32_t EditGetMarkEnd() {
  nk_context* ctx = Context();
  return ctx ? std::max(ctx->text_edit.select_start, ctx->text_edit.select_end) : 0;
}

void EditSetMarkStart(int32_t position) {
  nk_context* ctx = Context();
  if (!ctx) return;
  ctx->text_edit.select_start = Position(position);
  if (nk_window* window = FocusedWindow(ctx)) window->edit.sel_start = Position(position);
}

void EditSetMarkEnd(int32_t position) {
  nk_context* ctx = Context();
  if (!ctx) return;
  ctx->text_edit.select_end = Position(position);
  if (nk_window* window = FocusedWindow(ctx)) window->edit.sel_end = Position(position);
}
