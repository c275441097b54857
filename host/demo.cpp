#include "demo.h"

#include "bitmap_font_maker.h"
#include "demo_themes.h"
#include "frame/export_table.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <type_traits>

// The demo plays a game script's part: it calls the plug-in's exports by name, every frame
// describing the whole interface again, and keeps the values the widgets hand back.
namespace {

// The plug-in's exports, typed from its export list and found by name once it is loaded.
qel::ExportTable exports;
bool complete = false;

// What the script keeps between frames.
struct DemoState {
  int plays = 0;
  int coins = 3;
  int hearts = 2;
  int colour = 0;
  // The lists and trees gallery.
  int fruit = 1;
  int swatch = 0;
  int picture = 0;
  int sound = 1;
  int clicks = 0;
  int chapter = 0;           // the kept state of a state node
  int chosen = 0;            // the selected flag of an element node
  // The form.
  std::string name = "Ada";
  std::string level = "12";
};
DemoState state;
std::string demo_name;

constexpr int32_t kBorder = 1, kMovable = 2, kScalable = 4, kMinimizable = 16, kTitle = 64;
constexpr int32_t kLeft = 17, kCentered = 18, kRight = 20;
constexpr int32_t kTriangleRight = 10, kPlus = 11, kMinus = 12;

constexpr int32_t Rgba(uint32_t r, uint32_t g, uint32_t b, uint32_t a = 255) {
  return static_cast<int32_t>(r | (g << 8) | (b << 16) | (a << 24));
}

constexpr int32_t kSwatches[] = {Rgba(230, 126, 34), Rgba(46, 204, 113), Rgba(52, 152, 219), Rgba(155, 89, 182)};

void LoadImages(qel::Host& host) {
  auto* load = reinterpret_cast<int32_t (*)(const char*)>(qel::Host::Lookup("LOADIMAGE_L_S"));
  if (!load) return;
  exports.ImageCreate1("landscape", load("landscape.png"));
  exports.ImageCreate1("heart", load("heart.png"));
  exports.ImageToSlot1(1, load("coin.png"));
  exports.ImageCreate1("coin", load("coin.png"));
}

void MainWindow() {
  const qel::ExportTable& x = exports;
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

void InventoryWindow() {
  const qel::ExportTable& x = exports;
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
void SymbolsWindow() {
  const qel::ExportTable& x = exports;
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
void FontsWindow() {
  const qel::ExportTable& x = exports;
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
void FormWindow() {
  const qel::ExportTable& x = exports;
  if (x.WindowBeginTitled("form", "Form and charts", 540, 440, 470, 220, kBorder | kMovable | kTitle)) {
    constexpr int32_t kField = 608, kSigEnter = 4, kDecimal = 3, kNoFilter = 7;
    x.LayoutRow(0, 26, "[0.3,0.7]");
    x.Label("Name", kLeft);
    state.name = x.EditString(kField | kSigEnter, state.name.c_str(), 24, kNoFilter);
    x.Label("Level", kLeft);
    state.level = x.EditString(kField | kSigEnter, state.level.c_str(), 3, kDecimal);

    static const float kValues[] = {3, 7, 4, 9, 6, 12, 8, 5};  // 12 is held to the top, 10
    constexpr int32_t kLines = 0, kColumns = 1, kCount = 8;
    x.LayoutRowDynamic(90, 2);
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

// The combos, menus and image drop-downs a script draws, each value kept between frames.
void ListsWindow() {
  const qel::ExportTable& x = exports;
  if (x.WindowBeginTitled("lists", "Combos and menus", 40, 40, 420, 420, kBorder | kMovable | kTitle)) {
    x.MenubarBegin();
    x.LayoutRowStatic(24, 90, 2);
    if (x.MenuBeginLabel("Game", kLeft, 160, 140)) {
      x.LayoutRowDynamic(24, 1);
      if (x.MenuItemLabel("New", kLeft)) ++state.clicks;
      if (x.MenuItemSymbolLabel(kPlus, "Add coin", kLeft)) ++state.coins;
      if (x.MenuItemImageLabel1("heart", "Heal", kLeft)) ++state.hearts;
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

    static const char* const kColourNames[] = {"Orange", "Green", "Blue", "Purple"};
    x.Label("Colour", kLeft);
    if (x.ComboBeginColor1(kSwatches[state.swatch], 200, 160)) {
      x.LayoutRowDynamic(24, 1);
      for (int i = 0; i < 4; ++i)
        if (x.ComboItemLabel(kColourNames[i], kLeft)) state.swatch = i;
      x.ComboEnd();
    }
    x.Label("Label", kLeft);
    if (x.ComboBeginSymbolLabel(kColourNames[state.swatch], kTriangleRight, 200, 160)) {
      x.LayoutRowDynamic(24, 1);
      for (int i = 0; i < 4; ++i)
        if (x.ComboItemSymbolLabel(kPlus, kColourNames[i], kLeft)) state.swatch = i;
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
void TreesWindow() {
  const qel::ExportTable& x = exports;
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

void LoadFonts() {
  const qel::ExportTable& x = exports;
  x.FontStashBegin();  // no font added: the built-in one, registered as "default"
  x.FontStashEnd();
  x.FontStashBegin();
  x.FontAtlasAddFromFile("sans", "raw:/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 20.0f);
  x.FontStashEnd();
  const std::string image = WriteDemoBitmapFont(TempFolder());
  if (!image.empty()) x.FontAtlasAddQelFont1("pixel", ("raw:" + image).c_str());
}

}  // namespace

bool DemoSelect(const std::string& name) {
  demo_name = name;
  return name.empty() || name == "default" || name == "lists" || name == "themes";
}

void DemoStart(qel::Host& host) {
  const std::vector<std::string> missing = qel::LoadExportTable([&](const char* name) { return host.Symbol(name); }, exports);
  complete = missing.empty();
  if (!exports.Init1) return;
  if (exports.LogSetLocation) exports.LogSetLocation(LogPath().c_str());  // keep the log out of the working folder
  exports.Init1(1);  // the built-in theme
  if (!complete) {
    std::fprintf(stderr, "qelhost: the plug-in lacks %s and more; the demo shows an empty frame\n", missing.front().c_str());
    return;
  }
  LoadFonts();
  LoadImages(host);
  host.MoveMouse(130, 266);  // headless, the pointer rests on "Play"; a real window's mouse takes over
}

void DemoFrame(qel::Host& host, int frame) {
  if (!complete) {
    if (exports.HandleInput0) exports.HandleInput0();
    if (exports.Sync)
      exports.Sync();
    else
      host.Sync();  // a plug-in without Sync still gets its frames presented
    return;
  }
  exports.HandleInput0();
  exports.StyleSetFont("default");
  if (demo_name == "themes") {
    DemoThemesFrame(exports, frame);
    exports.Sync();
    return;
  }
  if (demo_name == "lists") {
    ListsWindow();
    TreesWindow();
    exports.Sync();
    return;
  }
  MainWindow();
  InventoryWindow();
  SymbolsWindow();
  FontsWindow();
  FormWindow();
  exports.Sync();
}
