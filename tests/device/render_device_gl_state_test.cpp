// Drawing the interface inside the engine's GL context leaves every piece of GL state the
// draw touches as the engine had set it, and draws right whatever that state was.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "device/render_device.h"
#include "fonts/font_atlas.h"
#include "frame/exports.h"
#include "frame/plugin_state.h"
#include "device_fixture.h"

namespace qel {
namespace {

constexpr uint32_t kRed = 0xFF0000FFu;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

using Values = std::vector<GLint>;

GLint Integer(GLenum name) {
  GLint value = 0;
  glGetIntegerv(name, &value);
  return value;
}

Values Integers(GLenum name, int count) {
  Values values(static_cast<size_t>(count));
  glGetIntegerv(name, values.data());
  return values;
}

GLint Enabled(GLenum capability) { return glIsEnabled(capability); }

GLint DepthMask() {
  GLboolean mask = GL_TRUE;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
  return mask;
}

GLint TextureOnUnit(GLenum unit) {
  const GLint active = Integer(GL_ACTIVE_TEXTURE);
  glActiveTexture(unit);
  const GLint texture = Integer(GL_TEXTURE_BINDING_2D);
  glActiveTexture(static_cast<GLenum>(active));
  return texture;
}

GLuint CompiledShader(GLenum kind, const char* source) {
  const GLuint shader = glCreateShader(kind);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  return shader;
}

// GL objects of the engine's own, so that no binding is the 0 a fresh context has.
struct EngineObjects {
  GLuint program = 0, vertex_array = 0, array_buffer = 0, element_buffer = 0, texture_unit0 = 0,
         texture_unit3 = 0;
};

EngineObjects MakeEngineObjects() {
  EngineObjects o;
  o.program = glCreateProgram();
  glAttachShader(o.program, CompiledShader(GL_VERTEX_SHADER, "#version 330\nvoid main() { gl_Position = vec4(0.0); }\n"));
  glAttachShader(o.program,
                 CompiledShader(GL_FRAGMENT_SHADER, "#version 330\nout vec4 c;\nvoid main() { c = vec4(1.0); }\n"));
  glLinkProgram(o.program);
  glGenVertexArrays(1, &o.vertex_array);
  glGenBuffers(1, &o.array_buffer);
  glGenBuffers(1, &o.element_buffer);
  glGenTextures(1, &o.texture_unit0);
  glGenTextures(1, &o.texture_unit3);
  return o;
}

// One piece of engine state: how the engine sets it, how to read it, what it reads as.
struct StateEntry {
  const char* name;
  std::function<void()> set;
  std::function<Values()> read;
  Values expected;
};

// Every value differs from what the device sets for its own drawing.
std::vector<StateEntry> UnusualEngineState(const EngineObjects& o) {
  return {
      {"program", [o] { glUseProgram(o.program); }, [] { return Values{Integer(GL_CURRENT_PROGRAM)}; },
       {GLint(o.program)}},
      {"vertex array and its element buffer",
       [o] {
         glBindVertexArray(o.vertex_array);
         glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, o.element_buffer);
       },
       [] { return Values{Integer(GL_VERTEX_ARRAY_BINDING), Integer(GL_ELEMENT_ARRAY_BUFFER_BINDING)}; },
       {GLint(o.vertex_array), GLint(o.element_buffer)}},
      {"array buffer", [o] { glBindBuffer(GL_ARRAY_BUFFER, o.array_buffer); },
       [] { return Values{Integer(GL_ARRAY_BUFFER_BINDING)}; }, {GLint(o.array_buffer)}},
      {"blending off", [] { glDisable(GL_BLEND); }, [] { return Values{Enabled(GL_BLEND)}; }, {GL_FALSE}},
      {"blend equations", [] { glBlendEquationSeparate(GL_FUNC_SUBTRACT, GL_FUNC_REVERSE_SUBTRACT); },
       [] { return Values{Integer(GL_BLEND_EQUATION_RGB), Integer(GL_BLEND_EQUATION_ALPHA)}; },
       {GL_FUNC_SUBTRACT, GL_FUNC_REVERSE_SUBTRACT}},
      {"blend factors", [] { glBlendFuncSeparate(GL_ONE, GL_ONE, GL_ZERO, GL_DST_ALPHA); },
       [] {
         return Values{Integer(GL_BLEND_SRC_RGB), Integer(GL_BLEND_DST_RGB), Integer(GL_BLEND_SRC_ALPHA),
                       Integer(GL_BLEND_DST_ALPHA)};
       },
       {GL_ONE, GL_ONE, GL_ZERO, GL_DST_ALPHA}},
      {"face culling", [] { glEnable(GL_CULL_FACE); }, [] { return Values{Enabled(GL_CULL_FACE)}; }, {GL_TRUE}},
      {"depth test, function and mask",
       [] {
         glEnable(GL_DEPTH_TEST);
         glDepthFunc(GL_GREATER);
         glDepthMask(GL_FALSE);
       },
       [] { return Values{Enabled(GL_DEPTH_TEST), Integer(GL_DEPTH_FUNC), DepthMask()}; },
       {GL_TRUE, GL_GREATER, GL_FALSE}},
      {"stencil test",
       [] {
         glEnable(GL_STENCIL_TEST);
         glStencilFunc(GL_NEVER, 0, 0xFF);
       },
       [] { return Values{Enabled(GL_STENCIL_TEST)}; }, {GL_TRUE}},
      {"scissor test and box",
       [] {
         glEnable(GL_SCISSOR_TEST);
         glScissor(3, 5, 17, 11);
       },
       [] {
         Values v = Integers(GL_SCISSOR_BOX, 4);
         v.insert(v.begin(), Enabled(GL_SCISSOR_TEST));
         return v;
       },
       {GL_TRUE, 3, 5, 17, 11}},
      {"viewport", [] { glViewport(7, 9, 101, 53); }, [] { return Integers(GL_VIEWPORT, 4); }, {7, 9, 101, 53}},
      {"polygon mode", [] { glPolygonMode(GL_FRONT_AND_BACK, GL_LINE); },
       [] { return Integers(GL_POLYGON_MODE, 2); }, {GL_LINE, GL_LINE}},
      // Last: it leaves unit 3 active.
      {"active unit and the textures of units 0 and 3",
       [o] {
         glActiveTexture(GL_TEXTURE0);
         glBindTexture(GL_TEXTURE_2D, o.texture_unit0);
         glActiveTexture(GL_TEXTURE3);
         glBindTexture(GL_TEXTURE_2D, o.texture_unit3);
       },
       [] {
         return Values{Integer(GL_ACTIVE_TEXTURE), TextureOnUnit(GL_TEXTURE0), TextureOnUnit(GL_TEXTURE3)};
       },
       {GL_TEXTURE3, GLint(o.texture_unit0), GLint(o.texture_unit3)}},
  };
}

class RenderDeviceGlStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(320, 240);
    ASSERT_TRUE(host_->ok());
    log_ = std::string("render_device_gl_state_test_") +
           ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".log";
    ASSERT_EQ(StartPlugin(log_), 1);
    EnsureStyleFont();
    Render(0);  // the first frame settles the target size; later frames leave the host alone
    while (glGetError() != GL_NO_ERROR) {
    }
    entries_ = UnusualEngineState(MakeEngineObjects());
    for (const StateEntry& entry : entries_) entry.set();
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    for (const StateEntry& entry : entries_) ASSERT_EQ(entry.read(), entry.expected) << entry.name << ", as set";
  }

  std::unique_ptr<ReferenceHost> host_;
  std::string log_;
  std::vector<StateEntry> entries_;
};

TEST_F(RenderDeviceGlStateTest, DrawingPutsBackEveryStateItChanges) {
  DescribeShapes();
  Render(0);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  for (const StateEntry& entry : entries_) EXPECT_EQ(entry.read(), entry.expected) << entry.name;
}

TEST_F(RenderDeviceGlStateTest, FrameDrawsRightWhateverStateTheEngineLeft) {
  DescribeShapes();
  Render(0);
  const Pixels frame = host_->BackBuffer();
  ASSERT_EQ(frame.width, 320);
  // Filled (not outlined), unblended, unculled, over the whole target, untouched by depth
  // and stencil.
  EXPECT_EQ(frame.At(10, 20), kRed);
  EXPECT_EQ(frame.At(25, 40), kRed);
  EXPECT_EQ(frame.At(39, 59), kRed);
  EXPECT_NE(frame.At(40, 59), kRed);
  EXPECT_EQ(frame.At(130, 130), kWhite);
  EXPECT_EQ(frame.At(300, 10) & 0xFFFFFFu, 0u);  // the window's black background
}

}  // namespace
}  // namespace qel
