#include <cstdint>
#include <cstdio>

#include "demo_page.h"

// The values page: every value widget, each value handed back by the widget and passed in
// again the next frame, as a script keeps it. The scripted pointer holds the spinner's plus
// button for a while, so that the screenshots show it counting up.
namespace {

using namespace demo;

struct ValuesState {
  int sound = 1;
  int flags = 0x5;  // bits 1 (music) and 4 (effects)
  int difficulty = 1;
  int chosen[3] = {1, 0, 0};
  float volume = 0.6f;
  int lives = 3;
  uint32_t loaded = 40;
  int speed = 7;
  float gravity = 9.8f;
  int fullscreen = 1;
  float zoom = 2.0f;
  float angle = 45.0f;
  int level = 4;
  float red = 0.2f, green = 0.6f, blue = 0.9f, alpha = 1.0f;
};
ValuesState state;

void ChecksAndOptions(const qel::ExportTable& x) {
  x.LayoutRowDynamic(24, 3);
  state.sound = x.CheckLabel("Sound", state.sound);
  constexpr int32_t kMusic = 0x1, kVoices = 0x2, kEffects = 0x4;
  state.flags = x.CheckFlagsLabel("Music", state.flags, kMusic);
  state.flags = x.CheckFlagsLabel("Voices", state.flags, kVoices);
  x.LayoutRowDynamic(24, 3);
  state.flags = x.CheckFlagsLabel("Effects", state.flags, kEffects);
  state.fullscreen = x.Switch("Fullscreen", state.fullscreen);

  static const char* const kLevels[] = {"Easy", "Normal", "Hard"};
  x.LayoutRowDynamic(24, 3);
  for (int i = 0; i < 3; ++i)
    if (x.OptionLabel(kLevels[i], state.difficulty == i)) state.difficulty = i;
}

void Selectables(const qel::ExportTable& x) {
  x.LayoutRowDynamic(26, 3);
  state.chosen[0] = x.SelectLabel("Sword", kLeft, state.chosen[0]);
  state.chosen[1] = x.SelectSymbolLabel(kPlus, "Shield", kLeft, state.chosen[1]);
  state.chosen[2] = x.SelectImageLabel1("coin", "Coins", kRight, state.chosen[2]);
}

void SlidersAndProgress(const qel::ExportTable& x) {
  x.LayoutRow(0, 24, "[0.3,0.7]");
  x.Label("Volume", kLeft);
  state.volume = x.SlideFloat(0.0f, state.volume, 1.0f, 0.05f);
  x.Label("Lives", kLeft);
  state.lives = x.SlideInteger(0, state.lives, 9, 1);
  x.Label("Loading", kLeft);
  state.loaded = x.Progress(state.loaded, 100, 1);
}

void PropertiesAndSpinners(const qel::ExportTable& x) {
  x.LayoutRowDynamic(26, 2);
  state.speed = x.PropertyInt("Speed:", 0, state.speed, 20, 1, 0.5f);
  state.gravity = x.PropertyFloat("Gravity:", 0.0f, state.gravity, 20.0f, 0.1f, 0.05f);
  x.LayoutRow(0, 26, "[0.3,0.7]");
  x.Label("Zoom", kLeft);
  state.zoom = x.Spin("zoom", 1.0f, state.zoom, 8.0f, 1.0f, 0, 0);  // a whole-number spinner of a float
  x.Label("Angle", kLeft);
  state.angle = x.SpinFloat("angle", -180.0f, state.angle, 180.0f, 15.0f, 1);
  x.Label("Level", kLeft);
  state.level = x.SpinInt("level", 1, state.level, 99, 1);
}

void ValuesWindow(const qel::ExportTable& x) {
  if (x.WindowBeginTitled("values", "Values", 40, 40, 460, 440, kWindow)) {
    ChecksAndOptions(x);
    Selectables(x);
    SlidersAndProgress(x);
    PropertiesAndSpinners(x);

    char line[96];
    std::snprintf(line, sizeof line, "volume %.2f, %d lives, level %d, flags %d", state.volume, state.lives, state.level,
                  state.flags);
    x.LayoutRowDynamic(22, 1);
    x.LabelColored(line, kLeft, Rgba(255, 200, 120));
  }
  x.WindowEnd();
}

// The picker answers a packed colour; the script keeps its components between frames.
void ColourWindow(const qel::ExportTable& x) {
  if (x.WindowBeginTitled("colour", "Colour picker", 540, 40, 300, 340, kWindow)) {
    constexpr int32_t kWithAlpha = 1;
    x.LayoutRowDynamic(220, 1);
    const uint32_t packed = static_cast<uint32_t>(x.ColorPicker(state.red, state.green, state.blue, state.alpha, kWithAlpha));
    state.red = (packed & 0xFF) / 255.0f;
    state.green = ((packed >> 8) & 0xFF) / 255.0f;
    state.blue = ((packed >> 16) & 0xFF) / 255.0f;
    state.alpha = ((packed >> 24) & 0xFF) / 255.0f;
    x.LayoutRowDynamic(30, 1);
    x.ButtonColor(static_cast<int32_t>(packed));
  }
  x.WindowEnd();
}

// Holds the Level spinner's plus button from frame 20 to 50: it repeats while held.
void Pointer(qel::Host& input, int frame) {
  if (frame == 19) input.MoveMouse(459, 375);
  if (frame == 20) input.MouseDown(0);
  if (frame == 50) input.MouseUp(0);
  if (frame == 52) input.MoveMouse(860, 600);
}

void Frame(const qel::ExportTable& x, int) {
  ValuesWindow(x);
  ColourWindow(x);
}

}  // namespace

const DemoPage& ValuesDemoPage() {
  static const DemoPage page{"values", nullptr, Frame, Pointer};
  return page;
}
