#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "frame/log_messages.h"
#include "frame/logger.h"
#include "style/field_tables.h"
#include "style/property_engine.h"
#include "style/style_items.h"
#include "style/vocabulary.h"

namespace qel {
namespace {

// Runs the engine on a local style with logger 0 writing to a file of its own.
class PropertyEngine : public ::testing::Test {
 protected:
  void SetUp() override {
    log_ = std::tmpfile();
    ASSERT_NE(log_, nullptr);
    // The logger owns the file now (an earlier test of this process may have made it).
    if (LoggerExists(0))
      ReplaceLoggerFile(0, log_);
    else
      CreateLogger(0, log_);
  }

  // The messages logged so far, without date, time, source and level.
  std::vector<std::string> Messages() const {
    std::fflush(log_);
    std::rewind(log_);
    std::vector<std::string> messages;
    char line[1024];
    while (std::fgets(line, sizeof line, log_)) {
      std::string text(line);
      if (!text.empty() && text.back() == '\n') text.pop_back();
      for (const char* level : {": INFO: ", ": WARN: ", ": ERROR: "}) {
        const size_t at = text.find(level);
        if (at != std::string::npos) {
          messages.push_back(text.substr(at + std::strlen(level)));
          break;
        }
      }
    }
    std::fseek(log_, 0, SEEK_END);
    return messages;
  }

  static void PutColorItem(const char* name, nk_byte r, nk_byte g, nk_byte b, nk_byte a) {
    StyleItems().Put(name, nk_style_item_color(nk_rgba(r, g, b, a)));
  }

  bool Set(int32_t widget, const char* property, const char* value) {
    return SetWidgetStyleProperty(widget, property, value, LiveWidgetStyle(style_, widget));
  }
  std::string Get(int32_t widget, const char* property) {
    return GetWidgetStyleProperty(widget, property, LiveWidgetStyle(style_, widget));
  }

