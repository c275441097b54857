#include "device/engine_gl_state.h"

namespace qel {
namespace {

void SetEnabled(GLenum capability, GLboolean enabled) {
  if (enabled) {
    glEnable(capability);
  } else {
    glDisable(capability);
  }
}

}  // namespace

EngineGlState SaveEngineGlState() {
  EngineGlState s;
  glGetIntegerv(GL_CURRENT_PROGRAM, &s.program);
  glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &s.vertex_array);
  glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &s.array_buffer);
  glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &s.element_buffer);
  glGetIntegerv(GL_ACTIVE_TEXTURE, &s.active_texture);
  if (s.active_texture != GL_TEXTURE0) glActiveTexture(GL_TEXTURE0);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.texture_unit0);
  if (s.active_texture != GL_TEXTURE0) glActiveTexture(static_cast<GLenum>(s.active_texture));

  s.blend = glIsEnabled(GL_BLEND);
  s.cull_face = glIsEnabled(GL_CULL_FACE);
  s.depth_test = glIsEnabled(GL_DEPTH_TEST);
  s.scissor_test = glIsEnabled(GL_SCISSOR_TEST);
  s.stencil_test = glIsEnabled(GL_STENCIL_TEST);
  glGetIntegerv(GL_BLEND_EQUATION_RGB, &s.blend_equation_rgb);
  glGetIntegerv(GL_BLEND_EQUATION_ALPHA, &s.blend_equation_alpha);
  glGetIntegerv(GL_BLEND_SRC_RGB, &s.blend_src_rgb);
  glGetIntegerv(GL_BLEND_DST_RGB, &s.blend_dst_rgb);
  glGetIntegerv(GL_BLEND_SRC_ALPHA, &s.blend_src_alpha);
  glGetIntegerv(GL_BLEND_DST_ALPHA, &s.blend_dst_alpha);
  glGetBooleanv(GL_DEPTH_WRITEMASK, &s.depth_mask);
  glGetIntegerv(GL_DEPTH_FUNC, &s.depth_function);
  glGetIntegerv(GL_SCISSOR_BOX, s.scissor_box);
  glGetIntegerv(GL_VIEWPORT, s.viewport);
  glGetIntegerv(GL_POLYGON_MODE, s.polygon_mode);
  return s;
}

void RestoreEngineGlState(const EngineGlState& s) {
  glUseProgram(static_cast<GLuint>(s.program));
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(s.texture_unit0));
  glActiveTexture(static_cast<GLenum>(s.active_texture));
  // The element buffer belongs to the vertex array: bind it back after the array.
  glBindVertexArray(static_cast<GLuint>(s.vertex_array));
  glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(s.array_buffer));
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLuint>(s.element_buffer));

  SetEnabled(GL_BLEND, s.blend);
  SetEnabled(GL_CULL_FACE, s.cull_face);
  SetEnabled(GL_DEPTH_TEST, s.depth_test);
  SetEnabled(GL_SCISSOR_TEST, s.scissor_test);
  SetEnabled(GL_STENCIL_TEST, s.stencil_test);
  glBlendEquationSeparate(static_cast<GLenum>(s.blend_equation_rgb), static_cast<GLenum>(s.blend_equation_alpha));
  glBlendFuncSeparate(static_cast<GLenum>(s.blend_src_rgb), static_cast<GLenum>(s.blend_dst_rgb),
                      static_cast<GLenum>(s.blend_src_alpha), static_cast<GLenum>(s.blend_dst_alpha));
  glDepthMask(s.depth_mask);
  glDepthFunc(static_cast<GLenum>(s.depth_function));
  glScissor(s.scissor_box[0], s.scissor_box[1], s.scissor_box[2], s.scissor_box[3]);
  glViewport(s.viewport[0], s.viewport[1], s.viewport[2], s.viewport[3]);
  // A core context keeps one mode for both faces.
  glPolygonMode(GL_FRONT_AND_BACK, static_cast<GLenum>(s.polygon_mode[0]));
}

}  // namespace qel
