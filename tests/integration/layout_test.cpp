// Layout through the real exports: rows, template rows and layout spaces, and their
// results in the interface memblock. Column widths are measured on the drawn frame.
#include "widget_fixture.h"

namespace qel {
namespace {

using Layout = WidgetTest;

TEST_F(Layout, WithoutAWindowTheRectangleResultsAreZerosAndNothingIsLaidOut) {
  StartWidgets();
  const int32_t block = api().GetMemblockInterface();
  uint8_t* bytes = host().MemblockData(block);
  std::memset(bytes, 0xAB, 32);
  EXPECT_EQ(api().LayoutWidgetBounds(), block);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(bytes[i], 0) << i;
  EXPECT_EQ(bytes[16], 0xAB);
  std::memset(bytes, 0xAB, 32);
  EXPECT_EQ(api().LayoutSpaceToScreen(5, 6), block);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(bytes[i], 0) << i;
  EXPECT_EQ(bytes[8], 0xAB);
  EXPECT_EQ(api().LayoutSpaceBounds(), block);
  EXPECT_EQ(api().LayoutSpaceRectToLocal(1, 2, 3, 4), block);
  EXPECT_EQ(InterfaceRect().w, 0.0f);
  EXPECT_EQ(api().LayoutRatioFromPixel(50), 0.0f);
  api().LayoutRow(0, 30, "[0.5,0.5]");
  api().LayoutRowDynamic(30, 2);
  api().LayoutRowPush(0.5f);
  api().LayoutRowEnd();
  api().LayoutRowTemplatePushStatic(10);
  api().LayoutSpacePush(0, 0, 1, 1);
  api().LayoutSetMinRowHeight(40);
}

TEST_F(Layout, SpacesConvertBetweenTheirOwnAndScreenCoordinates) {
  StartWidgets();
  Frame([&] {
    ASSERT_TRUE(api().WindowBegin("w", 40, 50, 300, 200, kBorder));
    api().LayoutSpaceBegin(1, 120, 2);
    api().LayoutSpaceBounds();
    const Rect space = InterfaceRect();
    EXPECT_GT(space.x, 40.0f);
    EXPECT_GT(space.y, 50.0f);
    EXPECT_GT(space.h, 120.0f);  // the row's height with the item spacing below it

    api().LayoutSpaceToScreen(10, 20);
    const float sx = InterfaceFloat(0), sy = InterfaceFloat(1);
    api().LayoutSpaceToLocal(sx, sy);
    EXPECT_EQ(InterfaceFloat(0), 10.0f);
    EXPECT_EQ(InterfaceFloat(1), 20.0f);

    api().LayoutSpaceRectToScreen(10, 20, 30, 40);
    const Rect screen = InterfaceRect();
    EXPECT_EQ(screen.x, sx);
    EXPECT_EQ(screen.y, sy);
    EXPECT_EQ(screen.w, 30.0f);
    EXPECT_EQ(screen.h, 40.0f);
    api().LayoutSpaceRectToLocal(screen.x, screen.y, screen.w, screen.h);
    EXPECT_EQ(InterfaceRect().x, 10.0f);
    EXPECT_EQ(InterfaceRect().h, 40.0f);

    // LayoutSpaceEnd changes nothing.
    api().LayoutSpacePush(0, 0, 50, 20);
    api().LayoutWidgetBounds();
    const Rect before = InterfaceRect();
    api().LayoutSpaceEnd();
    api().LayoutWidgetBounds();
    const Rect after = InterfaceRect();
    EXPECT_EQ(before.x, after.x);
    EXPECT_EQ(before.y, after.y);
    EXPECT_EQ(before.w, after.w);
    EXPECT_EQ(before.h, after.h);
    api().WindowEnd();
  });
}

TEST_F(Layout, RatioFromPixelIsAShareOfTheWindowsWidth) {
  StartWidgets();
  Frame([&] {
    // At x = 0 too: the answer does not depend on where the window stands.
    ASSERT_TRUE(api().WindowBegin("w", 0, 10, 400, 200, kBorder));
    EXPECT_EQ(api().LayoutRatioFromPixel(100), 0.25f);
    EXPECT_EQ(api().LayoutRatioFromPixel(0), 0.0f);
    EXPECT_EQ(api().LayoutRatioFromPixel(800), 1.0f);
    EXPECT_EQ(api().LayoutRatioFromPixel(-5), 0.0f);
    api().WindowEnd();
  });
}

}  // namespace
}  // namespace qel
