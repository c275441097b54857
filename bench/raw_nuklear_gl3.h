// Nuklear driven directly, the way a game without the plug-in would: its own context and font
// atlas, and a GL3 backend of the usual demo shape. Each frame the two buffers are orphaned
// with glBufferData and mapped with glMapBuffer, nk_convert writes into the mapped memory
// with 16-bit indices, and each draw command is one scissored glDrawElements.
//
// It is the yardstick the plug-in's frame cost is measured against, so it does no more work
// than such a backend does: no saving of the caller's GL state, no growing of its buffers.
#pragma once

#include <GL/glew.h>

#include <cstddef>

#include "raw_nuklear_stock_config.h"

namespace qel {

class RawNuklearGl3 {
 public:
  // Buffer sizes of the demo backend: what does not fit is not drawn.
  static constexpr size_t kDemoVertexBytes = 512 * 1024;
  static constexpr size_t kDemoElementBytes = 128 * 1024;

  // Needs a current GL 3.3 context with GLEW initialised. Bakes Nuklear's default font.
  RawNuklearGl3();
  ~RawNuklearGl3();
  RawNuklearGl3(const RawNuklearGl3&) = delete;
  RawNuklearGl3& operator=(const RawNuklearGl3&) = delete;

  bool ok() const { return program_ready_; }
  nk_context* context() { return &context_; }

  // Feeds a still mouse at (x, y) as the frame's input, as a game does before describing.
  void Input(int x, int y);

  // The three steps of drawing the frame's commands into a target of that size. Map
  // orphans and maps the buffers; Convert writes the frame into them; Submit unmaps them,
  // draws and clears the context. Map returns false (and the frame is dropped) when the
  // driver maps nothing.
  bool Map(int width, int height);
  nk_flags Convert(nk_anti_aliasing aa);
  void Submit();

  // Sizes the buffers are orphaned with from the next frame on (the demo's by default), so
  // that a comparison can give both sides room for the same frame.
  void SetBufferSizes(size_t vertex_bytes, size_t element_bytes) {
    vertex_bytes_ = vertex_bytes;
    element_bytes_ = element_bytes;
  }

  size_t vertex_bytes() const { return vertex_bytes_; }
  size_t element_bytes() const { return element_bytes_; }
  // What the last converted frame needed, whether or not it fit.
  size_t needed_vertex_bytes() const { return needed_vertex_bytes_; }
  size_t needed_element_bytes() const { return needed_element_bytes_; }

  // Vertices of the last converted frame.
  size_t vertex_count() const { return context_.draw_list.vertex_count; }

 private:
  void CreateDeviceObjects();
  void BakeFont();

  nk_context context_{};
  nk_font_atlas atlas_{};
  nk_buffer commands_{};
  nk_draw_null_texture null_texture_{};
  GLuint program_ = 0, vertex_shader_ = 0, fragment_shader_ = 0;
  GLint uniform_texture_ = -1, uniform_projection_ = -1;
  GLuint vertex_array_ = 0, vertex_buffer_ = 0, element_buffer_ = 0, font_texture_ = 0;
  bool program_ready_ = false;
  int width_ = 0, height_ = 0;
  size_t vertex_bytes_ = kDemoVertexBytes, element_bytes_ = kDemoElementBytes;
  size_t needed_vertex_bytes_ = 0, needed_element_bytes_ = 0;
  void* mapped_vertices_ = nullptr;
  void* mapped_elements_ = nullptr;
};

}  // namespace qel
