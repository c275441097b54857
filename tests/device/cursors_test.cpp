// Drawn cursors: made from image items, installed for a kind, chosen, shown and hidden, and
// read back from the presented frame and from the live style's slots.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "device_fixture.h"
#include "frame/plugin_state.h"
#include "style/cursors.h"

namespace qel {
namespace {

constexpr uint32_t kMagenta = 0xFFFF00FFu, kCyan = 0xFFFFFF00u;
constexpr float kMouseX = 100, kMouseY = 75;

// Where a colour lies on screen.
struct Box {
  int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1, count = 0;
  int width() const { return count ? right - left + 1 : 0; }
  int height() const { return count ? bottom - top + 1 : 0; }
};

Box FindColor(const Pixels& screen, uint32_t color) {
  Box box;
  for (int y = 0; y < screen.height; ++y)
    for (int x = 0; x < screen.width; ++x)
      if (screen.At(x, y) == color) {
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
        ++box.count;
      }
  return box;
}

// Image items "magenta" and "cyan" (one-colour images), a colour item "flat", a nine-slice
// item "slice"; the mouse at (100, 75). The font stash gives every kind the atlas's own
// cursor and turns drawing on, as it does for a script.
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
    ASSERT_EQ(StyleMakeItem0("flat", static_cast<int32_t>(0xFF0000FFu)), 1);
    ASSERT_EQ(StyleMakeItem3("slice", "magenta", -1, -1, 0, 0, 0, 0, 0, 0), 1);
    host_->MoveMouse(kMouseX, kMouseY);
  }

  // One frame with a small window away from the mouse (Nuklear draws the cursor over the
  // frame's windows, so a frame without any shows none); `describe` runs inside it.
  template <class Describe>
  Pixels Frame(Describe&& describe) {
    HandleInput0();
    WindowBegin("corner", 0, 0, 40, 30, 0);
    describe();
    WindowEnd();
    Sync();
    return host_->Screen();
  }
  Pixels Frame() {
    return Frame([] {});
  }

  const struct nk_cursor* Entry(const char* name) { return State().style.cursors.Find(name); }
  const struct nk_cursor* Slot(int kind) { return Context()->style.cursors[kind]; }

  std::unique_ptr<ReferenceHost> host_;
  const std::string log_ = "cursors_test.log";
};

TEST_F(Cursors, MadeFromAnImageItemWithTheImageSizeByDefault) {
  const int32_t sheet = HostCommands().CREATERENDERIMAGE_L_L_L_L_L(64, 32, 0, 0);
  ImageCreate1("sheet", sheet);
  ASSERT_EQ(StyleMakeItem2("sheet", "sheet", -1, -1, 0, 0), 1);
  ASSERT_EQ(StyleMakeCursor("whole", "sheet", 0, -3, 2, 1), 1);
  const struct nk_cursor* whole = Entry("whole");
  ASSERT_NE(whole, nullptr);
  EXPECT_EQ(whole->img.handle.id, HostCommands().GETOPENGLIMAGEID_L_L(sheet));
  EXPECT_EQ((std::vector<float>{whole->size.x, whole->size.y, whole->offset.x, whole->offset.y}),
            (std::vector<float>{64, 32, 2, 1}));
  EXPECT_EQ(LogCount(log_, msg::CursorOverwritten), 0);

  // A size that cannot be drawn is bounded, with a warning naming the cursor.
  ASSERT_EQ(StyleMakeCursor("odd", "sheet", NAN, 1e9f, 0, 0), 1);
  EXPECT_EQ((std::vector<float>{Entry("odd")->size.x, Entry("odd")->size.y}), (std::vector<float>{64, 16384}));
  EXPECT_EQ(LogCount(log_, LogLevelAndText(msg::CursorPlacementBounded, "odd", 16384)), 1);
}

