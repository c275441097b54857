// Widget tests: the plug-in started with the built-in theme and font, clicks scripted on
// the reference host, and the presented frame searched for the colours widgets draw.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "plugin_fixture.h"

namespace qel {

// The pixels of one colour (within a tolerance per channel) found in a frame.
struct ColorBox {
  int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;  // inclusive
  int count = 0;
  int width() const { return count ? right - left + 1 : 0; }
  int height() const { return count ? bottom - top + 1 : 0; }
};

inline bool Near(uint32_t a, uint32_t b, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
    if (std::abs(ca - cb) > tolerance) return false;
  }
  return true;
}

// Pixels of `rgb` (alpha ignored) inside the rectangle [x0, x1) x [y0, y1) of the frame.
inline ColorBox FindColor(const Pixels& pixels, uint32_t rgb, int tolerance = 0, int x0 = 0, int y0 = 0,
                          int x1 = INT_MAX, int y1 = INT_MAX) {
  ColorBox box;
  for (int y = y0; y < std::min(y1, pixels.height); ++y)
    for (int x = x0; x < std::min(x1, pixels.width); ++x) {
      if (!Near(pixels.At(x, y), rgb, tolerance)) continue;
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y);
      ++box.count;
    }
  return box;
}

class WidgetTest : public PluginTest {
 protected:
  static constexpr int32_t kBorder = 1, kMovable = 2, kScalable = 4, kClosable = 8, kMinimizable = 16,
                           kNoScrollbar = 32, kTitle = 64, kNoInput = 1024;
  static constexpr int32_t kHidden = 8192, kClosed = 16384, kMinimized = 32768;
  static constexpr int32_t kAlignLeft = 17, kAlignCentered = 18;

  // Draws one button filling a 100 by 40 rectangle at (20, 20) of a window; the frame shown.
  Pixels DrawButton() {
    Frame([&] {
      if (api().WindowBegin("panel", 0, 0, 300, 200, kNoScrollbar)) {
        api().LayoutSpaceBegin(1, 100, 1);
        api().LayoutSpacePush(20, 20, 100, 40);
        api().ButtonLabel("");
        api().LayoutSpaceEnd();
      }
      api().WindowEnd();
    });
    return host().Screen();
  }

  // The built-in theme and the built-in font.
  void StartWidgets() {
    Start(1);
    api().FontStashBegin();
    api().FontStashEnd();
  }

  // A host command, called the way a script would.
  template <class Signature>
  Signature* Command(const char* name) {
    return reinterpret_cast<Signature*>(Host::Lookup(name));
  }
  int32_t ColorImage(int r, int g, int b, int a = 255) {
    return Command<int32_t(int32_t, int32_t, int32_t, int32_t)>("CREATEIMAGECOLOR_L_L_L_L_L")(r, g, b, a);
  }
  int32_t LoadImage(const char* file) { return Command<int32_t(const char*)>("LOADIMAGE_L_S")(file); }

  // A rectangle read back from the interface memblock.
  struct Rect {
    float x = 0, y = 0, w = 0, h = 0;
  };
  Rect InterfaceRect() { return {InterfaceFloat(0), InterfaceFloat(1), InterfaceFloat(2), InterfaceFloat(3)}; }
  uint32_t InterfaceUint(int index) {
    uint32_t value = 0;
    std::memcpy(&value, InterfaceBytes() + 4 * index, sizeof value);
    return value;
  }

  // Presses (and holds) the left button at (x, y): the next frame sees the press.
  void Press(float x, float y) {
    host().MoveMouse(x, y);
    host().MouseDown(0);
  }
  void Release() { host().MouseUp(0); }
};

}  // namespace qel
