#include "demo.h"

#include <cstdint>
#include <cstdio>
#include <type_traits>

// The demo plays a game script's part: it calls the plug-in's exports by name, every frame
// describing the whole interface again, and keeps the values the widgets hand back.
namespace {

template <class Signature>
Signature* Find(qel::Host& host, const char* name) {
  return host.Export<Signature>(name);
}

// The exports the demo uses, found once after the plug-in is loaded. A missing one leaves
// its pointer null and its part of the interface out.
struct Exports {
  int32_t (*Init1)(int32_t) = nullptr;
  void (*FontStashBegin)() = nullptr;
  void (*FontStashEnd)() = nullptr;
  void (*HandleInput0)() = nullptr;
  void (*Sync)() = nullptr;
  int32_t (*ImageCreate1)(const char*, int32_t) = nullptr;
  int32_t (*ImageToSlot1)(int32_t, int32_t) = nullptr;
  int32_t (*WindowBegin)(const char*, float, float, float, float, int32_t) = nullptr;
  int32_t (*WindowBeginTitled)(const char*, const char*, float, float, float, float, int32_t) = nullptr;
  void (*WindowEnd)() = nullptr;
  void (*LayoutRowDynamic)(float, int32_t) = nullptr;
  void (*LayoutRow)(int32_t, float, const char*) = nullptr;
  void (*LayoutRowTemplateBegin)(float) = nullptr;
  void (*LayoutRowTemplatePushStatic)(float) = nullptr;
  void (*LayoutRowTemplatePushDynamic)() = nullptr;
  void (*LayoutRowTemplateEnd)() = nullptr;
  void (*Label)(const char*, int32_t) = nullptr;
  void (*LabelColored)(const char*, int32_t, int32_t) = nullptr;
  void (*LabelWrap)(const char*) = nullptr;
  void (*Image1)(const char*) = nullptr;
  void (*Image0)(int32_t) = nullptr;
  void (*ImageColor1)(const char*, int32_t) = nullptr;
  int32_t (*ButtonLabel)(const char*) = nullptr;
  int32_t (*ButtonSymbolLabel)(int32_t, const char*, int32_t) = nullptr;
  int32_t (*ButtonColor)(int32_t) = nullptr;
  int32_t (*ButtonImageLabel1)(const char*, const char*, int32_t) = nullptr;
  int32_t (*ButtonSymbol)(int32_t) = nullptr;

  bool complete() const {
    return Init1 && FontStashBegin && FontStashEnd && HandleInput0 && Sync && ImageCreate1 && ImageToSlot1 &&
           WindowBegin && WindowBeginTitled && WindowEnd && LayoutRowDynamic && LayoutRow &&
           LayoutRowTemplateBegin && LayoutRowTemplatePushStatic && LayoutRowTemplatePushDynamic &&
           LayoutRowTemplateEnd && Label && LabelColored && LabelWrap && Image1 && Image0 && ImageColor1 &&
           ButtonLabel && ButtonSymbolLabel && ButtonColor && ButtonImageLabel1 && ButtonSymbol;
  }
};

#define QEL_DEMO_FIND(name) exports.name = Find<std::remove_pointer_t<decltype(exports.name)>>(host, #name)

Exports exports;

// What the script keeps between frames.
struct DemoState {
  int plays = 0;
  int coins = 3;
  int hearts = 2;
  int colour = 0;
};
DemoState state;

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
  Exports& x = exports;
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
  Exports& x = exports;
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

}  // namespace

bool DemoSelect(const std::string& name) { return name.empty() || name == "default"; }

void DemoStart(qel::Host& host) {
  QEL_DEMO_FIND(Init1);
  QEL_DEMO_FIND(FontStashBegin);
  QEL_DEMO_FIND(FontStashEnd);
  QEL_DEMO_FIND(HandleInput0);
  QEL_DEMO_FIND(Sync);
  QEL_DEMO_FIND(ImageCreate1);
  QEL_DEMO_FIND(ImageToSlot1);
  QEL_DEMO_FIND(WindowBegin);
  QEL_DEMO_FIND(WindowBeginTitled);
  QEL_DEMO_FIND(WindowEnd);
  QEL_DEMO_FIND(LayoutRowDynamic);
  QEL_DEMO_FIND(LayoutRow);
  QEL_DEMO_FIND(LayoutRowTemplateBegin);
  QEL_DEMO_FIND(LayoutRowTemplatePushStatic);
  QEL_DEMO_FIND(LayoutRowTemplatePushDynamic);
  QEL_DEMO_FIND(LayoutRowTemplateEnd);
  QEL_DEMO_FIND(Label);
  QEL_DEMO_FIND(LabelColored);
  QEL_DEMO_FIND(LabelWrap);
  QEL_DEMO_FIND(Image1);
  QEL_DEMO_FIND(Image0);
  QEL_DEMO_FIND(ImageColor1);
  QEL_DEMO_FIND(ButtonLabel);
  QEL_DEMO_FIND(ButtonSymbolLabel);
  QEL_DEMO_FIND(ButtonColor);
  QEL_DEMO_FIND(ButtonImageLabel1);
  QEL_DEMO_FIND(ButtonSymbol);
  if (!exports.Init1) return;
  exports.Init1(1);  // the built-in theme
  if (!exports.complete()) {
    std::fprintf(stderr, "qelhost: the plug-in lacks exports the demo needs; it shows an empty frame\n");
    return;
  }
  exports.FontStashBegin();  // no font added: the built-in one
  exports.FontStashEnd();
  LoadImages(host);
  host.MoveMouse(130, 266);  // headless, the pointer rests on "Play"; a real window's mouse takes over
}

void DemoFrame(qel::Host& host, int /*frame*/) {
  if (!exports.complete()) {
    if (exports.HandleInput0) exports.HandleInput0();
    if (exports.Sync)
      exports.Sync();
    else
      host.Sync();  // a plug-in without Sync still gets its frames presented
    return;
  }
  exports.HandleInput0();
  MainWindow();
  InventoryWindow();
  exports.Sync();
}
