// 3D object commands (boxes) and camera 1, the only camera.
#include <algorithm>
#include <cmath>

#include "command_list.h"
#include "host_state.h"

namespace qel::engine::commands {

namespace {
BoxObject* FindObject(int32_t id) { return LiveHost()->scene.objects.Find(id); }
uint8_t Channel(int32_t value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); }
bool Finite(float a, float b, float c) { return std::isfinite(a) && std::isfinite(b) && std::isfinite(c); }
}  // namespace

int32_t CREATEOBJECTBOX_L_F_F_F(float width, float height, float length) {
  if (!Finite(width, height, length) || width < 0 || height < 0 || length < 0) return 0;
  BoxObject box;
  box.width = width;
  box.height = height;
  box.length = length;
  return LiveHost()->scene.objects.Add(box);
}

void DELETEOBJECT_0_L(int32_t id) { LiveHost()->scene.objects.Remove(id); }

void SETOBJECTCOLLISIONMODE_0_L_L(int32_t id, int32_t mode) {
  if (BoxObject* box = FindObject(id)) box->collision_mode = mode;
}

void SETOBJECTPOSITION_0_L_F_F_F(int32_t id, float x, float y, float z) {
  if (BoxObject* box = FindObject(id); box && Finite(x, y, z)) {
    box->x = x;
    box->y = y;
    box->z = z;
  }
}

void SETOBJECTTRANSPARENCY_0_L_L(int32_t id, int32_t mode) {
  if (BoxObject* box = FindObject(id); box && mode >= kOpaque && mode <= kAdditive) box->transparency = mode;
}

void SETOBJECTCOLOR_0_L_L_L_L_L(int32_t id, int32_t red, int32_t green, int32_t blue, int32_t alpha) {
  if (BoxObject* box = FindObject(id)) {
    box->red = Channel(red);
    box->green = Channel(green);
    box->blue = Channel(blue);
    box->alpha = Channel(alpha);
  }
}

void SETOBJECTVISIBLE_0_L_L(int32_t id, int32_t visible) {
  if (BoxObject* box = FindObject(id)) box->visible = visible != 0;
}

int32_t GETOBJECTVISIBLE_L_L(int32_t id) {
  const BoxObject* box = FindObject(id);
  return box && box->visible ? 1 : 0;
}

float GETCAMERAX_F_L(int32_t camera) { return camera == 1 ? LiveHost()->scene.camera.x : 0.0f; }

float GETCAMERAY_F_L(int32_t camera) { return camera == 1 ? LiveHost()->scene.camera.y : 0.0f; }

float GETCAMERAZ_F_L(int32_t camera) { return camera == 1 ? LiveHost()->scene.camera.z : 0.0f; }

void SETCAMERAPOSITION_0_L_F_F_F(int32_t camera, float x, float y, float z) {
  if (camera != 1 || !Finite(x, y, z)) return;
  Camera& c = LiveHost()->scene.camera;
  c.x = x;
  c.y = y;
  c.z = z;
}

}  // namespace qel::engine::commands
