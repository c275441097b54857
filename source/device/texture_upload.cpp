#include "device/texture_upload.h"

namespace qel {
namespace {

// The unpack state an upload reads its pixels by, saved and set to tightly packed rows read
// from client memory.
class TightUnpack {
 public:
  TightUnpack() {
    for (Entry& e : entries_) glGetIntegerv(e.name, &e.saved);
    glGetIntegerv(GL_PIXEL_UNPACK_BUFFER_BINDING, &unpack_buffer_);
    glGetBooleanv(GL_UNPACK_SWAP_BYTES, &swap_bytes_);
    glGetBooleanv(GL_UNPACK_LSB_FIRST, &lsb_first_);
    glBindBuffer(GL_PIXEL_UNPACK_BUFFER, 0);
    for (const Entry& e : entries_) glPixelStorei(e.name, e.wanted);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
  }
  ~TightUnpack() {
    for (const Entry& e : entries_) glPixelStorei(e.name, e.saved);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, swap_bytes_);
    glPixelStorei(GL_UNPACK_LSB_FIRST, lsb_first_);
    glBindBuffer(GL_PIXEL_UNPACK_BUFFER, static_cast<GLuint>(unpack_buffer_));
  }
  TightUnpack(const TightUnpack&) = delete;
  TightUnpack& operator=(const TightUnpack&) = delete;

 private:
  struct Entry {
    GLenum name;
    GLint wanted;
    GLint saved;
  };
  Entry entries_[6] = {{GL_UNPACK_ALIGNMENT, 1, 4},   {GL_UNPACK_ROW_LENGTH, 0, 0},
                       {GL_UNPACK_SKIP_ROWS, 0, 0},   {GL_UNPACK_SKIP_PIXELS, 0, 0},
                       {GL_UNPACK_IMAGE_HEIGHT, 0, 0}, {GL_UNPACK_SKIP_IMAGES, 0, 0}};
  GLint unpack_buffer_ = 0;
  GLboolean swap_bytes_ = GL_FALSE;
  GLboolean lsb_first_ = GL_FALSE;
};

}  // namespace

GLuint UploadRgbaTexture(const void* pixels, int width, int height, const TextureFilters& filters) {
  GLint most = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &most);
  if (!pixels || width <= 0 || height <= 0 || width > most || height > most) return 0;
  GLint active_unit = GL_TEXTURE0, bound = 0;
  glGetIntegerv(GL_ACTIVE_TEXTURE, &active_unit);
  glActiveTexture(GL_TEXTURE0);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  GLuint texture = 0;
  glGenTextures(1, &texture);
  if (texture) {
    const TightUnpack unpack;
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filters.min);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filters.mag);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    if (filters.mipmaps) glGenerateMipmap(GL_TEXTURE_2D);
  }
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
  glActiveTexture(static_cast<GLenum>(active_unit));
  return texture;
}

}  // namespace qel
