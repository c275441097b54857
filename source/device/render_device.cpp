#include "device/render_device.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "device/clipboard.h"
#include "device/engine_gl_state.h"
#include "frame/host_commands.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"

namespace qel {
namespace {


const char* const kVertexShader =
    "#version 330\n"
    "uniform mat4 ProjMtx;\n"
    "in vec2 Position;\n"
    "in vec2 TexCoord;\n"
    "in vec4 Color;\n"
    "out vec2 Frag_UV;\n"
    "out vec4 Frag_Color;\n"
    "void main() {\n"
    "   Frag_UV = TexCoord;\n"
    "   Frag_Color = Color;\n"
    "   gl_Position = ProjMtx * vec4(Position.xy, 0, 1);\n"
    "}\n";

const char* const kFragmentShader =
    "#version 330\n"
    "precision mediump float;\n"
    "uniform sampler2D Texture;\n"
    "in vec2 Frag_UV;\n"
    "in vec4 Frag_Color;\n"
    "out vec4 Out_Color;\n"
    "void main(){\n"
    "   Out_Color = Frag_Color * texture(Texture, Frag_UV.st);\n"
    "}\n";

const char* GlText(GLenum name) {
  const GLubyte* text = glGetString(name);
  return text ? reinterpret_cast<const char*>(text) : "";
}

void CreateHostObjects(RenderDevice& d) {
  HostCommandTable& host = HostCommands();
  d.box_object = host.CREATEOBJECTBOX_L_F_F_F(2.0f, 2.0f, 2.0f);
  host.SETOBJECTCOLLISIONMODE_0_L_L(d.box_object, 0);
  host.SETOBJECTPOSITION_0_L_F_F_F(d.box_object, host.GETCAMERAX_F_L(1), host.GETCAMERAY_F_L(1),
                                   host.GETCAMERAZ_F_L(1));
  host.SETOBJECTTRANSPARENCY_0_L_L(d.box_object, 1);
  host.SETOBJECTCOLOR_0_L_L_L_L_L(d.box_object, 0, 0, 0, 0);

  d.fixed_virtual_resolution = 0;

  const int32_t width = host.GETVIRTUALWIDTH_L_0();
  const int32_t height = host.GETVIRTUALHEIGHT_L_0();
  d.render_image = host.CREATERENDERIMAGE_L_L_L_L_L(width, height, 0, 0);
  d.sprite = host.CREATESPRITE_L_L(d.render_image);
  host.SETSPRITEPOSITIONBYOFFSET_0_L_F_F(d.sprite, static_cast<float>(width) * 0.5f,
                                         static_cast<float>(height) * 0.5f);
  host.SETSPRITEFLIP_0_L_L_L(d.sprite, 0, 1);  // framebuffer images are stored bottom-up
  host.SETSPRITEDEPTH_0_L_L(d.sprite, 0);
  host.SETSPRITETRANSPARENCY_0_L_L(d.sprite, 1);
  host.FIXSPRITETOSCREEN_0_L_L(d.sprite, 1);
  host.SETSPRITECOLORALPHA_0_L_L(d.sprite, 255);
}

// A driver's info log as one log line: line breaks become spaces, trailing space goes.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\0')) text.pop_back();
  return text.empty() ? std::string("(the driver gives no reason)") : text;
}

std::string ShaderInfoLog(GLuint shader) {
  GLint length = 0;
  glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
  std::string text(static_cast<size_t>(std::max(length, 1)), '\0');
  GLsizei written = 0;
  glGetShaderInfoLog(shader, static_cast<GLsizei>(text.size()), &written, &text[0]);
  text.resize(static_cast<size_t>(std::max(written, 0)));
  return OneLine(text);
}

std::string ProgramInfoLog(GLuint program) {
  GLint length = 0;
  glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
  std::string text(static_cast<size_t>(std::max(length, 1)), '\0');
  GLsizei written = 0;
  glGetProgramInfoLog(program, static_cast<GLsizei>(text.size()), &written, &text[0]);
  text.resize(static_cast<size_t>(std::max(written, 0)));
  return OneLine(text);
}

bool ShaderCompiled(GLuint shader, const char* kind) {
  GLint status = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
  if (status == GL_TRUE) return true;
  QEL_LOG(ShaderCompileFailed, kind, ShaderInfoLog(shader).c_str());
  return false;
}

bool ProgramLinked(GLuint program) {
  GLint status = GL_FALSE;
  glGetProgramiv(program, GL_LINK_STATUS, &status);
  if (status == GL_TRUE) return true;
  QEL_LOG(ShaderLinkFailed, ProgramInfoLog(program).c_str());
  return false;
}

void DeleteProgram(RenderDevice& d) {
  glDeleteProgram(d.program);
  glDeleteShader(d.vertex_shader);
  glDeleteShader(d.fragment_shader);
  d.program = d.vertex_shader = d.fragment_shader = 0;
}

// Returns false, with the driver's reasons logged, when the program cannot be built; the
// device then has no program and no buffers.
bool CreateDeviceObjects(RenderDevice& d) {
  QEL_LOG(DeviceTextureAndBuffersSaved);
  GLint last_texture = 0, last_array_buffer = 0, last_element_buffer = 0, last_vertex_array = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &last_texture);
  glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &last_array_buffer);
  glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &last_element_buffer);
  glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &last_vertex_array);

  QEL_LOG(ShaderCreateStarted);
  nk_buffer_init_default(&d.commands);
  QEL_LOG(ShaderCommandBufferReady);

  d.program = glCreateProgram();
  d.vertex_shader = glCreateShader(GL_VERTEX_SHADER);
  d.fragment_shader = glCreateShader(GL_FRAGMENT_SHADER);
  QEL_LOG(ShaderProgramCreated);
  const char* vertex_source = d.vertex_source_override ? d.vertex_source_override : kVertexShader;
  const char* fragment_source = d.fragment_source_override ? d.fragment_source_override : kFragmentShader;
  glShaderSource(d.vertex_shader, 1, &vertex_source, nullptr);
  glShaderSource(d.fragment_shader, 1, &fragment_source, nullptr);
  QEL_LOG(ShaderSourceSet);
  glCompileShader(d.vertex_shader);
  glCompileShader(d.fragment_shader);
  QEL_LOG(ShaderCompiled);
  const bool vertex_compiled = ShaderCompiled(d.vertex_shader, "vertex");
  const bool fragment_compiled = ShaderCompiled(d.fragment_shader, "fragment");
  QEL_LOG(ShaderCompileStatusRead);
  glAttachShader(d.program, d.vertex_shader);
  glAttachShader(d.program, d.fragment_shader);
  glLinkProgram(d.program);
  QEL_LOG(ShaderLinked);
  // A shader that did not compile has been reported; its failed link says nothing more.
  const bool linked = vertex_compiled && fragment_compiled && ProgramLinked(d.program);
  QEL_LOG(ShaderLinkStatusRead);
  if (!linked) {
    DeleteProgram(d);
    return false;
  }

  QEL_LOG(ShaderUniformsRead);
  d.uniform_texture = glGetUniformLocation(d.program, "Texture");
  d.uniform_projection = glGetUniformLocation(d.program, "ProjMtx");
  d.attribute_position = glGetAttribLocation(d.program, "Position");
  d.attribute_uv = glGetAttribLocation(d.program, "TexCoord");
  d.attribute_color = glGetAttribLocation(d.program, "Color");

  QEL_LOG(DeviceBuffersSetUp);
  glGenBuffers(1, &d.vertex_buffer);
  glGenBuffers(1, &d.element_buffer);
  glGenVertexArrays(1, &d.vertex_array);
  glBindVertexArray(d.vertex_array);
  glBindBuffer(GL_ARRAY_BUFFER, d.vertex_buffer);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, d.element_buffer);
  glEnableVertexAttribArray(static_cast<GLuint>(d.attribute_position));
  glEnableVertexAttribArray(static_cast<GLuint>(d.attribute_uv));
  glEnableVertexAttribArray(static_cast<GLuint>(d.attribute_color));
  const GLsizei stride = static_cast<GLsizei>(kVertexSize);
  glVertexAttribPointer(static_cast<GLuint>(d.attribute_position), 2, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<void*>(0));
  glVertexAttribPointer(static_cast<GLuint>(d.attribute_uv), 2, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<void*>(8));
  glVertexAttribPointer(static_cast<GLuint>(d.attribute_color), 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                        reinterpret_cast<void*>(16));

  QEL_LOG(DeviceTextureAndBuffersRestored);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(last_texture));
  glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(last_array_buffer));
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLuint>(last_element_buffer));
  glBindVertexArray(static_cast<GLuint>(last_vertex_array));
  return true;
}

