#include "scene_renderer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace qel::engine {

namespace {

constexpr int kTrianglesPerBox = 12;
constexpr int kTrianglesPerSprite = 2;

const char* const kBoxVertexShader = R"(#version 330 core
uniform mat4 ViewProjection;
uniform vec3 Offset;
uniform vec3 Size;
layout(location = 0) in vec3 Position;
layout(location = 1) in vec3 Normal;
out vec3 FaceNormal;
void main() {
  FaceNormal = Normal;
  gl_Position = ViewProjection * vec4(Offset + Position * Size, 1.0);
}
)";

const char* const kBoxFragmentShader = R"(#version 330 core
uniform vec4 Color;
in vec3 FaceNormal;
out vec4 OutColor;
void main() {
  // One directional light from above, right and in front of the camera, plus ambient.
  vec3 towards_light = normalize(vec3(0.4, 0.7, -0.6));
  float light = 0.35 + 0.65 * max(dot(normalize(FaceNormal), towards_light), 0.0);
  OutColor = vec4(Color.rgb * light, Color.a);
}
)";

const char* const kSpriteVertexShader = R"(#version 330 core
uniform mat4 Projection;
layout(location = 0) in vec2 Position;
layout(location = 1) in vec2 TexCoord;
out vec2 UV;
void main() {
  UV = TexCoord;
  gl_Position = Projection * vec4(Position, 0.0, 1.0);
}
)";

const char* const kSpriteFragmentShader = R"(#version 330 core
uniform sampler2D Texture;
uniform vec4 Tint;
in vec2 UV;
out vec4 OutColor;
void main() {
  OutColor = texture(Texture, UV) * Tint;
}
)";

GLuint CompileShader(GLenum type, const char* source) {
  const GLuint shader = glCreateShader(type);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint status = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
  if (status != GL_TRUE) {
    std::array<char, 1024> log{};
    glGetShaderInfoLog(shader, static_cast<GLsizei>(log.size()), nullptr, log.data());
    std::fprintf(stderr, "qelhost: shader does not compile: %s\n", log.data());
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

GLuint LinkProgram(const char* vertex_source, const char* fragment_source) {
  const GLuint vertex = CompileShader(GL_VERTEX_SHADER, vertex_source);
  const GLuint fragment = CompileShader(GL_FRAGMENT_SHADER, fragment_source);
  GLuint program = 0;
  if (vertex && fragment) {
    program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);
    GLint status = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &status);
    if (status != GL_TRUE) {
      std::array<char, 1024> log{};
      glGetProgramInfoLog(program, static_cast<GLsizei>(log.size()), nullptr, log.data());
      std::fprintf(stderr, "qelhost: shader program does not link: %s\n", log.data());
      glDeleteProgram(program);
      program = 0;
    }
  }
  if (vertex) glDeleteShader(vertex);
  if (fragment) glDeleteShader(fragment);
  return program;
}

// A unit cube around the origin, 6 faces of 2 triangles: position and outward normal per
// vertex. Front faces wind counter-clockwise as the camera (looking along +z) sees them.
std::vector<float> UnitCube() {
  struct Axis {
    float x, y, z;
  };
  auto cross = [](Axis a, Axis b) { return Axis{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; };
  const Axis normals[] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
  std::vector<float> vertices;
  for (const Axis n : normals) {
    const Axis u = n.x != 0 ? Axis{0, 1, 0} : Axis{1, 0, 0};
    const Axis v = cross(u, n);  // u x v = -n: counter-clockwise on screen in this world
    const float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    for (int index : {0, 1, 2, 0, 2, 3}) {
      const float a = corners[index][0] * 0.5f, b = corners[index][1] * 0.5f;
      vertices.insert(vertices.end(), {n.x * 0.5f + u.x * a + v.x * b, n.y * 0.5f + u.y * a + v.y * b,
                                       n.z * 0.5f + u.z * a + v.z * b, n.x, n.y, n.z});
    }
  }
  return vertices;
}

// Perspective view of camera 1, column-major: translate by -camera, then project with the
// camera looking along +z.
std::array<float, 16> ViewProjection(const Camera& camera, float aspect) {
  const float f = 1.0f / std::tan(camera.fov_degrees * 3.14159265f / 360.0f);
  const float n = camera.near_range, r = camera.far_range;
  const float a = (r + n) / (r - n), b = -2.0f * r * n / (r - n);
  const float tx = -camera.x, ty = -camera.y, tz = -camera.z;
  return {f / aspect, 0, 0, 0,  //
          0, f, 0, 0,           //
          0, 0, a, 1,           //
          f / aspect * tx, f * ty, a * tz + b, tz};
}

void SetBlending(int32_t transparency) {
  if (transparency == kOpaque) {
    glDisable(GL_BLEND);
    return;
  }
  glEnable(GL_BLEND);
  glBlendEquation(GL_FUNC_ADD);
  if (transparency == kAdditive)
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE, GL_ZERO, GL_ONE);
  else
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
}

}  // namespace

