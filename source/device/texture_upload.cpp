#include "device/texture_upload.h"

namespace qel {
namespace {

// The unpack state a texture upload reads, as the engine left it.
struct UnpackState {
  GLint buffer = 0, texture = 0;
  GLint alignment = 4, row_length = 0, image_height = 0, skip_rows = 0, skip_pixels = 0, skip_images = 0;
  GLint swap_bytes = GL_FALSE, lsb_first = GL_FALSE;
};

constexpr GLenum kIntegerStores[] = {GL_UNPACK_ALIGNMENT, GL_UNPACK_ROW_LENGTH, GL_UNPACK_IMAGE_HEIGHT,
                                     GL_UNPACK_SKIP_ROWS, GL_UNPACK_SKIP_PIXELS, GL_UNPACK_SKIP_IMAGES,
                                     GL_UNPACK_SWAP_BYTES, GL_UNPACK_LSB_FIRST};

GLint* StoreOf(UnpackState& state, GLenum name) {
  switch (name) {
    case GL_UNPACK_ALIGNMENT: return &state.alignment;
    case GL_UNPACK_ROW_LENGTH: return &state.row_length;
    case GL_UNPACK_IMAGE_HEIGHT: return &state.image_height;
    case GL_UNPACK_SKIP_ROWS: return &state.skip_rows;
    case GL_UNPACK_SKIP_PIXELS: return &state.skip_pixels;
    case GL_UNPACK_SKIP_IMAGES: return &state.skip_images;
    case GL_UNPACK_SWAP_BYTES: return &state.swap_bytes;
    default: return &state.lsb_first;
  }
}

UnpackState SaveUnpackState() {
  UnpackState state;
  glGetIntegerv(GL_PIXEL_UNPACK_BUFFER_BINDING, &state.buffer);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &state.texture);
  for (GLenum name : kIntegerStores) glGetIntegerv(name, StoreOf(state, name));
  return state;
}

void SetTightUnpackState() {
  glBindBuffer(GL_PIXEL_UNPACK_BUFFER, 0);
  for (GLenum name : kIntegerStores) glPixelStorei(name, name == GL_UNPACK_ALIGNMENT ? 1 : 0);
}

void RestoreUnpackState(UnpackState& state) {
  for (GLenum name : kIntegerStores) glPixelStorei(name, *StoreOf(state, name));
  glBindBuffer(GL_PIXEL_UNPACK_BUFFER, static_cast<GLuint>(state.buffer));
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(state.texture));
}

}  // namespace

GLuint UploadRgbaTexture(const uint8_t* pixels, int32_t width, int32_t height, TextureFilters filters) {
  GLint most = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &most);
  if (!pixels || width <= 0 || height <= 0 || width > most || height > most) return 0;
  UnpackState saved = SaveUnpackState();
  SetTightUnpackState();
  GLuint texture = 0;
  glGenTextures(1, &texture);
  if (texture != 0) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filters.min);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filters.mag);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    glGenerateMipmap(GL_TEXTURE_2D);
  }
  RestoreUnpackState(saved);
  return texture;
}

}  // namespace qel
