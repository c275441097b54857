// Named images, image slots, the image widgets and the memblock image button through the
// real exports; drawn images are measured on the presented frame.
#include <functional>

#include "widget_fixture.h"

namespace qel {
namespace {

constexpr uint32_t kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

class Images : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    StartWidgets();
    host().MoveMouse(600, 400);  // the pointer stays off the cells
  }
  // Draws `widgets` in one static cell of 80 by 40 pixels.
  void DrawCell(const std::function<void()>& widgets) {
    Frame([&] {
      if (api().WindowBegin("images", 0, 0, 300, 200, kBorder | kNoScrollbar)) {
        api().LayoutRowStatic(40, 80, 1);
        widgets();
      }
      api().WindowEnd();
    });
  }
  ColorBox Find(uint32_t rgb, int tolerance = 0) { return FindColor(host().Screen(), rgb, tolerance, 0, 0, 300, 200); }
};

TEST_F(Images, SlotsGrowInTensAheadOfTheSlot) {
  const int32_t image = ColorImage(0, 255, 0);
  EXPECT_EQ(api().ImageToSlot1(5, image), 20);
  EXPECT_EQ(api().ImageExists0(5), 1);
  EXPECT_EQ(api().ImageExists0(4), 0);
  EXPECT_EQ(api().ImageExists0(20), 0);
  EXPECT_EQ(api().ImageExists0(-1), 0);
  EXPECT_EQ(api().ImageToSlot1(19, image), 20);  // inside: overwritten
  EXPECT_EQ(api().ImageToSlot1(20, image), 40);
  EXPECT_EQ(api().ImageToSlot0(45, image, 0, 0, 1, 1), 60);
  EXPECT_EQ(api().ImageToSlot1(-3, image), 60);  // ignored
  EXPECT_FALSE(LogHas("ERROR"));
  EXPECT_EQ(api().ImageToSlot1(2000000, image), 60);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::ImageSlotBeyondLast, 2000000, 1048575)));
  EXPECT_EQ(api().ImageExists0(2000000), 0);
}

TEST_F(Images, AFirstSlotOf19MakesThirtySlots) {
  EXPECT_EQ(api().ImageToSlot1(19, ColorImage(0, 255, 0)), 30);
  // A slot made from a host image that does not exist has no size: it is not there.
  EXPECT_EQ(api().ImageToSlot1(3, 424242), 30);
  EXPECT_EQ(api().ImageExists0(3), 0);
}

TEST_F(Images, NamesAreReplacedWithAWarning) {
  const int32_t image = ColorImage(0, 255, 0);
  EXPECT_EQ(api().ImageExists1("green"), 0);
  EXPECT_EQ(api().ImageCreate1("green", image), 1);
  EXPECT_FALSE(LogHas(LogText(msg::ImageOverwritten, "green", "green")));
  EXPECT_EQ(api().ImageCreate1("green", image), 1);
  EXPECT_EQ(LogCount(LogLevelAndText(msg::ImageOverwritten, "green", "green")), 1);
  EXPECT_EQ(api().ImageCreate0("Green", image, 0, 0, 0, 0), 2);  // names are case-sensitive
  EXPECT_EQ(api().ImageExists1("green"), 1);
  EXPECT_EQ(api().ImageExists1("GREEN"), 0);
  EXPECT_EQ(api().ImageExists1(nullptr), 0);
}

TEST_F(Images, AnImageIsStretchedOverItsWholeCell) {
  ASSERT_EQ(api().ImageCreate1("quadrants", LoadImage("quadrants.png")), 1);
  DrawCell([&] { api().Image1("quadrants"); });
  const ColorBox red = Find(kRed), green = Find(kGreen), blue = Find(kBlue), white = Find(kWhite);
  ASSERT_GT(red.count, 0);
  ASSERT_GT(white.count, 0);
  EXPECT_EQ(white.right - red.left + 1, 80);
  EXPECT_EQ(white.bottom - red.top + 1, 40);
  EXPECT_EQ(green.right, white.right);
  EXPECT_EQ(green.top, red.top);
  EXPECT_EQ(blue.left, red.left);
  EXPECT_EQ(blue.bottom, white.bottom);

  // A region of the image: its top-right quarter (green) alone fills the cell, only blended
  // with its neighbours at the cell's edges.
  api().ImageCreate0("green part", LoadImage("quadrants.png"), 2, 0, 2, 2);
  DrawCell([&] { api().Image1("green part"); });
  const ColorBox part = Find(kGreen);
  EXPECT_GT(part.count, 80 * 40 / 2);
  EXPECT_GE(part.width(), 60);
  EXPECT_EQ(Find(kRed).count + Find(kBlue).count + Find(kWhite).count, 0);
}

