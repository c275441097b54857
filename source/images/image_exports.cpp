// Exports that fill and test the image stores, and the image widgets.
#include <string>

#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "images/image_table.h"

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
void DrawImageWidget(const struct nk_image& image, nk_color tint) {
  nk_context* ctx = WidgetContext();
  if (!ctx) return;
  nk_image_color(ctx, image, tint);
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
  return State().frame.interface_memblock;
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

void Image0(int32_t slot) { DrawImageWidget(LookupImageSlot(slot), kWhite); }

void Image1(const char* name) { DrawImageWidget(LookupImageName(name), kWhite); }

void ImageColor0(int32_t slot, int32_t color) { DrawImageWidget(LookupImageSlot(slot), UnpackColor(color)); }

void ImageColor1(const char* name, int32_t color) { DrawImageWidget(LookupImageName(name), UnpackColor(color)); }
