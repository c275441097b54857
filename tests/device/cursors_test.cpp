// Drawn cursors: made from image items, installed for a kind, chosen, shown and hidden, and
// read back from the presented frame and from the live style's slots.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>

#include "device_fixture.h"
#include "frame/plugin_state.h"
#include "style/cursors.h"

namespace qel {
namespace {

constexpr uint32_t kMagenta = 0xFFFF00FFu, kCyan = 0xFFFFFF00u;
constexpr int kMouseX = 100, kMouseY = 75;

// Image items "magenta" and "cyan" of one-colour images, a colour item "flat", a nine-slice
// "slice"; the mouse at (100, 75). The font stash gives every kind the atlas's own cursor
// and turns drawing on, as it does for a script.
class Cursors : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(200, 150);
    ASSERT_TRUE(host_->ok());
    ASSERT_EQ(StartPlugin(log_), 1);
    FontStashBegin();
    FontStashEnd();
    ImageCreate1("magenta", HostCommands().CREATEIMAGECOLOR_L_L_L_L_L(255, 0, 255, 255));
    ImageCreate1("cyan", HostCommands().CREATEIMAGECOLOR_L_L_L_L_L(0, 255, 255, 255));
    ASSERT_EQ(StyleMakeItem2("magenta", "magenta", -1, -1, 0, 0), 1);
    ASSERT_EQ(StyleMakeItem2("cyan", "cyan", -1, -1, 0, 0), 1);
    ASSERT_EQ(StyleMakeItem0("flat", -1), 1);
    ASSERT_EQ(StyleMakeItem3("slice", "magenta", -1, -1, 0, 0, 0, 0, 0, 0), 1);
    host_->MoveMouse(kMouseX, kMouseY);
  }
  // The left, top and pixel count of `color` in a frame with a small window in a corner
  // (Nuklear draws the cursor over the frame's windows: without one it draws none).
  std::vector<int> Drawn(uint32_t color, const std::function<void()>& inside = [] {}) {
    HandleInput0();
    WindowBegin("corner", 0, 0, 40, 30, 0);
    inside();
    WindowEnd();
    Sync();
    const Pixels screen = host_->Screen();
    int left = -1, top = -1, count = 0;
    for (int y = 0; y < screen.height; ++y)
      for (int x = 0; x < screen.width; ++x)
        if (screen.At(x, y) == color) {
          if (!count++) top = y;
          left = left < 0 ? x : std::min(left, x);
        }
    return {left, top, count};
  }
  const struct nk_cursor* Entry(const char* name) { return State().style.cursors.Find(name); }
  std::unique_ptr<ReferenceHost> host_;
  const std::string log_ = "cursors_test.log";
};

TEST_F(Cursors, RefusalsChangeNothing) {
  const struct {
    const char *name, *item;
    std::string message;
  } refusals[] = {
      {nullptr, "magenta", LogLevelAndText(msg::CursorNameEmpty)},
      {"", "magenta", LogLevelAndText(msg::CursorNameEmpty)},
      {"c", nullptr, LogLevelAndText(msg::CursorItemNameEmpty)},
      {"c", "Magenta", LogLevelAndText(msg::CursorItemMissing, "Magenta")},
      {"c", "flat", LogLevelAndText(msg::CursorItemNotImage)},
      {"c", "slice", LogLevelAndText(msg::CursorItemNotImage)},
  };
  for (const auto& r : refusals) {
    const int before = LogCount(log_, r.message);
    EXPECT_EQ(StyleMakeCursor(r.name, r.item, 16, 16, 0, 0), 0) << r.message;
    EXPECT_EQ(LogCount(log_, r.message), before + 1) << r.message;
  }
  EXPECT_EQ(Entry("c"), nullptr);

  ASSERT_EQ(StyleMakeCursor("arrow", "magenta", 16, 16, 0, 0), 1);
  const struct nk_style before = Context()->style;
  StyleReplaceCursor(0, "nothing");
  EXPECT_EQ(LogCount(log_, LogLevelAndText(msg::CursorToInstallMissing, "nothing")), 1);
  for (int32_t kind : {-1, 7, INT_MIN, INT_MAX}) {
    StyleReplaceCursor(kind, "arrow");
    EXPECT_EQ(StyleSetCursor(kind), 0);
    for (const char* from : {"StyleReplaceCursor", "StyleSetCursor"})
      EXPECT_EQ(LogCount(log_, LogLevelAndText(msg::CursorKindOutOfRange, from, kind)), 1) << from << kind;
  }
  EXPECT_TRUE(std::equal(before.cursors, before.cursors + kCursorKindCount, Context()->style.cursors));
  EXPECT_EQ(Context()->style.cursor_active, before.cursor_active);
}