TEST_F(Images, TintsMultiplyTheImage) {
  const int32_t white = ColorImage(255, 255, 255);
  api().ImageToSlot1(0, white);
  api().ImageCreate1("white", white);
  DrawCell([&] { api().ImageColor0(0, static_cast<int32_t>(0xFF00FF00u)); });  // opaque green
  EXPECT_EQ(Find(kGreen).count, 80 * 40);
  DrawCell([&] { api().ImageColor1("white", static_cast<int32_t>(0xFFFF0000u)); });  // opaque blue
  EXPECT_EQ(Find(kBlue).count, 80 * 40);
  DrawCell([&] { api().Image0(0); });
  EXPECT_EQ(Find(kWhite).count, 80 * 40);
}

TEST_F(Images, AMissingImageIsLoggedEveryCallAndShowsThePlaceholder) {
  api().ImageToSlot1(5, ColorImage(0, 255, 0));
  DrawCell([&] { api().Image0(4); });
  EXPECT_EQ(LogCount(LogLevelAndText(msg::ImageSlotMissing, 4)), 1);
  EXPECT_EQ(Find(kRed).count, 80 * 40);  // the red placeholder over the whole cell
  DrawCell([&] { api().Image0(4); });
  EXPECT_EQ(LogCount(LogLevelAndText(msg::ImageSlotMissing, 4)), 2);

  DrawCell([&] { api().ImageColor1("nowhere", -1); });
  EXPECT_EQ(LogCount(LogLevelAndText(msg::ImageMissing, "nowhere")), 1);
  EXPECT_EQ(Find(kRed).count, 80 * 40);
  // The lookup comes first: outside any window it still logs, and draws nothing.
  api().Image1("nowhere");
  api().Image0(-7);
  EXPECT_EQ(LogCount(LogLevelAndText(msg::ImageMissing, "nowhere")), 2);
  EXPECT_EQ(LogCount(LogLevelAndText(msg::ImageSlotMissing, -7)), 1);
}

TEST_F(Images, TheWholeImageRecordGoesToTheInterfaceMemblockAndBackToAButton) {
  const int32_t image = LoadImage("quadrants.png");
  const int32_t block = api().ImageCreate2(image);
  ASSERT_EQ(block, api().GetMemblockInterface());
  const uint8_t* bytes = host().MemblockData(block);
  const int32_t texture = Command<int32_t(int32_t)>("GETOPENGLIMAGEID_L_L")(image);
  int32_t handle = 0;
  std::memcpy(&handle, bytes, 4);
  EXPECT_EQ(handle, texture);
  const uint8_t rest[12] = {4, 0, 4, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(bytes[4 + i], rest[i]) << 4 + i;

  // The button shows the whole image (not just its corner).
  DrawCell([&] { api().ButtonMemblockImage(block); });
  EXPECT_GT(Find(kRed).count, 50);
  EXPECT_GT(Find(kGreen).count, 50);
  EXPECT_GT(Find(kBlue).count, 50);
  EXPECT_EQ(api().ImageExists1(""), 0);  // nothing was stored
}

TEST_F(Images, AMemblockWithoutARecordShowsThePlaceholderAndIsNeverReadPast) {
  const int32_t short_block = Command<int32_t(int32_t)>("CREATEMEMBLOCK_L_L")(8);
  std::memset(host().MemblockData(short_block), 0x7F, 8);
  DrawCell([&] { api().ButtonMemblockImage(short_block); });
  EXPECT_GT(Find(kRed).count, 50);
  EXPECT_EQ(LogCount(LogLevelAndText(msg::ImageRecordMemblockTooSmall, short_block, 16)), 1);
  DrawCell([&] { api().ButtonMemblockImage(777777); });
  EXPECT_GT(Find(kRed).count, 50);
  EXPECT_TRUE(LogHas(LogLevelAndText(msg::ImageRecordMemblockTooSmall, 777777, 16)));
}

}  // namespace
}  // namespace qel
