// GL drawing of the scene: boxes with depth testing and a simple light, then sprites in
// depth order with their flips, blending and alpha.
#pragma once

#include <GL/glew.h>

#include "images.h"
#include "scene.h"

namespace qel::engine {

struct DrawTarget {
  int width = 0, height = 0;                 // pixels of the bound framebuffer
  int virtual_width = 0, virtual_height = 0; // the sprites' coordinate space
};

class SceneRenderer {
 public:
  SceneRenderer() = default;
  ~SceneRenderer() = default;                // Release() runs while the context is current
  SceneRenderer(const SceneRenderer&) = delete;
  SceneRenderer& operator=(const SceneRenderer&) = delete;

  bool Init();
  void Release();
  // Draws into the bound framebuffer; returns the triangles drawn.
  int Draw(const Scene& scene, const Images& images, const DrawTarget& target);

 private:
  int DrawBoxes(const Scene& scene, const DrawTarget& target);
  int DrawSprites(const Scene& scene, const Images& images, const DrawTarget& target);

  GLuint box_program_ = 0, box_vao_ = 0, box_vbo_ = 0;
  GLint box_view_projection_ = -1, box_offset_ = -1, box_size_ = -1, box_color_ = -1;
  GLuint sprite_program_ = 0, sprite_vao_ = 0, sprite_vbo_ = 0;
  GLint sprite_projection_ = -1, sprite_tint_ = -1, sprite_texture_ = -1;
  GLuint white_texture_ = 0;                 // for sprites without an image
};

}  // namespace qel::engine
