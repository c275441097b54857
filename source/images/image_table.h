// Images the widgets draw: image records made from host images, the table of named images,
// the table of numbered image slots, and the lookups every image-taking export uses.
// A failed lookup is logged and yields the placeholder image (an opaque red square).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "frame/named_table.h"
#include "nuklear_config.h"

namespace qel {

// An image record as memblocks carry it: handle (32-bit), width, height, region x, y, width,
// height (unsigned 16-bit each), little-endian.
inline constexpr int32_t kImageRecordBytes = 16;
inline constexpr int32_t kImageRecordHandle = 0;
inline constexpr int32_t kImageRecordWidth = 4;
inline constexpr int32_t kImageRecordHeight = 6;
inline constexpr int32_t kImageRecordRegion = 8;  // x, y, w, h

// A float for a 16-bit record field: truncated toward zero, kept modulo 65536 (-1 is
// 65535); not-a-number and infinities give 0.
nk_ushort ImageCoordinate(float value);

// The record of the region (x, y, w, h) of a host image: its OpenGL texture name and whole
// size as the host reports them now; w or h <= 0 take the whole width or height.
struct nk_image MakeImageRecord(int32_t host_image, float x, float y, float w, float h);

// The record of a whole host image with the region (0, 0, 65535, 65535).
struct nk_image MakeWholeImageRecord(int32_t host_image);

// The record with a region that runs past the image's right or bottom edge cut at that
// edge, so that the region (0, 0, 65535, 65535) of a whole-image record shows the whole
// image. Records without a size are left as they are.
struct nk_image FitRegionToImage(struct nk_image image);

void EncodeImageRecord(const struct nk_image& image, uint8_t out[kImageRecordBytes]);
struct nk_image DecodeImageRecord(const uint8_t in[kImageRecordBytes]);

// Named images. Nothing removes entries.
using ImageTable = NamedTable<struct nk_image>;

// Numbered image slots from 0. Only grows; slots made by growth hold an all-zero record.
class ImageSlotTable {
 public:
  // The largest slot a script may fill: beyond it a store is refused (with an ERROR) rather
  // than asking for gigabytes.
  static constexpr int32_t kMaxSlot = (1 << 20) - 1;

  // Stores the record in the slot, growing the table to (slot / 10 + 2) * 10 slots when the
  // slot is beyond it. A negative slot is ignored. Returns the number of slots.
  int32_t Store(int32_t slot, const struct nk_image& image);
  // The slot's record when the slot exists and its handle is nonzero, else null.
  const struct nk_image* Find(int32_t slot) const;
  // The slot exists and its record has a width and a height above 0.
  bool Exists(int32_t slot) const;
  int32_t Count() const { return static_cast<int32_t>(slots_.size()); }

 private:
  std::vector<struct nk_image> slots_;
};

struct ImagesState {
  ImageTable named;
  ImageSlotTable slots;
};

ImagesState& Images();

// The record in the slot; else logs "Imageslot '%d' does not exists." and gives the
// placeholder.
struct nk_image LookupImageSlot(int32_t slot);
// The record under the name; else logs "Image '%s' does not exists." and gives the
// placeholder.
struct nk_image LookupImageName(const char* name);
// The record at the start of a host memblock, its region fitted to the image; else (no such
// block, or one shorter than a record) logs "Memblock '%d' does not hold an image record of
// %d bytes." and gives the placeholder.
struct nk_image LookupImageMemblock(int32_t memblock);

}  // namespace qel
