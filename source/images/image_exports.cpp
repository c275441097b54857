// Exports that fill and test the image stores, the image widgets, and the image button whose
// record comes from a host memblock.
#include <string>

#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "images/image_table.h"
#include "widgets/buttons.h"
#include "widgets/text.h"

using namespace qel;

namespace {

constexpr nk_color kWhite{255, 255, 255, 255};

int32_t StoreNamedImage(const char* name, const struct nk_image& image) {
  const std::string key = TextOrEmpty(name);
  ImageTable& table = Images().named;
  if (table.Contains(key))
    QEL_LOG(ImageOverwritten, key.c_str(), key.c_str());
  return table.Put(key, image);
}

// The image widget: the record stretched over the next cell, tinted.
void DrawImage(const struct nk_image& image, nk_color tint) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return;
  nk_image_color(ctx, image, tint);
}

// The record at the start of a host memblock, or null (with an ERROR) when there is no such
// block or it is shorter than a record.
const uint8_t* MemblockImageBytes(int32_t memblock) {
  const uint8_t* bytes = HostMemblockBytes(memblock, kImageRecordBytes);
  if (!bytes)
    QEL_LOG(ImageRecordMemblockTooSmall, memblock, kImageRecordBytes);
  return bytes;
}

}  // namespace

int32_t ImageCreate0(const char* name, int32_t host_image, float x, float y, float w, float h) {
  return StoreNamedImage(name, MakeImageRecord(host_image, x, y, w, h));
}

int32_t ImageCreate1(const char* name, int32_t host_image) {
  return ImageCreate0(name, host_image, 0.0f, 0.0f, -1.0f, -1.0f);
}

int32_t ImageCreate2(int32_t host_image) {
  uint8_t bytes[kImageRecordBytes];
  EncodeImageRecord(MakeWholeImageRecord(host_image), bytes);
  WriteInterfaceBytes(0, bytes, kImageRecordBytes);
  return Plugin().interface_memblock;
}

int32_t ImageToSlot0(int32_t slot, int32_t host_image, float x, float y, float w, float h) {
  if (slot < 0) return Images().slots.Count();
  return Images().slots.Store(slot, MakeImageRecord(host_image, x, y, w, h));
}

int32_t ImageToSlot1(int32_t slot, int32_t host_image) {
  return ImageToSlot0(slot, host_image, 0.0f, 0.0f, -1.0f, -1.0f);
}

int32_t ImageExists0(int32_t slot) { return Images().slots.Exists(slot) ? 1 : 0; }

int32_t ImageExists1(const char* name) { return Images().named.Contains(TextOrEmpty(name)) ? 1 : 0; }

void Image0(int32_t slot) { DrawImage(LookupImageSlot(slot), kWhite); }

void Image1(const char* name) { DrawImage(LookupImageName(name), kWhite); }

void ImageColor0(int32_t slot, int32_t color) { DrawImage(LookupImageSlot(slot), UnpackColor(color)); }

void ImageColor1(const char* name, int32_t color) { DrawImage(LookupImageName(name), UnpackColor(color)); }

int32_t ButtonMemblockImage(int32_t memblock) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return 0;
  const uint8_t* bytes = MemblockImageBytes(memblock);
  // A record from ImageCreate2 spans (0, 0, 65535, 65535): drawn as it is, the image would
  // fill only a corner of the button and its edge pixels the rest.
  const struct nk_image image = bytes ? FitRegionToImage(DecodeImageRecord(bytes)) : Plugin().placeholder;
  return ConsumeClick(ctx, nk_button_image(ctx, image));
}
