// Screen commands: device and virtual sizes, the render target, the clear colour and the
// count of triangles drawn.
#include <algorithm>

#include "command_list.h"
#include "render_targets.h"

namespace qel::engine::commands {

int32_t GETDEVICEWIDTH_L_0() {
  int width = 0, height = 0;
  DeviceSize(*LiveHost(), width, height);
  return width;
}

int32_t GETDEVICEHEIGHT_L_0() {
  int width = 0, height = 0;
  DeviceSize(*LiveHost(), width, height);
  return height;
}

int32_t GETVIRTUALWIDTH_L_0() { return LiveHost()->display.virtual_width; }

int32_t GETVIRTUALHEIGHT_L_0() { return LiveHost()->display.virtual_height; }

void SETVIRTUALRESOLUTION_0_L_L(int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return;
  LiveHost()->display.virtual_width = width;
  LiveHost()->display.virtual_height = height;
}

void SETRENDERTOIMAGE_0_L_L(int32_t image, int32_t depth_image) {
  BindRenderImage(*LiveHost(), image, depth_image);
}

void SETRENDERTOSCREEN_0_0() { BindScreen(*LiveHost()); }

int32_t GETPOLYGONSDRAWN_L_0() { return LiveHost()->display.polygons_drawn; }

void SETCLEARCOLOR_0_L_L_L(int32_t red, int32_t green, int32_t blue) {
  Display& display = LiveHost()->display;
  display.clear_red = static_cast<float>(std::clamp(red, 0, 255)) / 255.0f;
  display.clear_green = static_cast<float>(std::clamp(green, 0, 255)) / 255.0f;
  display.clear_blue = static_cast<float>(std::clamp(blue, 0, 255)) / 255.0f;
}

}  // namespace qel::engine::commands
