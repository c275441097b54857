// The colour table's two read-back texts, and the "styleitem" lines read back into items.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "frame/boundary.h"
#include "frame/exports.h"
#include "style/color_table.h"
#include "style/style_items.h"

namespace qel {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

// A slot's colour as the number list and as its tag line show it.
struct SlotCase {
  bool defaults;
  int slot;
  int32_t pushed;  // 0: left as begun
  const char* number;
  const char* line;
};

TEST(ColorTableTexts, SlotsReadBackAsNumbersAndTagLines) {
  const SlotCase cases[] = {
      {false, 0, 0, "0", "<styleitem name=\"NK_COLOR_TEXT\" color=\"0x00000000\" />"},
      {false, 27, 0, "0", "<styleitem name=\"NK_COLOR_TAB_HEADER\" color=\"0x00000000\" />"},
      {true, 0, 0, "4289703855", "<styleitem name=\"NK_COLOR_TEXT\" color=\"0xAFAFAFFF\" />"},
      {true, 22, 0, "4278190335", "<styleitem name=\"NK_COLOR_CHART_COLOR_HIGHLIGHT\" color=\"0xFF0000FF\" />"},
      {false, 4, static_cast<int32_t>(0xFF0000FFu), "4278190335",
       "<styleitem name=\"NK_COLOR_BUTTON\" color=\"0xFF0000FF\" />"},
      // Byte order: r 0x12, g 0x34, b 0x56, a 0x78 packs as 0x78563412.
      {true, 13, 0x78563412, "2018915346", "<styleitem name=\"NK_COLOR_SLIDER_CURSOR\" color=\"0x12345678\" />"},
      {false, 26, static_cast<int32_t>(0xFFFFFFFFu), "4294967295",
       "<styleitem name=\"NK_COLOR_SCROLLBAR_CURSOR_ACTIVE\" color=\"0xFFFFFFFF\" />"},
  };
  for (const SlotCase& c : cases) {
    SCOPED_TRACE("slot " + std::to_string(c.slot) + (c.defaults ? " over defaults" : " over zeros"));
    ColorTableBuilder table;
    BeginColorTable(table, c.defaults);
    if (c.pushed) table.colors[static_cast<size_t>(c.slot)] = UnpackColor(c.pushed);
    const std::vector<std::string> numbers = Split(ColorTableNumbers(table), ';');
    const std::vector<std::string> lines = Split(ColorTableTags(table), '\n');
    ASSERT_EQ(numbers.size(), 28u);
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(numbers[static_cast<size_t>(c.slot)], c.number);
    EXPECT_EQ(lines[static_cast<size_t>(c.slot)], c.line);
  }
}

// Each tag line made into an item the way a style document reads a "color" attribute
// (0x, then RRGGBBAA): every item holds its slot's colour.
TEST(ColorTableTexts, TagLinesReadBackToTheSameColours) {
  ColorTableBuilder table;
  BeginColorTable(table, true);
  for (int slot = 0; slot < 28; ++slot)  // every channel distinct, alpha never 255
    table.colors[static_cast<size_t>(slot)] = nk_rgba(slot * 9, 255 - slot, slot * 7 % 256, 3 + slot);
  const std::vector<std::string> lines = Split(ColorTableTags(table), '\n');
  const std::vector<std::string> numbers = Split(ColorTableNumbers(table), ';');
  ASSERT_EQ(lines.size(), 28u);
  ASSERT_EQ(numbers.size(), 28u);
  for (size_t slot = 0; slot < 28; ++slot) {
    SCOPED_TRACE(lines[slot]);
    // <styleitem name="SLOT" color="0xRRGGBBAA" />
    const std::string name = ColorSlotName(static_cast<int32_t>(slot));
    const std::string head = "<styleitem name=\"" + name + "\" color=\"0x";
    const std::string& line = lines[slot];
    ASSERT_EQ(line.size(), head.size() + 8 + 4);
    ASSERT_EQ(line.compare(0, head.size(), head), 0);
    ASSERT_EQ(line.substr(head.size() + 8), "\" />");
    const std::string hex = line.substr(head.size(), 8);
    ASSERT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    const uint32_t rrggbbaa = static_cast<uint32_t>(std::strtoul(hex.c_str(), nullptr, 16));
    const nk_color read = nk_rgba(rrggbbaa >> 24, (rrggbbaa >> 16) & 0xFF, (rrggbbaa >> 8) & 0xFF, rrggbbaa & 0xFF);
    ASSERT_EQ(StyleMakeItem0(name.c_str(), PackColor(read)), 1);
    const struct nk_style_item* item = FindStyleItem(name.c_str());
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(PackColor(item->data.color), PackColor(table.colors[slot]));
    EXPECT_EQ(static_cast<uint32_t>(std::stoul(numbers[slot])), static_cast<uint32_t>(PackColor(table.colors[slot])));
  }
}

}  // namespace
}  // namespace qel
