// Style images made through the real exports, read back through an item cut from each and
// shown by the style getter ("1,texture,width,height,x,y,w,h").
#include <string>

#include "widget_fixture.h"

namespace qel {
namespace {

class StyleImages : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    Start();
    auto render_image = Command<int32_t(int32_t, int32_t, int32_t, int32_t)>("CREATERENDERIMAGE_L_L_L_L_L");
    sheet_ = render_image(64, 32, 0, 0);
    small_ = render_image(16, 16, 0, 0);
  }
  // The image under `name` as a whole-image item shows it: texture, size and region.
  std::string Shown(const char* name) {
    if (!api().StyleMakeItem2("probe", name, -1, -1, 0, 0)) return "missing";
    api().StyleSetContextProperty("button", "normal", "probe");
    return api().StyleGetContextProperty("button", "normal");
  }
  std::string Expected(int32_t image, const std::string& size_and_region) {
    return "1," + std::to_string(Command<int32_t(int32_t)>("GETOPENGLIMAGEID_L_L")(image)) + "," + size_and_region;
  }
  int32_t sheet_ = 0, small_ = 0;
};

TEST_F(StyleImages, ImagesAreNamedWithTheirWholeSizeAndTheirRegion) {
  api().StyleMakeImage0("whole", sheet_);
  api().StyleMakeImage1("part", sheet_, 8, 4, 16, 8);
  api().StyleMakeImage1("past", small_, 10, 10, 100, 100);  // as passed: items cut it later
  EXPECT_EQ(Shown("whole"), Expected(sheet_, "64,32,0,0,64,32"));
  EXPECT_EQ(Shown("part"), Expected(sheet_, "64,32,8,4,16,8"));
  EXPECT_EQ(Shown("past"), Expected(small_, "16,16,10,10,6,6"));
  EXPECT_EQ(api().ImageExists1("part"), 1);
  EXPECT_EQ(LogCount(": ERROR: "), 0);
}

TEST_F(StyleImages, ATakenNameKeepsItsImage) {
  api().StyleMakeImage0("sheet", sheet_);
  api().ImageCreate1("plain", sheet_);
  struct Case {
    const char* name;
    const char* was;
  } const cases[] = {{"sheet", "64,32,0,0,64,32"}, {"plain", "64,32,0,0,64,32"}};
  for (const Case& c : cases) {
    api().StyleMakeImage0(c.name, small_);
    api().StyleMakeImage1(c.name, small_, 1, 1, 2, 2);
    EXPECT_EQ(Shown(c.name), Expected(sheet_, c.was)) << c.name;
    EXPECT_EQ(LogCount(LogLevelAndText(msg::StyleImageExists, c.name)), 2) << c.name;
  }
  api().StyleMakeImage0("Sheet", small_);  // names are case-sensitive
  EXPECT_EQ(Shown("Sheet"), Expected(small_, "16,16,0,0,16,16"));
}

TEST_F(StyleImages, MissingHostImagesMakeNothing) {
  for (const int32_t id : {0, -1, 9999}) {
    api().StyleMakeImage0("none", id);
    api().StyleMakeImage1("none", id, 0, 0, 1, 1);
    EXPECT_EQ(LogCount(LogLevelAndText(msg::StyleHostImageMissing, id)), 2) << id;
  }
  EXPECT_EQ(api().ImageExists1("none"), 0);
  api().StyleMakeImage0(nullptr, sheet_);  // a null name is the empty name
  EXPECT_EQ(api().ImageExists1(""), 1);
}

}  // namespace
}  // namespace qel
