#include "images/image_table.h"

#include <cmath>
#include <cstring>
#include <new>

#include "frame/boundary.h"
#include "frame/host_commands.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"

namespace qel {
namespace {

struct nk_image RecordOf(int32_t texture, float whole_w, float whole_h, float x, float y, float w, float h) {
  struct nk_image image = nk_image_id(texture);
  image.w = ImageCoordinate(whole_w);
  image.h = ImageCoordinate(whole_h);
  image.region[0] = ImageCoordinate(x);
  image.region[1] = ImageCoordinate(y);
  image.region[2] = ImageCoordinate(w);
  image.region[3] = ImageCoordinate(h);
  return image;
}

struct nk_image ZeroImage() {
  struct nk_image image;
  std::memset(&image, 0, sizeof image);
  return image;
}

}  // namespace

ImagesState& Images() { return State().images; }

nk_ushort ImageCoordinate(float value) {
  if (!std::isfinite(value)) return 0;
  double kept = std::fmod(std::trunc(static_cast<double>(value)), 65536.0);
  if (kept < 0.0) kept += 65536.0;
  return static_cast<nk_ushort>(kept);
}

struct nk_image MakeImageRecord(int32_t host_image, float x, float y, float w, float h) {
  HostCommandTable& host = HostCommands();
  const int32_t texture = host.GETOPENGLIMAGEID_L_L(host_image);
  if (w <= 0.0f) w = host.GETIMAGEWIDTH_F_L(host_image);
  if (h <= 0.0f) h = host.GETIMAGEHEIGHT_F_L(host_image);
  const float whole_w = host.GETIMAGEWIDTH_F_L(host_image);
  const float whole_h = host.GETIMAGEHEIGHT_F_L(host_image);
  return RecordOf(texture, whole_w, whole_h, x, y, w, h);
}

struct nk_image MakeWholeImageRecord(int32_t host_image) {
  HostCommandTable& host = HostCommands();
  return RecordOf(host.GETOPENGLIMAGEID_L_L(host_image), host.GETIMAGEWIDTH_F_L(host_image),
                  host.GETIMAGEHEIGHT_F_L(host_image), 0.0f, 0.0f, -1.0f, -1.0f);
}

struct nk_image FitRegionToImage(struct nk_image image) {
  if (image.w == 0 || image.h == 0) return image;
  if (image.region[0] < image.w && image.region[2] > image.w - image.region[0])
    image.region[2] = static_cast<nk_ushort>(image.w - image.region[0]);
  if (image.region[1] < image.h && image.region[3] > image.h - image.region[1])
    image.region[3] = static_cast<nk_ushort>(image.h - image.region[1]);
  return image;
}

void EncodeImageRecord(const struct nk_image& image, uint8_t out[kImageRecordBytes]) {
  StoreU32(out + kImageRecordHandle, static_cast<uint32_t>(image.handle.id));
  StoreU16(out + kImageRecordWidth, image.w);
  StoreU16(out + kImageRecordHeight, image.h);
  for (int i = 0; i < 4; ++i) StoreU16(out + kImageRecordRegion + 2 * i, image.region[i]);
}

struct nk_image DecodeImageRecord(const uint8_t in[kImageRecordBytes]) {
  struct nk_image image = nk_image_id(static_cast<int>(LoadU32(in + kImageRecordHandle)));
  image.w = LoadU16(in + kImageRecordWidth);
  image.h = LoadU16(in + kImageRecordHeight);
  for (int i = 0; i < 4; ++i) image.region[i] = LoadU16(in + kImageRecordRegion + 2 * i);
  return image;
}

int32_t ImageSlotTable::Store(int32_t slot, const struct nk_image& image) {
  if (slot < 0) return Count();
  if (slot > kMaxSlot) {
    QEL_LOG(ImageSlotBeyondLast, slot, kMaxSlot);
    return Count();
  }
  if (slot >= Count()) {
    try {
      slots_.resize(static_cast<size_t>((slot / 10 + 2) * 10), ZeroImage());
    } catch (const std::bad_alloc&) {
      QEL_LOG(ImageSlotNoMemory, slot);
      return Count();
    }
  }
  slots_[static_cast<size_t>(slot)] = image;
  return Count();
}

const struct nk_image* ImageSlotTable::Find(int32_t slot) const {
  if (slot < 0 || slot >= Count()) return nullptr;
  const struct nk_image& image = slots_[static_cast<size_t>(slot)];
  return image.handle.id != 0 ? &image : nullptr;
}

bool ImageSlotTable::Exists(int32_t slot) const {
  if (slot < 0 || slot >= Count()) return false;
  const struct nk_image& image = slots_[static_cast<size_t>(slot)];
  return image.w > 0 && image.h > 0;
}

struct nk_image LookupImageSlot(int32_t slot) {
  if (const struct nk_image* image = Images().slots.Find(slot)) return *image;
  QEL_LOG(ImageSlotMissing, slot);
  return State().frame.placeholder;
}

struct nk_image LookupImageMemblock(int32_t memblock) {
  const uint8_t* bytes = HostMemblockBytes(memblock, kImageRecordBytes);
  if (!bytes) {
    QEL_LOG(ImageRecordMemblockTooSmall, memblock,
                  kImageRecordBytes);
    return State().frame.placeholder;
  }
  // A record from ImageCreate2 spans (0, 0, 65535, 65535): drawn as it is, the image would
  // fill only a corner of a widget and its edge pixels the rest.
  return FitRegionToImage(DecodeImageRecord(bytes));
}

struct nk_image LookupImageName(const char* name) {
  const char* key = TextOrEmpty(name);
  if (const struct nk_image* image = Images().named.Find(key)) return *image;
  QEL_LOG(ImageMissing, key);
  return State().frame.placeholder;
}

}  // namespace qel
