// Fonts baked while the engine has left odd pixel-unpack state (row length, skips, alignment,
// a bound unpack buffer) come out the same as fonts baked with the default state, and the
// engine finds its unpack state as it left it.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "device/render_device.h"
#include "frame/exports.h"
#include "frame/plugin_state.h"
#include "device_fixture.h"

namespace qel {
namespace {

struct UnpackSetting {
  GLenum name;
  GLint odd;
};

const UnpackSetting kOddUnpack[] = {{GL_UNPACK_ALIGNMENT, 8},   {GL_UNPACK_ROW_LENGTH, 7},
                                    {GL_UNPACK_SKIP_ROWS, 2},   {GL_UNPACK_SKIP_PIXELS, 3},
                                    {GL_UNPACK_IMAGE_HEIGHT, 5}, {GL_UNPACK_SKIP_IMAGES, 1}};

// The frame of one label in the built-in font, baked by a new stash.
Pixels LabelFrame(ReferenceHost& host) {
  FontStashBegin();
  FontStashEnd();
  nk_context* ctx = Context();
  if (nk_begin(ctx, "t", nk_rect(0, 0, 200, 60), NK_WINDOW_NO_SCROLLBAR)) {
    nk_layout_row_dynamic(ctx, 30, 1);
    nk_label(ctx, "Quick brown fox 0123", NK_TEXT_LEFT);
  }
  nk_end(ctx);
  Render(0);
  return host.BackBuffer();
}

TEST(TextureUpload, FontsBakeTheSameWhateverUnpackStateTheEngineLeft) {
  auto host = StartBoundHost(200, 60);
  ASSERT_TRUE(host->ok());
  ASSERT_EQ(StartPlugin("texture_upload_test.log"), 1);
  const Pixels plain = LabelFrame(*host);

  GLuint garbage = 0;
  glGenBuffers(1, &garbage);
  glBindBuffer(GL_PIXEL_UNPACK_BUFFER, garbage);
  const std::vector<unsigned char> noise(1 << 20, 0x5A);
  glBufferData(GL_PIXEL_UNPACK_BUFFER, static_cast<GLsizeiptr>(noise.size()), noise.data(), GL_STATIC_DRAW);
  for (const UnpackSetting& s : kOddUnpack) glPixelStorei(s.name, s.odd);

  const Pixels baked_under_odd_state = LabelFrame(*host);
  EXPECT_TRUE(baked_under_odd_state.rgba == plain.rgba) << "the label drew differently";

  GLint value = 0;
  for (const UnpackSetting& s : kOddUnpack) {
    glGetIntegerv(s.name, &value);
    EXPECT_EQ(value, s.odd) << "unpack setting 0x" << std::hex << s.name;
  }
  glGetIntegerv(GL_PIXEL_UNPACK_BUFFER_BINDING, &value);
  EXPECT_EQ(value, static_cast<GLint>(garbage));
  glBindBuffer(GL_PIXEL_UNPACK_BUFFER, 0);
}

}  // namespace
}  // namespace qel
