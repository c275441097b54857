// Style images made through the real exports, read back through a whole-image item cut from
// each and shown by the style getter ("1,texture,width,height,x,y,w,h").
#include <string>

#include "widget_fixture.h"

namespace qel {
namespace {

using StyleImages = WidgetTest;

TEST_F(StyleImages, ATakenNameKeepsItsImageAndMissingHostImagesMakeNothing) {
  Start();
  auto render_image = Command<int32_t(int32_t, int32_t, int32_t, int32_t)>("CREATERENDERIMAGE_L_L_L_L_L");
  const int32_t sheet = render_image(64, 32, 0, 0), small = render_image(16, 16, 0, 0);
  auto shown = [&](const char* name) -> std::string {
    if (!api().StyleMakeItem2("probe", name, -1, -1, 0, 0)) return "missing";
    api().StyleSetContextProperty("button", "normal", "probe");
    return api().StyleGetContextProperty("button", "normal");
  };
  auto expected = [&](int32_t image, const char* size_and_region) {
    return "1," + std::to_string(Command<int32_t(int32_t)>("GETOPENGLIMAGEID_L_L")(image)) + "," + size_and_region;
  };
  api().StyleMakeImage0("whole", sheet);
  api().StyleMakeImage1("part", sheet, 8, 4, 16, 8);
  api().ImageCreate1("plain", sheet);
  for (const char* taken : {"whole", "part", "plain"}) {
    api().StyleMakeImage0(taken, small);
    api().StyleMakeImage1(taken, small, 1, 1, 2, 2);
    EXPECT_EQ(LogCount(LogLevelAndText(msg::StyleImageExists, taken)), 2) << taken;
  }
  EXPECT_EQ(shown("whole"), expected(sheet, "64,32,0,0,64,32"));
  EXPECT_EQ(shown("part"), expected(sheet, "64,32,8,4,16,8"));
  EXPECT_EQ(shown("plain"), expected(sheet, "64,32,0,0,64,32"));
  api().StyleMakeImage0("Whole", small);  // names are case-sensitive
  EXPECT_EQ(shown("Whole"), expected(small, "16,16,0,0,16,16"));

  for (const int32_t id : {0, -1, 9999}) {
    api().StyleMakeImage0("none", id);
    api().StyleMakeImage1("none", id, 0, 0, 1, 1);
    EXPECT_EQ(LogCount(LogLevelAndText(msg::StyleHostImageMissing, id)), 2) << id;
  }
  EXPECT_EQ(shown("none"), "missing");
}

}  // namespace
}  // namespace qel
