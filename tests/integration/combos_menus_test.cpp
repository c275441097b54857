// Combos, menus and the image drop-down through the real exports, opened and closed by the
// host's scripted clicks, with every value kept by the test as a script keeps it.
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "widget_fixture.h"

namespace qel {
namespace {

constexpr uint32_t kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kTeal = 0x808000;

class CombosMenus : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    StartWidgets();
    const int32_t red = ColorImage(255, 0, 0), green = ColorImage(0, 255, 0), blue = ColorImage(0, 0, 255);
    api().ImageCreate1("red", red);
    api().ImageCreate1("green", green);
    api().ImageCreate1("blue", blue);
    const int32_t teal = ColorImage(0, 128, 128);
    api().ImageToSlot1(4, teal);
    api().ImageCreate1("teal", teal);
    host().MoveMouse(630, 470);
  }

  // One frame of a window whose first row (`height` high, one column) holds what `draw`
  // draws; `cell_` is that row's cell.
  void Draw(const std::function<void()>& draw, float height = 30) {
    Frame([&] {
      if (api().WindowBegin("lists", 0, 0, 400, 400, kBorder | kNoScrollbar)) {
        api().LayoutRowDynamic(height, 1);
        api().LayoutWidgetBounds();
        cell_ = InterfaceRect();
        draw();
      }
      api().WindowEnd();
    });
  }
  // A press at (x, y) and its release, a frame each, `draw` describing both frames.
  void Click(float x, float y, const std::function<void()>& draw) {
    Press(x, y);
    Draw(draw);
    Release();
    Draw(draw);
  }

  Rect cell_;
};

// A combo's header kinds, all opened and closed the same way.
struct HeaderKind {
  const char* name;
  std::function<int32_t(const ExportTable&)> begin;
};

std::vector<HeaderKind> HeaderKinds() {
  return {
      {"label", [](const ExportTable& x) { return x.ComboBeginLabel("Pick", 200, 200); }},
      {"text", [](const ExportTable& x) { return x.ComboBeginText("Picked", 4, 200, 200); }},
      {"colour 0", [](const ExportTable& x) { return x.ComboBeginColor0(511, 64, 128, 255, 200, 200); }},
      {"colour 1", [](const ExportTable& x) { return x.ComboBeginColor1(static_cast<int32_t>(Rgba(0, 128, 128)), 200, 200); }},
      {"symbol", [](const ExportTable& x) { return x.ComboBeginSymbol(11, 200, 200); }},
      {"symbol label", [](const ExportTable& x) { return x.ComboBeginSymbolLabel("Pick", 11, 200, 200); }},
      {"symbol text", [](const ExportTable& x) { return x.ComboBeginSymbolText("Picked", 4, 11, 200, 200); }},
      {"image 0", [](const ExportTable& x) { return x.ComboBeginImage0(4, 200, 200); }},
      {"image 1", [](const ExportTable& x) { return x.ComboBeginImage1("blue", 200, 200); }},
      {"image label 0", [](const ExportTable& x) { return x.ComboBeginImageLabel0("Pick", 4, 200, 200); }},
      {"image label 1", [](const ExportTable& x) { return x.ComboBeginImageLabel1("Pick", "blue", 200, 200); }},
      {"image text 0", [](const ExportTable& x) { return x.ComboBeginImageText0("Picked", 4, 4, 200, 200); }},
      {"image text 1", [](const ExportTable& x) { return x.ComboBeginImageText1("Picked", 4, "blue", 200, 200); }},
  };
}

TEST_F(CombosMenus, EveryHeaderOpensOnAClickAndAnItemClickClosesThePopup) {
  for (const HeaderKind& kind : HeaderKinds()) {
    int32_t open = 0, first = 0, second = 0, pressed_after = -1;
    const auto combo = [&] {
      open = kind.begin(api());
      first = second = 0;
      if (!open) return;
      api().LayoutRowDynamic(25, 1);
      first = api().ComboItemLabel("first", kAlignLeft);
      second = api().ComboItemLabel("second", kAlignLeft);
      pressed_after = api().InputIsMousePressed(0);
      api().ComboEnd();
    };
    Draw(combo);
    EXPECT_EQ(open, 0) << kind.name;
    Click(cell_.x + cell_.w / 2, cell_.y + cell_.h / 2, combo);
    EXPECT_EQ(open, 1) << kind.name;
    Draw(combo);
    EXPECT_EQ(open, 1) << kind.name << ": stays open";
    // The second item's row lies below the first, under the header.
    Press(cell_.x + 40, cell_.y + cell_.h + 45);
    Draw(combo);
    EXPECT_EQ(first, 0) << kind.name;
    EXPECT_EQ(second, 1) << kind.name;
    EXPECT_EQ(pressed_after, 0) << kind.name << ": the item took the click";
    Release();
    Draw(combo);
    EXPECT_EQ(open, 0) << kind.name << ": closed by the item";
  }
  EXPECT_FALSE(LogHas("ERROR"));
}

