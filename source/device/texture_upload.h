// Making a GL texture from RGBA pixels inside the engine's GL context, whatever unpack state
// the engine left: the row layout and unpack buffer are set for the upload and put back,
// with the engine's active texture unit and its 2D binding.
#pragma once

#include <GL/glew.h>

namespace qel {

struct TextureFilters {
  GLint min = GL_LINEAR;
  GLint mag = GL_LINEAR;
  bool mipmaps = false;  // generate mipmaps after the upload
};

// A new texture of `width` x `height` RGBA8 pixels, rows top to bottom, tightly packed, clamped
// to its edges; 0 when GL makes none or the size is beyond what GL takes.
GLuint UploadRgbaTexture(const void* pixels, int width, int height, const TextureFilters& filters);

}  // namespace qel
