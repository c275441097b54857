// Raw input and time commands. Keys are Windows virtual-key codes; the mouse is reported in
// the virtual resolution's coordinates.
#include <cmath>
#include <limits>
#include <string>

#include "command_list.h"
#include "render_targets.h"
#include "text.h"

namespace qel::engine::commands {

namespace {
// Framebuffer pixels to the virtual resolution along one axis.
float ToVirtual(float pixels, int virtual_size, int device_size) {
  if (virtual_size <= 0 || device_size <= 0) return pixels;
  return pixels * static_cast<float>(virtual_size) / static_cast<float>(device_size);
}
}  // namespace

int32_t GETRAWKEYSTATE_L_L(int32_t key) { return LiveHost()->input.KeyHeld(key) ? 1 : 0; }

int32_t GETRAWKEYPRESSED_L_L(int32_t key) { return LiveHost()->input.KeyPressed(key) ? 1 : 0; }

int32_t GETRAWKEYRELEASED_L_L(int32_t key) { return LiveHost()->input.KeyReleased(key) ? 1 : 0; }

int32_t GETRAWLASTKEY_L_0() { return LiveHost()->input.LastKey(); }

float GETRAWMOUSEX_F_0() {
  HostState& host = *LiveHost();
  int width = 0, height = 0;
  DeviceSize(host, width, height);
  return ToVirtual(host.input.mouse_x(), host.display.virtual_width, width);
}

float GETRAWMOUSEY_F_0() {
  HostState& host = *LiveHost();
  int width = 0, height = 0;
  DeviceSize(host, width, height);
  return ToVirtual(host.input.mouse_y(), host.display.virtual_height, height);
}

int32_t GETRAWMOUSELEFTPRESSED_L_0() { return LiveHost()->input.ButtonPressed(0) ? 1 : 0; }

int32_t GETRAWMOUSELEFTRELEASED_L_0() { return LiveHost()->input.ButtonReleased(0) ? 1 : 0; }

int32_t GETRAWMOUSELEFTSTATE_L_0() { return LiveHost()->input.ButtonHeld(0) ? 1 : 0; }

int32_t GETRAWMOUSERIGHTSTATE_L_0() { return LiveHost()->input.ButtonHeld(1) ? 1 : 0; }

int32_t GETRAWMOUSEMIDDLESTATE_L_0() { return LiveHost()->input.ButtonHeld(2) ? 1 : 0; }

float GETRAWMOUSEWHEELDELTA_F_0() { return LiveHost()->input.wheel(); }

int32_t GETCHARBUFFERLENGTH_L_0() { return static_cast<int32_t>(LiveHost()->input.typed().size()); }

int32_t GETLASTCHAR_L_0() { return static_cast<int32_t>(LiveHost()->input.last_char()); }

char* GETCHARBUFFER_S_0() {
  HostState& host = *LiveHost();
  std::string text;
  for (uint32_t point : host.input.typed()) AppendUtf8(point, text);
  return host.strings.Copy(text);
}

float GETFRAMETIME_F_0() { return LiveHost()->clock.FrameTime(); }

int32_t GETMILLISECONDS_L_0() { return static_cast<int32_t>(LiveHost()->clock.Milliseconds()); }

int32_t FLOOR_L_F(float value) {
  if (std::isnan(value)) return 0;
  const double floored = std::floor(static_cast<double>(value));
  if (floored <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (floored >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(floored);
}

}  // namespace qel::engine::commands