// Settles the target size and the host's render target for this frame; returns the
// anti-aliasing to use.
nk_anti_aliasing SettleTarget(RenderDevice& d, nk_anti_aliasing requested) {
  HostCommandTable& host = HostCommands();
  if (d.fixed_virtual_resolution) {
    host.SETRENDERTOIMAGE_0_L_L(d.render_image, -1);
    if (!host.GETSPRITEVISIBLE_L_L(d.sprite)) {
      d.target_width = host.GETIMAGEWIDTH_F_L(d.render_image);
      d.target_height = host.GETIMAGEHEIGHT_F_L(d.render_image);
      host.SETSPRITEVISIBLE_0_L_L(d.sprite, 1);
    }
    const HostSize virtual_size = FrameVirtualSize();
    const float virtual_width = static_cast<float>(virtual_size.width);
    const float virtual_height = static_cast<float>(virtual_size.height);
    if (d.target_width != virtual_width || d.target_height != virtual_height) {
      d.target_width = virtual_width;
      d.target_height = virtual_height;
    }
    host.SETVIRTUALRESOLUTION_0_L_L(static_cast<int32_t>(d.target_width), static_cast<int32_t>(d.target_height));
    d.frame.virtual_width = static_cast<int32_t>(d.target_width);
    d.frame.virtual_height = static_cast<int32_t>(d.target_height);
    host.CLEARSCREEN_0_0();
    return NK_ANTI_ALIASING_OFF;  // the image is shown scaled; smoothing edges would blur it
  }
  if (host.GETSPRITEVISIBLE_L_L(d.sprite)) host.SETSPRITEVISIBLE_0_L_L(d.sprite, 0);
  const float device_width = static_cast<float>(host.GETDEVICEWIDTH_L_0());
  const float device_height = static_cast<float>(host.GETDEVICEHEIGHT_L_0());
  if (d.target_width != device_width || d.target_height != device_height) {
    d.target_width = device_width;
    d.target_height = device_height;
    host.SETVIRTUALRESOLUTION_0_L_L(static_cast<int32_t>(device_width), static_cast<int32_t>(device_height));
    d.frame.virtual_width = static_cast<int32_t>(device_width);
    d.frame.virtual_height = static_cast<int32_t>(device_height);
    d.frame.virtual_size_known = true;
  }
  return requested;
}

