#include <cstdio>

#include "demo_page.h"

// The panels page: a group whose content scrolls, a popup, tooltips, a contextual menu and a
// canvas drawing. The scripted pointer scrolls the group, opens the popup and closes it
// again, then opens the contextual menu with a right click and rests on a tooltip's button,
// so that the screenshots show each of them.
namespace {

using namespace demo;

struct PanelsState {
  int popup = 0;       // the popup is shown while this is set
  int volume = 5;
  int picked = -1;     // the contextual menu's last pick
  int presses = 0;
};
PanelsState state;

void GroupWindow(const qel::ExportTable& x) {
  if (x.WindowBeginTitled("group", "Group and popup", 40, 40, 320, 360, kWindow)) {
    x.LayoutRowDynamic(30, 1);
    if (x.ButtonLabel("Show popup")) state.popup = 1;

    x.LayoutRowDynamic(250, 1);
    if (x.GroupBegin("High scores", kBorder | kTitle)) {
      static const char* const kNames[] = {"Ada", "Brook", "Cyd", "Dee", "Eli", "Fay", "Gus", "Hal"};
      x.LayoutRow(0, 22, "[0.2,0.5,0.3]");
      for (int i = 0; i < 16; ++i) {
        char rank[8], score[16];
        std::snprintf(rank, sizeof rank, "%d.", i + 1);
        std::snprintf(score, sizeof score, "%d", 9800 - i * 430);
        x.Label(rank, kLeft);
        x.Label(kNames[i % 8], kLeft);
        x.Label(score, kRight);
      }
      x.GroupEnd();
    }

    // The popup stays open for as long as the script keeps describing it.
    if (state.popup) {
      constexpr int32_t kStatic = 0;
      if (x.PopupBegin(kStatic, "About", kBorder | kTitle, 20, 60, 260, 150)) {
        x.LayoutRowDynamic(44, 1);
        x.LabelWrap("A popup of this window: it keeps the focus until it is closed.");
        x.LayoutRowDynamic(28, 1);
        if (x.ButtonLabel("Close")) {
          state.popup = 0;
          x.PopupClose();
        }
        x.PopupEnd();
      } else {
        state.popup = 0;
      }
    }
  }
  x.WindowEnd();
}

// Buttons that explain themselves when hovered; a right click anywhere else opens a menu.
void TooltipsWindow(const qel::ExportTable& x) {
  if (x.WindowBeginTitled("tips", "Tooltips and a menu", 380, 40, 300, 360, kWindow)) {
    x.LayoutRowDynamic(30, 2);
    if (x.WidgetIsHovered()) x.Tooltip1("Starts the level again");
    if (x.ButtonLabel("Restart")) ++state.presses;
    if (x.WidgetIsHovered() && x.TooltipBegin1(180)) {
      x.LayoutRowDynamic(20, 1);
      x.Label("Volume of the music", kLeft);
      x.LabelColored("drawn in a tooltip panel", kLeft, Rgba(170, 170, 170));
      x.TooltipEnd();
    }
    state.volume = x.SlideInteger(0, state.volume, 10, 1);

    x.LayoutRowDynamic(60, 1);
    x.LabelWrap("Hover the two widgets above for their tooltips; right-click here for a menu.");
    char line[64];
    if (state.picked < 0) std::snprintf(line, sizeof line, "Nothing picked yet");
    else std::snprintf(line, sizeof line, "Picked: %s", kSwatchNames[state.picked]);
    x.LayoutRowDynamic(22, 1);
    x.LabelColored(line, kLeft, Rgba(255, 200, 120));

    const float left = x.WindowGetContentRegionX(), top = x.WindowGetContentRegionY();
    const float width = x.WindowGetContentRegionWidth(), height = x.WindowGetContentRegionHeight();
    if (x.ContextualBegin(0, 150, 150, left, top, width, height)) {
      x.LayoutRowDynamic(24, 1);
      for (int i = 0; i < 4; ++i)
        if (x.ContextualItemSymbolLabel(kTriangleRight, kSwatchNames[i], kLeft)) state.picked = i;
      x.ContextualEnd();
    }
  }
  x.WindowEnd();
}

// A picture drawn on the window's canvas, placed from the window's own content region.
void CanvasWindow(const qel::ExportTable& x) {
  if (x.WindowBeginTitled("canvas", "Canvas", 700, 40, 300, 360, kWindow | kNoScrollbar)) {
    constexpr int32_t kCanvas = 0;
    x.WindowStoreCanvas(kCanvas);
    const float l = x.WindowGetContentRegionX(), t = x.WindowGetContentRegionY();
    x.FillRectMultiColor(kCanvas, l, t, 280, 150, Rgba(40, 60, 120), Rgba(40, 60, 120), Rgba(230, 150, 90),
                         Rgba(230, 150, 90));
    x.FillCircle(kCanvas, l + 190, t + 30, 50, 50, Rgba(255, 230, 140));
    x.FillTriangle(kCanvas, l, t + 150, l + 90, t + 60, l + 180, t + 150, Rgba(60, 90, 70));
    x.FillTriangle(kCanvas, l + 110, t + 150, l + 200, t + 80, l + 280, t + 150, Rgba(80, 120, 90));
    x.StrokeCurve(kCanvas, l + 10, t + 200, l + 80, t + 160, l + 180, t + 260, l + 270, t + 200, 3, Rgba(52, 152, 219));
    x.StrokeRect(kCanvas, l + 10, t + 230, 120, 50, 6, 2, Rgba(230, 126, 34));
    x.StrokeCircle(kCanvas, l + 150, t + 230, 50, 50, 2, Rgba(46, 204, 113));
    x.FillArc(kCanvas, l + 240, t + 255, 28, 0.0f, 4.7f, Rgba(155, 89, 182));
    x.StrokeLine(kCanvas, l + 10, t + 295, l + 270, t + 295, 1, Rgba(170, 170, 170));
    x.DrawImage1(kCanvas, l + 10, t + 10, 32, 32, "coin", Rgba(255, 255, 255));
    x.DrawText(kCanvas, l + 50, t + 14, 120, 24, "Sunset", "sans", Rgba(0, 0, 0, 0), Rgba(255, 255, 255));
  }
  x.WindowEnd();
}

// Frames 1-40 focus and scroll the group and open the popup; 41-80 close it and rest on
// the slider, whose tooltip shows; 81-120 open the contextual menu with a right click.
void Pointer(qel::Host& input, int frame) {
  switch (frame) {
    case 13: input.MoveMouse(200, 250); break;
    case 14: input.MouseDown(0); break;
    case 15: input.MouseUp(0); break;
    case 17: input.Wheel(-2); break;
    case 20: input.MoveMouse(200, 90); break;
    case 21: input.MouseDown(0); break;
    case 22: input.MouseUp(0); break;
    case 45: input.MoveMouse(190, 227); break;
    case 46: input.MouseDown(0); break;
    case 47: input.MouseUp(0); break;
    case 50: input.MoveMouse(420, 260); break;
    case 51: input.MouseDown(0); break;
    case 52: input.MouseUp(0); break;
    case 55: input.MoveMouse(600, 90); break;
    case 85: input.MoveMouse(420, 260); break;
    case 86: input.MouseDown(1); break;
    case 87: input.MouseUp(1); break;
    case 95: input.MoveMouse(470, 305); break;
    default: break;
  }
}

void Frame(const qel::ExportTable& x, int) {
  GroupWindow(x);
  TooltipsWindow(x);
  CanvasWindow(x);
}

}  // namespace

const DemoPage& PanelsDemoPage() {
  static const DemoPage page{"panels", nullptr, Frame, Pointer};
  return page;
}
