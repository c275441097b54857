// Text fields through the real exports: the script keeps each field's text and passes it in
// every frame, while the host's scripted mouse and keys edit it.
#include <string>
#include <utility>
#include <vector>

#include "widget_fixture.h"

namespace qel {
namespace {

constexpr int kVkEnter = 13, kVkShift = 16, kVkControl = 17, kVkHome = 36;
constexpr int32_t kSigEnter = 4, kAutoSelect = 2, kField = 608;  // selectable, clipboard, always insert
constexpr int32_t kActive = 1, kInactive = 2, kActivated = 4, kDeactivated = 8, kCommitted = 16;
constexpr int32_t kNoFilter = 7;

class Editing : public WidgetTest {
 protected:
  // What the script keeps for one field.
  struct Field {
    Field(std::string text_in, int32_t flags_in = kField, int32_t max_in = 64, int32_t filter_in = kNoFilter)
        : text(std::move(text_in)), flags(flags_in), max(max_in), filter(filter_in) {}
    std::string text;
    int32_t flags = kField;
    int32_t max = 64;
    int32_t filter = kNoFilter;
    int32_t events = 0;  // GetLastEditEvent right after its call
    Rect cell;
  };

  void SetUp() override {
    WidgetTest::SetUp();
    StartWidgets();
    host().MoveMouse(600, 400);
  }

  // One frame of a window with a row per field, each field's result kept as its new text.
  // `spacer` rows come first, moving every field down.
  void Draw(int spacer = 0) {
    Frame([&] {
      if (api().WindowBegin("edit", 0, 0, 300, 300, kNoScrollbar)) {
        for (int i = 0; i < spacer; ++i) {
          api().LayoutRowDynamic(30, 1);
          api().Spacing(1);
        }
        for (Field& field : fields_) {
          api().LayoutRowDynamic(30, 1);
          api().WidgetBounds();
          field.cell = InterfaceRect();
          field.text = api().EditString(field.flags, field.text.c_str(), field.max, field.filter);
          field.events = api().GetLastEditEvent();
        }
      }
      api().WindowEnd();
    });
  }
  // A click (press frame, release frame) at (x, y).
  void Click(float x, float y, int spacer = 0) {
    Press(x, y);
    Draw(spacer);
    Release();
    Draw(spacer);
  }
  // A click at the right end of a field: its cursor goes to the end of its text.
  void ClickEnd(size_t index) {
    const Rect& cell = fields_[index].cell;
    Click(cell.x + cell.w - 12, cell.y + cell.h / 2);
  }
  void ClickAway() { Click(250, 280); }
  void Key(int vk) {
    host().KeyDown(vk);
    Draw();
    host().KeyUp(vk);
  }
  void Chord(int modifier, int vk) {
    host().KeyDown(modifier);
    Key(vk);
    host().KeyUp(modifier);
    Draw();
  }
  void Type(const std::string& text) {
    host().Type(text);
    Draw();
  }

