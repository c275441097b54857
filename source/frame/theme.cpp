#include "frame/theme.h"

#include <initializer_list>

namespace qel {

const nk_color kDefaultThemeTable[kThemeColorCount] = {
    {0, 0, 0, 0},         {225, 225, 225, 255}, {192, 192, 192, 255}, {32, 32, 32, 255},    // 0-3
    {40, 40, 40, 255},    {16, 16, 16, 255},    {98, 98, 98, 64},     {48, 48, 48, 255},    // 4-7
    {64, 64, 64, 255},    {48, 48, 48, 255},    {64, 64, 64, 255},    {96, 96, 96, 255},    // 8-11
    {48, 48, 48, 255},    {24, 24, 24, 255},    {32, 32, 32, 255},    {32, 32, 32, 255},    // 12-15
    {32, 32, 32, 255},    {128, 192, 128, 255}, {144, 206, 144, 255}, {48, 48, 48, 255},    // 16-19
    {64, 64, 64, 255},    {64, 96, 64, 225},    {64, 128, 64, 255},   {48, 48, 48, 255},    // 20-23
    {192, 192, 192, 255}, {192, 192, 192, 255}, {192, 192, 192, 255}, {144, 144, 144, 255}, // 24-27
    {128, 192, 128, 255}, {48, 48, 48, 255},    {48, 48, 48, 240},    {112, 112, 112, 225}, // 28-31
    {48, 48, 48, 255},    {48, 48, 48, 240},    {128, 144, 128, 255}, {160, 160, 96, 255},  // 32-35
    {40, 40, 40, 255},    {192, 192, 192, 255}, {144, 144, 144, 255}, {160, 160, 160, 255}, // 36-39
    {16, 16, 16, 255}};                                                                     // 40

namespace {

// Symbol numbers of the extended symbol set used by the theme.
constexpr int kSymbolCross = 14;
constexpr int kSymbolChevronUp = 15;
constexpr int kSymbolChevronDown = 16;
constexpr int kSymbolChevronLeft = 17;
constexpr int kSymbolChevronRight = 18;
constexpr int kSymbolTriangleDownBar = 36;

nk_symbol_type Symbol(int number) { return static_cast<nk_symbol_type>(number); }

struct Theme {
  const nk_color* table;
  nk_color operator()(int entry) const { return table[entry]; }
  nk_style_item Item(int entry) const { return nk_style_item_color(table[entry]); }

