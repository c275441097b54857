// Style memory blocks through the real exports: blocks made from the live style, edited in
// the host's memory and applied back.
#include <cstring>
#include <string>

#include "frame/log_messages.h"
#include "widget_fixture.h"

namespace qel {
namespace {

class StyleMemblocks : public WidgetTest {
 protected:
  uint8_t* Bytes(int32_t id) { return host().MemblockData(id); }
  float FloatAt(int32_t id, int offset) {
    float value;
    std::memcpy(&value, Bytes(id) + offset, sizeof value);
    return value;
  }
  void PutFloat(int32_t id, int offset, float value) { std::memcpy(Bytes(id) + offset, &value, sizeof value); }
  void PutInt(int32_t id, int offset, uint32_t value) { std::memcpy(Bytes(id) + offset, &value, sizeof value); }
  // A host block made (or remade) under an id, as a script's own commands would.
  void RemakeBlock(int32_t id, int32_t size) { Command<void(int32_t, int32_t)>("CREATEMEMBLOCK_0_L_L")(id, size); }
  void DeleteBlock(int32_t id) { Command<void(int32_t)>("DELETEMEMBLOCK_0_L")(id); }
  std::string Get(const char* widget, const char* property) {
    const char* text = api().StyleGetContextProperty(widget, property);
    return text ? text : "";
  }

