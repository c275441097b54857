#include "demo_page.h"
#include "demo_style_block.h"

// The styles page: a button style edited through a memory block, and a cursor drawn from an
// image, shown or hidden by a check box. The scripted pointer rests inside the cursor's
// window, so that the screenshots show the drawn cursor.
namespace {

using namespace demo;

struct StylesState {
  StyleBlockDemo block;
  int drawn_cursor = 1;  // the check box's value
};
StylesState state;

void Start(const qel::ExportTable& x, qel::Host& host) {
  StyleBlockDemoStart(x, state.block);
  // A cursor named "heart", drawn from the whole heart image at 24 pixels with its hot spot
  // in the middle, replaces the arrow (kind 0).
  x.StyleMakeItem2("heart_cursor", "heart", -1, -1, 0, 0);
  x.StyleMakeCursor("heart", "heart_cursor", 24, 24, 12, 12);
  x.StyleReplaceCursor(0, "heart");
  host.MoveMouse(560, 160);
}

void CursorWindow(const qel::ExportTable& x) {
  if (x.WindowBeginTitled("cursor", "Drawn cursor", 380, 40, 300, 200, kWindow)) {
    x.LayoutRowDynamic(24, 1);
    state.drawn_cursor = x.CheckLabel("Draw the heart cursor", state.drawn_cursor);
    x.LayoutRowDynamic(60, 1);
    x.LabelWrap("The arrow cursor is replaced by one drawn from an image; the pointer shows it wherever it goes.");
  }
  x.WindowEnd();
}

void Frame(const qel::ExportTable& x, int) {
  StyleBlockDemoWindow(x, state.block, 40, 40);
  CursorWindow(x);
  if (state.drawn_cursor)
    x.StyleShowCursor();
  else
    x.StyleHideCursor();
}

}  // namespace

const DemoPage& StylesDemoPage() {
  static const DemoPage page{"styles", Start, Frame, nullptr};
  return page;
}
