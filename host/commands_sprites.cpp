// Sprite commands. A sprite takes its image's size when it is made; missing sprites are
// ignored and read as invisible.
#include <algorithm>
#include <cmath>

#include "command_list.h"
#include "host_state.h"

namespace qel::engine::commands {

namespace {
Sprite* FindSprite(int32_t id) { return LiveHost()->scene.sprites.Find(id); }
}  // namespace

int32_t CREATESPRITE_L_L(int32_t image_id) {
  HostState& host = *LiveHost();
  Sprite sprite;
  if (image_id != 0) {
    const Image* image = host.images.Find(image_id);
    if (!image) return 0;
    sprite.image = image_id;
    sprite.width = static_cast<float>(image->width);
    sprite.height = static_cast<float>(image->height);
  } else {
    sprite.width = sprite.height = 1;  // a plain white square
  }
  return host.scene.sprites.Add(sprite);
}

void DELETESPRITE_0_L(int32_t id) { LiveHost()->scene.sprites.Remove(id); }

void SETSPRITEPOSITIONBYOFFSET_0_L_F_F(int32_t id, float x, float y) {
  if (Sprite* sprite = FindSprite(id); sprite && std::isfinite(x) && std::isfinite(y)) {
    sprite->x = x;
    sprite->y = y;
  }
}

void SETSPRITESIZE_0_L_F_F(int32_t id, float width, float height) {
  if (Sprite* sprite = FindSprite(id); sprite && std::isfinite(width) && std::isfinite(height)) {
    sprite->width = width;
    sprite->height = height;
  }
}

void SETSPRITEFLIP_0_L_L_L(int32_t id, int32_t horizontal, int32_t vertical) {
  if (Sprite* sprite = FindSprite(id)) {
    sprite->flip_horizontal = horizontal != 0;
    sprite->flip_vertical = vertical != 0;
  }
}

void SETSPRITEDEPTH_0_L_L(int32_t id, int32_t depth) {
  if (Sprite* sprite = FindSprite(id)) sprite->depth = depth;
}

void SETSPRITETRANSPARENCY_0_L_L(int32_t id, int32_t mode) {
  if (Sprite* sprite = FindSprite(id); sprite && mode >= kOpaque && mode <= kAdditive) sprite->transparency = mode;
}

void FIXSPRITETOSCREEN_0_L_L(int32_t id, int32_t fixed) {
  if (Sprite* sprite = FindSprite(id)) sprite->fixed_to_screen = fixed != 0;
}

void SETSPRITECOLORALPHA_0_L_L(int32_t id, int32_t alpha) {
  if (Sprite* sprite = FindSprite(id)) sprite->alpha = static_cast<uint8_t>(std::clamp(alpha, 0, 255));
}

void SETSPRITEVISIBLE_0_L_L(int32_t id, int32_t visible) {
  if (Sprite* sprite = FindSprite(id)) sprite->visible = visible != 0;
}

int32_t GETSPRITEVISIBLE_L_L(int32_t id) {
  const Sprite* sprite = FindSprite(id);
  return sprite && sprite->visible ? 1 : 0;
}

int32_t GETSPRITEEXISTS_L_L(int32_t id) { return FindSprite(id) ? 1 : 0; }

}  // namespace qel::engine::commands