TEST_F(CombosMenus, EachGroupOfItemCloseAndEndNamesIsOneFunction) {
  const std::vector<std::vector<const char*>> groups = {
      {"ComboItemLabel", "MenuItemLabel", "ContextualItemLabel"},
      {"ComboItemText", "MenuItemText", "ContextualItemText"},
      {"ComboItemSymbolLabel", "MenuItemSymbolLabel", "ContextualItemSymbolLabel"},
      {"ComboItemSymbolText", "MenuItemSymbolText", "ContextualItemSymbolText"},
      {"ComboItemImageLabel0", "MenuItemImageLabel0", "ContextualItemImageLabel0"},
      {"ComboItemImageLabel1", "MenuItemImageLabel1", "ContextualItemImageLabel1"},
      {"ComboItemImageText0", "MenuItemImageText0"},
      {"ComboItemImageText1", "MenuItemImageText1"},
      {"ComboClose", "MenuClose"},
      {"ComboEnd", "MenuEnd"},
  };
  for (const auto& group : groups) {
    void* first = host().Symbol(group[0]);
    ASSERT_NE(first, nullptr) << group[0];
    for (const char* name : group) EXPECT_EQ(host().Symbol(name), first) << name << " is not " << group[0];
  }
  // The contextual image-text items are functions of their own that behave the same: a menu
  // item and a contextual item inside a combo both close it.
  for (const auto& item : std::vector<std::function<int32_t()>>{
           [&] { return api().MenuItemImageText0(4, "teal one", 4, kAlignLeft); },
           [&] { return api().ContextualItemImageText0(4, "teal one", 4, kAlignLeft); },
           [&] { return api().ContextualItemImageText1("red", "red one", 3, kAlignLeft); }}) {
    int32_t open = 0, clicked = 0;
    const auto combo = [&] {
      open = api().ComboBeginLabel("Pick", 200, 200);
      if (!open) return;
      api().LayoutRowDynamic(25, 1);
      clicked = item();
      api().MenuEnd();
    };
    Draw(combo);  // the popup closed last frame is gone only from this one
    Click(cell_.x + 20, cell_.y + cell_.h / 2, combo);
    ASSERT_EQ(open, 1);
    Press(cell_.x + 40, cell_.y + cell_.h + 15);
    Draw(combo);
    EXPECT_EQ(clicked, 1);
    Release();
    Draw(combo);
    EXPECT_EQ(open, 0);
  }
}

TEST_F(CombosMenus, ItemsCloseAndEndOutsideAPopupLeaveTheWindowAlone) {
  int32_t clicked = 0;
  const auto strays = [&] {
    clicked = api().ComboItemLabel("stray", kAlignLeft);
    api().ComboClose();
    api().ComboEnd();
    api().MenubarEnd();  // no bar begun
    api().TreeStatePop();  // no node open
    api().LayoutWidgetBounds();
  };
  Draw(strays);
  const Rect before = InterfaceRect();
  Click(cell_.x + 20, cell_.y + cell_.h / 2, strays);
  EXPECT_EQ(clicked, 0);  // fired in the press frame
  EXPECT_EQ(api().WindowIsHidden("lists"), 0);
  Draw(strays);
  const Rect after = InterfaceRect();
  EXPECT_EQ(after.x, before.x);
  EXPECT_EQ(after.y, before.y);
  EXPECT_EQ(after.w, before.w);
  EXPECT_EQ(api().WindowIsHidden("lists"), 0);
  // Headers answer 0 outside a window, and inside a popup (no popup within a popup).
  EXPECT_EQ(api().ComboBeginLabel("Pick", 100, 100), 0);
  EXPECT_EQ(api().ComboSeparator("a|b", '|', 1, 2, 20, 100, 100), 1);
  EXPECT_EQ(api().DropDownImageSeparator("red|green", '|', 2, 5, 1), 1);
  int32_t inner = -1;
  const auto nested = [&] {
    if (api().ComboBeginLabel("Outer", 200, 200)) {
      api().LayoutRowDynamic(25, 1);
      inner = api().ComboBeginLabel("Inner", 100, 100);
      api().ComboEnd();
    }
  };
  Click(cell_.x + 20, cell_.y + cell_.h / 2, nested);
  Press(cell_.x + 40, cell_.y + cell_.h + 15);
  Draw(nested);
  Release();
  Draw(nested);
  EXPECT_EQ(inner, 0);
}

