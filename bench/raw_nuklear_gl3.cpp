#include "raw_nuklear_gl3.h"

#include <cstdio>

namespace qel {
namespace {

const char* const kVertexShader =
    "#version 330 core\n"
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
    "#version 330 core\n"
    "precision mediump float;\n"
    "uniform sampler2D Texture;\n"
    "in vec2 Frag_UV;\n"
    "in vec4 Frag_Color;\n"
    "out vec4 Out_Color;\n"
    "void main(){\n"
    "   Out_Color = Frag_Color * texture(Texture, Frag_UV.st);\n"
    "}\n";

struct Vertex {
  float position[2];
  float uv[2];
  nk_byte color[4];
};
static_assert(sizeof(Vertex) == 20, "the layout below describes a 20-byte vertex");

bool Compiled(GLuint shader) {
  GLint status = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
  return status == GL_TRUE;
}

}  // namespace

RawNuklearGl3::RawNuklearGl3() {
  CreateDeviceObjects();
  BakeFont();
  nk_buffer_init_default(&commands_);
}

RawNuklearGl3::~RawNuklearGl3() {
  nk_font_atlas_clear(&atlas_);
  nk_free(&context_);
  nk_buffer_free(&commands_);
  glDeleteTextures(1, &font_texture_);
  glDeleteBuffers(1, &vertex_buffer_);
  glDeleteBuffers(1, &element_buffer_);
  glDeleteVertexArrays(1, &vertex_array_);
  glDeleteProgram(program_);
  glDeleteShader(vertex_shader_);
  glDeleteShader(fragment_shader_);
}

void RawNuklearGl3::CreateDeviceObjects() {
  program_ = glCreateProgram();
  vertex_shader_ = glCreateShader(GL_VERTEX_SHADER);
  fragment_shader_ = glCreateShader(GL_FRAGMENT_SHADER);
  glShaderSource(vertex_shader_, 1, &kVertexShader, nullptr);
  glShaderSource(fragment_shader_, 1, &kFragmentShader, nullptr);
  glCompileShader(vertex_shader_);
  glCompileShader(fragment_shader_);
  glAttachShader(program_, vertex_shader_);
  glAttachShader(program_, fragment_shader_);
  glLinkProgram(program_);
  GLint linked = GL_FALSE;
  glGetProgramiv(program_, GL_LINK_STATUS, &linked);
  program_ready_ = Compiled(vertex_shader_) && Compiled(fragment_shader_) && linked == GL_TRUE;
  if (!program_ready_) {
    std::fprintf(stderr, "raw Nuklear backend: the shaders do not build\n");
    return;
  }
  uniform_texture_ = glGetUniformLocation(program_, "Texture");
  uniform_projection_ = glGetUniformLocation(program_, "ProjMtx");
  const GLuint position = static_cast<GLuint>(glGetAttribLocation(program_, "Position"));
  const GLuint uv = static_cast<GLuint>(glGetAttribLocation(program_, "TexCoord"));
  const GLuint color = static_cast<GLuint>(glGetAttribLocation(program_, "Color"));

  glGenBuffers(1, &vertex_buffer_);
  glGenBuffers(1, &element_buffer_);
  glGenVertexArrays(1, &vertex_array_);
  glBindVertexArray(vertex_array_);
  glBindBuffer(GL_ARRAY_BUFFER, vertex_buffer_);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, element_buffer_);
  glEnableVertexAttribArray(position);
  glEnableVertexAttribArray(uv);
  glEnableVertexAttribArray(color);
  const GLsizei stride = sizeof(Vertex);
  glVertexAttribPointer(position, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, position)));
  glVertexAttribPointer(uv, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, uv)));
  glVertexAttribPointer(color, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride, reinterpret_cast<void*>(offsetof(Vertex, color)));
  glBindVertexArray(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

void RawNuklearGl3::BakeFont() {
  nk_font_atlas_init_default(&atlas_);
  nk_font_atlas_begin(&atlas_);
  nk_font* font = nk_font_atlas_add_default(&atlas_, 13.0f, nullptr);
  int width = 0, height = 0;
  const void* pixels = nk_font_atlas_bake(&atlas_, &width, &height, NK_FONT_ATLAS_RGBA32);
  glGenTextures(1, &font_texture_);
  glBindTexture(GL_TEXTURE_2D, font_texture_);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  glBindTexture(GL_TEXTURE_2D, 0);
  nk_font_atlas_end(&atlas_, nk_handle_id(static_cast<int>(font_texture_)), &null_texture_);
  nk_init_default(&context_, &font->handle);
}

void RawNuklearGl3::Input(int x, int y) {
  nk_input_begin(&context_);
  nk_input_motion(&context_, x, y);
  nk_input_button(&context_, NK_BUTTON_LEFT, x, y, 0);
  nk_input_scroll(&context_, nk_vec2(0, 0));
  nk_input_end(&context_);
}

bool RawNuklearGl3::Map(int width, int height) {
  width_ = width;
  height_ = height;
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const GLfloat projection[16] = {2.0f / w, 0, 0, 0,  0, -2.0f / h, 0, 0,  0, 0, -1.0f, 0,  -1.0f, 1.0f, 0, 1.0f};

  glEnable(GL_BLEND);
  glBlendEquation(GL_FUNC_ADD);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_CULL_FACE);
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_SCISSOR_TEST);
  glActiveTexture(GL_TEXTURE0);
  glUseProgram(program_);
  glUniform1i(uniform_texture_, 0);
  glUniformMatrix4fv(uniform_projection_, 1, GL_FALSE, projection);
  glViewport(0, 0, width, height);

  glBindVertexArray(vertex_array_);
  glBindBuffer(GL_ARRAY_BUFFER, vertex_buffer_);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, element_buffer_);
  // Orphaning: the driver gives fresh storage while the last frame may still be drawing.
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertex_bytes_), nullptr, GL_STREAM_DRAW);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(element_bytes_), nullptr, GL_STREAM_DRAW);
  mapped_vertices_ = glMapBuffer(GL_ARRAY_BUFFER, GL_WRITE_ONLY);
  mapped_elements_ = glMapBuffer(GL_ELEMENT_ARRAY_BUFFER, GL_WRITE_ONLY);
  if (mapped_vertices_ && mapped_elements_) return true;
  Submit();  // unmaps what was mapped and drops the frame
  return false;
}

