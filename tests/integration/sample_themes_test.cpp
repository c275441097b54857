// The sample themes of examples/themes, loaded the way a game loads them: from the media
// folder through StyleLoadFromFile, then drawn, their nine-slice buttons checked against the
// atlas the documents cut them from.
#include <ostream>
#include <string>

#include "widget_fixture.h"

namespace qel {
namespace {

struct ThemeButton {
  const char* theme;
  const char* style;  // "" draws the live button, otherwise the named widget style
  int region_x, region_y;
};

// Rows of the atlas cells the two button looks take (see the documents' "btn" and "accent").
const ThemeButton kButtons[] = {
    {"light", "", 2, 2},
    {"light", "accent", 2, 38},
    {"dark", "", 2, 2},
    {"dark", "accent", 2, 38},
};

void PrintTo(const ThemeButton& row, std::ostream* out) { *out << row.theme << " " << (*row.style ? row.style : "button"); }

constexpr int kCorner = 8;  // the items' nine-slice borders
constexpr int kButtonW = 160, kButtonH = 40;

class SampleThemes : public WidgetTest, public ::testing::WithParamInterface<ThemeButton> {
 protected:
  HostConfig Config() const override {
    HostConfig config = WidgetTest::Config();
    config.media_folder = std::string(QEL_TEST_DATA_DIR) + "/../../examples/media";
    return config;
  }

  static std::string Document(const char* theme) { return std::string("../themes/") + theme + ".xml"; }
};

TEST_P(SampleThemes, LoadsCleanlyAndDrawsItsButtonCornersPixelForPixel) {
  const ThemeButton& row = GetParam();
  StartWidgets();
  api().StyleLoadFromFile(Document(row.theme).c_str());
  EXPECT_EQ(LogCount(msg::StyleLoadFile), 1);
  EXPECT_EQ(LogCount(": WARN: "), 0) << LogText();
  EXPECT_EQ(LogCount(": ERROR: "), 0) << LogText();

  // Away from the button, so that it shows its normal look.
  host().MoveMouse(600, 450);
  Rect bounds;
  for (int frame = 0; frame < 2; ++frame)
    Frame([&] {
      if (api().WindowBegin("theme", 100, 100, 400, 300, 0)) {
        api().LayoutRowStatic(kButtonH, kButtonW, 1);
        api().WidgetBounds();
        bounds = InterfaceRect();
        if (*row.style)
          api().ButtonLabelStyled(row.style, "");
        else
          api().ButtonLabel("");
      }
      api().WindowEnd();
    });
  const Pixels screen = host().Screen();
  ASSERT_EQ(bounds.w, kButtonW);
  ASSERT_EQ(bounds.h, kButtonH);
  const int left = static_cast<int>(bounds.x), top = static_cast<int>(bounds.y);

  const int atlas = LoadImage(("../themes/" + std::string(row.theme) + ".png").c_str());
  ASSERT_GT(atlas, 0);
  const Pixels image = host().ImagePixels(atlas);
  ASSERT_GT(image.width, 0);

  // Every opaque pixel of the four corners lands unscaled; the outline colour among them.
  int compared = 0;
  for (int corner = 0; corner < 4; ++corner) {
    const int dx = corner % 2 ? kButtonW - kCorner : 0, dy = corner / 2 ? kButtonH - kCorner : 0;
    const int sx = corner % 2 ? 32 - kCorner : 0, sy = corner / 2 ? 32 - kCorner : 0;
    for (int y = 0; y < kCorner; ++y)
      for (int x = 0; x < kCorner; ++x) {
        const uint32_t source = image.At(row.region_x + sx + x, row.region_y + sy + y);
        if ((source >> 24) != 255) continue;
        ++compared;
        const uint32_t drawn = screen.At(left + dx + x, top + dy + y);
        EXPECT_TRUE(Near(drawn, source, 3)) << row.theme << " corner " << corner << " at " << x << "," << y << ": drawn "
                                            << std::hex << drawn << ", atlas " << source;
      }
  }
  EXPECT_GT(compared, 4 * kCorner * kCorner / 2);
}

INSTANTIATE_TEST_SUITE_P(, SampleThemes, ::testing::ValuesIn(kButtons), [](const auto& info) {
  return std::string(info.param.theme) + (*info.param.style ? "_" + std::string(info.param.style) : "");
});

}  // namespace
}  // namespace qel