TEST_F(CombosMenus, SeparatedCombosShowTheSelectedPieceAndOnlyThePiecesThereAre) {
  struct Case {
    const char* items;
    int32_t separator, count, click_row;  // click_row -1: only open and close
    int32_t expected;
  };
  const Case cases[] = {
      {"a|b|c", '|', 3, -1, 1},  {"a|b|c", '|', 3, 2, 2},  {"a|b|c", '|', 3, 0, 0},
      {"a|b|c", '|', 10, 3, 1},  // no fourth piece to click: the click only closes
      {"a|b|c", '|', 2, 2, 1},   // only two pieces asked for
      {"a|b|c", 0, 3, 1, 1},     // no separator: one piece
      {"a;b", ';', 2, 1, 1},
  };
  for (const Case& c : cases) {
    int32_t selected = 1;
    const auto combo = [&] { selected = api().ComboSeparator(c.items, c.separator, selected, c.count, 25, 200, 400); };
    Draw(combo);
    EXPECT_EQ(selected, 1) << c.items;
    Click(cell_.x + 20, cell_.y + cell_.h / 2, combo);
    if (c.click_row >= 0) {
      // Rows of 25 pixels and the window's spacing of 4, under the header.
      Click(cell_.x + 40, cell_.y + cell_.h + 8 + 12 + c.click_row * 29.0f, combo);
    } else {
      Click(630, 470, combo);  // outside: closes
    }
    EXPECT_EQ(selected, c.expected) << c.items << " " << c.count << " row " << c.click_row;
  }
}

TEST_F(CombosMenus, MenubarMenusOpenUnderTheBarAndAnItemAnswersOnce) {
  int32_t file = 0, edit = 0, quit = 0, undo = 0;
  Rect below{};
  const auto window = [&] {
    Frame([&] {
      quit = undo = 0;
      if (api().WindowBegin("menus", 0, 0, 400, 400, kBorder | kNoScrollbar)) {
        api().MenubarBegin();
        api().LayoutRowStatic(25, 80, 2);
        file = api().MenuBeginLabel("File", kAlignLeft, 150, 200);
        if (file) {
          api().LayoutRowDynamic(25, 1);
          quit = api().MenuItemLabel("Quit", kAlignLeft);
          api().MenuEnd();
        }
        edit = api().MenuBeginSymbolLabel("Edit", kAlignLeft, 11, 150, 200);
        if (edit) {
          api().LayoutRowDynamic(25, 1);
          undo = api().MenuItemSymbolLabel(12, "Undo", kAlignLeft);
          api().MenuEnd();
        }
        api().MenubarEnd();
        api().LayoutRowDynamic(25, 1);
        api().LayoutWidgetBounds();
        below = InterfaceRect();
      }
      api().WindowEnd();
    });
  };
  window();
  EXPECT_EQ(file + edit, 0);
  const Rect content = below;
  EXPECT_GE(content.y, 25.0f);  // the rows start under the bar
  // File at the bar's first column, Edit at its second.
  const float bar_y = content.y - 20;
  Press(40, bar_y);
  window();
  Release();
  window();
  EXPECT_EQ(file, 1);
  EXPECT_EQ(edit, 0);
  EXPECT_EQ(below.y, content.y);  // an open menu moves nothing
  Press(40, bar_y + 35);
  window();
  EXPECT_EQ(quit, 1);
  Release();
  window();
  EXPECT_EQ(quit, 0);
  EXPECT_EQ(file, 0);
  Press(130, bar_y);
  window();
  Release();
  window();
  EXPECT_EQ(edit, 1);
  Press(130, bar_y + 35);
  window();
  EXPECT_EQ(undo, 1);
}