  std::FILE* log_ = nullptr;
  nk_style style_{};
};

// Every setter name of every structure, each with a value of its own, then all read back
// through the getter's name for the same field: a name that reaches the wrong field, or two
// names sharing one, shows as a wrong value.
TEST_F(PropertyEngine, EverySetterNameReadsBackThroughTheGetter) {
  const char* const kConstants[] = {"text_right", "symbol_plus", "cursor_move", "symbol_max", "header_right",
                                    "text_align_bottom"};
  for (int32_t widget = 3; widget <= kWindowHeaderWidget; ++widget) {
    const FieldTable& table = *FieldTableOfWidget(widget);
    std::vector<std::pair<const StyleField*, std::string>> expected;
    int n = 1;
    for (const StyleField& field : table) {
      if (!field.set_name) continue;
      char value[64], text[64];
      switch (field.kind) {
        case FieldKind::kItem:
        case FieldKind::kColor: {
          std::snprintf(value, sizeof value, "round_trip_%d", n);
          const auto r = static_cast<nk_byte>(n), g = static_cast<nk_byte>(2 * n), b = static_cast<nk_byte>(3 * n);
          PutColorItem(value, r, g, b, 200);
          if (field.kind == FieldKind::kItem)
            std::snprintf(text, sizeof text, "0,%d,%d,%d,200", r, g, b);
          else
            std::snprintf(text, sizeof text, "%d", static_cast<int32_t>(200u << 24 | b << 16 | g << 8 | r));
          break;
        }
        case FieldKind::kVec2:
          std::snprintf(value, sizeof value, "%d.5,%d.25", n, -n);
          std::snprintf(text, sizeof text, "%d.500000,-%d.250000", n, n);
          break;
        case FieldKind::kFloat:
          std::snprintf(value, sizeof value, "%d.75", n);
          std::snprintf(text, sizeof text, "%d.750000", n);
          break;
        case FieldKind::kInt: {
          const char* name = kConstants[n % (sizeof kConstants / sizeof *kConstants)];
          std::snprintf(value, sizeof value, "%s", name);
          std::snprintf(text, sizeof text, "%d", StyleConstantOf(name));
          break;
        }
        default:
          FAIL() << table.name << "." << field.set_name << " is named but holds no value";
      }
      ASSERT_TRUE(Set(widget, field.set_name, value)) << widget << " " << field.set_name;
      expected.emplace_back(&field, text);
      ++n;
    }
    for (const auto& [field, text] : expected) {
      if (widget == kWindowHeaderWidget)  // reached through the window's "header." path
        EXPECT_EQ(Get(19, ("header." + std::string(field->get_name)).c_str()), text) << field->get_name;
      else
        EXPECT_EQ(Get(widget, field->get_name), text) << widget << " " << field->get_name;
    }
  }
  // The three fields that used to be write-only are readable like the rest.
  EXPECT_FALSE(Get(9, "text_pressed").empty());
  EXPECT_FALSE(Get(13, "selected_normal").empty());
  EXPECT_EQ(Get(18, "sym_hover"), std::to_string(style_.combo.sym_hover));
  // Only the button setter's notes on vec2 values: one per vec2 of each of the three buttons.
  const std::vector<std::string> messages = Messages();
  EXPECT_EQ(messages.size(), 9u);
  for (const std::string& message : messages) EXPECT_EQ(message.rfind("button vec2 style '", 0), 0u) << message;
}

TEST_F(PropertyEngine, ValuesAreParsedByThePropertysKind) {
  PutColorItem("red", 255, 0, 0, 255);
  const struct {
    int32_t widget;
    const char* property;
    const char* value;
    const char* read_as;  // the same property read back
    const char* message;  // logged, or null
  } kCases[] = {
      {19, "padding", "4,4", "4.000000,4.000000", nullptr},
      {19, "padding", ",4,,5,", "4.000000,5.000000", nullptr},
      {19, "padding", "1,2,3", "1.000000,2.000000", nullptr},  // pieces after the second are ignored
      {19, "padding", "x,7", "0.000000,7.000000", nullptr},    // no number reads as 0
      {19, "padding", "4", "0.000000,0.000000", "Wrong vec2 value : 4"},
      {19, "padding", ",,,", "0.000000,0.000000", "Wrong vec2 value : ,,,"},
      {4, "text_alignment", "text_right", "20", nullptr},
      {4, "text_alignment", "right", "-1", nullptr},
      {4, "rounding", "abc", "0.000000", nullptr},
      {4, "rounding", "2.5px", "2.500000", nullptr},
      {4, "border_color", "red", "-16776961", nullptr},  // 0xFF0000FF as a signed integer
      {4, "hover", "red", "0,255,0,0,255", nullptr},
      {4, "hover", "no_such_item", "0,0,0,0,0", "style item 'no_such_item' not found."},
      {4, "padding", "3,4", "3.000000,4.000000", "button vec2 style 'padding' value '3.00,4.00'"},
      {10, "spacing_vec2", "6,7", "6.000000,7.000000", nullptr},
      {15, "cursor_border", "1.5", nullptr, nullptr},
  };
  for (const auto& c : kCases) {
    const size_t logged = Messages().size();
    EXPECT_TRUE(Set(c.widget, c.property, c.value)) << c.property << " = " << c.value;
    if (c.read_as) {
      EXPECT_EQ(Get(c.widget, c.property), c.read_as) << c.property << " = " << c.value;
    }
    const std::vector<std::string> messages = Messages();
    if (c.message) {
      ASSERT_EQ(messages.size(), logged + 1) << c.property << " = " << c.value;
      EXPECT_EQ(messages.back(), c.message);
    } else {
      EXPECT_EQ(messages.size(), logged) << c.property << " = " << c.value;
    }
  }
  EXPECT_EQ(Get(15, "border_cursor"), "1.500000");  // set as cursor_border
  EXPECT_EQ(style_.scrollv.border_cursor, 1.5f);
}

TEST_F(PropertyEngine, NamesTheStructureLacksOrNoKindKnowsChangeNothing) {
  PutColorItem("green", 0, 255, 0, 255);
  style_.button.rounding = 3.0f;
  const nk_style before = style_;
  EXPECT_TRUE(Set(4, "color", "green"));        // an item name, but not the button's
  EXPECT_TRUE(Set(4, "rounding", ""));          // an empty value
  EXPECT_TRUE(Set(4, "colour", ""));            // empty wins over a bad name
  EXPECT_TRUE(Set(3, "normal", "green"));       // the text style has no background
  EXPECT_TRUE(Set(12, "edit.border", ""));      // setters follow no paths
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(Set(4, "colour", "green"));
  EXPECT_FALSE(Set(4, "round", "2"));
  EXPECT_FALSE(Set(18, "button.rounding", "2"));
  EXPECT_TRUE(Set(1, "rounding", "2"));  // "font": no structure, nothing to do
  EXPECT_EQ(std::memcmp(&before, &style_, sizeof style_), 0);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            LogText(msg::StylePropertyValueNotValid, "green", "colour"),
                            LogText(msg::StylePropertyValueNotValid, "2", "round"),
                            LogText(msg::StylePropertyValueNotValid, "2", "button.rounding"),
                        }));
}

