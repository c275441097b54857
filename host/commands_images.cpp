// Image commands. File names follow the media-folder rules; missing images read as 0.
#include "command_list.h"
#include "render_targets.h"

namespace qel::engine::commands {

namespace {
const Image* FindImage(int32_t id) { return LiveHost()->images.Find(id); }
}  // namespace

int32_t CREATEIMAGECOLOR_L_L_L_L_L(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
  return LiveHost()->images.CreateColor(red, green, blue, alpha);
}

int32_t CREATERENDERIMAGE_L_L_L_L_L(int32_t width, int32_t height, int32_t format, int32_t mipmap) {
  return LiveHost()->images.CreateRenderImage(width, height, format, mipmap);
}

int32_t LOADIMAGE_L_S_L(const char* file, int32_t black_to_alpha) {
  HostState& host = *LiveHost();
  if (!file || !host.files.Exists(file)) return 0;
  return host.images.Load(host.files.Resolve(file), black_to_alpha != 0);
}

int32_t LOADIMAGE_L_S(const char* file) { return LOADIMAGE_L_S_L(file, 0); }

void LOADIMAGE_0_L_S_L(int32_t id, const char* file, int32_t black_to_alpha) {
  HostState& host = *LiveHost();
  if (!file || !host.files.Exists(file)) return;
  if (!host.images.LoadInto(id, host.files.Resolve(file), black_to_alpha != 0)) return;
  // The old texture and its framebuffer are gone; drawing into it cannot go on.
  if (host.display.target_image == id) BindScreen(host);
}

int32_t GETIMAGEEXISTS_L_L(int32_t id) { return FindImage(id) ? 1 : 0; }

float GETIMAGEWIDTH_F_L(int32_t id) {
  const Image* image = FindImage(id);
  return image ? static_cast<float>(image->width) : 0.0f;
}

float GETIMAGEHEIGHT_F_L(int32_t id) {
  const Image* image = FindImage(id);
  return image ? static_cast<float>(image->height) : 0.0f;
}

int32_t GETOPENGLIMAGEID_L_L(int32_t id) {
  const Image* image = FindImage(id);
  return image ? static_cast<int32_t>(image->texture) : 0;
}

}  // namespace qel::engine::commands