  // Pixels where the magenta border shows, blended or not: red and blue well above green.
  static ColorBox Magentas(const Pixels& pixels) {
    ColorBox box;
    for (int y = 0; y < pixels.height; ++y)
      for (int x = 0; x < pixels.width; ++x) {
        const uint32_t c = pixels.At(x, y);
        const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
        if (r < g + 60 || b < g + 60) continue;
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
        ++box.count;
      }
    return box;
  }

};

TEST_F(StyleMemblocks, CreatingMakesABlockOfTheTypesSizeFromTheLiveStyle) {
  StartWidgets();
  for (int32_t type : {0, 21}) {
    EXPECT_EQ(api().StyleCreateMemblock2(type), 0);
    EXPECT_TRUE(LogHas(LogText(msg::StyleMemblockTypeOutOfRange, type, 21)));
  }
  const struct {
    int32_t type;
    int32_t size;
  } kCases[] = {{1, 0}, {3, 12}, {4, 176}, {12, 1324}, {19, 732}, {20, 512}};
  for (const auto& c : kCases) {
    const int32_t id = api().StyleCreateMemblock2(c.type);
    ASSERT_GT(id, 0) << c.type;
    EXPECT_EQ(host().MemblockSize(id), c.size) << c.type;
  }
  EXPECT_EQ(LogCount(msg::StyleMemblockNoWidget), 1);

  // Made under a given id, or remade over a block of another size.
  RemakeBlock(7, 10);
  EXPECT_EQ(api().StyleCreateMemblock0(19, 7), 7);
  EXPECT_EQ(host().MemblockSize(7), 732);

  ASSERT_EQ(api().StyleSetContextProperty("button", "border", "2.5"), 1);
  const int32_t button = api().StyleCreateMemblock3("big", 4);
  EXPECT_EQ(FloatAt(button, 132), 2.5f);
  const int32_t again = api().StyleCreateMemblock3("big", 4);
  EXPECT_GT(again, 0);
  EXPECT_NE(again, button);
  EXPECT_TRUE(LogHas(LogText(msg::StyleMemblockNameExists, "big")));
  EXPECT_GT(api().StyleCreateMemblock1("", 4, -1), 0);
  EXPECT_EQ(LogCount(msg::StyleMemblockNameEmpty), 1);
}

// The edge case scripts rely on: a border written at byte 132 and applied draws that border.
TEST_F(StyleMemblocks, ABorderWrittenAt132ChangesTheDrawnButton) {
  StartWidgets();
  const int32_t id = api().StyleCreateMemblock2(4);
  ASSERT_GT(id, 0);
  PutInt(id, 108, Rgba(255, 0, 255));  // border_color
  PutFloat(id, 136, 0.0f);             // rounding
  int counts[3] = {};
  const float kBorders[] = {0.0f, 1.0f, 3.0f};
  for (int i = 0; i < 3; ++i) {
    PutFloat(id, 132, kBorders[i]);
    api().StyleSetFromMemblock1(4, id);
    const ColorBox box = Magentas(DrawButton());
    counts[i] = box.count;
    if (i > 0) {
      EXPECT_NEAR(box.width(), 100 + kBorders[i], 2) << kBorders[i];
    }
  }
  EXPECT_EQ(counts[0], 0);
  EXPECT_GT(counts[1], 200);
  EXPECT_GT(counts[2], counts[1] * 3 / 2);  // a stroke three times as thick
  // Also for a button block, the window background line.
  EXPECT_EQ(LogCount(msg::StyleMemblockWindowBackground), 3);
}

// A pushed block is undone by the same StylePop that undoes StylePush, a header block too.
TEST_F(StyleMemblocks, APushedBlockIsPoppedBackToTheLiveStyleItReplaced) {
  StartWidgets();
  const struct {
    int32_t type;
    const char* widget;
    const char* property;
    int offset;  // of the float written in the block
  } kCases[] = {{4, "button", "rounding", 136}, {20, "window", "header.padding", 488}};
  for (const auto& c : kCases) {
    const std::string before = Get(c.widget, c.property);
    const int32_t id = api().StyleCreateMemblock2(c.type);
    ASSERT_GT(id, 0) << c.type;
    PutFloat(id, c.offset, 17.0f);
    api().StylePushMemblock0(c.type, id);
    EXPECT_EQ(Get(c.widget, c.property).substr(0, 9), "17.000000") << c.type;
    api().StylePop();
    EXPECT_EQ(Get(c.widget, c.property), before) << c.type;
  }
  api().StylePop();
  EXPECT_EQ(LogCount(msg::StyleStackEmpty), 1);
}

TEST_F(StyleMemblocks, AWindowHeaderBlockIsTheWindowsFirst512BytesAndAppliesToTheHeaderOnly) {
  StartWidgets();
  const int32_t window = api().StyleCreateMemblock2(19);
  const int32_t header = api().StyleCreateMemblock2(20);
  ASSERT_GT(window, 0);
  ASSERT_GT(header, 0);
  EXPECT_EQ(std::memcmp(Bytes(window), Bytes(header), 512), 0);

  PutFloat(header, 488, 11.0f);  // header padding x
  api().StyleSetFromMemblock1(20, header);
  EXPECT_EQ(Get("window", "header.padding").substr(0, 9), "11.000000");
  const int32_t after = api().StyleCreateMemblock2(19);
  EXPECT_EQ(std::memcmp(Bytes(after) + 512, Bytes(window) + 512, 732 - 512), 0);
}

// Named entries are looked up again by id at every use: a block deleted, shortened or remade
// by the host's own commands is refused or read where it is now.
TEST_F(StyleMemblocks, NamedBlocksFollowTheHostsBlockOfThatId) {
  StartWidgets();
  const int32_t id = api().StyleCreateMemblock3("b", 4);
  ASSERT_GT(id, 0);

  RemakeBlock(id, 16);
  api().StyleSetFromMemblock0("b");
  EXPECT_TRUE(LogHas(LogText(msg::StyleMemblockTooSmall, id, 16, 4, 176)));
  api().StyleSetFromMemblock1(4, id);
  api().StylePushMemblock1("b");
  EXPECT_EQ(LogCount(msg::StyleMemblockTooSmall), 3);
  EXPECT_EQ(LogCount(msg::StyleMemblockWindowBackground), 0);

  RemakeBlock(id, 176);
  std::memset(Bytes(id), 0, 176);
  PutFloat(id, 132, 5.0f);
  api().StyleSetFromMemblock0("b");
  EXPECT_EQ(Get("button", "border"), "5.000000");

  DeleteBlock(id);
  api().StyleSetFromMemblock0("b");
  EXPECT_TRUE(LogHas(LogText(msg::StyleMemblockIdMissing, id)));
  api().StylePushMemblock1("b");
  EXPECT_TRUE(LogHas(LogText(msg::StyleMemblockPushMissing, id)));

  api().StyleDeleteMemblock0("b");
  EXPECT_EQ(LogCount(msg::StyleMemblockNameMissing), 0);
  api().StyleDeleteMemblock0("b");
  EXPECT_TRUE(LogHas(LogText(msg::StyleMemblockNameMissing, "b")));
  api().StylePushMemblock1("b");
  EXPECT_TRUE(LogHas(LogText(msg::StyleMemblockPushNameMissing, "b")));
}

TEST_F(StyleMemblocks, BadIdsAndTypesAreRefused) {
  StartWidgets();
  const int32_t id = api().StyleCreateMemblock2(4);
  const struct {
    void (*call)(const ExportTable&, int32_t id);
    std::string message;
  } kCases[] = {
      {[](const ExportTable& x, int32_t) { x.StyleSetFromMemblock1(4, 0); }, LogText(msg::StyleMemblockIdOutOfRange, 0)},
      {[](const ExportTable& x, int32_t) { x.StyleSetFromMemblock1(4, 999); }, LogText(msg::StyleMemblockIdMissing, 999)},
      {[](const ExportTable& x, int32_t) { x.StylePushMemblock0(4, -3); }, LogText(msg::StyleMemblockPushMissing, -3)},
      {[](const ExportTable& x, int32_t block) { x.StylePushMemblock0(2, block); },
       LogText(msg::StyleMemblockPushTypeInvalid, 2)},
      {[](const ExportTable& x, int32_t block) { x.StylePushMemblock0(21, block); },
       LogText(msg::StyleMemblockPushTypeInvalid, 21)},
  };
  for (const auto& c : kCases) {
    c.call(api(), id);
    EXPECT_TRUE(LogHas(c.message)) << c.message;
  }
}

}  // namespace
}  // namespace qel