TEST_F(Cursors, MadeReplacedRemadeChosenHiddenAndShown) {
  const struct {
    const char* what;
    std::function<void()> before, inside;
    uint32_t color;
    std::vector<int> drawn;  // left, top, pixels
  } steps[] = {
      {"installed: centred on its offset",
       [] {
         StyleMakeCursor("arrow", "magenta", 16, 16, 8, 8);
         StyleReplaceCursor(0, "arrow");
       },
       [] {}, kMagenta, {kMouseX - 8, kMouseY - 8, 256}},
      {"hidden", [] { StyleHideCursor(); }, [] {}, kMagenta, {-1, -1, 0}},
      {"still hidden", [] {}, [] {}, kMagenta, {-1, -1, 0}},
      {"shown", [] { StyleShowCursor(); }, [] {}, kMagenta, {kMouseX - 8, kMouseY - 8, 256}},
      // No second install: the slot still points at the entry, which changed in place.
      {"remade under its name", [] { StyleMakeCursor("arrow", "cyan", 8, 4, -2, -3); }, [] {}, kCyan,
       {kMouseX + 2, kMouseY + 3, 32}},
      {"the old look is gone", [] {}, [] {}, kMagenta, {-1, -1, 0}},
      {"text kind chosen for a frame",
       [] {
         StyleMakeCursor("beam", "magenta", 4, 16, 0, 0);
         StyleReplaceCursor(1, "beam");
       },
       [] { EXPECT_EQ(StyleSetCursor(1), 1); }, kMagenta, {kMouseX, kMouseY, 64}},
      {"the arrow again the next frame", [] {}, [] {}, kCyan, {kMouseX + 2, kMouseY + 3, 32}},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    step.before();
    EXPECT_EQ(Drawn(step.color, step.inside), step.drawn);
    EXPECT_EQ(Context()->style.cursors[0], Entry("arrow"));
  }
  EXPECT_EQ(LogCount(log_, LogLevelAndText(msg::CursorOverwritten, "arrow")), 1);
}

// Before any font stash the style has no cursors at all.
TEST(CursorSlots, AKindWithoutACursorIsNotChosen) {
  auto host = StartBoundHost(64, 64);
  ASSERT_TRUE(host->ok());
  ASSERT_EQ(StartPlugin("cursor_slots_test.log"), 1);
  ImageCreate1("sheet", HostCommands().CREATERENDERIMAGE_L_L_L_L_L(64, 32, 0, 0));
  ASSERT_EQ(StyleMakeItem2("sheet", "sheet", -1, -1, 0, 0), 1);
  ASSERT_EQ(StyleMakeCursor("move", "sheet", 0, 0, 0, 0), 1);
  EXPECT_EQ(State().style.cursors.Find("move")->size.x, 64);  // the image's own size
  EXPECT_EQ(State().style.cursors.Find("move")->size.y, 32);
  for (int kind = 0; kind < kCursorKindCount; ++kind) EXPECT_EQ(StyleSetCursor(kind), 0) << kind;
  StyleReplaceCursor(2, "move");
  EXPECT_EQ(StyleSetCursor(2), 1);
  EXPECT_EQ(Context()->style.cursor_active, State().style.cursors.Find("move"));
}

}  // namespace
}  // namespace qel
