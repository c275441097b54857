#include "demo.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "bitmap_font_maker.h"
#include "demo_page.h"
#include "frame/export_table.h"

// The demo plays a game script's part: it calls the plug-in's exports by name, every frame
// describing the whole interface again, and keeps the values the widgets hand back. This
// file holds what every page shares: the exports, the fonts and images, and the page list.
namespace {

// The plug-in's exports, typed from its export list and found by name once it is loaded.
qel::ExportTable exports;
bool complete = false;
const DemoPage* page = nullptr;
bool scripted = true;

// Every page, in the order the demo script plays them.
std::vector<const DemoPage*> Pages() {
  return {&MainDemoPage(), &ValuesDemoPage(), &ListsDemoPage(), &PanelsDemoPage(), &StylesDemoPage(),
          &ThemesDemoPage()};
}

void LoadImages() {
  auto* load = reinterpret_cast<int32_t (*)(const char*)>(qel::Host::Lookup("LOADIMAGE_L_S"));
  if (!load) return;
  exports.ImageCreate1("landscape", load("landscape.png"));
  exports.ImageCreate1("heart", load("heart.png"));
  exports.ImageToSlot1(1, load("coin.png"));
  exports.ImageCreate1("coin", load("coin.png"));
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

std::vector<std::string> DemoNames() {
  std::vector<std::string> names;
  for (const DemoPage* p : Pages()) names.push_back(p->name);
  return names;
}

bool DemoSelect(const std::string& name) {
  const std::string wanted = name.empty() || name == "default" ? "main" : name;
  for (const DemoPage* p : Pages())
    if (wanted == p->name) page = p;
  return page && wanted == page->name;
}

void DemoStart(qel::Host& host, bool scripted_input) {
  if (!page) DemoSelect("");
  scripted = scripted_input;
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
  LoadImages();
  if (page->start) page->start(exports, host);
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
  if (scripted && page->input) page->input(host, frame);
  exports.HandleInput0();
  exports.StyleSetFont("default");
  page->frame(exports, frame);
  exports.Sync();
}
