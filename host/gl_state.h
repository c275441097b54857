// Small guards that put back the GL bindings the engine touches outside its own frame
// drawing, so a plug-in that calls a command between its own GL calls keeps its state.
#pragma once

#include <GL/glew.h>

namespace qel::engine {

class KeepTextureBinding {
 public:
  KeepTextureBinding() { glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture_); }
  ~KeepTextureBinding() { glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture_)); }
  KeepTextureBinding(const KeepTextureBinding&) = delete;
  KeepTextureBinding& operator=(const KeepTextureBinding&) = delete;

 private:
  GLint texture_ = 0;
};

class KeepFramebufferBinding {
 public:
  KeepFramebufferBinding() {
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &draw_);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read_);
  }
  ~KeepFramebufferBinding() {
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(draw_));
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(read_));
  }
  KeepFramebufferBinding(const KeepFramebufferBinding&) = delete;
  KeepFramebufferBinding& operator=(const KeepFramebufferBinding&) = delete;

 private:
  GLint draw_ = 0, read_ = 0;
};

class KeepPixelStore {
 public:
  KeepPixelStore() {
    glGetIntegerv(GL_PACK_ALIGNMENT, &pack_);
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpack_);
    glGetIntegerv(GL_UNPACK_ROW_LENGTH, &row_length_);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  }
  ~KeepPixelStore() {
    glPixelStorei(GL_PACK_ALIGNMENT, pack_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, unpack_);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, row_length_);
  }
  KeepPixelStore(const KeepPixelStore&) = delete;
  KeepPixelStore& operator=(const KeepPixelStore&) = delete;

 private:
  GLint pack_ = 4, unpack_ = 4, row_length_ = 0;
};

}  // namespace qel::engine
