// Images: GL textures by id. Loaded images are uploaded top row first, so texture v = 0 is
// the image's top. Render images are drawn into as framebuffers with a y-down projection,
// so their top is at v = 1; reading them back turns them the right way up.
#pragma once

#include <GL/glew.h>

#include <cstdint>
#include <string>

#include "id_table.h"
#include "qelhost.h"

namespace qel::engine {

struct Image {
  GLuint texture = 0;
  int width = 0, height = 0;
  bool depth = false;        // a depth image, the depth buffer of a render target
  bool rendered = false;     // a render image: its top row is the texture's last
  bool mipmaps = false;      // mipmaps are rebuilt whenever drawing into it ends
  GLuint framebuffer = 0;    // made the first time the image is a render target
  GLuint depth_buffer = 0;   // its own depth buffer, made when asked for (depth image -1)
};

class Images {
 public:
  Images() = default;
  ~Images() { ReleaseAll(); }
  Images(const Images&) = delete;
  Images& operator=(const Images&) = delete;

  int32_t CreateColor(int r, int g, int b, int a);                // a 1x1 image
  int32_t CreateRenderImage(int width, int height, int format, int mipmap);  // format 1: depth
  int32_t Load(const std::string& path, bool black_to_alpha);     // an operating-system path
  bool LoadInto(int32_t id, const std::string& path, bool black_to_alpha);
  Image* Find(int32_t id) { return table_.Find(id); }
  const Image* Find(int32_t id) const { return table_.Find(id); }
  bool Read(int32_t id, Pixels& out) const;                       // top row first, as shown
  void ReleaseAll();                                              // needs the context current

 private:
  static bool FromPixels(const Pixels& pixels, Image& image);
  static void Release(Image& image);
  IdTable<Image> table_;
};

}  // namespace qel::engine