bool SceneRenderer::Init() {
  box_program_ = LinkProgram(kBoxVertexShader, kBoxFragmentShader);
  sprite_program_ = LinkProgram(kSpriteVertexShader, kSpriteFragmentShader);
  if (!box_program_ || !sprite_program_) return false;
  box_view_projection_ = glGetUniformLocation(box_program_, "ViewProjection");
  box_offset_ = glGetUniformLocation(box_program_, "Offset");
  box_size_ = glGetUniformLocation(box_program_, "Size");
  box_color_ = glGetUniformLocation(box_program_, "Color");
  sprite_projection_ = glGetUniformLocation(sprite_program_, "Projection");
  sprite_tint_ = glGetUniformLocation(sprite_program_, "Tint");
  sprite_texture_ = glGetUniformLocation(sprite_program_, "Texture");

  GLint vao = 0, buffer = 0, texture = 0;
  glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vao);
  glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &buffer);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);

  const std::vector<float> cube = UnitCube();
  glGenVertexArrays(1, &box_vao_);
  glGenBuffers(1, &box_vbo_);
  glBindVertexArray(box_vao_);
  glBindBuffer(GL_ARRAY_BUFFER, box_vbo_);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(cube.size() * sizeof(float)), cube.data(), GL_STATIC_DRAW);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 6 * sizeof(float), nullptr);
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, 6 * sizeof(float), reinterpret_cast<const void*>(3 * sizeof(float)));

  glGenVertexArrays(1, &sprite_vao_);
  glGenBuffers(1, &sprite_vbo_);
  glBindVertexArray(sprite_vao_);
  glBindBuffer(GL_ARRAY_BUFFER, sprite_vbo_);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 4 * sizeof(float), nullptr);
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 4 * sizeof(float), reinterpret_cast<const void*>(2 * sizeof(float)));

  const uint8_t white[4] = {255, 255, 255, 255};
  glGenTextures(1, &white_texture_);
  glBindTexture(GL_TEXTURE_2D, white_texture_);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);

  glBindVertexArray(static_cast<GLuint>(vao));
  glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(buffer));
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
  return glGetError() == GL_NO_ERROR;
}

void SceneRenderer::Release() {
  for (GLuint* program : {&box_program_, &sprite_program_})
    if (*program) glDeleteProgram(*program), *program = 0;
  for (GLuint* vao : {&box_vao_, &sprite_vao_})
    if (*vao) glDeleteVertexArrays(1, vao), *vao = 0;
  for (GLuint* buffer : {&box_vbo_, &sprite_vbo_})
    if (*buffer) glDeleteBuffers(1, buffer), *buffer = 0;
  if (white_texture_) glDeleteTextures(1, &white_texture_), white_texture_ = 0;
}

