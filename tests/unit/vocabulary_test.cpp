#include <gtest/gtest.h>

#include "style/vocabulary.h"

namespace qel {
namespace {

TEST(Vocabulary, WidgetNumbersAndTextureFilters) {
  EXPECT_EQ(WidgetNumberOf("checkbox"), 7);  // numbers do not follow the style's members
  EXPECT_EQ(WidgetNumberOf("option"), 8);
  EXPECT_EQ(WidgetNumberOf("scrollv"), 15);
  EXPECT_EQ(WidgetNumberOf("scrollh"), 16);
  EXPECT_EQ(WidgetNumberOf("window"), 19);
  EXPECT_EQ(WidgetNumberOf("contextual_button"), 0);  // Nuklear's member name, not ours
  EXPECT_EQ(WidgetNumberOf("Window"), 0);

  bool found = false;
  EXPECT_EQ(TextureFilterOf("", &found), 0x2600);  // the empty name is an entry
  EXPECT_TRUE(found);
  EXPECT_EQ(TextureFilterOf("nearest_linear"), 0x2702);
  EXPECT_EQ(TextureFilterOf("bilinear", &found), 0x2600);
  EXPECT_FALSE(found);
}

TEST(Vocabulary, Constants) {
  EXPECT_EQ(StyleConstantOf("1"), 1);
  EXPECT_EQ(StyleConstantOf("true"), 1);
  EXPECT_EQ(StyleConstantOf("0"), 0);
  EXPECT_EQ(StyleConstantOf("false"), 0);
  EXPECT_EQ(StyleConstantOf("TRUE"), -1);
  EXPECT_EQ(StyleConstantOf("text_right"), 20);     // middle | right
  EXPECT_EQ(StyleConstantOf("symbol_max"), 37);     // the extended set's count
  EXPECT_EQ(StyleConstantOf("symbol_check"), -1);   // drawn, but not named
  EXPECT_EQ(StyleConstantOf("cursor_resize_vertical"), 3);
  EXPECT_EQ(StyleConstantOf("cursor_resize_horizontal"), 4);
}

TEST(Vocabulary, PropertyKindsTakeWholeNamesOnly) {
  EXPECT_EQ(PropertyKindOf("border_color"), kPropertyItem);
  EXPECT_EQ(PropertyKindOf("normal"), kPropertyItem);  // first and last names of their lists
  EXPECT_EQ(PropertyKindOf("color"), kPropertyItem);
  EXPECT_EQ(PropertyKindOf("padding"), kPropertyVec2);
  EXPECT_EQ(PropertyKindOf("rounding"), kPropertyFloat);
  EXPECT_EQ(PropertyKindOf("text_alignment"), kPropertyConstant);
  EXPECT_EQ(PropertyKindOf("maximize_symbol"), kPropertyConstant);
  for (const char* none : {"pad", "_color", "border_", "font", "", " ", "normal hover", "color "})
    EXPECT_EQ(PropertyKindOf(none), kPropertyNone) << '"' << none << '"';
}

TEST(Vocabulary, ColourSlotNames) {
  EXPECT_STREQ(ColorSlotName(0), "NK_COLOR_TEXT");
  EXPECT_STREQ(ColorSlotName(22), "NK_COLOR_CHART_COLOR_HIGHLIGHT");
  EXPECT_STREQ(ColorSlotName(27), "NK_COLOR_TAB_HEADER");
  EXPECT_EQ(ColorSlotName(-1), nullptr);
  EXPECT_EQ(ColorSlotName(28), nullptr);
}

}  // namespace
}  // namespace qel
