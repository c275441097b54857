#include "interface_script.h"

#include <cstdio>
#include <fstream>

#include "bitmap_font_maker.h"
#include "frame/export_table.h"

namespace {

constexpr int kFrames = 3;
constexpr int32_t kWindowFlags = 1 | 2 | 64;  // border, movable, title

// Appends the whole memblock the answer names; false when it names none.
bool Keep(qel::Host& host, int32_t id, const char* call, std::vector<uint8_t>& bytes) {
  const uint8_t* data = host.MemblockData(id);
  const int size = host.MemblockSize(id);
  if (!data || size <= 0) {
    std::fprintf(stderr, "qelhost: %s answered %d, which is no memblock\n", call, id);
    return false;
  }
  bytes.insert(bytes.end(), data, data + size);
  return true;
}

// One frame: a window moved a little each frame, a row, a layout space, an image record.
// Fractional arguments make the floats' low bits count.
bool PlayFrame(qel::Host& host, const qel::ExportTable& x, int frame, int32_t image, std::vector<uint8_t>& bytes) {
  bool kept = true;
  auto keep = [&](int32_t id, const char* call) { kept = Keep(host, id, call, bytes) && kept; };
  x.HandleInput0();
  if (x.WindowBegin("Interface", 20.5f + 7.25f * frame, 30.75f, 401.3f, 299.9f, kWindowFlags)) {
    keep(x.WindowGetBounds(), "WindowGetBounds");
    keep(x.WindowGetContentRegion(), "WindowGetContentRegion");
    keep(x.WindowGetPanelBounds(), "WindowGetPanelBounds");
    keep(x.WindowGetScroll(), "WindowGetScroll");
    x.LayoutRowDynamic(30.0f, 3);
    keep(x.WidgetBounds(), "WidgetBounds");
    keep(x.WidgetPosition(), "WidgetPosition");
    keep(x.WidgetSize(), "WidgetSize");
    keep(x.Widget(), "Widget");
    keep(x.LayoutWidgetBounds(), "LayoutWidgetBounds");
    x.LayoutSpaceBegin(1, 120.0f, 4);
    x.LayoutSpacePush(10.0f, 10.0f, 50.0f / 3.0f, 20.0f);
    keep(x.LayoutSpaceBounds(), "LayoutSpaceBounds");
    keep(x.LayoutSpaceToScreen(5.5f, 7.0f / 3.0f), "LayoutSpaceToScreen");
    keep(x.LayoutSpaceRectToLocal(100.1f, 120.2f, 33.3f, 44.4f), "LayoutSpaceRectToLocal");
    x.LayoutSpaceEnd();
    keep(x.ImageCreate2(image), "ImageCreate2");
  }
  x.WindowEnd();
  x.Sync();
  return kept;
}

}  // namespace

bool PlayInterfaceScript(qel::Host& host, std::vector<uint8_t>& bytes) {
  qel::ExportTable x;
  const std::vector<std::string> missing = qel::LoadExportTable([&](const char* name) { return host.Symbol(name); }, x);
  if (!missing.empty()) {
    std::fprintf(stderr, "qelhost: the plug-in lacks %s; no interface script\n", missing.front().c_str());
    return false;
  }
  x.LogSetLocation(LogPath().c_str());
  x.Init1(1);
  auto* load = reinterpret_cast<int32_t (*)(const char*)>(qel::Host::Lookup("LOADIMAGE_L_S"));
  const int32_t image = load ? load("coin.png") : 0;
  bool kept = true;
  for (int frame = 1; frame <= kFrames; ++frame) kept = PlayFrame(host, x, frame, image, bytes) && kept;
  return kept;
}

bool WriteInterfaceDump(qel::Host& host, const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!PlayInterfaceScript(host, bytes)) return false;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "qelhost: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}
