#include <cstdio>

#include "demo_page.h"

// The lists page: combos, menus and the image drop-down in one window, trees in another,
// each value kept between frames as a script keeps it. The scripted pointer opens the
// colour combo, so that the screenshots show a popup's items.
namespace {

using namespace demo;

struct ListsState {
  int fruit = 1;
  int swatch = 0;
  int picture = 0;
  int sound = 1;
  int clicks = 0;
  int coins_added = 0;
  int healed = 0;
  int chapter = 0;  // the kept state of a state node
  int chosen = 0;   // the selected flag of an element node
};
ListsState state;

// The combos, menus and image drop-downs a script draws, each value kept between frames.
void ListsWindow(const qel::ExportTable& x) {
  if (x.WindowBeginTitled("lists", "Combos and menus", 40, 40, 420, 420, kBorder | kMovable | kTitle)) {
    x.MenubarBegin();
    x.LayoutRowStatic(24, 90, 2);
    if (x.MenuBeginLabel("Game", kLeft, 160, 140)) {
      x.LayoutRowDynamic(24, 1);
      if (x.MenuItemLabel("New", kLeft)) ++state.clicks;
      if (x.MenuItemSymbolLabel(kPlus, "Add coin", kLeft)) ++state.coins_added;
      if (x.MenuItemImageLabel1("heart", "Heal", kLeft)) ++state.healed;
      x.MenuEnd();
    }
    if (x.MenuBeginSymbolLabel("Sound", kLeft, kTriangleRight, 160, 120)) {
      x.LayoutRowDynamic(24, 1);
      if (x.MenuItemLabel("On", kLeft)) state.sound = 1;
      if (x.MenuItemLabel("Off", kLeft)) state.sound = 0;
      x.MenuEnd();
    }
    x.MenubarEnd();

    x.LayoutRow(0, 28, "[0.35,0.65]");
    x.Label("Fruit", kLeft);
    state.fruit = x.ComboSeparator("Apple|Banana|Cherry|Date", '|', state.fruit, 4, 24, 200, 200);

    x.Label("Colour", kLeft);
    if (x.ComboBeginColor1(kSwatches[state.swatch], 200, 160)) {
      x.LayoutRowDynamic(24, 1);
      for (int i = 0; i < 4; ++i)
        if (x.ComboItemLabel(kSwatchNames[i], kLeft)) state.swatch = i;
      x.ComboEnd();
    }
    x.Label("Label", kLeft);
    if (x.ComboBeginSymbolLabel(kSwatchNames[state.swatch], kTriangleRight, 200, 160)) {
      x.LayoutRowDynamic(24, 1);
      for (int i = 0; i < 4; ++i)
        if (x.ComboItemSymbolLabel(kPlus, kSwatchNames[i], kLeft)) state.swatch = i;
      x.ComboEnd();
    }
    x.Label("Image", kLeft);
    if (x.ComboBeginImageLabel1(state.picture ? "Heart" : "Coin", state.picture ? "heart" : "coin", 200, 120)) {
      x.LayoutRowDynamic(28, 1);
      if (x.ComboItemImageLabel1("coin", "Coin", kLeft)) state.picture = 0;
      if (x.ComboItemImageLabel1("heart", "Heart", kLeft)) state.picture = 1;
      x.ComboEnd();
    }
    x.LayoutRow(0, 48, "[0.35,0.2]");
    x.Label("Drop-down", kLeft);
    state.picture = x.DropDownImageSeparator("coin|heart|landscape", '|', 3, state.picture, 3);

    char line[64];
    std::snprintf(line, sizeof line, "Sound %s, %d new games", state.sound ? "on" : "off", state.clicks);
    x.LayoutRowDynamic(22, 1);
    x.LabelColored(line, kLeft, Rgba(255, 200, 120));
  }
  x.WindowEnd();
}

// Trees as a script draws them: nodes keyed for it, a node whose state it keeps, and a
// selectable element.
void TreesWindow(const qel::ExportTable& x) {
  if (x.WindowBeginTitled("trees", "Trees", 480, 40, 320, 420, kBorder | kMovable | kTitle)) {
    constexpr int32_t kNode = 0, kTab = 1, kOpen = 1;
    if (x.TreePush(kTab, "World", kOpen)) {
      if (x.TreeImagePush1(kNode, "coin", "Treasure", kOpen)) {
        x.LayoutRowDynamic(20, 1);
        x.Label("Gold coins in the cave", kLeft);
        x.TreeStatePop();
      }
      if (x.TreePushHashed(kNode, "Levels", kOpen, "levels", -1, 0)) {
        x.LayoutRowDynamic(20, 1);
        x.Label("Forest, Cave, Castle", kLeft);
        x.TreeStatePop();
      }
      x.TreeStatePop();
    }
    if (x.TreeElementPush(kTab, "Hero", kOpen, state.chosen)) {
      x.LayoutRowDynamic(20, 1);
      x.Label(state.chosen ? "Selected" : "Click the title to select", kLeft);
      x.TreeStatePop();
    }
    state.chosen = x.TreeGetLastElementValue();
    state.chapter = x.TreeStatePush(kTab, "Chapter (kept by the script)", state.chapter);
    if (state.chapter) {
      x.LayoutRowDynamic(20, 1);
      x.Label("Open until its header is clicked", kLeft);
      x.TreeStatePop();
    }
  }
  x.WindowEnd();
}

// A click on the colour combo's header (row three of the lists window) late in the run.
void Pointer(qel::Host& input, int frame) {
  if (frame == 90) input.MoveMouse(300, 146);
  if (frame == 91) input.MouseDown(0);
  if (frame == 92) input.MouseUp(0);
  if (frame == 100) input.MoveMouse(300, 200);
}

void Frame(const qel::ExportTable& x, int) {
  ListsWindow(x);
  TreesWindow(x);
}

}  // namespace

const DemoPage& ListsDemoPage() {
  static const DemoPage page{"lists", nullptr, Frame, Pointer};
  return page;
}