  void Text(nk_style_button& b, int entry) const { b.text_normal = b.text_hover = b.text_active = table[entry]; }
  void Backgrounds(nk_style_button& b, int normal, int hover, int active) const {
    b.normal = Item(normal);
    b.hover = Item(hover);
    b.active = Item(active);
  }
};

void StyleButtons(const Theme& t, nk_style& s) {
  t.Backgrounds(s.button, 9, 10, 11);
  s.button.border_color = t(8);
  s.button.text_background = t(9);
  t.Text(s.button, 2);

  t.Backgrounds(s.contextual_button, 0, 10, 11);
  s.contextual_button.border_color = t(3);
  s.contextual_button.text_background = t(1);
  t.Text(s.contextual_button, 2);

  t.Backgrounds(s.menu_button, 12, 13, 14);
  s.menu_button.border_color = t(8);
  s.menu_button.text_background = t(12);
  t.Text(s.menu_button, 2);
  s.menu_button.rounding = 3;
}

void StyleToggle(const Theme& t, nk_style_toggle& toggle) {
  toggle.normal = t.Item(15);
  toggle.hover = t.Item(16);
  toggle.active = t.Item(16);
  toggle.border_color = t(2);
  toggle.cursor_normal = t.Item(17);
  toggle.cursor_hover = t.Item(18);
  toggle.text_normal = toggle.text_hover = toggle.text_active = t(2);
  toggle.text_background = t(1);
  toggle.border = 1;
}

void StyleSelectable(const Theme& t, nk_style_selectable& s) {
  s.normal = t.Item(19);
  s.hover = t.Item(20);
  s.pressed = t.Item(20);
  s.normal_active = t.Item(21);
  s.hover_active = t.Item(22);
  s.pressed_active = t.Item(22);
  s.text_normal = s.text_hover = s.text_pressed = t(2);
  s.text_normal_active = s.text_hover_active = s.text_pressed_active = t(2);
}

// Buttons inside other widgets (slider, property, scrollbar, tab arrows): plain text on one colour.
void StyleInnerButton(const Theme& t, nk_style_button& b, int background, int text_background) {
  t.Backgrounds(b, background, background, background);
  b.text_background = t(text_background);
  t.Text(b, 2);
}

void StyleSlider(const Theme& t, nk_style_slider& s) {
  s.bar_normal = t(24);
  s.bar_hover = t(24);
  s.bar_active = t(25);
  s.bar_filled = t(28);
  s.cursor_normal = t.Item(26);
  s.cursor_hover = t.Item(27);
  s.cursor_active = t.Item(28);
  for (nk_style_button* b : {&s.inc_button, &s.dec_button}) {
    StyleInnerButton(t, *b, 0, 0);
    b->border_color = t(0);
    b->border = 0;
  }
  s.bar_height = 4;
  s.inc_symbol = Symbol(kSymbolChevronRight);
  s.dec_symbol = Symbol(kSymbolChevronLeft);
}

void StyleProgress(const Theme& t, nk_style_progress& p) {
  p.normal = p.hover = p.active = t.Item(23);
  p.border_color = t(8);
  p.cursor_normal = t.Item(27);
  p.cursor_hover = t.Item(27);
  p.cursor_active = t.Item(28);
  p.cursor_border_color = t(28);
  p.border = 1;
  p.padding = nk_vec2(0, 2);
}

// The scrollbar colours, shared by the window scrollbars and the edit field's own.
void StyleScrollbarColors(const Theme& t, nk_style_scrollbar& s) {
  s.normal = s.hover = s.active = t.Item(36);
  s.border_color = t(23);
  s.cursor_normal = t.Item(37);
  s.cursor_hover = t.Item(38);
  s.cursor_active = t.Item(39);
  s.cursor_border_color = t(23);
  for (nk_style_button* b : {&s.inc_button, &s.dec_button}) {
    StyleInnerButton(t, *b, 3, 3);
    b->border_color = t(0);
  }
}

void StyleScrollbarSymbols(nk_style_scrollbar& s, int inc_symbol, int dec_symbol) {
  s.inc_symbol = Symbol(inc_symbol);
  s.dec_symbol = Symbol(dec_symbol);
}

// A window scrollbar: colours, shown buttons with their own sizes, symbols.
void StyleScrollbar(const Theme& t, nk_style_scrollbar& s, int inc_symbol, int dec_symbol) {
  StyleScrollbarColors(t, s);
  for (nk_style_button* b : {&s.inc_button, &s.dec_button}) {
    b->border = 0;
    b->padding = nk_vec2(1, 1);
  }
  s.show_buttons = 1;
  StyleScrollbarSymbols(s, inc_symbol, dec_symbol);
}

// The edit-field colours shared by the edit widget and the property's inner edit.
void StyleEditColors(const Theme& t, nk_style_edit& e, int background, int cursor, int text, int selected) {
  e.normal = e.hover = e.active = t.Item(background);
  e.cursor_normal = e.cursor_hover = t(cursor);
  e.cursor_text_normal = e.cursor_text_hover = t(30);
  e.text_normal = e.text_hover = e.text_active = t(text);
  e.selected_normal = e.selected_hover = t(selected);
  e.selected_text_normal = e.selected_text_hover = t(30);
}

void StyleProperty(const Theme& t, nk_style_property& p) {
  p.normal = p.hover = p.active = t.Item(29);
  p.border_color = t(8);
  p.label_normal = p.label_hover = p.label_active = t(2);
  StyleEditColors(t, p.edit, 0, 2, 2, 2);
  StyleInnerButton(t, p.inc_button, 0, 0);
  StyleInnerButton(t, p.dec_button, 0, 0);
  p.sym_left = Symbol(kSymbolChevronLeft);
  p.sym_right = Symbol(kSymbolChevronRight);
}

void StyleEdit(const Theme& t, nk_style_edit& e) {
  StyleEditColors(t, e, 30, 1, 1, 1);
  e.border_color = t(8);
  // Only the window scrollbars' colours carry over; buttons, border and padding stay the
  // library's, so the edit field's scrollbar keeps no buttons.
  StyleScrollbarColors(t, e.scrollbar);
  StyleScrollbarSymbols(e.scrollbar, kSymbolChevronDown, kSymbolChevronUp);
}

void StyleTab(const Theme& t, nk_style_tab& tab) {
  tab.background = t.Item(40);
  tab.border_color = t(0);
  tab.text = t(2);
  StyleInnerButton(t, tab.tab_maximize_button, 0, 0);
  StyleInnerButton(t, tab.tab_minimize_button, 0, 0);
  StyleInnerButton(t, tab.node_maximize_button, 0, 40);
  StyleInnerButton(t, tab.node_minimize_button, 0, 40);
  tab.sym_minimize = Symbol(kSymbolChevronRight);
  tab.sym_maximize = Symbol(kSymbolChevronDown);
  tab.border = 0;
}

void StyleCombo(const Theme& t, nk_style_combo& c) {
  c.normal = c.hover = c.active = t.Item(32);
  c.border_color = t(8);
  c.label_normal = c.label_hover = c.label_active = t(2);
  StyleInnerButton(t, c.button, 32, 0);
  c.button.padding = nk_vec2(4, 4);
  c.sym_normal = c.sym_hover = c.sym_active = Symbol(kSymbolTriangleDownBar);
}

void StyleWindow(const Theme& t, nk_style_window& w) {
  w.header.normal = w.header.hover = w.header.active = t.Item(5);
  for (nk_style_button* b : {&w.header.close_button, &w.header.minimize_button}) {
    b->normal = t.Item(0);
    b->hover = t.Item(6);
    b->active = t.Item(6);
    b->text_background = t(0);
    t.Text(*b, 2);
    b->padding = nk_vec2(6, 6);
  }
  w.header.label_normal = w.header.label_hover = w.header.label_active = t(2);
  w.header.close_symbol = Symbol(kSymbolCross);
  w.header.minimize_symbol = Symbol(kSymbolChevronDown);
  w.header.maximize_symbol = Symbol(kSymbolChevronRight);
  w.fixed_background = t.Item(4);
  w.background = t(4);
  w.border_color = t(7);
  w.popup_border_color = w.combo_border_color = w.contextual_border_color = t(8);
  w.menu_border_color = w.group_border_color = w.tooltip_border_color = t(8);
  w.scaler = t.Item(2);
  w.rounding = 5;
}

}  // namespace

void ApplyThemeTable(nk_context* ctx, const nk_color* table) {
  if (!ctx) return;
  // Start from the library's complete style, so every field we do not set has its value.
  nk_style_from_table(ctx, nullptr);
  const Theme t{table ? table : kDefaultThemeTable};
  nk_style& s = ctx->style;
  s.text.color = t(1);
  StyleButtons(t, s);
  StyleToggle(t, s.option);
  StyleToggle(t, s.checkbox);
  StyleSelectable(t, s.selectable);
  StyleSlider(t, s.slider);
  StyleProgress(t, s.progress);
  StyleProperty(t, s.property);
  StyleEdit(t, s.edit);
  s.chart.background = t.Item(33);
  s.chart.border_color = t(8);
  s.chart.selected_color = t(35);
  s.chart.color = t(34);
  StyleScrollbar(t, s.scrollh, kSymbolChevronRight, kSymbolChevronLeft);
  StyleScrollbar(t, s.scrollv, kSymbolChevronDown, kSymbolChevronUp);
  StyleTab(t, s.tab);
  StyleCombo(t, s.combo);
  StyleWindow(t, s.window);
}

const nk_color* LightThemeTable() {
  static nk_color table[kThemeColorCount];
  static bool made = false;
  if (!made) {
    for (int i = 0; i < kThemeColorCount; ++i) {
      const nk_color c = kDefaultThemeTable[i];
      const auto inverse = [](nk_byte v) { return static_cast<nk_byte>(225 - v); };
      if (c.r == c.g && c.g == c.b) {
        table[i] = nk_rgba(inverse(c.r), inverse(c.g), inverse(c.b), c.a);
      } else {
        table[i] = {inverse(c.g), inverse(c.b), inverse(c.g), c.a};
      }
    }
    table[35].r = table[35].g;
    made = true;
  }
  return table;
}

}  // namespace qel