// Indices are 32-bit, whatever the number of vertices a frame has.
static_assert(sizeof(nk_draw_index) == 4, "Nuklear must be built with NK_UINT_DRAW_INDEX");
constexpr GLenum kIndexType = GL_UNSIGNED_INT;

// Gives a bound buffer the storage its sizing asks for; a steady frame finds it so already.
void SettleStorage(GLenum target, size_t capacity, size_t& storage) {
  if (storage == capacity) return;
  glBufferData(target, static_cast<GLsizeiptr>(capacity), nullptr, GL_STREAM_DRAW);
  storage = capacity;
}

// Maps the whole of a bound buffer for writing; its old contents (the last frame's) are
// invalidated, so the driver never waits for them or copies them.
void* MapForFrame(GLenum target, size_t capacity) {
  if (capacity == 0) return nullptr;
  return glMapBufferRange(target, 0, static_cast<GLsizeiptr>(capacity),
                          GL_MAP_WRITE_BIT | GL_MAP_INVALIDATE_BUFFER_BIT);
}

// After the driver refused to map a buffer grown past what the caller asked: it becomes that
// buffer's limit (halved), so later frames draw what fits instead of failing again and again.
bool LowerRefusedLimit(BufferSizing& sizing, size_t& limit) {
  if (sizing.capacity <= sizing.floor) return false;
  limit = std::max(sizing.floor, sizing.capacity / 2);
  sizing.capacity = limit;
  return true;
}