int SceneRenderer::Draw(const Scene& scene, const Images& images, const DrawTarget& target) {
  if (!box_program_ || !sprite_program_ || target.width <= 0 || target.height <= 0) return 0;
  glViewport(0, 0, target.width, target.height);
  glDisable(GL_SCISSOR_TEST);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  const int triangles = DrawBoxes(scene, target) + DrawSprites(scene, images, target);
  // Leave the plain state a plug-in drawing after us starts from.
  glDisable(GL_DEPTH_TEST);
  glDepthMask(GL_TRUE);
  glDisable(GL_CULL_FACE);
  glDisable(GL_BLEND);
  glUseProgram(0);
  glBindVertexArray(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glBindTexture(GL_TEXTURE_2D, 0);
  return triangles;
}

int SceneRenderer::DrawBoxes(const Scene& scene, const DrawTarget& target) {
  const Camera& camera = scene.camera;
  // Opaque boxes first; then the transparent ones from far to near, so that each blends
  // over what lies behind it.
  std::vector<const BoxObject*> opaque, transparent;
  for (const auto& [id, box] : scene.objects.items())
    if (box.visible) (box.transparency == kOpaque ? opaque : transparent).push_back(&box);
  auto distance = [&camera](const BoxObject* b) {
    const float dx = b->x - camera.x, dy = b->y - camera.y, dz = b->z - camera.z;
    return dx * dx + dy * dy + dz * dz;
  };
  std::stable_sort(transparent.begin(), transparent.end(),
                   [&](const BoxObject* a, const BoxObject* b) { return distance(a) > distance(b); });
  if (opaque.empty() && transparent.empty()) return 0;

  const auto view_projection =
      ViewProjection(camera, static_cast<float>(target.width) / static_cast<float>(target.height));
  glUseProgram(box_program_);
  glUniformMatrix4fv(box_view_projection_, 1, GL_FALSE, view_projection.data());
  glBindVertexArray(box_vao_);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  glFrontFace(GL_CCW);
  auto draw = [&](const BoxObject* box) {
    SetBlending(box->transparency);
    glDepthMask(box->transparency == kOpaque ? GL_TRUE : GL_FALSE);
    glUniform3f(box_offset_, box->x, box->y, box->z);
    glUniform3f(box_size_, box->width, box->height, box->length);
    glUniform4f(box_color_, box->red / 255.0f, box->green / 255.0f, box->blue / 255.0f, box->alpha / 255.0f);
    glDrawArrays(GL_TRIANGLES, 0, 36);
  };
  for (const BoxObject* box : opaque) draw(box);
  for (const BoxObject* box : transparent) draw(box);
  return kTrianglesPerBox * static_cast<int>(opaque.size() + transparent.size());
}

int SceneRenderer::DrawSprites(const Scene& scene, const Images& images, const DrawTarget& target) {
  // Higher depths first; at equal depth, the sprite made first is drawn first.
  std::vector<const Sprite*> order;
  for (const auto& [id, sprite] : scene.sprites.items())
    if (sprite.visible) order.push_back(&sprite);
  std::stable_sort(order.begin(), order.end(), [](const Sprite* a, const Sprite* b) { return a->depth > b->depth; });
  if (order.empty()) return 0;

  // Corners top-left, bottom-left, top-right, bottom-right as a strip. An unflipped sprite
  // shows v = 0 (a loaded image's top row) at its top.
  std::vector<float> vertices;
  vertices.reserve(order.size() * 16);
  for (const Sprite* s : order) {
    const float left = s->x - s->width * 0.5f, right = s->x + s->width * 0.5f;
    const float top = s->y - s->height * 0.5f, bottom = s->y + s->height * 0.5f;
    const float u0 = s->flip_horizontal ? 1.0f : 0.0f, u1 = 1.0f - u0;
    const float v0 = s->flip_vertical ? 1.0f : 0.0f, v1 = 1.0f - v0;
    vertices.insert(vertices.end(), {left, top, u0, v0, left, bottom, u0, v1, right, top, u1, v0, right, bottom, u1, v1});
  }

  // Virtual resolution to clip space, y down. Screen-fixed and world sprites share it: the
  // world view never scrolls or zooms in this engine.
  const float sx = 2.0f / static_cast<float>(std::max(target.virtual_width, 1));
  const float sy = -2.0f / static_cast<float>(std::max(target.virtual_height, 1));
  const float projection[16] = {sx, 0, 0, 0, 0, sy, 0, 0, 0, 0, 1, 0, -1, 1, 0, 1};

  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glUseProgram(sprite_program_);
  glUniformMatrix4fv(sprite_projection_, 1, GL_FALSE, projection);
  glUniform1i(sprite_texture_, 0);
  glActiveTexture(GL_TEXTURE0);
  glBindVertexArray(sprite_vao_);
  glBindBuffer(GL_ARRAY_BUFFER, sprite_vbo_);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(float)), vertices.data(),
               GL_STREAM_DRAW);
  for (size_t i = 0; i < order.size(); ++i) {
    const Sprite* s = order[i];
    const Image* image = images.Find(s->image);
    const bool textured = image && image->texture && !image->depth;
    glBindTexture(GL_TEXTURE_2D, textured ? image->texture : white_texture_);
    SetBlending(s->transparency);
    glUniform4f(sprite_tint_, 1, 1, 1, s->alpha / 255.0f);
    glDrawArrays(GL_TRIANGLE_STRIP, static_cast<GLint>(i * 4), 4);
  }
  return kTrianglesPerSprite * static_cast<int>(order.size());
}

}  // namespace qel::engine