nk_flags RawNuklearGl3::Convert(nk_anti_aliasing aa) {
  static const nk_draw_vertex_layout_element kLayout[] = {
      {NK_VERTEX_POSITION, NK_FORMAT_FLOAT, offsetof(Vertex, position)},
      {NK_VERTEX_TEXCOORD, NK_FORMAT_FLOAT, offsetof(Vertex, uv)},
      {NK_VERTEX_COLOR, NK_FORMAT_R8G8B8A8, offsetof(Vertex, color)},
      {NK_VERTEX_LAYOUT_END}};
  nk_convert_config config{};
  config.vertex_layout = kLayout;
  config.vertex_size = sizeof(Vertex);
  config.vertex_alignment = alignof(Vertex);
  config.null = null_texture_;
  config.circle_segment_count = 22;
  config.curve_segment_count = 22;
  config.arc_segment_count = 22;
  config.global_alpha = 1.0f;
  config.shape_AA = aa;
  config.line_AA = aa;

  nk_buffer vertices, elements;
  nk_buffer_init_fixed(&vertices, mapped_vertices_, vertex_bytes_);
  nk_buffer_init_fixed(&elements, mapped_elements_, element_bytes_);
  const nk_flags result = nk_convert(&context_, &commands_, &vertices, &elements, &config);
  needed_vertex_bytes_ = vertices.needed;
  needed_element_bytes_ = elements.needed;
  return result;
}

void RawNuklearGl3::Submit() {
  const bool mapped = mapped_vertices_ && mapped_elements_;
  if (mapped_vertices_) glUnmapBuffer(GL_ARRAY_BUFFER);
  if (mapped_elements_) glUnmapBuffer(GL_ELEMENT_ARRAY_BUFFER);
  mapped_vertices_ = mapped_elements_ = nullptr;

  if (mapped) {
    const nk_draw_index* offset = nullptr;
    const nk_draw_command* cmd;
    nk_draw_foreach(cmd, &context_, &commands_) {
      if (!cmd->elem_count) continue;
      glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(cmd->texture.id));
      glScissor(static_cast<GLint>(cmd->clip_rect.x),
                static_cast<GLint>(static_cast<float>(height_) - (cmd->clip_rect.y + cmd->clip_rect.h)),
                static_cast<GLint>(cmd->clip_rect.w), static_cast<GLint>(cmd->clip_rect.h));
      glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(cmd->elem_count), GL_UNSIGNED_SHORT, offset);
      offset += cmd->elem_count;
    }
  }
  nk_clear(&context_);
  nk_buffer_clear(&commands_);

  // Back to GL's defaults, as the demo leaves it.
  glUseProgram(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
  glBindVertexArray(0);
  glDisable(GL_BLEND);
  glDisable(GL_SCISSOR_TEST);
}

}  // namespace qel