// Converts the context's commands into the mapped buffers. Grows the buffers and converts
// again while the frame does not fit, up to the device's limits. Returns false when nothing
// may be drawn (the buffers could not be mapped).
bool ConvertFrame(RenderDevice& d, nk_anti_aliasing aa) {
  static const nk_draw_vertex_layout_element kLayout[] = {
      {NK_VERTEX_POSITION, NK_FORMAT_FLOAT, 0},
      {NK_VERTEX_TEXCOORD, NK_FORMAT_FLOAT, 8},
      {NK_VERTEX_COLOR, NK_FORMAT_R8G8B8A8, 16},
      {NK_VERTEX_LAYOUT_END}};
  nk_convert_config config{};
  config.vertex_layout = kLayout;
  config.vertex_size = kVertexSize;
  config.vertex_alignment = 4;
  config.null = d.null_texture;
  config.circle_segment_count = 22;
  config.curve_segment_count = 22;
  config.arc_segment_count = 22;
  config.global_alpha = 1.0f;
  config.shape_AA = aa;
  config.line_AA = aa;

  // A frame that cannot be drawn whole is converted with zeroed indices (see below). Frames
  // that fit need no zeroing; a frame like a clipped last one is zeroed from the start.
  bool zero_elements = d.last_frame_clipped;
  d.last_frame_clipped = false;
  for (;;) {
    SettleStorage(GL_ARRAY_BUFFER, d.vertex_sizing.capacity, d.vertex_storage);
    SettleStorage(GL_ELEMENT_ARRAY_BUFFER, d.element_sizing.capacity, d.element_storage);
    void* vertices = MapForFrame(GL_ARRAY_BUFFER, d.vertex_storage);
    void* elements = MapForFrame(GL_ELEMENT_ARRAY_BUFFER, d.element_storage);
    if (!vertices || !elements) {
      const GLenum error = glGetError();
      if (vertices) glUnmapBuffer(GL_ARRAY_BUFFER);
      if (elements) glUnmapBuffer(GL_ELEMENT_ARRAY_BUFFER);
      const bool vertices_lowered = !vertices && LowerRefusedLimit(d.vertex_sizing, d.vertex_limit);
      const bool elements_lowered = !elements && LowerRefusedLimit(d.element_sizing, d.element_limit);
      if (vertices_lowered || elements_lowered) continue;
      if (!d.warned_map_failed) QEL_LOG(DeviceBufferMapFailed, static_cast<unsigned>(error));
      d.warned_map_failed = true;
      return false;
    }
    d.warned_map_failed = false;
    // A shape whose vertices did not fit may still have claimed its indices; zeroed indices
    // make those harmless degenerate triangles.
    if (zero_elements) std::memset(elements, 0, d.element_storage);

    nk_buffer vertex_buffer, element_buffer;
    nk_buffer_init_fixed(&vertex_buffer, vertices, d.vertex_storage);
    nk_buffer_init_fixed(&element_buffer, elements, d.element_storage);
    nk_buffer_clear(&d.commands);
    if (d.phase_probe) d.phase_probe(DevicePhase::kConvertBegins);
    const nk_flags result = nk_convert(&d.context, &d.commands, &vertex_buffer, &element_buffer, &config);
    if (d.phase_probe) d.phase_probe(DevicePhase::kConvertEnds);
    glUnmapBuffer(GL_ARRAY_BUFFER);
    glUnmapBuffer(GL_ELEMENT_ARRAY_BUFFER);

    // `needed` counts every byte asked for, the refused ones too: what the whole frame takes.
    const bool vertices_full = (result & NK_CONVERT_VERTEX_BUFFER_FULL) != 0;
    const bool elements_full = (result & NK_CONVERT_ELEMENT_BUFFER_FULL) != 0;
    if (!vertices_full && !elements_full) {
      NoteFrameUsed(d.vertex_sizing, vertex_buffer.needed);
      NoteFrameUsed(d.element_sizing, element_buffer.needed);
      return true;
    }
    const bool vertices_grew = vertices_full && GrowFor(d.vertex_sizing, vertex_buffer.needed, d.vertex_limit);
    const bool elements_grew = elements_full && GrowFor(d.element_sizing, element_buffer.needed, d.element_limit);
    if (vertices_grew || elements_grew) continue;
    if (vertices_full && !zero_elements) {
      zero_elements = true;  // once more, so that what is drawn holds no stray indices
      continue;
    }
    d.last_frame_clipped = true;
    NoteFrameUsed(d.vertex_sizing, d.vertex_storage);  // a full frame: no shrinking now
    NoteFrameUsed(d.element_sizing, d.element_storage);
    if (!d.warned_frame_too_large) {
      QEL_LOG(FrameTooLarge, static_cast<unsigned>(d.vertex_limit / kVertexSize),
              static_cast<unsigned>(d.element_limit / sizeof(nk_draw_index)));
      d.warned_frame_too_large = true;
    }
    return true;
  }
}

}  // namespace

