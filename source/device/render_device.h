// The render device: the context, its GL objects and the host objects the interface needs,
// and the drawing of each frame's Nuklear commands inside the host's GL context.
#pragma once

#include <GL/glew.h>

#include <cstddef>
#include <cstdint>

#include "device/buffer_sizing.h"
#include "nuklear_config.h"

namespace qel {

// Vertices are 20 bytes and indices 32-bit, so a frame is held only by the memory it takes:
// 64 MiB of vertices (over three million) and as much of indices.
inline constexpr size_t kVertexSize = 20;
inline constexpr size_t kMaxVertexBytes = size_t{64} << 20;
inline constexpr size_t kMaxElementBytes = size_t{64} << 20;

// The edges of a frame's conversion into vertices, for a profiler that times it.
enum class DevicePhase { kConvertBegins, kConvertEnds };

struct RenderDevice {
  nk_context context{};
  bool initialised = false;

  // GL objects
  GLuint program = 0, vertex_shader = 0, fragment_shader = 0;
  GLint uniform_texture = -1, uniform_projection = -1;
  GLint attribute_position = -1, attribute_uv = -1, attribute_color = -1;
  GLuint vertex_array = 0, vertex_buffer = 0, element_buffer = 0;
  GLuint font_texture = 0;
  nk_draw_null_texture null_texture{};
  nk_buffer commands{};
  // The program compiled and linked; a device without it draws no frame.
  bool program_ready = false;
  // Sources to build the program from instead of the device's own (null: its own). Set
  // before Initialise, they let tests see how a device whose shaders fail behaves.
  const char* vertex_source_override = nullptr;
  const char* fragment_source_override = nullptr;

  // host objects
  int32_t box_object = 0, render_image = 0, sprite = 0;

  // the size the interface is laid out and projected in; 0 until the first Draw
  float target_width = 0.0f, target_height = 0.0f;
  int32_t fixed_virtual_resolution = 0;

  // The vertex and element buffers keep their storage between frames: it is re-specified
  // (glBufferData) only when the sizing grows or shrinks, and each frame maps it anew with
  // the old contents invalidated.
  BufferSizing vertex_sizing, element_sizing;
  size_t vertex_storage = 0, element_storage = 0;  // the bytes the GL buffers hold now
  // The most a frame may take; a frame beyond it is drawn in part. Tests lower them.
  size_t vertex_limit = kMaxVertexBytes, element_limit = kMaxElementBytes;
  bool last_frame_clipped = false;      // the last frame did not fit whole and was drawn in part
  bool warned_frame_too_large = false;
  bool warned_map_failed = false;       // until a mapping succeeds again

  // Host values asked once per frame: every host query can be a round trip to the window
  // system, and several exports need the same value within one frame.
  struct Frame {
    bool virtual_size_known = false;
    int32_t virtual_width = 0, virtual_height = 0;
  } frame;

  // Told of each conversion's edges when set (benchmarks set it); unset, it costs one test
  // per edge. A frame that does not fit is converted again, so the edges may come in
  // several pairs within one frame.
  void (*phase_probe)(DevicePhase phase) = nullptr;
};

struct HostSize {
  int32_t width = 0, height = 0;
};

// The host's virtual resolution, asked of the host at most once per frame.
HostSize FrameVirtualSize();

RenderDevice& Device();

// Starts GLEW, the host objects, the context and the GL objects; ends the process when GL
// entry points cannot be set up. Returns the context.
nk_context* InitialiseDevice();

// Draws the frame's commands and clears the context for the next frame. The buffers hold at
// least the sizes asked for and grow to what a frame needs, up to the device's limits.
void DrawDevice(nk_anti_aliasing anti_aliasing, size_t max_vertex_bytes, size_t max_element_bytes);

// The orthographic projection for a target of that size, column-major.
void MakeProjection(float width, float height, float out[16]);

}  // namespace qel