  std::vector<Field> fields_;
};

TEST_F(Editing, TheScriptGetsTheTypedTextOnlyWhenTheEditEnds) {
  struct Case {
    const char* name;
    int32_t flags;
    bool by_enter;         // else a click away ends it
    int32_t end_events;    // bits of the frame the edit ends in
    int32_t enter_events;  // bits of the frame Enter is pressed in
  };
  const Case cases[] = {
      {"enter signalled", kField | kSigEnter, true, kActive | kCommitted, kActive | kCommitted},
      {"enter in a plain field", kField, false, kInactive | kDeactivated, kActive},
      {"click away", kField | kSigEnter, false, kInactive | kDeactivated, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fields_ = {Field{"xy", c.flags}};
    Draw();
    ClickEnd(0);
    EXPECT_EQ(fields_[0].text, "xy");
    Type("abc");
    EXPECT_EQ(fields_[0].text, "xy");  // the typed text stays in the field
    EXPECT_EQ(fields_[0].events & (kActive | kCommitted | kDeactivated), kActive);
    if (c.by_enter || c.enter_events == kActive) {
      Key(kVkEnter);
      EXPECT_EQ(fields_[0].events & (kActive | kCommitted | kDeactivated), c.enter_events);
    }
    if (!c.by_enter) {
      EXPECT_EQ(fields_[0].text, "xy");  // a plain field takes Enter as nothing
      Press(250, 280);
      Draw();
      Release();
    }
    EXPECT_EQ(fields_[0].text, "xyabc");
    EXPECT_EQ(fields_[0].events & c.end_events, c.end_events);
    // From the next frame on the field shows the script's text again, and is no longer edited.
    fields_[0].text = "new";
    Draw();
    Type("q");
    EXPECT_EQ(fields_[0].text, "new");
    EXPECT_EQ(fields_[0].events & kActive, 0);
  }
}

TEST_F(Editing, FieldsEditedInTurnEachGetTheirOwnText) {
  fields_ = {Field{"one"}, Field{"two"}};
  Draw();
  // Down: the first field ends in the frame the second is clicked.
  ClickEnd(0);
  Type("A");
  ClickEnd(1);
  EXPECT_EQ(fields_[0].text, "oneA");
  EXPECT_EQ(fields_[1].text, "two");
  Type("B");
  // Up: the first field takes the edit before the second is drawn; the second still gets
  // what was typed into it, and reports its end.
  const Rect first = fields_[0].cell;
  Press(first.x + first.w - 12, first.y + first.h / 2);
  Draw();
  EXPECT_EQ(fields_[1].text, "twoB");
  EXPECT_EQ(fields_[1].events & kDeactivated, kDeactivated);
  EXPECT_EQ(fields_[0].events & kActivated, kActivated);
  Release();
  Draw();
  Type("C");
  ClickAway();
  EXPECT_EQ(fields_[0].text, "oneAC");
  EXPECT_EQ(fields_[1].text, "twoB");
}

TEST_F(Editing, AFieldThatMovedIsNoLongerTheOwner) {
  fields_ = {Field{"one"}, Field{"two"}};
  Draw();
  ClickEnd(0);
  Type("typed");
  // The rows move down: the field at the owner's old place is the second one now, and neither
  // field is at the owner's place... until the rows move back.
  Draw(1);
  EXPECT_EQ(fields_[0].text, "one");
  Press(250, 290);
  Draw(1);
  Release();
  // The field ended its edit away from its place: it gets the script's text, not the typed one,
  // and no other field was handed it.
  EXPECT_EQ(fields_[0].events & kDeactivated, kDeactivated);
  EXPECT_EQ(fields_[0].text, "one");
  EXPECT_EQ(fields_[1].text, "two");
  Draw(1);
  Draw();
  EXPECT_EQ(fields_[0].text, "one");
  EXPECT_EQ(fields_[1].text, "two");
}

TEST_F(Editing, FiltersTakeOnlyTheirCharacters) {
  struct Case {
    int32_t filter;
    const char* typed;
    const char* kept;
  };
  const Case cases[] = {
      {0, "a1-b.2", "a1-b.2"}, {2, "a1.2.3", "1.23"},     {3, "a1-b.2", "1-2"}, {4, "0xfG9", "0f9"},
      {6, "10213", "101"},     {7, "a1-b.2", "a1-b.2"}, {8, "a1-b.2", "a1-b.2"}, {-1, "z!", "z!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter);
    fields_ = {Field{"", kField | kSigEnter, 64, c.filter}};
    Draw();
    ClickEnd(0);
    Type(c.typed);
    Key(kVkEnter);
    EXPECT_EQ(fields_[0].text, c.kept);
  }
}

TEST_F(Editing, TextIsHeldToMaxBytesWithoutSplittingACharacter) {
  struct Case {
    const char* given;
    int32_t max;
    const char* typed;
    const char* shown;   // the result before editing
    const char* edited;  // the result when the edit ends
  };
  const Case cases[] = {
      {"", 3, "abcdef", "", "abc"},
      {"abcdef", 4, "", "abcd", "abcd"},
      {"a\xC3\xA9", 2, "", "a", "a"},                         // "aé": é does not fit
      {"", 5, "\xC3\xA9\xC3\xA9\xC3\xA9", "", "\xC3\xA9\xC3\xA9"},  // two é of three fit
      {"x", 0, "abc", "", ""},
      {"x", -5, "abc", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.given) + " max " + std::to_string(c.max));
    fields_ = {Field{c.given, kField | kSigEnter, c.max}};
    Draw();
    EXPECT_EQ(fields_[0].text, c.shown);
    fields_[0].text = c.given;
    ClickEnd(0);
    Type(c.typed);
    fields_[0].text = c.given;
    Key(kVkEnter);
    EXPECT_EQ(fields_[0].text, c.edited);
  }
  // A larger max passed while editing does not grow the edit past the size it began with.
  fields_ = {Field{"", kField | kSigEnter, 3}};
  Draw();
  ClickEnd(0);
  fields_[0].max = 100;
  Type("abcdef");
  Key(kVkEnter);
  EXPECT_EQ(fields_[0].text, "abc");
}

TEST_F(Editing, TheSelectionReadsTheSameWhicheverWayItWasDragged) {
  fields_ = {Field{"abcdefghij"}};
  Draw();
  const Rect cell = fields_[0].cell;
  const float y = cell.y + cell.h / 2;
  const float left = cell.x + 22, right = cell.x + 50;
  struct Drag {
    float from, to;
  };
  std::vector<std::vector<int32_t>> reads;
  for (const Drag& drag : {Drag{left, right}, Drag{right, left}}) {
    ClickAway();
    host().MoveMouse(drag.from, y);
    Draw();
    host().MouseDown(0);
    Draw();
    host().MoveMouse(drag.to, y);
    Draw();
    Release();
    Draw();
    reads.push_back({api().EditGetMarkStart(), api().EditGetMarkEnd(), api().EditGetCursorPosition()});
  }
  EXPECT_LT(reads[0][0], reads[0][1]);
  EXPECT_EQ(reads[0][0], reads[1][0]);
  EXPECT_EQ(reads[0][1], reads[1][1]);
  EXPECT_EQ(reads[0][2], reads[0][1]);  // the cursor follows the drag
  EXPECT_EQ(reads[1][2], reads[1][0]);
}

TEST_F(Editing, TheCursorAndSelectionSetByTheScriptHoldInTheNextFrame) {
  fields_ = {Field{"abc", kField | kSigEnter}};
  Draw();
  ClickEnd(0);
  // Set right after the field is drawn, as a script would.
  Frame([&] {
    if (api().WindowBegin("edit", 0, 0, 300, 300, kNoScrollbar)) {
      api().LayoutRowDynamic(30, 1);
      fields_[0].text = api().EditString(fields_[0].flags, fields_[0].text.c_str(), 64, kNoFilter);
      api().EditSetCursorPosition(1);
      api().EditSetMarkStart(-4);  // negative positions are 0
      api().EditSetMarkEnd(0);
    }
    api().WindowEnd();
  });
  EXPECT_EQ(api().EditGetCursorPosition(), 1);
  EXPECT_EQ(api().EditGetMarkStart(), 0);
  Type("Z");
  Key(kVkEnter);
  EXPECT_EQ(fields_[0].text, "aZbc");
}

TEST_F(Editing, CopyAndPasteGoThroughTheClipboard) {
  fields_ = {Field{"hello", kField | kAutoSelect}, Field{"<>", kField | kSigEnter}};
  Draw();
  ClickEnd(0);  // auto select: the whole text is selected
  Chord(kVkControl, 'C');
  // Into the second field, between its two characters.
  const Rect second = fields_[1].cell;
  Click(second.x + 12, second.y + second.h / 2);
  Chord(kVkControl, 'V');
  Key(kVkEnter);
  EXPECT_EQ(fields_[0].text, "hello");
  EXPECT_EQ(fields_[1].text, "<hello>");
  // Cut takes the selection (Shift+Home: all of it) out of the field, and pasting replaces
  // the selection of the first field.
  fields_[1].text = "keep|cut";
  Draw();
  ClickEnd(1);
  host().KeyDown(kVkShift);
  Key(kVkHome);
  host().KeyUp(kVkShift);
  Chord(kVkControl, 'X');
  Key(kVkEnter);
  EXPECT_EQ(fields_[1].text, "");
  ClickEnd(0);
  Chord(kVkControl, 'V');
  ClickAway();
  EXPECT_EQ(fields_[0].text, "keep|cut");
}

TEST_F(Editing, WithoutAWindowTheTextComesBackAndNothingIsEdited) {
  EXPECT_STREQ(api().EditString(kField, "as is", 64, 0), "as is");
  EXPECT_STREQ(api().EditString(kField, nullptr, 64, 0), "");
  EXPECT_STREQ(api().EditString(kField, "abcdef", 3, 0), "abc");
  EXPECT_EQ(api().GetLastEditEvent(), 0);
  api().EditSetCursorPosition(5);
  api().EditSetMarkStart(2);
  api().EditSetMarkEnd(1);
  EXPECT_EQ(api().EditGetCursorPosition(), 5);
  EXPECT_EQ(api().EditGetMarkStart(), 1);
  EXPECT_EQ(api().EditGetMarkEnd(), 2);
}

}  // namespace
}  // namespace qel
