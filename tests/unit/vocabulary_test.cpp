#include <gtest/gtest.h>

#include <string>

#include "style/vocabulary.h"

namespace qel {
namespace {

TEST(Vocabulary, WidgetNumbersAreTheScriptsNotTheStyleMemberOrder) {
  EXPECT_EQ(WidgetNumberOf("font"), 1);
  EXPECT_EQ(WidgetNumberOf("checkbox"), 7);
  EXPECT_EQ(WidgetNumberOf("option"), 8);
  EXPECT_EQ(WidgetNumberOf("scrollv"), 15);
  EXPECT_EQ(WidgetNumberOf("scrollh"), 16);
  EXPECT_EQ(WidgetNumberOf("window"), 19);
  EXPECT_EQ(WidgetNumberOf("context_button"), 5);
  EXPECT_EQ(WidgetNumberOf("contextual_button"), 0);  // the Nuklear member's name is not ours
  EXPECT_EQ(WidgetNumberOf("Window"), 0);
  EXPECT_EQ(WidgetNumberOf(""), 0);
  EXPECT_EQ(WidgetNumberOf(std::string("button\0x", 8)), 0);  // compared bytewise, NUL included
}

TEST(Vocabulary, TextureFiltersIncludingTheEmptyName) {
  bool found = false;
  EXPECT_EQ(TextureFilterOf("", &found), 0x2600);
  EXPECT_TRUE(found);
  EXPECT_EQ(TextureFilterOf("linear_nearest", &found), 0x2701);
  EXPECT_TRUE(found);
  EXPECT_EQ(TextureFilterOf("nearest_linear"), 0x2702);
  EXPECT_EQ(TextureFilterOf("bilinear", &found), 0x2600);
  EXPECT_FALSE(found);
}

TEST(Vocabulary, ConstantsOfAlignmentsSymbolsBooleansAndCursors) {
  EXPECT_EQ(StyleConstantOf("1"), 1);
  EXPECT_EQ(StyleConstantOf("true"), 1);
  EXPECT_EQ(StyleConstantOf("0"), 0);
  EXPECT_EQ(StyleConstantOf("false"), 0);
  EXPECT_EQ(StyleConstantOf("TRUE"), -1);
  EXPECT_EQ(StyleConstantOf(""), -1);
  EXPECT_EQ(StyleConstantOf("text_left"), 17);
  EXPECT_EQ(StyleConstantOf("text_centered"), 18);
  EXPECT_EQ(StyleConstantOf("text_right"), 20);
  EXPECT_EQ(StyleConstantOf("text_align_bottom"), 32);
  EXPECT_EQ(StyleConstantOf("symbol_minus"), 12);
  EXPECT_EQ(StyleConstantOf("symbol_max"), 37);
  EXPECT_EQ(StyleConstantOf("symbol_check"), -1);  // drawn, but not named
  EXPECT_EQ(StyleConstantOf("header_right"), 1);
  EXPECT_EQ(StyleConstantOf("cursor_resize_vertical"), 3);
  EXPECT_EQ(StyleConstantOf("cursor_resize_horizontal"), 4);
  EXPECT_EQ(StyleConstantOf("cursor_resize_top_right_down_left"), 6);
}

TEST(Vocabulary, PropertyKindsByWholeNamesOnly) {
  EXPECT_EQ(PropertyKindOf("border_color"), kPropertyItem);
  EXPECT_EQ(PropertyKindOf("normal"), kPropertyItem);  // first name of a list
  EXPECT_EQ(PropertyKindOf("color"), kPropertyItem);   // last name, listed twice
  EXPECT_EQ(PropertyKindOf("padding"), kPropertyVec2);
  EXPECT_EQ(PropertyKindOf("tooltip_padding"), kPropertyVec2);
  EXPECT_EQ(PropertyKindOf("rounding"), kPropertyFloat);
  EXPECT_EQ(PropertyKindOf("border_cursor"), kPropertyFloat);
  EXPECT_EQ(PropertyKindOf("text_alignment"), kPropertyConstant);
  EXPECT_EQ(PropertyKindOf("maximize_symbol"), kPropertyConstant);
  // Parts of names, names that only end or start like one, and unknown names.
  EXPECT_EQ(PropertyKindOf("pad"), kPropertyNone);
  EXPECT_EQ(PropertyKindOf("border_"), kPropertyNone);
  EXPECT_EQ(PropertyKindOf("_color"), kPropertyNone);
  EXPECT_EQ(PropertyKindOf("Border"), kPropertyNone);
  EXPECT_EQ(PropertyKindOf("font"), kPropertyNone);
}

TEST(Vocabulary, BlanksAndEmptyNamesAreNoProperties) {
  // The lists' separators would otherwise take these for Items.
  EXPECT_EQ(PropertyKindOf(""), kPropertyNone);
  EXPECT_EQ(PropertyKindOf(" "), kPropertyNone);
  EXPECT_EQ(PropertyKindOf("normal hover"), kPropertyNone);
  EXPECT_EQ(PropertyKindOf(" padding"), kPropertyNone);
  EXPECT_EQ(PropertyKindOf("color "), kPropertyNone);
}

TEST(Vocabulary, ColourSlotNamesFollowTheSlots) {
  EXPECT_STREQ(ColorSlotName(0), "NK_COLOR_TEXT");
  EXPECT_STREQ(ColorSlotName(4), "NK_COLOR_BUTTON");
  EXPECT_STREQ(ColorSlotName(11), "NK_COLOR_SELECT_ACTIVE");
  EXPECT_STREQ(ColorSlotName(22), "NK_COLOR_CHART_COLOR_HIGHLIGHT");
  EXPECT_STREQ(ColorSlotName(27), "NK_COLOR_TAB_HEADER");
  EXPECT_EQ(ColorSlotName(-1), nullptr);
  EXPECT_EQ(ColorSlotName(28), nullptr);
  for (int32_t i = 0; i < kColorSlotCount; ++i) EXPECT_EQ(std::string(ColorSlotName(i)).rfind("NK_COLOR_", 0), 0u) << i;
}

}  // namespace
}  // namespace qel
