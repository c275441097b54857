#include "demo_themes.h"

#include "demo_page.h"

#include <cstdio>
#include <string>

namespace {

using namespace demo;
constexpr int32_t kTab = 1, kNode = 0, kOpen = 1;
constexpr int32_t kField = 608, kNoFilter = 7, kLines = 0;

// What the script keeps between frames.
struct ThemesState {
  std::string loaded;
  int music = 1, subtitles = 0, difficulty = 1;
  float volume = 0.65f;
  uint32_t progress = 62;
  int lives = 3;
  std::string name = "Ada Lovelace";
  int region = 1;
  int slot = 0;
  int saves = 0;
};
ThemesState state;

// The documents sit beside the media folder, in examples/themes.
void LoadTheme(const qel::ExportTable& x, const char* theme) {
  const std::string file = std::string("../themes/") + theme + ".xml";
  x.StyleLoadFromFile(file.c_str());
  state.loaded = theme;
}

void SettingsWindow(const qel::ExportTable& x) {
  if (x.WindowBeginTitled("theme_settings", "Settings", 40, 30, 460, 540, kBorder | kMovable | kMinimizable | kTitle)) {
    char line[64];
    std::snprintf(line, sizeof line, "The %s theme, loaded from %s.xml", state.loaded.c_str(), state.loaded.c_str());
    x.LayoutRowDynamic(22, 1);
    x.Label(line, kLeft);

    x.LayoutRow(0, 26, "[0.3,0.7]");
    x.Label("Name", kLeft);
    state.name = x.EditString(kField, state.name.c_str(), 32, kNoFilter);
    x.Label("Region", kLeft);
    state.region = x.ComboSeparator("Europe|Americas|Asia|Oceania", '|', state.region, 4, 24, 200, 160);

    x.LayoutRowDynamic(24, 2);
    state.music = x.CheckLabel("Music", state.music);
    state.subtitles = x.CheckLabel("Subtitles", state.subtitles);

    x.LayoutRowDynamic(24, 3);
    static const char* const kLevels[] = {"Easy", "Normal", "Hard"};
    for (int i = 0; i < 3; ++i)
      if (x.OptionLabel(kLevels[i], state.difficulty == i)) state.difficulty = i;

    x.LayoutRow(0, 24, "[0.3,0.7]");
    x.Label("Volume", kLeft);
    state.volume = x.SlideFloat(0, state.volume, 1, 0.05f);
    x.Label("Download", kLeft);
    state.progress = x.Progress(state.progress, 100, 1);
    x.LayoutRowDynamic(26, 1);
    state.lives = x.PropertyInt("Lives", 1, state.lives, 9, 1, 1);

    if (x.TreePush(kTab, "Advanced", kOpen)) {
      x.LayoutRowDynamic(22, 1);
      static const char* const kModes[] = {"Windowed", "Borderless", "Full screen"};
      for (int i = 0; i < 3; ++i)
        if (x.SelectLabel(kModes[i], kLeft, state.slot == i)) state.slot = i;
      if (x.TreePush(kNode, "Statistics", kOpen)) {
        static const float kFrameTimes[] = {16, 17, 15, 21, 16, 14, 18, 16, 15, 17};
        x.LayoutRowDynamic(60, 1);
        if (x.ChartBegin(kLines, 10, 10, 24)) {
          for (float value : kFrameTimes) x.ChartPush(value);
          x.ChartEnd();
        }
        x.TreeStatePop();
      }
      x.TreeStatePop();
    }

    x.LayoutRowDynamic(30, 2);
    x.ButtonLabel("Cancel");
    if (x.ButtonLabelStyled("accent", "Save")) ++state.saves;
  }
  x.WindowEnd();
}

// A list taller than its window, so that the scrollbar shows.
void SavesWindow(const qel::ExportTable& x) {
  if (x.WindowBeginTitled("theme_saves", "Saved games", 540, 30, 300, 300, kBorder | kMovable | kTitle)) {
    for (int i = 1; i <= 12; ++i) {
      char text[48];
      std::snprintf(text, sizeof text, "Slot %d: chapter %d", i, (i * 7) % 10 + 1);
      x.LayoutRow(0, 24, "[0.7,0.3]");
      x.Label(text, kLeft);
      x.ButtonLabel("Load");
    }
  }
  x.WindowEnd();
  if (x.WindowBeginTitled("theme_about", "About", 540, 360, 300, 150, kBorder | kMovable | kTitle)) {
    x.LayoutRowDynamic(44, 1);
    x.LabelWrap("Both themes share their item names, so one script runs unchanged under either.");
    char saved[48];
    std::snprintf(saved, sizeof saved, "Saved %d times", state.saves);
    x.LayoutRowDynamic(22, 2);
    x.Label(saved, kRight);
    x.ButtonLabelStyled("accent", "OK");
  }
  x.WindowEnd();
}

}  // namespace

const char* ThemeOfFrame(int frame) { return ((frame - 1) / kThemeFrames) % 2 == 0 ? "light" : "dark"; }

void DemoThemesFrame(const qel::ExportTable& exports, int frame) {
  const char* theme = ThemeOfFrame(frame);
  if (state.loaded != theme) LoadTheme(exports, theme);
  SettingsWindow(exports);
  SavesWindow(exports);
}

const DemoPage& ThemesDemoPage() {
  static const DemoPage page{"themes", nullptr, DemoThemesFrame, nullptr};
  return page;
}
