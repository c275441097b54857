// Style images: host images named in the image table so that style items can be cut from
// them. Unlike ImageCreate, a taken name is kept: a style never swaps the image under
// items already made from it.
#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "images/image_table.h"

using namespace qel;

namespace {

// Names the host image with its region; x, y, w, h null take the whole image.
void MakeStyleImage(const char* name, int32_t host_image, const int32_t* region) {
  const char* key = TextOrEmpty(name);
  ImageTable& table = Images().named;
  if (table.Contains(key)) {
    QEL_LOG(StyleImageExists, key);
    return;
  }
  HostCommandTable& host = HostCommands();
  if (host_image == 0 || !host.GETIMAGEEXISTS_L_L(host_image)) {
    QEL_LOG(StyleHostImageMissing, host_image);
    return;
  }
  struct nk_image image = nk_image_id(host.GETOPENGLIMAGEID_L_L(host_image));
  image.w = ImageCoordinate(host.GETIMAGEWIDTH_F_L(host_image));
  image.h = ImageCoordinate(host.GETIMAGEHEIGHT_F_L(host_image));
  image.region[0] = 0;
  image.region[1] = 0;
  image.region[2] = image.w;
  image.region[3] = image.h;
  if (region) {
    // As passed, in the record's 16-bit fields (as ImageCreate0 stores its region).
    for (int i = 0; i < 4; ++i) image.region[i] = static_cast<nk_ushort>(static_cast<uint32_t>(region[i]) & 0xFFFFu);
  }
  table.Put(key, image);
}

}  // namespace

void StyleMakeImage0(const char* name, int32_t host_image) { MakeStyleImage(name, host_image, nullptr); }

void StyleMakeImage1(const char* name, int32_t host_image, int32_t x, int32_t y, int32_t w, int32_t h) {
  const int32_t region[4] = {x, y, w, h};
  MakeStyleImage(name, host_image, region);
}