TEST_F(Cursors, RefusalsMakeNothing) {
  struct Refusal {
    const char* name;
    const char* item;
    std::string message;
  };
  const Refusal refusals[] = {
      {nullptr, "magenta", LogLevelAndText(msg::CursorNameEmpty)},
      {"", "magenta", LogLevelAndText(msg::CursorNameEmpty)},
      {"c", nullptr, LogLevelAndText(msg::CursorItemNameEmpty)},
      {"c", "", LogLevelAndText(msg::CursorItemNameEmpty)},
      {"c", "Magenta", LogLevelAndText(msg::CursorItemMissing, "Magenta")},
      {"c", "flat", LogLevelAndText(msg::CursorItemNotImage)},
      {"c", "slice", LogLevelAndText(msg::CursorItemNotImage)},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.message);
    const int before = LogCount(log_, r.message);
    EXPECT_EQ(StyleMakeCursor(r.name, r.item, 16, 16, 0, 0), 0);
    EXPECT_EQ(LogCount(log_, r.message), before + 1);
  }
  EXPECT_EQ(Entry("c"), nullptr);
  EXPECT_EQ(Entry(""), nullptr);

  // Installing a cursor that does not exist leaves the slot as it was.
  const struct nk_cursor* arrow = Slot(0);
  StyleReplaceCursor(0, "nothing");
  EXPECT_EQ(LogCount(log_, LogLevelAndText(msg::CursorToInstallMissing, "nothing")), 1);
  StyleReplaceCursor(0, nullptr);
  EXPECT_EQ(LogCount(log_, LogLevelAndText(msg::CursorToInstallMissing, "")), 1);
  EXPECT_EQ(Slot(0), arrow);
}

TEST_F(Cursors, KindsOutsideTheSlotsAreRefused) {
  ASSERT_EQ(StyleMakeCursor("arrow", "magenta", 16, 16, 0, 0), 1);
  const struct nk_style before = Context()->style;
  for (int32_t kind : {-1, 7, INT_MIN, INT_MAX}) {
    SCOPED_TRACE(kind);
    StyleReplaceCursor(kind, "arrow");
    EXPECT_EQ(LogCount(log_, LogLevelAndText(msg::CursorKindOutOfRange, "StyleReplaceCursor", kind)), 1);
    EXPECT_EQ(StyleSetCursor(kind), 0);
    EXPECT_EQ(LogCount(log_, LogLevelAndText(msg::CursorKindOutOfRange, "StyleSetCursor", kind)), 1);
  }
  for (int kind = 0; kind < kCursorKindCount; ++kind) EXPECT_EQ(Slot(kind), before.cursors[kind]) << kind;
  EXPECT_EQ(Context()->style.cursor_active, before.cursor_active);
}

// Before any font stash the style has no cursors at all.
TEST(CursorSlots, AKindWithoutACursorIsNotChosen) {
  auto host = StartBoundHost(64, 64);
  ASSERT_TRUE(host->ok());
  ASSERT_EQ(StartPlugin("cursor_slots_test.log"), 1);
  ImageCreate1("magenta", HostCommands().CREATEIMAGECOLOR_L_L_L_L_L(255, 0, 255, 255));
  ASSERT_EQ(StyleMakeItem2("magenta", "magenta", -1, -1, 0, 0), 1);
  ASSERT_EQ(StyleMakeCursor("move", "magenta", 0, 0, 0, 0), 1);
  for (int kind = 0; kind < kCursorKindCount; ++kind) EXPECT_EQ(StyleSetCursor(kind), 0) << kind;
  EXPECT_EQ(Context()->style.cursor_active, nullptr);
  StyleReplaceCursor(2, "move");
  EXPECT_EQ(StyleSetCursor(3), 0);
  EXPECT_EQ(StyleSetCursor(2), 1);
  EXPECT_EQ(Context()->style.cursor_active, State().style.cursors.Find("move"));
}