RenderDevice& Device() { return State().device; }

HostSize FrameVirtualSize() {
  RenderDevice::Frame& frame = Device().frame;
  if (!frame.virtual_size_known) {
    HostCommandTable& host = HostCommands();
    frame.virtual_width = host.GETVIRTUALWIDTH_L_0();
    frame.virtual_height = host.GETVIRTUALHEIGHT_L_0();
    frame.virtual_size_known = true;
  }
  return {frame.virtual_width, frame.virtual_height};
}

void MakeProjection(float width, float height, float out[16]) {
  const float m[16] = {2.0f / width, 0.0f, 0.0f, 0.0f,  //
                       0.0f, -2.0f / height, 0.0f, 0.0f,  //
                       0.0f, 0.0f, -1.0f, 0.0f,  //
                       -1.0f, 1.0f, 0.0f, 1.0f};
  std::memcpy(out, m, sizeof m);
}

nk_context* InitialiseDevice() {
  RenderDevice& d = Device();
  QEL_LOG(LogFileLocation, State().frame.log_path.c_str());
  QEL_LOG(NuklearVersion, "2021-02-01");
  QEL_LOG(GlewInitStarted);
  glewExperimental = GL_TRUE;
  if (glewInit() != GLEW_OK) {
    QEL_LOG(GlewSetupFailed);
    std::exit(1);
  }
  glGetError();  // GLEW's probing may leave an error behind in a core context
  QEL_LOG(GlewInitialised);
  QEL_LOG(GlVendor, GlText(GL_VENDOR));
  QEL_LOG(GlRenderer, GlText(GL_RENDERER));
  QEL_LOG(GlVersion, GlText(GL_VERSION));
  QEL_LOG(GlShaderVersion, GlText(GL_SHADING_LANGUAGE_VERSION));

  CreateHostObjects(d);

  QEL_LOG(ContextInitStarted);
  nk_init_default(&d.context, nullptr);
  QEL_LOG(ContextCreated);
  InstallClipboard(&d.context);

  QEL_LOG(DeviceCreateStarted);
  d.program_ready = CreateDeviceObjects(d);
  if (d.program_ready) {
    QEL_LOG(DeviceCreated);
  } else {
    QEL_LOG(DeviceNotCreated);
  }
  d.initialised = true;

  HostCommands().CLEARSCREEN_0_0();
  HostCommands().SYNC_0_0();
  return &d.context;
}

