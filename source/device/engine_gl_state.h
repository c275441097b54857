// The host engine's GL state that drawing the interface touches. The device saves it before a
// frame's draw and puts it back afterwards, so the engine finds its state as it left it.
#pragma once

#include <GL/glew.h>

namespace qel {

struct EngineGlState {
  GLint program = 0;
  GLint vertex_array = 0, array_buffer = 0, element_buffer = 0;
  GLint active_texture = GL_TEXTURE0;
  GLint texture_unit0 = 0;  // the 2D texture bound on unit 0, the unit the interface draws with
  GLboolean blend = GL_FALSE, cull_face = GL_FALSE, depth_test = GL_FALSE, scissor_test = GL_FALSE,
            stencil_test = GL_FALSE;
  GLint blend_equation_rgb = GL_FUNC_ADD, blend_equation_alpha = GL_FUNC_ADD;
  GLint blend_src_rgb = GL_ONE, blend_dst_rgb = GL_ZERO, blend_src_alpha = GL_ONE, blend_dst_alpha = GL_ZERO;
  GLboolean depth_mask = GL_TRUE;
  GLint depth_function = GL_LESS;
  GLint scissor_box[4] = {0, 0, 0, 0};
  GLint viewport[4] = {0, 0, 0, 0};
  GLint polygon_mode[2] = {GL_FILL, GL_FILL};  // front, back
};

// Reads the state; leaves the GL state unchanged.
EngineGlState SaveEngineGlState();

// Puts the saved state back, bindings included.
void RestoreEngineGlState(const EngineGlState& state);

}  // namespace qel