TEST_F(Cursors, HiddenAndShownAgain) {
  ASSERT_EQ(StyleMakeCursor("arrow", "magenta", 16, 16, 8, 8), 1);
  StyleReplaceCursor(0, "arrow");
  EXPECT_EQ(Slot(0), Entry("arrow"));

  struct Step {
    const char* what;
    void (*action)();
    bool drawn;
  };
  const Step steps[] = {
      {"installed (the font stash turned drawing on)", [] {}, true},
      {"hidden", [] { StyleHideCursor(); }, false},
      {"still hidden a frame later", [] {}, false},
      {"shown", [] { StyleShowCursor(); }, true},
      {"still shown a frame later", [] {}, true},
      {"hidden again", [] { StyleHideCursor(); }, false},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.action();
    const Box cursor = FindColor(Frame(), kMagenta);
    if (!step.drawn) {
      EXPECT_EQ(cursor.count, 0);
      continue;
    }
    // 16 by 16, its offset (8, 8) on the mouse: centred there.
    EXPECT_EQ(cursor.count, 16 * 16);
    EXPECT_EQ(cursor.left, kMouseX - 8);
    EXPECT_EQ(cursor.top, kMouseY - 8);
    EXPECT_EQ(cursor.width(), 16);
    EXPECT_EQ(cursor.height(), 16);
  }
}

TEST_F(Cursors, RemadeUnderTheSameNameChangesTheInstalledCursor) {
  ASSERT_EQ(StyleMakeCursor("arrow", "magenta", 16, 16, 0, 0), 1);
  StyleReplaceCursor(0, "arrow");
  StyleShowCursor();
  const struct nk_cursor* entry = Entry("arrow");
  EXPECT_EQ(FindColor(Frame(), kMagenta).count, 16 * 16);

  // No second install: the slot points at the entry, which changed where it stands.
  ASSERT_EQ(StyleMakeCursor("arrow", "cyan", 8, 4, -2, -3), 1);
  EXPECT_EQ(LogCount(log_, LogLevelAndText(msg::CursorOverwritten, "arrow")), 1);
  EXPECT_EQ(Entry("arrow"), entry);
  EXPECT_EQ(Slot(0), entry);
  // Other entries made meanwhile do not move it either.
  for (const char* name : {"a", "b", "c", "d", "zz"}) StyleMakeCursor(name, "magenta", 1, 1, 0, 0);
  EXPECT_EQ(Entry("arrow"), entry);

  const Pixels screen = Frame();
  EXPECT_EQ(FindColor(screen, kMagenta).count, 0);
  const Box cyan = FindColor(screen, kCyan);
  EXPECT_EQ(cyan.count, 8 * 4);
  EXPECT_EQ(cyan.left, kMouseX + 2);
  EXPECT_EQ(cyan.top, kMouseY + 3);
}

TEST_F(Cursors, TheActiveKindIsChosenForOneFrame) {
  ASSERT_EQ(StyleMakeCursor("arrow", "magenta", 16, 16, 0, 0), 1);
  ASSERT_EQ(StyleMakeCursor("beam", "cyan", 4, 16, 2, 8), 1);
  StyleReplaceCursor(0, "arrow");
  StyleShowCursor();
  StyleReplaceCursor(1, "beam");

  struct FrameCase {
    const char* what;
    int kind;  // -1: none chosen this frame
    int32_t result;
    uint32_t shown, not_shown;
  };
  const FrameCase frames[] = {
      {"arrow by default", -1, 0, kMagenta, kCyan},
      {"text chosen", 1, 1, kCyan, kMagenta},
      {"back to the arrow the next frame", -1, 0, kMagenta, kCyan},
  };
  for (const FrameCase& f : frames) {
    SCOPED_TRACE(f.what);
    int32_t result = 0;
    const Pixels screen = Frame([&] {
      if (f.kind >= 0) result = StyleSetCursor(f.kind);
    });
    EXPECT_EQ(result, f.result);
    EXPECT_GT(FindColor(screen, f.shown).count, 0);
    EXPECT_EQ(FindColor(screen, f.not_shown).count, 0);
  }
}

}  // namespace
}  // namespace qel