// The drop-down kept as a script keeps it: the result passed back as the selection.
class DropDowns : public CombosMenus {
 protected:
  int32_t selected_ = 0;
  // The drop-down over `names` as a frame's content.
  std::function<void()> List(const char* names, int32_t rows, int32_t count = 3) {
    return [=] { selected_ = api().DropDownImageSeparator(names, '|', count, selected_, rows); };
  }
  void DrawDropDown(const char* names, int32_t rows, int32_t count = 3) { Draw(List(names, rows, count), 40); }
  void ClickList(float x, float y, const char* names, int32_t rows) {
    Press(x, y);
    DrawDropDown(names, rows);
    Release();
    DrawDropDown(names, rows);
  }
  void Open(const char* names, int32_t rows) {
    DrawDropDown(names, rows);
    ClickList(cell_.x + cell_.w / 2, cell_.y + cell_.h / 2, names, rows);
  }
  bool Shows(uint32_t rgb) { return FindColor(host().Screen(), rgb, 8, 0, 0, 400, 400).count > 100; }
};

TEST_F(DropDowns, SelectionAndRowsAreClampedIntoTheList) {
  struct Case {
    int32_t selected, count, expected;
  };
  for (const Case& c : {Case{-5, 3, 0}, Case{7, 3, 2}, Case{1, 3, 1}, Case{0, 0, -1}, Case{0, -2, -1}}) {
    int32_t result = 99;
    Draw([&] { result = api().DropDownImageSeparator("red|green|blue", '|', c.count, c.selected, 1); });
    EXPECT_EQ(result, c.expected) << c.selected << " of " << c.count;
  }
  // The native form, with its array of names; an entry missing from the images is logged.
  const char* names[] = {"red", "green", "nowhere"};
  int32_t result = 99;
  Draw([&] { result = api().DropDownImage(names, 3, 9, 2); });
  EXPECT_EQ(result, 2);
  EXPECT_EQ(LogCount(LogText(msg::ImageMissing, "nowhere")), 1);
  EXPECT_EQ(api().DropDownImage(nullptr, 3, 1, 1), -1);
  // Outside a window: the clamped selection, nothing drawn.
  EXPECT_EQ(api().DropDownImage(names, 2, 7, 1), 1);

  // Rows 0 shows one row of the popup, rows 10 of a list of three shows all three.
  selected_ = 0;
  Open("red|green|blue", 0);
  EXPECT_TRUE(Shows(kRed));
  EXPECT_FALSE(Shows(kGreen));
  ClickList(630, 470, "red|green|blue", 0);
  Open("red|green|blue", 10);
  EXPECT_TRUE(Shows(kGreen));
  EXPECT_TRUE(Shows(kBlue));
}

TEST_F(DropDowns, AnImageClickSelectsAndClosesAndAReleaseOutsideCloses) {
  Open("red|green|blue", 3);
  EXPECT_TRUE(Shows(kBlue)) << "the release of the opening click is inside: still open";
  // The third image's row: the popup starts at the header, rows of 40 plus spacing 4.
  Press(cell_.x + 20, cell_.y + 2 * 44 + 20);
  DrawDropDown("red|green|blue", 3);
  EXPECT_EQ(selected_, 2);
  Release();
  DrawDropDown("red|green|blue", 3);
  DrawDropDown("red|green|blue", 3);
  EXPECT_FALSE(Shows(kGreen));
  EXPECT_EQ(selected_, 2);
  EXPECT_TRUE(Shows(kBlue));  // the header shows the selection

  Open("red|green|blue", 3);
  EXPECT_TRUE(Shows(kRed));
  ClickList(630, 470, "red|green|blue", 3);
  DrawDropDown("red|green|blue", 3);
  EXPECT_FALSE(Shows(kRed));
  EXPECT_EQ(selected_, 2);
}

