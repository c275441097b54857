// The value widgets as drawn: the switch's track and knob measured on the presented frame,
// its track drawn with an image item, and a sheet of every value widget saved as a PNG to be
// looked at by eye.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>

#include "device_fixture.h"
#include "frame/plugin_state.h"
#include "images/image_table.h"

namespace qel {
namespace {

constexpr nk_color kSheet{0, 0, 0, 255};
constexpr nk_color kOff{200, 40, 40, 255}, kOn{40, 200, 40, 255}, kBorder{250, 250, 250, 255};

struct Box {
  int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
  int width() const { return right < 0 ? 0 : right - left + 1; }
  int height() const { return bottom < 0 ? 0 : bottom - top + 1; }
};

// Pixels of exactly `c` (or, with `other`, of any other colour) inside [x0, x1) x [y0, y1).
Box Find(const Pixels& screen, nk_color c, int x0, int y0, int x1, int y1, bool other = false) {
  const uint32_t want = c.r | (c.g << 8) | (c.b << 16);
  Box box;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if (((screen.At(x, y) & 0xFFFFFFu) == want) != other) {
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
      }
  return box;
}

class SwitchDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(480, 360);
    ASSERT_TRUE(host_->ok());
    ASSERT_EQ(StartPlugin("switch_drawing_test.log"), 1);
    FontStashBegin();
    FontStashEnd();
    host_->MoveMouse(470, 350);
    nk_context* ctx = Context();
    ctx->style.window.fixed_background = nk_style_item_color(kSheet);
    ctx->style.window.group_padding = nk_vec2(4, 4);
    ctx->style.checkbox.active = nk_style_item_color(kOff);
    ctx->style.checkbox.border_color = kBorder;
    ctx->style.selectable.normal_active = nk_style_item_color(kOn);
  }
  // Draws one switch in a row 40 high; its cell.
  struct nk_rect DrawSwitch(int32_t state) {
    struct nk_rect cell{};
    HandleInput0();
    if (WindowBegin("switch", 0, 0, 400, 200, 32)) {
      LayoutRowDynamic(40, 1);
      cell = nk_widget_bounds(Context());
      Switch("", state);
    }
    WindowEnd();
    Sync();
    return cell;
  }
  std::unique_ptr<ReferenceHost> host_;
};

TEST_F(SwitchDrawing, TrackIsTwiceAsWideAsHighAndTheKnobMovesAcrossIt) {
  for (int32_t state : {0, 1}) {
    const struct nk_rect cell = DrawSwitch(state);
    const Pixels screen = host_->Screen();
    const int tx = static_cast<int>(cell.x) + 4, ty = static_cast<int>(cell.y) + 4;
    // The track: 64 x 32 (all that is drawn in the cell with no label; the anti-aliased
    // outline adds a pixel or two), filled in its state's colour inside that outline.
    const Box track = Find(screen, kSheet, static_cast<int>(cell.x), static_cast<int>(cell.y),
                           static_cast<int>(cell.x + cell.w), static_cast<int>(cell.y + cell.h), true);
    EXPECT_NEAR(track.width(), 64, 4) << state;
    EXPECT_NEAR(track.height(), 32, 2) << state;
    EXPECT_NEAR(track.left, tx, 2) << state;
    EXPECT_NEAR(track.top, ty, 1) << state;
    EXPECT_NEAR(Find(screen, state ? kOn : kOff, 0, 0, 400, 200).height(), 32, 3) << state;
    EXPECT_EQ(Find(screen, state ? kOff : kOn, 0, 0, 400, 200).width(), 0) << state;
    // The knob: a 28 x 28 disc 2 units inside the track, at its left end when off. The
    // outline shares its colour, so only the track's middle band between the ends is read.
    const Box knob = Find(screen, kBorder, tx + 2, ty + 8, tx + 62, ty + 24);
    EXPECT_NEAR(knob.left, tx + 2 + (state ? 32 : 0), 1) << state;
    EXPECT_NEAR(knob.width(), 28, 2) << state;
  }
}

TEST_F(SwitchDrawing, AnImageItemIsDrawnAsAnImageNotReadAsAColour) {
  auto create = reinterpret_cast<int32_t (*)(int32_t, int32_t, int32_t, int32_t)>(
      ReferenceHost::Lookup("CREATEIMAGECOLOR_L_L_L_L_L"));
  ASSERT_NE(create, nullptr);
  ASSERT_GT(ImageCreate1("blue", create(30, 60, 220, 255)), 0);
  Context()->style.checkbox.active = nk_style_item_image(LookupImageName("blue"));
  const struct nk_rect cell = DrawSwitch(0);
  const Pixels screen = host_->Screen();
  // The image covers the track's rectangle (its outline drawn over the edge).
  const Box blue = Find(screen, nk_color{30, 60, 220, 255}, 0, 0, 400, 200);
  EXPECT_NEAR(blue.width(), 64, 2);
  EXPECT_NEAR(blue.height(), 32, 2);
  EXPECT_NEAR(blue.left, static_cast<int>(cell.x) + 4, 1);
}

TEST(ValueWidgetSheet, EveryValueWidgetDrawn) {
  auto host = StartBoundHost(640, 560);
  ASSERT_TRUE(host->ok());
  ASSERT_EQ(StartPlugin("value_widget_sheet_test.log"), 1);
  FontStashBegin();
  FontStashEnd();
  host->MoveMouse(630, 550);
  for (int frame = 0; frame < 2; ++frame) {
    HandleInput0();
    if (WindowBegin("Value widgets", 10, 10, 620, 540, 1 | 64 | 32)) {
      LayoutRowDynamic(26, 3);
      CheckLabel("check off", 0);
      CheckLabel("check on", 1);
      CheckFlagsLabel("flag bit 2", 6, 2);
      OptionLabel("option off", 0);
      OptionLabel("option on", 1);
      SelectLabel("selected", 18, 1);
      SelectSymbolLabel(11, "symbol", 17, 0);
      SelectLabel("not selected", 18, 0);
      Switch("switch off", 0);
      Switch("switch on", 1);
      Switch("", 1);
      Label("", 17);
      LayoutRowDynamic(26, 2);
      SlideFloat(0, 3.5f, 10, 0.5f);
      SlideInteger(0, 8, 10, 1);
      Progress(30, 100, 0);
      Progress(75, 100, 1);
      PropertyInt("#Integer:", 0, 42, 100, 1, 1);
      PropertyFloat("#Float:", 0, 2.5f, 10, 0.5f, 0.1f);
      SpinInt("spin int", 0, 5, 10, 1);
      SpinFloat("spin float", -1, 0.3333f, 1, 0.25f, 2);
      Spin("spin", 0, 123, 1000, 10, 0, 0);
      SpinFloat("spin huge", -3e38f, 1.2345678e30f, 3e38f, 1, 99);
      LayoutRowDynamic(180, 2);
      ColorPicker(0.8f, 0.4f, 0.2f, 1, 0);
      ColorPicker(0.2f, 0.5f, 0.9f, 0.6f, 1);
    }
    WindowEnd();
    Sync();
  }
  const std::filesystem::path folder = QEL_SCREENSHOT_DIR;
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "value_widgets.png").string();
  ASSERT_TRUE(ReferenceHost::SavePng(host->Screen(), path));
  std::printf("value widget sheet: %s\n", path.c_str());
}

}  // namespace
}  // namespace qel
