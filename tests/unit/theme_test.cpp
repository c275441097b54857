#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "frame/theme.h"

namespace qel {
namespace {

bool Same(nk_color a, nk_color b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; }
::testing::AssertionResult IsColor(nk_color c, int r, int g, int b, int a) {
  if (Same(c, nk_rgba(r, g, b, a))) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got (" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ", "
                                       << int(c.a) << ")";
}

struct Context {
  nk_context ctx{};
  Context() { nk_init_default(&ctx, nullptr); }
  ~Context() { nk_free(&ctx); }
};

TEST(Theme, DefaultTableGivesItsKeyColours) {
  Context c;
  ApplyThemeTable(&c.ctx, nullptr);
  const nk_style& s = c.ctx.style;
  EXPECT_TRUE(IsColor(s.window.background, 40, 40, 40, 255));
  EXPECT_TRUE(IsColor(s.window.fixed_background.data.color, 40, 40, 40, 255));
  EXPECT_TRUE(IsColor(s.window.border_color, 48, 48, 48, 255));
  EXPECT_TRUE(IsColor(s.text.color, 225, 225, 225, 255));
  for (nk_color text : {s.button.text_normal, s.button.text_hover, s.button.text_active, s.checkbox.text_normal,
                        s.option.text_active, s.selectable.text_pressed_active, s.combo.label_normal,
                        s.property.label_hover, s.tab.text, s.window.header.label_active, s.menu_button.text_hover})
    EXPECT_TRUE(IsColor(text, 192, 192, 192, 255));
  // Colour items are colours, and sizes and symbols are the theme's own.
  EXPECT_EQ(s.button.normal.type, NK_STYLE_ITEM_COLOR);
  EXPECT_EQ(s.menu_button.rounding, 3.0f);
  EXPECT_EQ(s.checkbox.border, 1.0f);
  EXPECT_EQ(s.slider.bar_height, 4.0f);
  EXPECT_EQ(s.progress.padding.y, 2.0f);
  EXPECT_EQ(s.window.rounding, 5.0f);
  EXPECT_EQ(s.window.header.close_button.padding.x, 6.0f);
  EXPECT_EQ(s.scrollv.inc_button.padding.x, 1.0f);
  EXPECT_EQ(s.combo.button.padding.y, 4.0f);
  EXPECT_EQ(int(s.window.header.close_symbol), 14);
  EXPECT_EQ(int(s.window.header.minimize_symbol), 16);
  EXPECT_EQ(int(s.window.header.maximize_symbol), 18);
  EXPECT_EQ(int(s.scrollh.inc_symbol), 18);
  EXPECT_EQ(int(s.scrollv.dec_symbol), 15);
  EXPECT_EQ(int(s.edit.scrollbar.inc_symbol), 16);
  EXPECT_EQ(int(s.combo.sym_normal), 36);
  EXPECT_EQ(int(s.tab.sym_minimize), 18);
  EXPECT_EQ(int(s.property.sym_left), 17);
  EXPECT_EQ(s.scrollh.show_buttons, 1);
  // The scrollbar buttons take entry 3, the bar itself entry 36.
  EXPECT_TRUE(IsColor(s.scrollh.inc_button.normal.data.color, 32, 32, 32, 255));
  EXPECT_TRUE(IsColor(s.scrollh.normal.data.color, 40, 40, 40, 255));
}

TEST(Theme, FieldsTheThemeDoesNotNameKeepTheLibraryValues) {
  Context themed, library;
  // Start both from something else, so a field the theme forgets to reset shows up.
  nk_color odd[NK_COLOR_COUNT];
  for (nk_color& c : odd) c = nk_rgba(1, 2, 3, 4);
  nk_style_from_table(&themed.ctx, odd);
  ApplyThemeTable(&themed.ctx, nullptr);
  nk_style_from_table(&library.ctx, nullptr);
  const nk_style& t = themed.ctx.style;
  const nk_style& l = library.ctx.style;
  EXPECT_TRUE(Same(t.button.text_background, kDefaultThemeTable[9]));
  EXPECT_TRUE(Same(t.window.header.minimize_button.border_color, l.window.header.minimize_button.border_color));
  EXPECT_TRUE(Same(t.edit.cursor_text_normal, kDefaultThemeTable[30]));
  EXPECT_TRUE(Same(t.edit.text_active, kDefaultThemeTable[1]));
  EXPECT_TRUE(Same(t.property.edit.border_color, l.property.edit.border_color));
  EXPECT_TRUE(Same(t.slider.cursor_normal.data.color, kDefaultThemeTable[26]));
  EXPECT_TRUE(Same(t.selectable.text_background, l.selectable.text_background));
  EXPECT_TRUE(Same(t.tab.node_maximize_button.border_color, l.tab.node_maximize_button.border_color));
  EXPECT_EQ(t.button.rounding, l.button.rounding);
  EXPECT_EQ(t.window.spacing.x, l.window.spacing.x);
  EXPECT_EQ(t.window.padding.y, l.window.padding.y);
  EXPECT_EQ(t.slider.cursor_size.x, l.slider.cursor_size.x);
  EXPECT_EQ(t.edit.cursor_size, l.edit.cursor_size);
  EXPECT_EQ(t.window.header.align, l.window.header.align);
  EXPECT_EQ(t.scrollh.border, l.scrollh.border);
  EXPECT_TRUE(Same(t.window.header.minimize_button.text_background, kDefaultThemeTable[0]));
}

TEST(Theme, EditScrollbarTakesTheScrollbarColoursButNotItsSizes) {
  Context themed, library;
  ApplyThemeTable(&themed.ctx, nullptr);
  nk_style_from_table(&library.ctx, nullptr);
  const nk_style_scrollbar& e = themed.ctx.style.edit.scrollbar;
  const nk_style_scrollbar& l = library.ctx.style.edit.scrollbar;
  const nk_style_scrollbar& h = themed.ctx.style.scrollh;
  // Colours as the window scrollbars'.
  EXPECT_TRUE(IsColor(e.normal.data.color, 40, 40, 40, 255));
  EXPECT_TRUE(IsColor(e.cursor_active.data.color, 160, 160, 160, 255));
  EXPECT_TRUE(IsColor(e.border_color, 48, 48, 48, 255));
  for (const nk_style_button* b : {&e.inc_button, &e.dec_button}) {
    EXPECT_TRUE(IsColor(b->hover.data.color, 32, 32, 32, 255));
    EXPECT_TRUE(IsColor(b->text_background, 32, 32, 32, 255));
    EXPECT_TRUE(IsColor(b->border_color, 0, 0, 0, 0));
    EXPECT_TRUE(IsColor(b->text_active, 192, 192, 192, 255));
    // Sizes stay the library's: the window scrollbars' buttons differ.
    EXPECT_EQ(b->border, l.inc_button.border);
    EXPECT_EQ(b->padding.x, l.inc_button.padding.x);
    EXPECT_EQ(b->padding.y, l.inc_button.padding.y);
    EXPECT_NE(b->border, h.inc_button.border);
  }
  EXPECT_EQ(e.show_buttons, l.show_buttons);
  EXPECT_NE(e.show_buttons, h.show_buttons);
  // Its own symbols.
  EXPECT_EQ(int(e.inc_symbol), 16);
  EXPECT_EQ(int(e.dec_symbol), 15);
}

TEST(Theme, EntryThirtyOneHasNoEffect) {
  // Give entry 31 a colour found nowhere else and look for its bytes in the whole style.
  nk_color table[kThemeColorCount];
  std::memcpy(table, kDefaultThemeTable, sizeof table);
  table[31] = nk_rgba(1, 2, 3, 4);
  Context c;
  ApplyThemeTable(&c.ctx, table);
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&c.ctx.style);
  const unsigned char marker[4] = {1, 2, 3, 4};
  for (size_t i = 0; i + 4 <= sizeof(nk_style); ++i)
    ASSERT_NE(std::memcmp(bytes + i, marker, 4), 0) << "entry 31 found at byte " << i;
  // The same check catches a table entry that is used: entry 30 is.
  table[30] = nk_rgba(1, 2, 3, 4);
  ApplyThemeTable(&c.ctx, table);
  bool found = false;
  for (size_t i = 0; i + 4 <= sizeof(nk_style) && !found; ++i) found = std::memcmp(bytes + i, marker, 4) == 0;
  EXPECT_TRUE(found);
}

TEST(Theme, LightVariantIsDerivedPerEntry) {
  // Greys become 225 - grey; other colours (225 - g, 225 - b, 225 - g); entry 35 then takes
  // its green as red. Written out in full, so that no entry can slip.
  const nk_color expected[kThemeColorCount] = {
      {225, 225, 225, 0},   {0, 0, 0, 255},       {33, 33, 33, 255},    {193, 193, 193, 255},  // 0-3
      {185, 185, 185, 255}, {209, 209, 209, 255}, {127, 127, 127, 64},  {177, 177, 177, 255},  // 4-7
      {161, 161, 161, 255}, {177, 177, 177, 255}, {161, 161, 161, 255}, {129, 129, 129, 255},  // 8-11
      {177, 177, 177, 255}, {201, 201, 201, 255}, {193, 193, 193, 255}, {193, 193, 193, 255},  // 12-15
      {193, 193, 193, 255}, {33, 97, 33, 255},    {19, 81, 19, 255},    {177, 177, 177, 255},  // 16-19
      {161, 161, 161, 255}, {129, 161, 129, 225}, {97, 161, 97, 255},   {177, 177, 177, 255},  // 20-23
      {33, 33, 33, 255},    {33, 33, 33, 255},    {33, 33, 33, 255},    {81, 81, 81, 255},     // 24-27
      {33, 97, 33, 255},    {177, 177, 177, 255}, {177, 177, 177, 240}, {113, 113, 113, 225},  // 28-31
      {177, 177, 177, 255}, {177, 177, 177, 240}, {81, 97, 81, 255},    {129, 129, 65, 255},   // 32-35
      {185, 185, 185, 255}, {33, 33, 33, 255},    {81, 81, 81, 255},    {65, 65, 65, 255},     // 36-39
      {209, 209, 209, 255}};                                                                   // 40
  const nk_color* light = LightThemeTable();
  for (int i = 0; i < kThemeColorCount; ++i) {
    const nk_color e = expected[i];
    EXPECT_TRUE(IsColor(light[i], e.r, e.g, e.b, e.a)) << "entry " << i;
  }
  EXPECT_EQ(LightThemeTable(), light);  // made once, kept
  Context c;
  ApplyThemeTable(&c.ctx, light);
  EXPECT_TRUE(IsColor(c.ctx.style.window.background, 185, 185, 185, 255));
}

TEST(Theme, NoContextDoesNothing) {
  // With no context there is nothing to style: the tables stay as they are, and a context
  // styled afterwards gets exactly what one styled before did.
  Context before;
  ApplyThemeTable(&before.ctx, LightThemeTable());
  std::vector<nk_color> tables(kDefaultThemeTable, kDefaultThemeTable + kThemeColorCount);
  tables.insert(tables.end(), LightThemeTable(), LightThemeTable() + kThemeColorCount);
  for (const nk_color* table : {static_cast<const nk_color*>(nullptr), kDefaultThemeTable, LightThemeTable()}) {
    ApplyThemeTable(nullptr, table);
    for (int i = 0; i < kThemeColorCount; ++i) {
      EXPECT_TRUE(Same(kDefaultThemeTable[i], tables[i])) << i;
      EXPECT_TRUE(Same(LightThemeTable()[i], tables[kThemeColorCount + i])) << i;
    }
  }
  Context after;
  ApplyThemeTable(&after.ctx, LightThemeTable());
  const nk_style& a = before.ctx.style;
  const nk_style& b = after.ctx.style;
  for (auto [x, y] : {std::pair{a.window.background, b.window.background}, {a.text.color, b.text.color},
                      {a.button.normal.data.color, b.button.normal.data.color}, {a.edit.cursor_normal, b.edit.cursor_normal},
                      {a.scrollv.cursor_normal.data.color, b.scrollv.cursor_normal.data.color}})
    EXPECT_TRUE(Same(x, y));
  EXPECT_EQ(a.window.rounding, b.window.rounding);
}

}  // namespace
}  // namespace qel
