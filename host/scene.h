// What the engine draws each frame: 3D box objects seen by camera 1, then 2D sprites over
// them in the virtual resolution's coordinates.
#pragma once

#include <cstdint>

#include "id_table.h"

namespace qel::engine {

// How a sprite or object is blended: 0 opaque, 1 alpha blending, 2 additive.
enum Transparency : int32_t { kOpaque = 0, kAlphaBlend = 1, kAdditive = 2 };

struct Sprite {
  int32_t image = 0;           // 0 or a missing image draws plain white
  float width = 0, height = 0; // virtual-resolution units
  float x = 0, y = 0;          // the centre
  bool flip_horizontal = false, flip_vertical = false;
  int32_t depth = 10;          // higher depths are drawn first: depth 0 is in front
  int32_t transparency = kAlphaBlend;
  bool fixed_to_screen = false;
  uint8_t alpha = 255;
  bool visible = true;
};

struct BoxObject {
  float width = 1, height = 1, length = 1;
  float x = 0, y = 0, z = 0;
  uint8_t red = 255, green = 255, blue = 255, alpha = 255;
  int32_t transparency = kOpaque;
  int32_t collision_mode = 1;  // kept for scripts; the engine has no physics to use it
  bool visible = true;
};

// Camera 1: at (x, y, z) looking along +z, y up (a left-handed world).
struct Camera {
  float x = 0, y = 0, z = -10;
  float fov_degrees = 70;      // vertical field of view
  float near_range = 1, far_range = 1000;
};

struct Scene {
  IdTable<Sprite> sprites;
  IdTable<BoxObject> objects;
  Camera camera;
};

}  // namespace qel::engine
