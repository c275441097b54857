// Uploading RGBA pixels into a new GL texture from inside the engine's frame. The engine may
// leave any pixel-store state or a pixel unpack buffer bound; the upload sets what it needs
// and puts all of it back, together with the texture binding, so neither side sees the other.
#pragma once

#include <GL/glew.h>

#include <cstdint>

namespace qel {

struct TextureFilters {
  GLint min = GL_NEAREST;
  GLint mag = GL_NEAREST;
};

// A new 2D texture of `width` x `height` RGBA pixels (8 bits a channel, rows top to bottom,
// tightly packed), clamped at its edges, with mipmaps. 0 when GL makes none or the size is
// beyond what GL takes.
GLuint UploadRgbaTexture(const uint8_t* pixels, int32_t width, int32_t height, TextureFilters filters);

}  // namespace qel
