// The style item table and the exports that make items from a script: colour, image region
// and nine-slice region items.
#include "style/style_items.h"

#include <algorithm>

#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "images/image_table.h"

namespace qel {
namespace {

// One axis of a region: the origin kept within the image, the length cut at its far edge.
// In 64 bits, so that no int argument can overflow or wrap into the 16-bit fields.
void PlaceSpan(int64_t& at, int64_t& length, int64_t whole) {
  if (at + length <= whole) return;
  at = std::min(at, whole);
  length = whole - at;
}

// An item's region within an image of the table, in 16-bit fields.
struct ItemRegion {
  nk_ushort x = 0, y = 0, w = 0, h = 0;
  bool cut_to_empty = false;  // a region asked for outside the image, now of no size
};

// The script's region within `image`: x or y below 0 and w or h below 1 take the image's
// own region; a region running past the image's right or bottom edge is cut there, so it
// always lies inside the image and no size is negative.
ItemRegion PlaceItemRegion(const struct nk_image& image, int32_t x, int32_t y, int32_t w, int32_t h) {
  int64_t rx = x < 0 ? image.region[0] : x;
  int64_t ry = y < 0 ? image.region[1] : y;
  int64_t rw = w < 1 ? image.region[2] : w;
  int64_t rh = h < 1 ? image.region[3] : h;
  const bool had_size = rw > 0 && rh > 0;
  PlaceSpan(rx, rw, image.w);
  PlaceSpan(ry, rh, image.h);
  // Every value now lies within 0 to the image's size, itself a 16-bit value.
  ItemRegion region;
  region.x = static_cast<nk_ushort>(rx);
  region.y = static_cast<nk_ushort>(ry);
  region.w = static_cast<nk_ushort>(rw);
  region.h = static_cast<nk_ushort>(rh);
  region.cut_to_empty = had_size && (rw == 0 || rh == 0);
  return region;
}

// A nine-slice border within 0 to `limit`; any other value (NaN too) is none.
float NineSliceBorder(float border, nk_ushort limit) {
  return border >= 0.0f && border <= static_cast<float>(limit) ? border : 0.0f;
}

// Stores the item, warning when it replaces one; always 1 (made).
int32_t StoreStyleItem(const std::string& name, const struct nk_style_item& item) {
  StyleItemTable& table = StyleItems();
  if (table.Contains(name))
    QEL_LOG(StyleItemOverwritten, name.c_str());
  table.Put(name, item);
  return 1;
}

bool NameIsGiven(const char* name) {
  if (name && *name) return true;
  QEL_LOG(StyleItemNameEmpty);
  return false;
}

// The named image with the script's region placed in it; false (logged) when the image is
// missing.
bool ItemImage(const char* item_name, const char* image_name, int32_t x, int32_t y, int32_t w, int32_t h,
               struct nk_image& out) {
  const char* key = TextOrEmpty(image_name);
  const struct nk_image* image = Images().named.Find(key);
  if (!image) {
    QEL_LOG(StyleItemImageMissing, key);
    return false;
  }
  const ItemRegion region = PlaceItemRegion(*image, x, y, w, h);
  if (region.cut_to_empty)
    QEL_LOG(StyleItemRegionCut, item_name,
                 key);
  out = *image;
  out.region[0] = region.x;
  out.region[1] = region.y;
  out.region[2] = region.w;
  out.region[3] = region.h;
  return true;
}

}  // namespace

StyleItemTable& StyleItems() { return State().style.items; }

const struct nk_style_item* FindStyleItem(const char* name) { return name ? StyleItems().Find(name) : nullptr; }

}  // namespace qel

using namespace qel;

int32_t StyleMakeItem0(const char* name, int32_t color) {
  if (!NameIsGiven(name)) return 0;
  return StoreStyleItem(name, nk_style_item_color(UnpackColor(color)));
}

int32_t StyleMakeItem2(const char* name, const char* image_name, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (!NameIsGiven(name)) return 0;
  struct nk_image image;
  if (!ItemImage(name, image_name, x, y, w, h, image)) return 0;
  return StoreStyleItem(name, nk_style_item_image(image));
}

int32_t StyleMakeItem3(const char* name, const char* image_name, int32_t x, int32_t y, int32_t w, int32_t h,
                       float left, float top, float right, float bottom) {
  if (!NameIsGiven(name)) return 0;
  struct nk_image image;
  if (!ItemImage(name, image_name, x, y, w, h, image)) return 0;
  struct nk_nine_slice slice;
  slice.img = image;
  slice.l = NineSliceBorder(left, image.w);
  slice.t = NineSliceBorder(top, image.h);
  slice.r = NineSliceBorder(right, image.w);
  slice.b = NineSliceBorder(bottom, image.h);
  return StoreStyleItem(name, nk_style_item_nine_slice(slice));
}

// The 32-bit layout's size, on every build: scripts size memory blocks by it, and only the
// block codec deals with the native item (larger where handles are 8 bytes).
int32_t StyleGetItemSize() { return kStyleItemBytes; }