namespace {

// Sets the GL state the interface draws with; what it changes is the engine's and is put
// back afterwards (RestoreEngineGlState).
void SetDrawState(const RenderDevice& d, const float projection[16]) {
  glViewport(0, 0, static_cast<GLsizei>(d.target_width), static_cast<GLsizei>(d.target_height));
  glEnable(GL_BLEND);
  glBlendEquation(GL_FUNC_ADD);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_CULL_FACE);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_STENCIL_TEST);
  glEnable(GL_SCISSOR_TEST);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glActiveTexture(GL_TEXTURE0);
  glUseProgram(d.program);
  glUniform1i(d.uniform_texture, 0);
  glUniformMatrix4fv(d.uniform_projection, 1, GL_FALSE, projection);
  glBindVertexArray(d.vertex_array);
  glBindBuffer(GL_ARRAY_BUFFER, d.vertex_buffer);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, d.element_buffer);
}

// Converts the frame's commands and draws them, leaving the engine's GL state as it was.
void DrawFrame(RenderDevice& d, nk_anti_aliasing aa) {
  const float height = d.target_height;
  float projection[16];
  MakeProjection(d.target_width, height, projection);

  const EngineGlState engine = SaveEngineGlState();
  SetDrawState(d, projection);

  // Never draw past the indices the conversion wrote (a frame that did not fit); a frame
  // that could not be converted draws nothing, not the last frame's stale commands.
  const bool converted = ConvertFrame(d, aa);
  const nk_size written = converted ? d.context.draw_list.element_count : 0;
  nk_size offset = 0;
  const nk_draw_command* cmd;
  if (converted) nk_draw_foreach(cmd, &d.context, &d.commands) {
    if (!cmd->elem_count) continue;
    if (offset >= written) break;
    const nk_size count = cmd->elem_count > written - offset ? written - offset : cmd->elem_count;
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(cmd->texture.id));
    glScissor(static_cast<GLint>(cmd->clip_rect.x),
              static_cast<GLint>(height - (cmd->clip_rect.y + cmd->clip_rect.h)),
              static_cast<GLint>(cmd->clip_rect.w), static_cast<GLint>(cmd->clip_rect.h));
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(count), kIndexType,
                   reinterpret_cast<void*>(offset * sizeof(nk_draw_index)));
    offset += cmd->elem_count;
  }

  RestoreEngineGlState(engine);
}

}  // namespace

void DrawDevice(nk_anti_aliasing anti_aliasing, size_t max_vertex_bytes, size_t max_element_bytes) {
  RenderDevice& d = Device();
  if (!d.initialised) return;
  // Never past the limits, whatever the caller asks.
  AskAtLeast(d.vertex_sizing, max_vertex_bytes, d.vertex_limit);
  AskAtLeast(d.element_sizing, max_element_bytes, d.element_limit);

  const nk_anti_aliasing aa = SettleTarget(d, anti_aliasing);
  // Without its program the device draws nothing, but the frame still ends: the context is
  // cleared so that commands never pile up.
  if (d.program_ready) DrawFrame(d, aa);
  nk_clear(&d.context);

  HostCommandTable& host = HostCommands();
  if (d.fixed_virtual_resolution) host.SETRENDERTOSCREEN_0_0();
  host.SETOBJECTPOSITION_0_L_F_F_F(d.box_object, host.GETCAMERAX_F_L(1), host.GETCAMERAY_F_L(1),
                                   host.GETCAMERAZ_F_L(1));
  // The host skips drawing an empty scene; the invisible box keeps it drawing while nothing
  // else is there.
  host.SETOBJECTVISIBLE_0_L_L(d.box_object, host.GETPOLYGONSDRAWN_L_0() > 12 ? 0 : 1);
}

}  // namespace qel
