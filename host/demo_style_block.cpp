#include "demo_style_block.h"

#include <cstring>

#include "qelhost.h"

namespace {

// Layout offsets of the button style in a block.
constexpr int kBorderColorAt = 108, kBorderAt = 132, kRoundingAt = 136;

// The block's bytes, asked of the host each time as a script would.
uint8_t* BlockBytes(int32_t id) {
  auto* pointer = reinterpret_cast<void* (*)(int32_t)>(qel::Host::Lookup("GETMEMBLOCKPTR_P_L"));
  return pointer && id > 0 ? static_cast<uint8_t*>(pointer(id)) : nullptr;
}

void WriteFloat(uint8_t* block, int at, float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  for (int i = 0; i < 4; ++i) block[at + i] = static_cast<uint8_t>(bits >> (8 * i));
}

}  // namespace

void StyleBlockDemoStart(const qel::ExportTable& x, StyleBlockDemo& demo) {
  constexpr int32_t kButton = 4;
  demo.original = x.StyleCreateMemblock3("demo_button_original", kButton);
  demo.edited = x.StyleCreateMemblock3("demo_button", kButton);
  if (uint8_t* block = BlockBytes(demo.edited)) {
    const uint8_t orange[4] = {255, 160, 40, 255};
    std::memcpy(block + kBorderColorAt, orange, sizeof orange);
  }
}

void StyleBlockDemoWindow(const qel::ExportTable& x, StyleBlockDemo& demo, float left, float top) {
  constexpr int32_t kBorder = 1, kMovable = 2, kTitle = 64, kLeft = 17;
  if (x.WindowBeginTitled("style_block", "Style block", left, top, 300, 200, kBorder | kMovable | kTitle)) {
    x.LayoutRow(0, 24, "[0.35,0.65]");
    x.Label("Border", kLeft);
    demo.border = x.SlideFloat(0.0f, demo.border, 6.0f, 0.5f);
    x.Label("Rounding", kLeft);
    demo.rounding = x.SlideFloat(0.0f, demo.rounding, 20.0f, 1.0f);

    // The script's edits go into the block's bytes; the block then becomes the live style.
    if (uint8_t* block = BlockBytes(demo.edited)) {
      WriteFloat(block, kBorderAt, demo.border);
      WriteFloat(block, kRoundingAt, demo.rounding);
      x.StyleSetFromMemblock0("demo_button");
    }
    x.LayoutRowDynamic(40, 2);
    x.ButtonLabel("Styled");
    x.ButtonLabel("By a block");
    x.StyleSetFromMemblock0("demo_button_original");
  }
  x.WindowEnd();
}
