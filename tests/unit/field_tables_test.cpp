#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>

#include "style/field_tables.h"
#include "style/vocabulary.h"

namespace qel {
namespace {

TEST(FieldTables, EachWidgetNumberHasItsStructureAndBlockSize) {
  nk_style style{};
  const struct {
    int32_t widget;
    int32_t block_size;
    void* live;
  } kCases[] = {
      {3, 12, &style.text},          {4, 176, &style.button},     {5, 176, &style.contextual_button},
      {6, 176, &style.menu_button},  {7, 240, &style.checkbox},   {8, 240, &style.option},
      {9, 288, &style.selectable},   {10, 648, &style.slider},    {11, 260, &style.progress},
      {12, 1324, &style.property},   {13, 812, &style.edit},      {14, 64, &style.chart},
      {15, 624, &style.scrollv},     {16, 624, &style.scrollh},   {17, 784, &style.tab},
      {18, 356, &style.combo},       {19, 732, &style.window},    {20, 512, &style.window.header},
  };
  for (const auto& c : kCases) {
    const FieldTable* table = FieldTableOfWidget(c.widget);
    ASSERT_NE(table, nullptr) << c.widget;
    EXPECT_EQ(table->block_size, c.block_size) << c.widget;
    EXPECT_EQ(LiveWidgetStyle(style, c.widget), c.live) << c.widget;
  }
  for (int32_t none : {0, 1, 2, 21, -1}) {
    EXPECT_EQ(FieldTableOfWidget(none), nullptr) << none;
    EXPECT_EQ(LiveWidgetStyle(style, none), nullptr) << none;
  }
}

// A misspelt name in a table would be a name of no kind, or of a kind its field cannot hold.
// The property engine also takes a known name's kind from its field, which this keeps sound.
TEST(FieldTables, EveryNameHasAKindItsFieldHolds) {
  for (int i = 0; i < kStyleTypeCount; ++i) {
    const FieldTable& table = FieldTableOf(static_cast<StyleType>(i));
    for (const StyleField& field : table) {
      for (const char* name : {field.set_name, field.get_name}) {
        if (!name || field.kind == FieldKind::kNested) continue;
        const PropertyKind kind = PropertyKindOf(name);
        const bool fits = (kind == kPropertyItem && (field.kind == FieldKind::kItem || field.kind == FieldKind::kColor)) ||
                          (kind == kPropertyVec2 && field.kind == FieldKind::kVec2) ||
                          (kind == kPropertyFloat && field.kind == FieldKind::kFloat) ||
                          (kind == kPropertyConstant && field.kind == FieldKind::kInt);
        EXPECT_TRUE(fits) << table.name << "." << name;
      }
      EXPECT_EQ(field.kind == FieldKind::kSlot, !field.set_name && !field.get_name) << table.name << "." << field.member;
    }
  }
}

// The names each setter knows, by structure; the getter knows the same, apart from the
// listed renames, plus its nested structures.
TEST(FieldTables, SettersKnowTheirNamesAndGettersTheSameWithNestedOnes) {
  const struct {
    StyleType type;
    const char* setter;
    const char* getter_extra;
  } kCases[] = {
      {StyleType::kText, "color padding", ""},
      {StyleType::kButton,
       "normal hover active border_color text_background text_normal text_hover text_active text_alignment border "
       "rounding padding image_padding touch_padding",
       ""},
      {StyleType::kToggle,
       "normal hover active cursor_normal cursor_hover border_color text_normal text_hover text_active "
       "text_background padding touch_padding text_alignment border spacing",
       ""},
      {StyleType::kSelectable,
       "normal hover pressed normal_active hover_active pressed_active text_normal text_hover text_pressed "
       "text_normal_active text_hover_active text_pressed_active text_background padding image_padding touch_padding "
       "text_alignment rounding",
       ""},
      {StyleType::kSlider,
       "normal hover active cursor_normal cursor_hover cursor_active border_color bar_normal bar_hover bar_active "
       "bar_filled padding spacing_vec2 cursor_size_vec2 show_buttons inc_symbol dec_symbol border rounding bar_height",
       "inc_button dec_button"},
      {StyleType::kProgress,
       "normal hover active cursor_normal cursor_hover cursor_active border_color cursor_border_color padding border "
       "rounding cursor_border cursor_rounding",
       ""},
      {StyleType::kProperty,
       "normal hover active border_color label_normal label_hover label_active padding sym_left sym_right border rounding",
       "edit inc_button dec_button"},
      {StyleType::kEdit,
       "normal hover active border_color cursor_normal cursor_hover cursor_text_normal cursor_text_hover text_normal "
       "text_hover text_active selected_normal selected_hover selected_text_normal selected_text_hover padding "
       "scrollbar_size border rounding cursor_size row_padding",
       "scrollbar"},
      {StyleType::kChart, "background border_color selected_color color padding border rounding", ""},
      {StyleType::kScrollbar,
       "normal hover active cursor_normal cursor_hover cursor_active border_color cursor_border_color padding "
       "show_buttons inc_symbol dec_symbol border rounding cursor_border cursor_rounding",
       "inc_button dec_button"},
      {StyleType::kTab, "background border_color text padding spacing_vec2 sym_minimize sym_maximize border rounding indent",
       "tab_maximize_button tab_minimize_button node_maximize_button node_minimize_button"},
      {StyleType::kCombo,
       "normal hover active border_color label_normal label_hover label_active symbol_normal symbol_hover "
       "symbol_active content_padding button_padding spacing_vec2 sym_normal sym_hover sym_active border rounding",
       "button"},
      {StyleType::kWindowHeader,
       "normal hover active label_normal label_hover label_active padding label_padding spacing_vec2 close_symbol "
       "minimize_symbol maximize_symbol align",
       "close_button minimize_button"},
      {StyleType::kWindow,
       "fixed_background scaler background border_color popup_border_color combo_border_color "
       "contextual_border_color menu_border_color group_border_color tooltip_border_color padding spacing_vec2 "
       "scrollbar_size min_size group_padding popup_padding combo_padding contextual_padding menu_padding "
       "tooltip_padding border rounding combo_border contextual_border menu_border group_border tooltip_border "
       "popup_border min_row_height_padding",
       "header"},
  };
  auto words = [](const std::string& text) {
    std::set<std::string> set;
    std::istringstream in(text);
    for (std::string word; in >> word;) set.insert(word);
    return set;
  };
  for (const auto& c : kCases) {
    const FieldTable& table = FieldTableOf(c.type);
    std::set<std::string> setter, getter;
    for (const StyleField& field : table) {
      if (field.set_name) setter.insert(field.set_name);
      if (field.get_name) getter.insert(field.get_name);
    }
    EXPECT_EQ(setter, words(c.setter)) << table.name;
    std::set<std::string> expected_getter = words(c.setter);
    if (c.type == StyleType::kScrollbar) {
      expected_getter.erase("cursor_border");
      expected_getter.erase("cursor_rounding");
      expected_getter.insert({"border_cursor", "rounding_cursor"});
    }
    for (const std::string& nested : words(c.getter_extra)) expected_getter.insert(nested);
    EXPECT_EQ(getter, expected_getter) << table.name;
    for (const std::string& name : setter) EXPECT_NE(FindSetterField(table, name), nullptr) << table.name << name;
    for (const std::string& name : getter) EXPECT_NE(FindGetterField(table, name), nullptr) << table.name << name;
    EXPECT_EQ(HasSubWidgets(table), *c.getter_extra != '\0') << table.name;
  }
}

TEST(FieldTables, LookupsTakeWholeNamesOnly) {
  const FieldTable& button = FieldTableOf(StyleType::kButton);
  for (const char* name : {"", "pad", "paddingx", "Padding", "padding ", "userdata", "draw_begin"}) {
    EXPECT_EQ(FindSetterField(button, name), nullptr) << '"' << name << '"';
    EXPECT_EQ(FindGetterField(button, name), nullptr) << '"' << name << '"';
  }
  const StyleField* border = FindSetterField(button, "border");
  ASSERT_NE(border, nullptr);
  EXPECT_EQ(border->block_offset, 132);
  EXPECT_EQ(border->native_offset, offsetof(nk_style_button, border));
  const FieldTable& scrollbar = FieldTableOf(StyleType::kScrollbar);
  EXPECT_EQ(FindSetterField(scrollbar, "border_cursor"), nullptr);
  EXPECT_EQ(FindGetterField(scrollbar, "cursor_border"), nullptr);
  EXPECT_EQ(FindSetterField(scrollbar, "cursor_border"), FindGetterField(scrollbar, "border_cursor"));
  EXPECT_EQ(FindSetterField(FieldTableOf(StyleType::kCombo), "button"), nullptr);  // nested: read only
}

}  // namespace
}  // namespace qel
