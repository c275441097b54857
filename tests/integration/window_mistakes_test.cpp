// Script mistakes around windows: changing the window being filled by its own name, a window
// left open when the frame is drawn, and a begin while another window is open. Each must
// give a sound frame (no unfinished command buffer drawn, no panel lost) and the next frame
// must start clean. The sanitizer build of the test command checks the buffers themselves.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "widget_fixture.h"

namespace qel {
namespace {

class WindowMistakes : public WidgetTest {
 protected:
  static constexpr int32_t kKeptBounds = kBorder | kMovable | kTitle;  // Nuklear keeps moved bounds

  // The bounds of a movable window as its next frame begins it.
  Rect BoundsOf(const char* name) {
    Rect bounds;
    Frame([&] {
      if (api().WindowBegin(name, 0, 0, 10, 10, kKeptBounds)) {
        api().WindowGetBounds();
        bounds = InterfaceRect();
      }
      api().WindowEnd();
    });
    return bounds;
  }
};

// A change by name made between the window's begin and its end, and what it must have done
// once the window has ended.
struct MidWindowChange {
  const char* what;
  std::function<void()> change;
  std::function<void()> expect_after;
};

TEST_F(WindowMistakes, ChangesByNameToTheWindowBeingFilledApplyOnceItsPanelHasEnded) {
  StartWidgets();
  const std::vector<MidWindowChange> cases = {
      {"hide", [this] { api().WindowShow("A", 0); },
       [this] { EXPECT_EQ(api().WindowIsHidden("A"), kHidden); }},
      {"hide if", [this] { api().WindowShowIf("A", 0, 1); },
       [this] { EXPECT_EQ(api().WindowIsHidden("A"), kHidden); }},
      {"collapse", [this] { api().WindowCollapse("A", 0); },
       [this] { EXPECT_EQ(api().WindowIsCollapsed("A"), kMinimized); }},
      {"collapse if", [this] { api().WindowCollapseIf("A", 0, 1); },
       [this] { EXPECT_EQ(api().WindowIsCollapsed("A"), kMinimized); }},
      {"move", [this] { api().WindowSetPosition("A", 200, 150); },
       [this] {
         const Rect bounds = BoundsOf("A");
         EXPECT_EQ(bounds.x, 200.0f);
         EXPECT_EQ(bounds.y, 150.0f);
         EXPECT_EQ(bounds.w, 180.0f);
       }},
      {"resize", [this] { api().WindowSetSize("A", 300, 90); },
       [this] {
         const Rect bounds = BoundsOf("A");
         EXPECT_EQ(bounds.x, 10.0f);
         EXPECT_EQ(bounds.w, 300.0f);
         EXPECT_EQ(bounds.h, 90.0f);
       }},
      {"bounds then position",
       [this] {
         api().WindowSetBounds("A", 50, 60, 220, 130);
         api().WindowSetPosition("A", 70, 80);
       },
       [this] {
         const Rect bounds = BoundsOf("A");
         EXPECT_EQ(bounds.x, 70.0f);
         EXPECT_EQ(bounds.y, 80.0f);
         EXPECT_EQ(bounds.w, 220.0f);
         EXPECT_EQ(bounds.h, 130.0f);
       }},
  };
  for (const MidWindowChange& c : cases) {
    SCOPED_TRACE(c.what);
    api().WindowShow("A", 1);
    api().WindowCollapse("A", 1);
    api().WindowSetBounds("A", 10, 10, 180, 120);
    int32_t after_change = -1;
    Frame([&] {
      if (api().WindowBegin("A", 10, 10, 180, 120, kKeptBounds)) {
        api().LayoutRowDynamic(30, 1);
        api().ButtonLabel("Close");
        c.change();
        // The window is still being filled: its later widgets and queries work as before.
        api().Label("after the change", kAlignLeft);
        after_change = api().WindowGetFlags();
      }
      api().WindowEnd();
      if (api().WindowBegin("B", 300, 10, 150, 80, 1)) {
        api().LayoutRowDynamic(30, 1);
        api().Label("second", kAlignLeft);
      }
      api().WindowEnd();
    });
    EXPECT_EQ(after_change & (kHidden | kMinimized), 0);
    EXPECT_EQ(api().WindowIsHidden("B"), 0);
    c.expect_after();
  }
  EXPECT_EQ(LogCount(": ERROR: "), 0);
}

// A frame drawn with a window still open: each way of ending the frame.
struct FrameEnd {
  const char* what;
  std::function<void()> end;
};

TEST_F(WindowMistakes, AWindowLeftOpenIsEndedWithOneErrorBeforeTheFrameIsDrawn) {
  StartWidgets();
  const std::vector<FrameEnd> ends = {
      {"Sync", [this] { api().Sync(); }},
      {"Render without anti-aliasing", [this] { api().Render(0); }},
      {"Render with anti-aliasing", [this] { api().Render(1); }},
  };
  int expected_errors = 0;
  for (const FrameEnd& e : ends) {
    SCOPED_TRACE(e.what);
    api().HandleInput0();
    ASSERT_NE(api().WindowBegin("Tools", 193.1f, 212.4f, 167.2f, 42.9f, 640), 0);
    api().LayoutRowDynamic(20, 1);
    api().LabelColored("OK", 18, static_cast<int32_t>(Rgba(255, 255, 255)));
    e.end();
    ++expected_errors;
    EXPECT_EQ(LogCount(LogLevelAndText(msg::WindowNotEnded, "Tools")), expected_errors);
    // The next frame starts clean: a begin opens its window, and a paired frame logs nothing.
    int32_t begun = 0;
    Frame([&] {
      begun = api().WindowBegin("Other", 10, 10, 150, 80, 1);
      api().WindowEnd();
    });
    EXPECT_NE(begun, 0);
    EXPECT_EQ(LogCount(msg::WindowNotEnded), expected_errors);
  }
}

TEST_F(WindowMistakes, AHiddenWindowLeftOpenIsEndedTooAndStaysHidden) {
  StartWidgets();
  Frame([&] {
    api().WindowBegin("ghost", 10, 10, 150, 80, 1);
    api().WindowEnd();
  });
  api().WindowShow("ghost", 0);
  Frame([&] { EXPECT_EQ(api().WindowBegin("ghost", 10, 10, 150, 80, 1), 0); });
  EXPECT_EQ(LogCount(LogLevelAndText(msg::WindowNotEnded, "ghost")), 1);
  EXPECT_EQ(api().WindowIsHidden("ghost"), kHidden);
}

TEST_F(WindowMistakes, ABeginWhileAnotherWindowIsOpenEndsTheOpenOneFirst) {
  StartWidgets();
  int32_t second = 0, second_width = 0;
  Frame([&] {
    ASSERT_NE(api().WindowBegin("first", 10, 10, 150, 80, 1), 0);
    api().LayoutRowDynamic(20, 1);
    api().Label("one", kAlignLeft);
    second = api().WindowBegin("second", 200, 10, 170, 80, 1);
    second_width = static_cast<int32_t>(api().WindowGetWidth());
    api().WindowEnd();
  });
  EXPECT_NE(second, 0);
  EXPECT_EQ(second_width, 170);  // the second window is the current one, not the first
  EXPECT_EQ(LogCount(LogLevelAndText(msg::WindowNotEnded, "first")), 1);
  EXPECT_EQ(api().WindowIsHidden("first"), 0);
  EXPECT_EQ(api().WindowIsHidden("second"), 0);
  // Both windows live on into the next frame, paired properly, with no new complaint.
  Frame([&] {
    EXPECT_NE(api().WindowBegin("first", 10, 10, 150, 80, 1), 0);
    api().WindowEnd();
    EXPECT_NE(api().WindowBegin("second", 200, 10, 170, 80, 1), 0);
    api().WindowEnd();
  });
  EXPECT_EQ(LogCount(msg::WindowNotEnded), 1);
}

// A window closed by its close button and left open: the forced end keeps the closed-window
// rule, so a window begun after it in the same frame takes no input.
TEST_F(WindowMistakes, TheForcedEndKeepsTheClosedWindowRule) {
  StartWidgets();
  Rect header;
  int32_t after_flags = 0;
  auto describe = [&](bool pair_closable) {
    if (api().WindowBegin("closable", 20, 20, 200, 120, kBorder | kTitle | kClosable)) {
      api().WindowGetBounds();
      header = InterfaceRect();
    }
    if (pair_closable) api().WindowEnd();
    after_flags = 0;
    if (api().WindowBegin("after", 300, 20, 150, 100, kBorder)) after_flags = api().WindowGetFlags();
    api().WindowEnd();
  };
  Frame([&] { describe(true); });
  Press(header.x + header.w - 12, header.y + 10);
  Frame([&] { describe(false); });
  EXPECT_EQ(LogCount(LogLevelAndText(msg::WindowNotEnded, "closable")), 1);
  EXPECT_NE(after_flags & kNoInput, 0);
  EXPECT_EQ(api().WindowIsHidden("closable"), kHidden);
}

// Call sequences, cut down from random scripts, that once made the frame's command list link
// back on itself (drawing it would never end). Each case has window names of its own.
TEST_F(WindowMistakes, SequencesThatOnceBrokeTheCommandListDrawWholeFrames) {
  StartWidgets();
  const std::vector<CallSequence> cases = {
      {"a window begun hidden, left open, then shown from another window",
       [](const ExportTable& api) {
         api.WindowBegin("", 77, 31, 331, 188, 83);
         api.WindowShow("", 0);
         api.Render(0);
         api.WindowBegin("", 385, 572, 269, 42, 374);
         api.WindowBegin("tools", 291, 577, 72, 217, 402);
         api.WindowShow("", 1);
         api.Render(0);
       }},
      {"every window hidden while windows are left open",
       [](const ExportTable& api) {
         api.WindowBegin("sweep", 553, 107, 390, 68, 1696);
         api.WindowBegin("tools", 245, 256, 51, 202, 1226);
         api.WindowBegin("", 614, 301, 334, 197, 1220);
         api.WindowShow("", 0);
         api.WindowEnd();
         api.WindowShow("tools", 0);
         api.WindowShow("sweep", 0);
         api.Render(1);
         api.WindowBegin("sweep", 601, -2, 67, 144, 296);
         api.WindowBegin("", 405, 135, 283, 211, 896);
         api.Sync();
         api.WindowBegin("", 236, 238, 298, 123, 1347);
         api.WindowBegin("sweep", 634, 321, 18, 205, 1710);
         api.Render(0);
         api.WindowBegin("", 447, 164, 69, 233, 1683);
         api.Sync();
         api.WindowBegin("sweep", 104, 533, 369, 224, 115);
         api.WindowEnd();
       }},
      {"a popup in a window closed by name and shown again",
       [](const ExportTable& api) {
         api.WindowBegin("", 633, 643, 103, 135, 312);
         api.WindowEnd();
         api.WindowClose("");
         api.WindowShow("", 1);
         api.WindowBegin("", 245, 618, 199, 99, 1618);
         api.PopupBegin(31, std::string(5000, 'x').c_str(), 2, 0.0f, 1e30f, INFINITY, NAN);
         api.Render(0);
       }},
      {"a closed window shown again and begun while hidden windows are left open",
       [](const ExportTable& api) {
         api.WindowBegin("tools", 58, 206, 342, 139, 771);
         api.WindowBegin("", 659, 419, 126, 19, 1136);
         api.WindowBegin("sweep", 653, 69, 32, 91, 1220);
         api.WindowShow("sweep", 0);
         api.WindowEnd();
         api.WindowShow("tools", 0);
         api.WindowClose(nullptr);
         api.WindowShow(nullptr, 31);
         api.WindowBegin("", 137, 314, 318, 170, 102);
         api.Render(0);
         api.WindowBegin("sweep", -10, 198, 252, 95, 184);
         api.Render(0);
         api.WindowBegin("", 334, -16, 350, 49, 579);
         api.WindowEnd();
       }},
  };
  for (const CallSequence& c : cases) {
    SCOPED_TRACE(c.what);
    const int loops_before = LogCount(msg::FrameCommandsLoop);
    c.calls(api());
    Frame();  // and the next frame draws as usual
    EXPECT_EQ(LogCount(msg::FrameCommandsLoop), loops_before);
  }
}

}  // namespace
}  // namespace qel
