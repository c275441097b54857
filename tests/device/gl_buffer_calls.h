// Wraps GLEW's buffer entry points while an instance lives: counts the storage re-allocations
// (glBufferData) of the device's own buffers (the host in the same process has buffers too)
// and can refuse to map buffers above a size, as a driver short of memory does.
#pragma once

#include <GL/glew.h>

#include <cstddef>

#include "device/render_device.h"

namespace qel {

class GlBufferCalls {
 public:
  GlBufferCalls() {
    buffer_data_ = __glewBufferData;
    map_range_ = __glewMapBufferRange;
    __glewBufferData = &BufferData;
    __glewMapBufferRange = &MapBufferRange;
    buffer_data_calls = 0;
    map_refused_above = 0;
  }
  ~GlBufferCalls() {
    __glewBufferData = buffer_data_;
    __glewMapBufferRange = map_range_;
  }
  GlBufferCalls(const GlBufferCalls&) = delete;
  GlBufferCalls& operator=(const GlBufferCalls&) = delete;

  static inline int buffer_data_calls = 0;
  static inline size_t map_refused_above = 0;  // 0: every map is served

 private:
  static void GLAPIENTRY BufferData(GLenum target, GLsizeiptr size, const void* data, GLenum usage) {
    GLint bound = 0;
    glGetIntegerv(target == GL_ELEMENT_ARRAY_BUFFER ? GL_ELEMENT_ARRAY_BUFFER_BINDING : GL_ARRAY_BUFFER_BINDING, &bound);
    const GLuint buffer = static_cast<GLuint>(bound);
    if (buffer && (buffer == Device().vertex_buffer || buffer == Device().element_buffer)) ++buffer_data_calls;
    buffer_data_(target, size, data, usage);
  }
  static void* GLAPIENTRY MapBufferRange(GLenum target, GLintptr offset, GLsizeiptr length, GLbitfield access) {
    if (map_refused_above && static_cast<size_t>(length) > map_refused_above) return nullptr;
    return map_range_(target, offset, length, access);
  }

  static inline PFNGLBUFFERDATAPROC buffer_data_ = nullptr;
  static inline PFNGLMAPBUFFERRANGEPROC map_range_ = nullptr;
};

}  // namespace qel