TEST_F(DropDowns, TheOpenPopupBelongsToTheDropDownAtItsPosition) {
  Open("red|green", 1);
  // Another list drawn at the same place owns the popup and shows its own images: its
  // header would show teal, its popup's one row shows blue.
  selected_ = 1;
  DrawDropDown("blue|teal", 1, 2);
  DrawDropDown("blue|teal", 1, 2);
  EXPECT_TRUE(Shows(kBlue));
  EXPECT_FALSE(Shows(kRed));
  // While it is open, a drop-down elsewhere does not open on a click of its header; once the
  // popup is closed, it does.
  int32_t other = 0;
  Rect second{};
  const auto two = [&] {
    selected_ = api().DropDownImageSeparator("blue|teal", '|', 2, selected_, 1);  // shows teal
    api().LayoutRowDynamic(40, 1);
    api().LayoutWidgetBounds();
    second = InterfaceRect();
    other = api().DropDownImageSeparator("red|green", '|', 2, other, 2);
  };
  Draw(two, 40);
  const float x = second.x + 20, y = second.y + second.h * 0.65f;  // under the one-row popup
  Press(x, y);
  Draw(two, 40);
  Release();
  Draw(two, 40);
  Draw(two, 40);
  EXPECT_FALSE(Shows(kGreen)) << "the second list's popup did not open while the first was open";
  EXPECT_FALSE(Shows(kBlue)) << "the first closed on the release outside it";
  Press(x, y);
  Draw(two, 40);
  Release();
  Draw(two, 40);
  EXPECT_TRUE(Shows(kGreen)) << "opened once the first was closed by the release outside it";
}

TEST_F(CombosMenus, EveryComboKindDrawsWhatItShows) {
  struct Case {
    const char* name;
    std::function<void()> draw;
    uint32_t rgb;
  };
  const Case cases[] = {
      {"colour 0 low bytes", [&] { api().ComboBeginColor0(256 + 255, 64, 128, 255, 100, 100); }, 0x8040FF},
      {"colour 1", [&] { api().ComboBeginColor1(static_cast<int32_t>(Rgba(30, 200, 90)), 100, 100); }, 0x5AC81E},
      {"image 0", [&] { api().ComboBeginImage0(4, 100, 100); }, kTeal},
      {"image 1", [&] { api().ComboBeginImage1("blue", 100, 100); }, kBlue},
      {"image label 1", [&] { api().ComboBeginImageLabel1("Blue", "blue", 100, 100); }, kBlue},
      {"image text 0", [&] { api().ComboBeginImageText0("Teal one", 4, 4, 100, 100); }, kTeal},
      {"drop-down", [&] { api().DropDownImageSeparator("red|green", '|', 2, 1, 1); }, kGreen},
  };
  for (const Case& c : cases) {
    Draw(c.draw);
    const ColorBox box = FindColor(host().Screen(), c.rgb, 2, 0, 0, 400, 400);
    EXPECT_GT(box.count, 20) << c.name;
    EXPECT_GE(box.top, cell_.y) << c.name;
    EXPECT_LE(box.bottom, cell_.y + cell_.h) << c.name;
  }
  // Text and symbol headers draw something beyond their empty forms.
  constexpr int32_t kSolidRect = 5;
  struct Pair {
    const char* name;
    std::function<void()> with, without;
  };
  const Pair pairs[] = {
      {"label", [&] { api().ComboBeginLabel("WWWW", 100, 100); }, [&] { api().ComboBeginLabel("", 100, 100); }},
      {"separator", [&] { api().ComboSeparator("WWWW|b", '|', 0, 2, 20, 100, 100); },
       [&] { api().ComboSeparator("WWWW|b", '|', 5, 2, 20, 100, 100); }},
      // The header's own symbol, against the empty symbol: the built-in theme must give it a colour.
      {"symbol", [&] { api().ComboBeginSymbol(kSolidRect, 100, 100); }, [&] { api().ComboBeginSymbol(0, 100, 100); }},
      {"symbol label", [&] { api().ComboBeginSymbolLabel("Pick", kSolidRect, 100, 100); },
       [&] { api().ComboBeginSymbolLabel("Pick", 0, 100, 100); }},
      {"symbol text", [&] { api().ComboBeginSymbolText("Picked", 4, kSolidRect, 100, 100); },
       [&] { api().ComboBeginSymbolText("Picked", 4, 0, 100, 100); }},
  };
  for (const Pair& p : pairs) {
    Draw(p.with);
    const Pixels with = host().Screen();
    Draw(p.without);
    const Pixels without = host().Screen();
    int differ = 0;
    for (int y = static_cast<int>(cell_.y); y < static_cast<int>(cell_.y + cell_.h); ++y)
      for (int x = static_cast<int>(cell_.x); x < static_cast<int>(cell_.x + cell_.w); ++x)
        differ += with.At(x, y) != without.At(x, y);
    EXPECT_GT(differ, 10) << p.name;
  }
}

}  // namespace
}  // namespace qel
