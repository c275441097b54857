// The font texture FontStashEnd makes: the GL state it leaves behind, and what happens when
// the baked atlas is larger than GL can hold.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "device/render_device.h"
#include "device_fixture.h"
#include "fonts/font_atlas.h"
#include "fonts/font_table.h"
#include "frame/exports.h"

namespace qel {
namespace {

const std::string kDejaVuRaw = "raw:/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class FontStash : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(320, 240);
    ASSERT_TRUE(host_->ok());
    log_ = ::testing::TempDir() + "qel_font_stash_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".log";
    ASSERT_EQ(StartPlugin(log_), 1);
  }
  std::string Log() const {
    std::ifstream in(log_);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static GLint BoundTexture() {
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    return bound;
  }
  static float Measure(const char* id) {
    const nk_user_font* font = Fonts().Find(id);
    return font ? font->width(font->userdata, font->height, "abc", 3) : -1.0f;
  }

  std::string log_;
  std::unique_ptr<ReferenceHost> host_;
};

TEST_F(FontStash, TheTextureBoundBeforeIsBoundAgainAfterABakeThatWorkedOrFailed) {
  GLuint mine = 0;
  glGenTextures(1, &mine);
  glBindTexture(GL_TEXTURE_2D, mine);

  FontStashBegin();
  ASSERT_EQ(FontAtlasAddFromFile("sans", kDejaVuRaw.c_str(), 20.0f), 1);
  FontStashEnd();
  EXPECT_EQ(BoundTexture(), static_cast<GLint>(mine));
  EXPECT_NE(Device().font_texture, mine);
  EXPECT_GT(Measure("sans"), 20.0f);

  FontStashBegin();
  ASSERT_EQ(FontAtlasAddFromFile("huge", kDejaVuRaw.c_str(), 400.0f), 1);
  FontStashEnd();
  ASSERT_NE(Log().find(LogLevelAndText(msg::AtlasBakeFailed)), std::string::npos);
  EXPECT_EQ(BoundTexture(), static_cast<GLint>(mine));
  EXPECT_EQ(Measure("huge"), 0.0f);
  glDeleteTextures(1, &mine);
}

TEST_F(FontStash, AnAtlasTallerThanTheLargestTextureCountsAsAFailedBake) {
  GLint most = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &most);
  // DejaVu at 200 pixels, three times oversampled, fills an atlas 512 wide and 32768 tall.
  if (most >= 32768) GTEST_SKIP() << "GL takes textures of " << most << " pixels";

  FontStashBegin();
  ASSERT_EQ(FontAtlasAddFromFile("tall", kDejaVuRaw.c_str(), 200.0f), 1);
  FontStashEnd();
  const std::string log = Log();
  EXPECT_NE(log.find(LogLevelAndText(msg::AtlasLargerThanTexture, 512, 32768, most)), std::string::npos);
  EXPECT_NE(log.find(LogLevelAndText(msg::AtlasBakeFailed)), std::string::npos);
  EXPECT_EQ(Measure("tall"), 0.0f);
  EXPECT_EQ(Device().null_texture.uv.x, 0.5f);  // shapes draw from the white pixel
  GLint width = 0;
  glBindTexture(GL_TEXTURE_2D, Device().font_texture);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
  glBindTexture(GL_TEXTURE_2D, 0);
  EXPECT_EQ(width, 1);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
}  // namespace qel
