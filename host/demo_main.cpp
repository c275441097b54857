#include <cstdio>
#include <string>

#include "demo_page.h"

// The main page: text, images and buttons, an inventory, the extended symbols, three kinds of
// font, and a form with a line and a column chart.
namespace {

using namespace demo;

struct MainState {
  int plays = 0;
  int coins = 3;
  int hearts = 2;
  int colour = 0;
  std::string name = "Ada";
  std::string level = "12";
};
MainState state;

void MainWindow(const qel::ExportTable& x) {
  if (x.WindowBeginTitled("main", "Qel UI", 40, 40, 470, 340, kBorder | kMovable | kScalable | kMinimizable | kTitle)) {
    x.LayoutRowDynamic(22, 1);
    x.Label("An immediate-mode interface for the Qel runtime", kLeft);

    x.LayoutRow(0, 22, "[0.3,0.7]");
    x.Label("Status", kLeft);
    x.LabelColored("All systems go", kLeft, Rgba(120, 220, 120));

    x.LayoutRowDynamic(52, 1);
    x.LabelWrap("Each frame the script describes the whole interface again; each widget answers at "
                "once with what the user did, and the script keeps the values.");

    x.LayoutRow(1, 64, "[128,64,64,64,64]");
    x.Image1("landscape");
    x.Image1("heart");
    x.ImageColor1("heart", Rgba(120, 170, 255));
    x.Image0(1);
    x.ImageColor1("coin", Rgba(255, 255, 255, 110));

    x.LayoutRowDynamic(30, 3);
    if (x.ButtonLabel("Play")) ++state.plays;
    if (x.ButtonSymbolLabel(kTriangleRight, "Next", kRight)) state.colour = (state.colour + 1) % 4;
    if (x.ButtonColor(kSwatches[state.colour])) state.colour = (state.colour + 3) % 4;

    x.LayoutRowDynamic(40, 2);
    if (x.ButtonImageLabel1("coin", "Collect", kRight)) ++state.coins;
    if (x.ButtonImageLabel1("heart", "Heal", kRight)) ++state.hearts;

    char line[64];
    std::snprintf(line, sizeof line, "Played %d times", state.plays);
    x.LayoutRowDynamic(22, 1);
    x.LabelColored(line, kCentered, Rgba(255, 200, 120));
  }
  x.WindowEnd();
}

void InventoryWindow(const qel::ExportTable& x) {
  if (x.WindowBeginTitled("inventory", "Inventory", 540, 40, 270, 190, kBorder | kMovable | kTitle)) {
    struct Item {
      const char* image;
      const char* name;
      int* count;
    } items[] = {{"coin", "Gold coins", &state.coins}, {"heart", "Hearts", &state.hearts}};
    for (const Item& item : items) {
      x.LayoutRowTemplateBegin(32);
      x.LayoutRowTemplatePushStatic(32);
      x.LayoutRowTemplatePushDynamic();
      x.LayoutRowTemplatePushStatic(28);
      x.LayoutRowTemplatePushStatic(28);
      x.LayoutRowTemplateEnd();
      x.Image1(item.image);
      char text[48];
      std::snprintf(text, sizeof text, "%s: %d", item.name, *item.count);
      x.Label(text, kLeft);
      if (x.ButtonSymbol(kMinus) && *item.count > 0) --*item.count;
      if (x.ButtonSymbol(kPlus)) ++*item.count;
    }
    x.LayoutRowDynamic(30, 1);
    x.LabelColored("Drag a header to move its window", kLeft, Rgba(170, 170, 170));
  }
  x.WindowEnd();
}

// Every extended symbol on a button, plain and framed, in the built-in theme.
void SymbolsWindow(const qel::ExportTable& x) {
  if (x.WindowBeginTitled("symbols", "Symbols", 540, 250, 470, 180, kBorder | kMovable | kTitle)) {
    constexpr int32_t kFramed = 0x80;
    for (int32_t modifier : {0, kFramed}) {
      x.LayoutRowDynamic(24, 12);
      for (int32_t symbol = 13; symbol <= 36; ++symbol) x.ButtonSymbol(symbol | modifier);
    }
  }
  x.WindowEnd();
}

// One line in each kind of font: a baked TrueType font, a bitmap font drawn from a host
// image, and the library's built-in font.
void FontsWindow(const qel::ExportTable& x) {
  if (x.WindowBeginTitled("fonts", "Fonts", 40, 410, 470, 170, kBorder | kMovable | kTitle)) {
    const struct {
      const char* font;
      const char* text;
    } lines[] = {{"sans", "DejaVu Sans, baked at 20 pixels"},
                 {"pixel", "A BITMAP FONT FROM A HOST IMAGE"},
                 {"default", "The built-in 13-pixel font"}};
    for (const auto& line : lines) {
      x.StyleSetFont(line.font);
      x.LayoutRowDynamic(30, 1);
      x.Label(line.text, kLeft);
    }
    x.StyleSetFont("default");
  }
  x.WindowEnd();
}


// A form of two edit fields, and a line and a column chart of the same values.
void FormWindow(const qel::ExportTable& x) {
  if (x.WindowBeginTitled("form", "Form and charts", 540, 440, 470, 172, kBorder | kMovable | kTitle)) {
    constexpr int32_t kField = 608, kSigEnter = 4, kDecimal = 3, kNoFilter = 7;
    x.LayoutRow(0, 26, "[0.3,0.7]");
    x.Label("Name", kLeft);
    state.name = x.EditString(kField | kSigEnter, state.name.c_str(), 24, kNoFilter);
    x.Label("Level", kLeft);
    state.level = x.EditString(kField | kSigEnter, state.level.c_str(), 3, kDecimal);

    static const float kValues[] = {3, 7, 4, 9, 6, 12, 8, 5};  // 12 is held to the top, 10
    constexpr int32_t kLines = 0, kColumns = 1, kCount = 8;
    x.LayoutRowDynamic(52, 2);
    if (x.ChartBeginColored(kLines, Rgba(231, 76, 60), Rgba(255, 255, 255), kCount, 0, 10)) {
      x.ChartAddSlotColored(kLines, Rgba(52, 152, 219), Rgba(255, 255, 255), kCount, 0, 10);
      for (int i = 0; i < kCount; ++i) {
        x.ChartPushSlot(kValues[i], 0);
        x.ChartPushSlot(kValues[kCount - 1 - i], 1);
      }
      x.ChartEnd();
    }
    if (x.ChartBegin(kColumns, kCount, 0, 10)) {
      for (float value : kValues) x.ChartPush(value);
      x.ChartEnd();
    }
  }
  x.WindowEnd();
}

void Start(const qel::ExportTable&, qel::Host& host) {
  host.MoveMouse(130, 266);  // headless, the pointer rests on "Play"; a real window's mouse takes over
}

void Frame(const qel::ExportTable& x, int) {
  MainWindow(x);
  InventoryWindow(x);
  SymbolsWindow(x);
  FontsWindow(x);
  FormWindow(x);
}

}  // namespace

const DemoPage& MainDemoPage() {
  static const DemoPage page{"main", Start, Frame, nullptr};
  return page;
}
