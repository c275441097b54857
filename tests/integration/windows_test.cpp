// Windows through the real exports: begin and end, the extra flags after a closed window,
// the release of a button held outside the screen, queries, results in the interface
// memblock and stored handles.
#include <string>
#include <vector>

#include "widget_fixture.h"

namespace qel {
namespace {

using Windows = WidgetTest;

TEST_F(Windows, BeforeStartUpEveryExportAnswersNeutrally) {
  EXPECT_EQ(api().WindowBegin("w", 0, 0, 100, 100, kBorder), 0);
  api().WindowEnd();
  EXPECT_EQ(api().WindowIsClosed("w"), 1);
  EXPECT_EQ(api().WindowIsHidden("w"), 1);
  EXPECT_EQ(api().WindowIsCollapsed("w"), 0);
  EXPECT_EQ(api().WindowIsActive("w"), 0);
  EXPECT_EQ(api().WindowGetFlags(), 0);
  EXPECT_EQ(api().WindowGetBoundWidth(), 0.0f);
  api().WindowClose("w");
  api().WindowSetFocus("w");
  api().WindowStorePanel(0);
}

TEST_F(Windows, AWindowClosedByItsButtonTakesInputFromTheWindowsAfterItForThatFrame) {
  StartWidgets();
  int32_t before_flags = 0, after_flags = 0;
  Rect header;
  auto describe = [&] {
    if (api().WindowBegin("before", 400, 300, 150, 100, kBorder | kMovable)) before_flags = api().WindowGetFlags();
    api().WindowEnd();
    if (api().WindowBegin("closable", 20, 20, 200, 120, kBorder | kTitle | kClosable)) {
      api().WindowGetBounds();
      header = InterfaceRect();
    }
    api().WindowEnd();
    // Movable too: a window without input must not be moved by input it does not get.
    after_flags = 0;
    if (api().WindowBegin("after", 300, 20, 150, 100, kBorder | kMovable | kScalable))
      after_flags = api().WindowGetFlags();
    api().WindowEnd();
  };
  Frame(describe);
  EXPECT_EQ(after_flags & kNoInput, 0);

  // The close button sits at the right end of the header.
  Press(header.x + header.w - 12, header.y + 10);
  Frame(describe);
  EXPECT_EQ(api().WindowIsHidden("closable"), kHidden);
  EXPECT_EQ(before_flags & kNoInput, 0);
  EXPECT_NE(after_flags & kNoInput, 0);
  EXPECT_NE(after_flags & kMovable, 0);  // the window keeps its own flags

  Release();
  Frame(describe);
  EXPECT_EQ(after_flags & kNoInput, 0);
  EXPECT_EQ(api().WindowIsHidden("closable"), kHidden);  // hidden, not gone
}

TEST_F(Windows, WindowCloseByNameClosesTheWindowForTheLaterWindowsOfItsFrame) {
  StartWidgets();
  int32_t after_flags = 0;
  auto describe = [&](bool close_first) {
    if (close_first) api().WindowClose("doomed");
    if (api().WindowBegin("doomed", 10, 10, 100, 80, kBorder)) {
      api().WindowClose("doomed");  // the current window is left alone
    }
    api().WindowEnd();
    after_flags = 0;
    if (api().WindowBegin("after", 200, 10, 100, 80, kBorder)) after_flags = api().WindowGetFlags();
    api().WindowEnd();
  };
  Frame([&] { describe(false); });
  EXPECT_EQ(api().WindowIsClosed("doomed"), 0);
  EXPECT_EQ(after_flags & kNoInput, 0);
  Frame([&] { describe(true); });
  EXPECT_NE(after_flags & kNoInput, 0);
  // Nuklear let the closed window go at the end of that frame.
  EXPECT_EQ(api().WindowIsClosed("doomed"), 1);
  EXPECT_EQ(api().WindowIsHidden("doomed"), 1);
}

// The flag alone is not enough: the widgets of a later window must not see the click.
TEST_F(Windows, AButtonInAWindowAfterAClosedOneIgnoresTheClickOfThatFrame) {
  StartWidgets();
  Rect button;
  int32_t fired = 0;
  auto describe = [&](bool close_first) {
    if (close_first) api().WindowClose("doomed");
    api().WindowBegin("doomed", 10, 10, 150, 100, kBorder);
    api().WindowEnd();
    fired = 0;
    if (api().WindowBegin("after", 300, 10, 200, 120, kBorder | kNoScrollbar)) {
      api().LayoutRowDynamic(30, 1);
      api().LayoutWidgetBounds();
      button = InterfaceRect();
      fired = api().ButtonLabel("Press");
    }
    api().WindowEnd();
  };
  auto click = [&](bool close_first) {
    Press(button.x + button.w / 2, button.y + button.h / 2);
    Frame([&] { describe(close_first); });
    const int32_t result = fired;
    Release();
    Frame([&] { describe(false); });
    return result;
  };
  Frame([&] { describe(false); });
  ASSERT_GT(button.w, 0.0f);
  EXPECT_EQ(click(false), 1);  // the button works
  EXPECT_EQ(click(true), 0);
  EXPECT_EQ(click(false), 1);  // in the next frame it works again
  EXPECT_EQ(click(true), 0);
}

// The script's own no-input flag keeps Nuklear's meaning: the window is neither moved nor
// focused, but its widgets work.
TEST_F(Windows, TheScriptsOwnNoInputFlagLeavesTheWidgetsWorking) {
  StartWidgets();
  Rect button;
  int32_t fired = 0;
  auto describe = [&] {
    if (api().WindowBegin("own", 20, 20, 200, 120, kBorder | kNoInput)) {
      api().LayoutRowDynamic(30, 1);
      api().LayoutWidgetBounds();
      button = InterfaceRect();
      fired = api().ButtonLabel("Press");
    }
    api().WindowEnd();
  };
  Frame(describe);
  Press(button.x + button.w / 2, button.y + button.h / 2);
  Frame(describe);
  EXPECT_EQ(fired, 1);
}

class HeldButton : public WidgetTest {
 protected:
  // Drags the titled window by its header, pressed at (150, 110), to `drag_to` on one axis
  // (x, or y when `vertical`), then moves on to 300 on that axis with the button still
  // held: the window's coordinate on that axis after each step.
  std::vector<float> Drag(float drag_to, bool vertical = false) {
    StartWidgets();
    std::vector<float> xs;
    auto describe = [&] {
      if (api().WindowBegin("drag", 100, 100, 200, 150, kBorder | kMovable | kTitle))
        xs.push_back(vertical ? api().WindowGetBoundY() : api().WindowGetBoundX());
      api().WindowEnd();
    };
    auto move_to = [&](float to) { vertical ? host().MoveMouse(150, to) : host().MoveMouse(to, 110); };
    Frame(describe);
    Press(150, 110);
    Frame(describe);
    move_to(drag_to);
    Frame(describe);
    move_to(300);
    Frame(describe);
    return xs;
  }
};

TEST_F(HeldButton, LeavingTheVirtualScreenReleasesTheButton) {
  ASSERT_EQ(host().VirtualWidth(), 640);
  const std::vector<float> xs = Drag(-1.0f);
  ASSERT_EQ(xs.size(), 4u);
  EXPECT_EQ(xs[2], 100.0f - 151.0f);  // followed the pointer out
  EXPECT_EQ(xs[3], xs[2]);            // then let go
}

TEST_F(HeldButton, TheLeftEdgeCountsAsInside) {
  const std::vector<float> xs = Drag(0.0f);
  ASSERT_EQ(xs.size(), 4u);
  EXPECT_EQ(xs[2], -50.0f);
  EXPECT_EQ(xs[3], 250.0f);  // still held: it follows
}

TEST_F(HeldButton, TheRightEdgeCountsAsInside) {
  const std::vector<float> xs = Drag(640.0f);
  ASSERT_EQ(xs.size(), 4u);
  EXPECT_EQ(xs[2], 590.0f);
  EXPECT_EQ(xs[3], 250.0f);
}

TEST_F(HeldButton, AboveTheVirtualScreenReleasesTheButton) {
  const std::vector<float> ys = Drag(-1.0f, true);
  ASSERT_EQ(ys.size(), 4u);
  EXPECT_EQ(ys[2], 100.0f - 111.0f);
  EXPECT_EQ(ys[3], ys[2]);
}

TEST_F(HeldButton, TheTopEdgeCountsAsInside) {
  ASSERT_EQ(host().VirtualHeight(), 480);
  const std::vector<float> ys = Drag(0.0f, true);
  ASSERT_EQ(ys.size(), 4u);
  EXPECT_EQ(ys[2], -10.0f);
  EXPECT_EQ(ys[3], 290.0f);  // still held: it follows
}

TEST_F(HeldButton, TheBottomEdgeCountsAsInside) {
  const std::vector<float> ys = Drag(480.0f, true);
  ASSERT_EQ(ys.size(), 4u);
  EXPECT_EQ(ys[2], 470.0f);
  EXPECT_EQ(ys[3], 290.0f);
}

TEST_F(Windows, StateQueriesByNameAnswerNuklearsFlagBits) {
  StartWidgets();
  auto describe = [&] {
    api().WindowBegin("w", 10, 10, 200, 100, kBorder | kTitle | kMinimizable);
    api().WindowEnd();
  };
  Frame(describe);
  EXPECT_EQ(api().WindowIsHidden("w"), 0);
  EXPECT_EQ(api().WindowIsCollapsed("w"), 0);
  EXPECT_EQ(api().WindowIsClosed("w"), 0);
  EXPECT_EQ(api().WindowIsActive("w"), 1);

  api().WindowCollapse("w", 0);
  EXPECT_EQ(api().WindowIsCollapsed("w"), kMinimized);
  api().WindowCollapseIf("w", 1, 0);
  EXPECT_EQ(api().WindowIsCollapsed("w"), kMinimized);
  api().WindowCollapseIf("w", 7, 1);
  EXPECT_EQ(api().WindowIsCollapsed("w"), 0);

  api().WindowShow("w", 0);
  Frame(describe);
  EXPECT_EQ(api().WindowIsHidden("w"), kHidden);
  api().WindowShowIf("w", 1, 1);
  EXPECT_EQ(api().WindowIsHidden("w"), 0);

  EXPECT_EQ(api().WindowIsHidden("nowhere"), 1);
  EXPECT_EQ(api().WindowIsClosed("nowhere"), 1);
  EXPECT_EQ(api().WindowIsCollapsed("nowhere"), 0);
  EXPECT_EQ(api().WindowIsActive("nowhere"), 0);
  EXPECT_EQ(api().WindowIsHidden(nullptr), 1);
}

// Nuklear's end of frame loses its window list when the active window is hidden and is the
// first window; the plug-in moves the activity on before that happens.
TEST_F(Windows, HidingTheActiveWindowLosesNoWindow) {
  StartWidgets();
  std::vector<std::string> names = {"one", "two", "three"};
  auto describe = [&] {
    for (size_t i = 0; i < names.size(); ++i) {
      api().WindowBegin(names[i].c_str(), 10.0f + 150.0f * static_cast<float>(i), 10, 140, 100, kBorder);
      api().WindowEnd();
    }
  };
  Frame(describe);
  api().WindowSetFocus("one");
  api().WindowShow("one", 0);
  Frame(describe);
  Frame(describe);
  EXPECT_EQ(api().WindowIsHidden("one"), kHidden);
  EXPECT_EQ(api().WindowIsHidden("two"), 0);
  EXPECT_EQ(api().WindowIsHidden("three"), 0);
  EXPECT_EQ(api().WindowIsActive("three"), 1);  // the top-most shown window

  // Every window hidden, then a new one and an old one shown again: all stay listed.
  api().WindowShow("two", 0);
  api().WindowShow("three", 0);
  Frame(describe);
  names.push_back("four");
  Frame(describe);
  api().WindowShow("two", 1);
  Frame(describe);
  Frame(describe);
  EXPECT_EQ(api().WindowIsHidden("one"), kHidden);
  EXPECT_EQ(api().WindowIsHidden("two"), 0);
  EXPECT_EQ(api().WindowIsHidden("three"), kHidden);
  EXPECT_EQ(api().WindowIsHidden("four"), 0);
}

TEST_F(Windows, TheOnlyWindowStaysClosedWhileTheScriptKeepsBeginningIt) {
  StartWidgets();
  Rect bounds;
  int32_t shown = 0;
  auto describe = [&] {
    shown = api().WindowBegin("main", 20, 20, 200, 120, kBorder | kTitle | kClosable);
    if (shown) {
      api().WindowGetBounds();
      bounds = InterfaceRect();
    }
    api().WindowEnd();
  };
  Frame(describe);
  Press(bounds.x + bounds.w - 12, bounds.y + 10);
  Frame(describe);
  Release();
  for (int i = 0; i < 3; ++i) {
    Frame(describe);
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(api().WindowIsHidden("main"), kHidden);
  }
  api().WindowShow("main", 1);
  Frame(describe);
  EXPECT_EQ(shown, 1);
}

TEST_F(Windows, ResultsOfEveryKindLandInTheInterfaceMemblock) {
  StartWidgets();
  const int32_t block = api().GetMemblockInterface();
  uint8_t* bytes = host().MemblockData(block);
  ASSERT_NE(bytes, nullptr);

  // No window: 16 zero bytes, and nothing beyond them touched.
  std::memset(bytes, 0xAB, 32);
  EXPECT_EQ(api().WindowGetBounds(), block);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(bytes[i], 0) << i;
  EXPECT_EQ(bytes[16], 0xAB);
  std::memset(bytes, 0xAB, 32);
  EXPECT_EQ(api().WindowGetScroll(), block);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(bytes[i], 0) << i;
  EXPECT_EQ(bytes[8], 0xAB);

  Frame([&] {
    ASSERT_TRUE(api().WindowBegin("w", 30, 40, 300, 200, kBorder | kTitle));
    EXPECT_EQ(api().WindowGetBounds(), block);
    Rect bounds = InterfaceRect();
    EXPECT_EQ(bounds.x, 30.0f);
    EXPECT_EQ(bounds.y, 40.0f);
    EXPECT_EQ(bounds.w, 300.0f);
    EXPECT_EQ(bounds.h, 200.0f);

    api().WindowGetContentRegion();
    const Rect clip = InterfaceRect();
    EXPECT_GT(clip.y, 40.0f);  // below the header
    std::memset(bytes, 0xAB, 32);
    EXPECT_EQ(api().WindowGetContentRegionMax(), block);
    EXPECT_EQ(InterfaceFloat(0), clip.x + clip.w);
    EXPECT_EQ(InterfaceFloat(1), clip.y + clip.h);
    EXPECT_EQ(bytes[8], 0xAB);  // a vector writes 8 bytes

    api().WindowSetScroll(7, -1);
    EXPECT_EQ(api().WindowGetScroll(), block);
    EXPECT_EQ(InterfaceUint(0), 7u);  // integers, not floats
    EXPECT_EQ(InterfaceUint(1), 0xFFFFFFFFu);
    api().WindowSetScroll(0, 0);
    api().WindowEnd();
  });
  EXPECT_EQ(api().WindowGetBoundX(), 0.0f);  // after the end: no current window
}

TEST_F(Windows, StoredPanelsReadTheirBoundsWhenAskedAndForgetGoneWindows) {
  StartWidgets();
  const int32_t block = api().GetMemblockInterface();
  Frame([&] {
    ASSERT_TRUE(api().WindowBegin("keep", 10, 10, 200, 150, kBorder));
    api().WindowStorePanel(3);
    api().WindowStoreCanvas(4);
    api().WindowStore(5, "keep");
    api().WindowStorePanel(-1);  // out of range: ignored
    api().WindowStorePanel(32);
    api().WindowGetPanelBounds();
    const Rect panel = InterfaceRect();
    EXPECT_EQ(api().WindowGetStoredPanelBounds(3), block);
    const Rect stored = InterfaceRect();
    EXPECT_EQ(stored.x, panel.x);
    EXPECT_EQ(stored.w, panel.w);
    EXPECT_GT(stored.w, 0.0f);
    // Entries of another kind read as empty.
    api().WindowGetStoredPanelBounds(4);
    EXPECT_EQ(InterfaceRect().w, 0.0f);
    api().WindowGetStoredPanelBounds(5);
    EXPECT_EQ(InterfaceRect().w, 0.0f);
    api().WindowGetStoredPanelBounds(32);
    EXPECT_EQ(InterfaceRect().w, 0.0f);
    api().WindowEnd();
  });
  api().WindowStoreCanvas(4);  // no current window: emptied
  // "keep" is not begun again: Nuklear frees it at the end of this frame.
  Frame();
  Frame([&] {
    // A new window may now take the freed window's place in Nuklear's memory.
    api().WindowBegin("other", 10, 10, 200, 150, kBorder);
    api().WindowGetStoredPanelBounds(3);
    EXPECT_EQ(InterfaceRect().w, 0.0f);
    api().WindowEnd();
  });
}

// Nuklear hands an ended panel's storage to the next panel; the stored one must not answer
// with that panel's bounds.
TEST_F(Windows, AStoredPanelReadsAsEmptyOnceItsWindowHasEnded) {
  StartWidgets();
  Frame([&] {
    ASSERT_TRUE(api().WindowBegin("first", 10, 10, 200, 150, kBorder));
    api().WindowStorePanel(0);
    api().WindowEnd();
    api().WindowGetStoredPanelBounds(0);
    EXPECT_EQ(InterfaceRect().w, 0.0f);
    ASSERT_TRUE(api().WindowBegin("second", 300, 50, 250, 100, kBorder));
    api().WindowGetStoredPanelBounds(0);
    EXPECT_EQ(InterfaceRect().w, 0.0f);
    EXPECT_EQ(InterfaceRect().x, 0.0f);
    api().WindowEnd();
  });
  // The next frame's panel of the same window takes the same storage: still not the stored one.
  Frame([&] {
    ASSERT_TRUE(api().WindowBegin("first", 10, 10, 200, 150, kBorder));
    api().WindowGetStoredPanelBounds(0);
    EXPECT_EQ(InterfaceRect().w, 0.0f);
    api().WindowEnd();
  });
}

}  // namespace
}  // namespace qel
