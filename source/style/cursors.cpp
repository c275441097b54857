// The cursor table and the exports that make, install, choose, show and hide drawn cursors.
#include "style/cursors.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "style/style_items.h"

namespace qel {
namespace {

// Nuklear draws the cursor at the mouse less its offset, in 16-bit commands: keeping both
// the size and the offset within this leaves room for any mouse position on screen.
constexpr float kCursorLimit = 16384.0f;

// A size of 0 or less (or none at all: NaN) is the image's own; a larger one is cut.
float CursorSize(float size, int image_size, bool& bounded) {
  if (std::isnan(size)) bounded = true;
  if (!(size > 0.0f)) return static_cast<float>(image_size);
  if (size <= kCursorLimit) return size;
  bounded = true;
  return kCursorLimit;
}

float CursorOffset(float offset, bool& bounded) {
  if (std::isnan(offset)) {
    bounded = true;
    return 0.0f;
  }
  const float kept = std::clamp(offset, -kCursorLimit, kCursorLimit);
  if (kept != offset) bounded = true;
  return kept;
}

CursorTable& Cursors() { return State().style.cursors; }

bool KindIsKnown(const char* export_name, int32_t kind) {
  if (IsCursorKind(kind)) return true;
  QEL_LOG(CursorKindOutOfRange, export_name, kind);
  return false;
}

}  // namespace

CursorPlacement PlaceCursor(float size_x, float size_y, float offset_x, float offset_y, int image_w, int image_h) {
  CursorPlacement placement;
  placement.size = nk_vec2(CursorSize(size_x, image_w, placement.bounded), CursorSize(size_y, image_h, placement.bounded));
  placement.offset = nk_vec2(CursorOffset(offset_x, placement.bounded), CursorOffset(offset_y, placement.bounded));
  return placement;
}

}  // namespace qel

using namespace qel;

int32_t StyleMakeCursor(const char* name, const char* item_name, float size_x, float size_y, float offset_x,
                        float offset_y) {
  if (!name || !*name) {
    QEL_LOG(CursorNameEmpty);
    return 0;
  }
  if (!item_name || !*item_name) {
    QEL_LOG(CursorItemNameEmpty);
    return 0;
  }
  const struct nk_style_item* item = FindStyleItem(item_name);
  if (!item) {
    QEL_LOG(CursorItemMissing, item_name);
    return 0;
  }
  // A nine-slice item is an image too, but a cursor is drawn whole.
  if (item->type != NK_STYLE_ITEM_IMAGE) {
    QEL_LOG(CursorItemNotImage);
    return 0;
  }
  const std::string key = name;
  if (Cursors().Contains(key)) QEL_LOG(CursorOverwritten, name);
  const struct nk_image& image = item->data.image;
  const CursorPlacement placement = PlaceCursor(size_x, size_y, offset_x, offset_y, image.w, image.h);
  if (placement.bounded) QEL_LOG(CursorPlacementBounded, name, static_cast<int>(kCursorLimit));
  struct nk_cursor cursor;
  cursor.img = image;
  cursor.size = placement.size;
  cursor.offset = placement.offset;
  // Replaces an existing entry in place: a style slot that points at it shows the new cursor.
  Cursors().Put(key, cursor);
  return 1;
}

void StyleReplaceCursor(int32_t kind, const char* name) {
  if (!KindIsKnown("StyleReplaceCursor", kind)) return;
  const char* key = TextOrEmpty(name);
  const struct nk_cursor* cursor = Cursors().Find(key);
  if (!cursor) {
    QEL_LOG(CursorToInstallMissing, key);
    return;
  }
  if (nk_context* ctx = Context()) nk_style_load_cursor(ctx, static_cast<enum nk_style_cursor>(kind), cursor);
}

int32_t StyleSetCursor(int32_t kind) {
  if (!KindIsKnown("StyleSetCursor", kind)) return 0;
  nk_context* ctx = Context();
  if (!ctx) return 0;
  return nk_style_set_cursor(ctx, static_cast<enum nk_style_cursor>(kind)) ? 1 : 0;
}

void StyleShowCursor() {
  if (nk_context* ctx = Context()) nk_style_show_cursor(ctx);
}

void StyleHideCursor() {
  if (nk_context* ctx = Context()) nk_style_hide_cursor(ctx);
}
