#include "style/style_image_file.h"

#include <cmath>
#include <limits>

#include "device/texture_upload.h"
#include "frame/host_commands.h"
#include "frame/log_messages.h"

namespace qel {
namespace {

// A host image block starts with width, height and bit depth as 32-bit integers.
constexpr int64_t kImageBlockHead = 12;

// The host's float size as the texture's: truncated; 0 for anything a record cannot hold.
int32_t TextureSide(float side) {
  if (!std::isfinite(side) || side < 1.0f || side > static_cast<float>(std::numeric_limits<nk_ushort>::max())) return 0;
  return static_cast<int32_t>(side);
}

// The texture of the host image's pixels, through a memory block the host fills and that is
// deleted again as soon as the pixels are on the GPU; 0 when anything is missing or short.
GLuint TextureOfHostImage(int32_t image, int32_t width, int32_t height, int32_t filter_min, int32_t filter_mag) {
  HostCommandTable& host = HostCommands();
  const int32_t block = host.CREATEMEMBLOCKFROMIMAGE_L_L(image);
  if (block == 0) return 0;
  // The block's size is checked first: the pixels are read straight from its address.
  const uint8_t* bytes = HostMemblockBytes(block, kImageBlockHead + int64_t{width} * height * 4);
  const GLuint texture =
      bytes ? UploadRgbaTexture(bytes + kImageBlockHead, width, height, TextureFilters{filter_min, filter_mag, true}) : 0;
  host.DELETEMEMBLOCK_0_L(block);
  return texture;
}

}  // namespace

bool LoadStyleImageFile(const std::string& path, int32_t filter_min, int32_t filter_mag, struct nk_image& out) {
  HostCommandTable& host = HostCommands();
  const std::string raw = "raw:" + path;
  if (!host.GETFILEEXISTS_L_S(raw.c_str())) {
    QEL_LOG(StyleImageFileMissing, raw.c_str());
    return false;
  }
  const int32_t image = host.LOADIMAGE_L_S(raw.c_str());
  const int32_t width = image ? TextureSide(host.GETIMAGEWIDTH_F_L(image)) : 0;
  const int32_t height = image ? TextureSide(host.GETIMAGEHEIGHT_F_L(image)) : 0;
  const GLuint texture = width && height ? TextureOfHostImage(image, width, height, filter_min, filter_mag) : 0;
  if (texture == 0) {
    QEL_LOG(StyleImageFileUnreadable, raw.c_str());
    return false;
  }
  out = nk_subimage_id(static_cast<int>(texture), static_cast<nk_ushort>(width), static_cast<nk_ushort>(height),
                       nk_rect(0, 0, 0, 0));
  return true;
}

}  // namespace qel