TEST_F(PropertyEngine, ColourFieldsTakeTheItemsFirstFourDataBytes) {
  struct nk_image image{};
  image.handle.id = 0x0A0B0C0D;
  image.w = 64;
  image.h = 32;
  StyleItems().Put("picture", nk_style_item_image(image));
  ASSERT_TRUE(Set(4, "border_color", "picture"));
  uint32_t stored = 0;
  std::memcpy(&stored, &style_.button.border_color, sizeof stored);
  EXPECT_EQ(stored, 0x0A0B0C0Du);
  ASSERT_TRUE(Set(4, "normal", "picture"));
  EXPECT_EQ(Get(4, "normal"), "1,168496141,64,32,0,0,0,0");
}

TEST_F(PropertyEngine, ColoursPrintAsSignedPackedIntegers) {
  const struct {
    struct nk_color color;
    const char* text;
  } kCases[] = {
      {{255, 255, 255, 255}, "-1"},
      {{0, 0, 0, 128}, "-2147483648"},
      {{1, 2, 3, 127}, "2130903553"},
      {{0, 0, 0, 0}, "0"},
  };
  for (const auto& c : kCases) {
    style_.text.color = c.color;
    EXPECT_EQ(Get(3, "color"), c.text);
  }
}

TEST_F(PropertyEngine, GetterFollowsNestedStructuresByWholeNames) {
  style_.combo.button.rounding = 7.0f;
  style_.property.edit.scrollbar.inc_button.normal = nk_style_item_color(nk_rgba(1, 2, 3, 4));
  style_.window.header.close_button.border = 2.0f;
  style_.tab.node_minimize_button.text_alignment = 18;
  const struct {
    int32_t widget;
    const char* property;
    const char* text;
    const char* message;
  } kCases[] = {
      {18, "button.rounding", "7.000000", nullptr},
      {12, "edit.scrollbar.inc_button.normal", "0,1,2,3,4", nullptr},
      {19, "header.close_button.border", "2.000000", nullptr},
      {17, "node_minimize_button.text_alignment", "18", nullptr},
      {18, "knob.rounding", "", "This UI element has no widget with this name 'knob'."},
      {18, "buttons.rounding", "", "This UI element has no widget with this name 'buttons'."},
      {18, "butt.rounding", "", "This UI element has no widget with this name 'butt'."},
      {18, "border_color.x", "", "This UI element has no widget with this name 'border_color'."},
      {12, "edit.knob.border", "", "This UI element has no widget with this name 'knob'."},
      {18, "button.rounding.more", "", "property name 'rounding.more' not valid."},
      {4, "normal.x", "", "property name 'normal.x' not valid."},  // no nested structures here
      {4, "colour", "", "property name 'colour' not valid."},
      {4, "color", "", nullptr},  // a property name, not the button's
      {19, "header", "", "property name 'header' not valid."},
  };
  for (const auto& c : kCases) {
    const size_t logged = Messages().size();
    EXPECT_EQ(Get(c.widget, c.property), c.text) << c.property;
    const std::vector<std::string> messages = Messages();
    if (c.message) {
      ASSERT_EQ(messages.size(), logged + 1) << c.property;
      EXPECT_EQ(messages.back(), c.message);
    } else {
      EXPECT_EQ(messages.size(), logged) << c.property;
    }
  }
}

// Texts longer than 127 characters come back whole: a cut one would read as another value.
TEST_F(PropertyEngine, LongValuesAreNeverCut) {
  style_.button.border = -3.4e38f;
  const std::string border = Get(4, "border");
  EXPECT_GT(border.size(), 40u);
  EXPECT_FLOAT_EQ(std::strtof(border.c_str(), nullptr), -3.4e38f);

  struct nk_nine_slice slice{};
  slice.img.handle.id = -2147483647;
  slice.img.w = slice.img.h = 65535;
  slice.l = slice.t = slice.r = slice.b = -3.4e38f;
  style_.window.fixed_background = nk_style_item_nine_slice(slice);
  const std::string text = Get(19, "fixed_background");
  EXPECT_GT(text.size(), 200u);
  EXPECT_EQ(text.rfind("2,-2147483647,65535,65535,0,0,0,0,", 0), 0u) << text;
  EXPECT_FLOAT_EQ(std::strtof(text.c_str() + text.rfind(',') + 1, nullptr), -3.4e38f);

  style_.window.padding = nk_vec2(3.4e38f, -3.4e38f);
  const std::string padding = Get(19, "padding");
  EXPECT_FLOAT_EQ(std::strtof(padding.c_str() + padding.find(',') + 1, nullptr), -3.4e38f);
}

TEST_F(PropertyEngine, WithoutAStructureNothingIsReadOrWritten) {
  // No context in unit tests: the live structure does not exist.
  EXPECT_TRUE(SetWidgetStyleProperty(4, "rounding", "2"));
  EXPECT_EQ(GetWidgetStyleProperty(4, "rounding"), "");
  EXPECT_EQ(GetWidgetStyleProperty(2, "rounding", &style_), "");  // "cursors" has no fields
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace qel
