// Groups, popups, tooltips and contextual menus through the real exports, with scripted
// input: where tooltips open near the edges of the virtual screen, a popup opened, scrolled
// and closed, a contextual menu opened by a right click and closed by a click outside, group
// scroll offsets kept by name, and stored panels of one popup not read through the next.
#include <cmath>
#include <functional>
#include <string>

#include "widget_fixture.h"

namespace qel {
namespace {

class Panels : public WidgetTest {
 protected:
  // Known tooltip measures: padding y 4, spacing y 4, border 2.
  void StartWithTooltipStyle() {
    StartWidgets();
    ASSERT_EQ(api().StyleSetContextProperty("window", "padding", "4,4"), 1);
    ASSERT_EQ(api().StyleSetContextProperty("window", "spacing", "4,4"), 1);
    ASSERT_EQ(api().StyleSetContextProperty("window", "tooltip_border", "2"), 1);
  }
  int TooltipHeight() { return static_cast<int>(3 * 4 + api().FontGetHeight() + 2 * 2 + 4); }

  Rect CurrentBounds() {
    api().WindowGetBounds();
    return InterfaceRect();
  }
};

TEST_F(Panels, TooltipsStayInsideTheVirtualScreenNearEachEdge) {
  StartWithTooltipStyle();
  const int vw = host().VirtualWidth(), vh = host().VirtualHeight();
  const int h = TooltipHeight();
  const struct {
    const char* what;
    float mouse_x, mouse_y, width, offset_x, offset_y;
    int x, y;
  } kCases[] = {
      {"open space", 100, 100, 150, 0, 0, 101, 101},
      {"right edge", static_cast<float>(vw - 50), 100, 150, 0, 0, vw - 150 - 2, 101},
      {"bottom edge", 100, static_cast<float>(vh - 5), 120, 0, 0, 101, vh - h - 2},
      {"bottom-right corner", static_cast<float>(vw - 1), static_cast<float>(vh - 1), 120, 0, 0, vw - 120 - 2,
       vh - h - 2},
      {"left edge, offset past it", 3, 100, 80, -40, 0, 0, 101},
      {"top edge, offset past it", 100, 3, 80, 0, -40, 101, 0},
      {"offset moves it", 200, 200, 80, 30, -10.5f, 231, 190},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    host().MoveMouse(c.mouse_x, c.mouse_y);
    int32_t opened = 0;
    Rect tip;
    Frame([&] {
      if (api().WindowBegin("base", 0, 0, 300, 200, kBorder)) {
        opened = api().TooltipBegin0(c.width, c.offset_x, c.offset_y);
        if (opened) {
          tip = CurrentBounds();
          api().LayoutRowDynamic(20, 1);
          api().Label("tip", kAlignLeft);
          api().TooltipEnd();
        }
      }
      api().WindowEnd();
    });
    ASSERT_EQ(opened, 1);
    EXPECT_EQ(tip.x, static_cast<float>(c.x));
    EXPECT_EQ(tip.y, static_cast<float>(c.y));
    EXPECT_EQ(tip.w, c.width);
  }
}

// Arguments no tooltip can be placed by, in windows whose clip starts left of or above the
// screen: the placement is worked out without overflowing, and the frame goes on.
TEST_F(Panels, TooltipsWithUnplaceableArgumentsKeepTheFrameSound) {
  StartWithTooltipStyle();
  const struct {
    const char* what;
    float window_x, window_y, width, offset_x, offset_y;
  } kCases[] = {
      {"infinite offsets, negative width, window left of the screen", -8, 213, -1e30f, INFINITY, INFINITY},
      {"infinite offsets, window above the screen", 40, -30, 100, INFINITY, INFINITY},
      {"negative infinite offsets", -8, -8, 100, -INFINITY, -INFINITY},
      {"not-a-number everywhere", -8, 20, NAN, NAN, NAN},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    host().MoveMouse(100, 250);
    Frame([&] {
      if (api().WindowBegin("sweep", c.window_x, c.window_y, 190, 96, 177) &&
          api().TooltipBegin0(c.width, c.offset_x, c.offset_y)) {
        api().LayoutRowDynamic(20, 1);
        api().Label("tip", kAlignLeft);
        api().TooltipEnd();
      }
      api().WindowEnd();
    });
    EXPECT_EQ(api().WindowGetFlags(), 0);  // nothing is left open
  }
}

TEST_F(Panels, TextTooltipsSitAboveThePointerUnlessGivenAVerticalOffset) {
  StartWithTooltipStyle();
  ASSERT_EQ(api().StyleMakeItem0("magenta", static_cast<int32_t>(Rgba(255, 0, 255))), 1);
  // Nuklear borders tooltips in the menu border colour.
  ASSERT_EQ(api().StyleSetContextProperty("window", "menu_border_color", "magenta"), 1);
  const int line_height = static_cast<int>(api().FontGetHeight() + 2 * 4);
  const struct {
    const char* what;
    float offset_y;
    int top;
  } kCases[] = {
      {"offset 0: a line above", 0.0f, 101 - line_height},
      {"offset -0.5 kept", -0.5f, 100},
      {"offset 10 kept", 10.0f, 111},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    host().MoveMouse(100, 100);
    Frame([&] {
      if (api().WindowBegin("base", 0, 0, 300, 200, kBorder)) {
        if (c.offset_y == 0.0f) api().Tooltip1("hint");
        else api().Tooltip0("hint", 0, c.offset_y);
      }
      api().WindowEnd();
    });
    // A thin line: its colour reaches the screen blended with what is under it.
    const ColorBox border = FindColor(host().Screen(), Rgba(255, 0, 255), 110);
    ASSERT_GT(border.count, 0);
    // The one-pixel outline lies on the popup's edge and lights the pixel before it.
    EXPECT_EQ(border.left + 1, 101);
    EXPECT_EQ(border.top + 1, c.top);
  }
}

TEST_F(Panels, APopupOpensScrollsBlocksItsWindowAndCloses) {
  StartWidgets();
  bool open = true, close_now = false, set_scroll = false;
  int32_t began = 0, scroll_x = -1, scroll_y = -1, under_clicks = 0;
  Rect popup, under;
  auto describe = [&] {
    began = 0;
    if (api().WindowBegin("host", 0, 0, 400, 300, kBorder | kNoScrollbar)) {
      if (open) {
        began = api().PopupBegin(0, "pop", kBorder, 10, 10, 200, 120);
        if (began) {
          popup = CurrentBounds();
          if (set_scroll) api().PopupSetScroll(0, 30);
          scroll_x = api().PopupGetScrollX();
          scroll_y = api().PopupGetScrollY();
          api().LayoutRowDynamic(25, 1);
          for (int i = 0; i < 20; ++i) api().Label(("line " + std::to_string(i)).c_str(), kAlignLeft);
          if (close_now) {
            api().PopupClose();
            open = false;
          }
          api().PopupEnd();
        }
      }
      // A button below the popup's rectangle.
      api().LayoutRowDynamic(140, 1);
      api().Label("", kAlignLeft);
      api().LayoutRowDynamic(30, 1);
      api().LayoutWidgetBounds();
      under = InterfaceRect();
      under_clicks += api().ButtonLabel("under");
    }
    api().WindowEnd();
  };
  Frame(describe);
  ASSERT_EQ(began, 1);
  EXPECT_EQ(scroll_y, 0);

  set_scroll = true;
  Frame(describe);
  set_scroll = false;
  Frame(describe);
  EXPECT_EQ(scroll_x, 0);
  EXPECT_EQ(scroll_y, 30);

  // The wheel over the popup scrolls it further.
  host().MoveMouse(popup.x + popup.w / 2, popup.y + popup.h / 2);
  host().Wheel(-1);
  Frame(describe);
  Frame(describe);
  EXPECT_GT(scroll_y, 30);

  // While it is open, the window under it takes no clicks.
  ASSERT_GT(under.w, 0.0f);
  ASSERT_GT(under.y, popup.y + popup.h);
  Press(under.x + under.w / 2, under.y + under.h / 2);
  Frame(describe);
  Release();
  Frame(describe);
  EXPECT_EQ(under_clicks, 0);

  close_now = true;
  Frame(describe);
  EXPECT_FALSE(open);
  Frame(describe);
  EXPECT_EQ(began, 0);
  Press(under.x + under.w / 2, under.y + under.h / 2);
  Frame(describe);
  Release();
  Frame(describe);
  EXPECT_EQ(under_clicks, 1);
}

TEST_F(Panels, AContextualMenuOpensOnARightClickInItsTriggerAndClosesOnAClickOutside) {
  StartWidgets();
  const struct {
    const char* what;
    float x, y;
    bool opens;
  } kCases[] = {
      {"inside the trigger", 100, 100, true},
      {"outside the trigger", 250, 150, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    int32_t open = 0;
    Rect menu;
    auto describe = [&] {
      open = 0;
      if (api().WindowBegin("menu host", 0, 0, 400, 300, kBorder)) {
        open = api().ContextualBegin(0, 120, 80, 50, 50, 100, 100);
        if (open) {
          menu = CurrentBounds();
          api().LayoutRowDynamic(25, 1);
          api().Label("item", kAlignLeft);
          api().ContextualEnd();
        }
      }
      api().WindowEnd();
    };
    Frame(describe);  // the window becomes the active one
    host().MoveMouse(c.x, c.y);
    host().MouseDown(1);
    Frame(describe);
    EXPECT_EQ(open, 0);  // opens when the click ends
    host().MouseUp(1);
    Frame(describe);
    EXPECT_EQ(open, c.opens ? 1 : 0);
    if (!c.opens) continue;
    EXPECT_EQ(menu.x, c.x);
    EXPECT_EQ(menu.y, c.y);
    // It stays where it opened while the pointer moves.
    host().MoveMouse(300, 250);
    Frame(describe);
    EXPECT_EQ(open, 1);
    EXPECT_EQ(menu.x, c.x);
    // A left click outside closes it.
    Press(300, 250);
    Frame(describe);
    EXPECT_EQ(open, 0);
    Release();
    Frame(describe);
    EXPECT_EQ(open, 0);
  }
}

TEST_F(Panels, ContextualCloseClosesTheMenuForTheNextFrame) {
  StartWidgets();
  int32_t open = 0;
  bool close = false;
  auto describe = [&] {
    open = 0;
    if (api().WindowBegin("menu host", 0, 0, 400, 300, kBorder)) {
      open = api().ContextualBegin(0, 120, 80, 0, 0, 400, 300);
      if (open) {
        if (close) api().ContextualClose();
        api().ContextualEnd();
      }
    }
    api().WindowEnd();
  };
  Frame(describe);
  host().MoveMouse(100, 100);
  host().MouseDown(1);
  Frame(describe);
  host().MouseUp(1);
  Frame(describe);
  ASSERT_EQ(open, 1);
  close = true;
  Frame(describe);
  EXPECT_EQ(open, 1);
  close = false;
  Frame(describe);
  EXPECT_EQ(open, 0);
}

TEST_F(Panels, AContextualMenuDoesNotTakeOverAnOpenPopup) {
  StartWidgets();
  int32_t popup_open = 0, menu_open = 0;
  Rect popup;
  auto describe = [&] {
    if (api().WindowBegin("host", 0, 0, 400, 300, kBorder)) {
      popup_open = api().PopupBegin(0, "pop", kBorder, 200, 10, 150, 100);
      if (popup_open) {
        popup = CurrentBounds();
        api().PopupEnd();
      }
      menu_open = api().ContextualBegin(0, 120, 80, 0, 0, 400, 300);
      if (menu_open) api().ContextualEnd();
    }
    api().WindowEnd();
  };
  Frame(describe);
  const Rect before = popup;
  host().MoveMouse(50, 200);
  host().MouseDown(1);
  Frame(describe);
  host().MouseUp(1);
  Frame(describe);
  EXPECT_EQ(menu_open, 0);
  Frame(describe);
  EXPECT_EQ(popup_open, 1);
  EXPECT_EQ(popup.x, before.x);
  EXPECT_EQ(popup.y, before.y);
}

// A panel stored inside one popup reads as empty inside the next popup of the same frame,
// though Nuklear gives that one the same window object and panel storage.
TEST_F(Panels, APanelStoredInOnePopupIsNotTheNextPopupsPanel) {
  StartWidgets();
  const struct {
    const char* what;
    std::function<int32_t()> open_second;
    std::function<void()> end_second;
  } kCases[] = {
      {"a popup of another name",
       [this] { return api().PopupBegin(0, "second", kBorder, 20, 20, 150, 100); },
       [this] {
         api().PopupClose();
         api().PopupEnd();
       }},
      {"the same popup again",
       [this] { return api().PopupBegin(0, "first", kBorder, 20, 20, 150, 100); },
       [this] {
         api().PopupClose();
         api().PopupEnd();
       }},
      {"a tooltip", [this] { return api().TooltipBegin1(100); },
       [this] { api().TooltipEnd(); }},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    Rect in_first, stored_in_first, stored_in_second{1, 1, 1, 1};
    int32_t second = 0;
    Frame([&] {
      if (api().WindowBegin("popups", 0, 0, 400, 300, kBorder)) {
        if (api().PopupBegin(0, "first", kBorder, 10, 10, 150, 100)) {
          api().WindowStorePanel(5);
          api().WindowGetPanelBounds();
          in_first = InterfaceRect();
          api().WindowGetStoredPanelBounds(5);
          stored_in_first = InterfaceRect();
          api().PopupClose();
          api().PopupEnd();
        }
        second = c.open_second();
        if (second) {
          api().WindowGetStoredPanelBounds(5);
          stored_in_second = InterfaceRect();
          c.end_second();
        }
      }
      api().WindowEnd();
    });
    EXPECT_GT(in_first.w, 0.0f);
    EXPECT_EQ(stored_in_first.x, in_first.x);
    EXPECT_EQ(stored_in_first.w, in_first.w);
    ASSERT_EQ(second, 1);
    EXPECT_EQ(stored_in_second.x, 0.0f);
    EXPECT_EQ(stored_in_second.y, 0.0f);
    EXPECT_EQ(stored_in_second.w, 0.0f);
    EXPECT_EQ(stored_in_second.h, 0.0f);
  }
}

// An end, close or scroll export without its begin, or a begin left without its end, must
// not end, hide or break the window being filled.
TEST_F(Panels, StrayEndsAndUnendedPanelsLeaveTheWindowWhole) {
  StartWidgets();
  const struct {
    const char* what;
    std::function<void()> misuse;
  } kCases[] = {
      {"GroupEnd", [this] { api().GroupEnd(); }},
      {"PopupEnd", [this] { api().PopupEnd(); }},
      {"PopupClose", [this] { api().PopupClose(); }},
      {"TooltipEnd", [this] { api().TooltipEnd(); }},
      {"ContextualClose", [this] { api().ContextualClose(); }},
      {"ContextualEnd", [this] { api().ContextualEnd(); }},
      {"a group left open", [this] { api().GroupBegin("open", kBorder); }},
      {"a popup left open", [this] { api().PopupBegin(0, "open", kBorder, 0, 0, 100, 80); }},
      {"a tooltip left open", [this] { api().TooltipBegin1(100); }},
      {"a popup inside a popup",
       [this] {
         if (api().PopupBegin(1, "outer", kBorder, 0, 0, 100, 80)) {
           EXPECT_EQ(api().PopupBegin(1, "inner", kBorder, 0, 0, 50, 40), 0);
           EXPECT_EQ(api().TooltipBegin1(50), 0);
           api().PopupClose();
           api().PopupEnd();
         }
       }},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    int32_t clicks = 0;
    Rect button;
    auto describe = [&](bool misuse) {
      if (api().WindowBegin("whole", 200, 150, 300, 200, kBorder)) {
        api().LayoutRowDynamic(30, 1);
        api().LayoutWidgetBounds();
        button = InterfaceRect();
        clicks += api().ButtonLabel("still");
        api().LayoutRowDynamic(60, 1);
        if (misuse) c.misuse();
      }
      api().WindowEnd();
    };
    Frame([&] { describe(true); });
    Frame([&] { describe(true); });
    EXPECT_EQ(api().WindowIsHidden("whole"), 0);
    Frame([&] { describe(false); });
    Press(button.x + button.w / 2, button.y + button.h / 2);
    Frame([&] { describe(false); });
    Release();
    Frame([&] { describe(false); });
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(api().WindowIsHidden("whole"), 0);
  }
}

// A group keeps its scroll offsets in its window under a hash of its name; a tree node keyed
// by the script can land on the same hash. Call sequences, cut down from random scripts,
// that crashed on it; each must give frames like any other.
TEST_F(Panels, AGroupWhoseNameMeetsATreeKeyBeginsWithoutCrashing) {
  StartWidgets();
  const std::vector<CallSequence> cases = {
      {"a spinner in an open tree tab of the same key",
       [](const ExportTable& api) {
         api.WindowBegin("tools", 99, 640, 343, 82, 84);
         api.TreePushHashed(1, "[0.5,0.5", 2, "[", -2147483648, 2);
         api.Spin("[", 0.5f, -1e30f, -1.0f, 1e-30f, 37, 2);
         api.WindowEnd();
       }},
      {"a group after a closed tree node of the same key",
       [](const ExportTable& api) {
         api.WindowBegin("groups", 10, 10, 300, 200, 0);
         api.LayoutRowDynamic(30, 1);
         if (api.TreePushHashed(0, "node", 0, "g", -1, 2)) api.TreeStatePop();
         api.LayoutRowDynamic(100, 1);
         if (api.GroupBegin("g", 0)) {
           api.LayoutRowDynamic(20, 1);
           api.Label("inside", 17);
           api.GroupEnd();
         }
         api.WindowEnd();
       }},
  };
  for (const CallSequence& c : cases) {
    SCOPED_TRACE(c.what);
    Frame([&] { c.calls(api()); });
    Frame([&] { c.calls(api()); });
  }
}

}  // namespace
}  // namespace qel
