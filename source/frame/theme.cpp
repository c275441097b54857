#include "frame/theme.h"

#include <array>
#include <initializer_list>

namespace qel {

constexpr nk_color kDefaultThemeTable[kThemeColorCount] = {
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

struct Theme {
  const nk_color* table;
  nk_color operator()(ThemeColor entry) const { return table[entry]; }
  nk_style_item Item(ThemeColor entry) const { return nk_style_item_color(table[entry]); }

  void Text(nk_style_button& b, ThemeColor entry) const { b.text_normal = b.text_hover = b.text_active = table[entry]; }
  void Backgrounds(nk_style_button& b, ThemeColor normal, ThemeColor hover, ThemeColor active) const {
    b.normal = Item(normal);
    b.hover = Item(hover);
    b.active = Item(active);
  }
};

void StyleButtons(const Theme& t, nk_style& s) {
  t.Backgrounds(s.button, kThemeButton, kThemeButtonHover, kThemeButtonActive);
  s.button.border_color = t(kThemeBorder);
  s.button.text_background = t(kThemeButton);
  t.Text(s.button, kThemeWidgetText);

  t.Backgrounds(s.contextual_button, kThemeTransparent, kThemeButtonHover, kThemeButtonActive);
  s.contextual_button.border_color = t(kThemeScrollbarButton);
  s.contextual_button.text_background = t(kThemeText);
  t.Text(s.contextual_button, kThemeWidgetText);

  t.Backgrounds(s.menu_button, kThemeMenuButton, kThemeMenuButtonHover, kThemeMenuButtonActive);
  s.menu_button.border_color = t(kThemeBorder);
  s.menu_button.text_background = t(kThemeMenuButton);
  t.Text(s.menu_button, kThemeWidgetText);
  s.menu_button.rounding = 3;
}

void StyleToggle(const Theme& t, nk_style_toggle& toggle) {
  toggle.normal = t.Item(kThemeToggle);
  toggle.hover = t.Item(kThemeToggleHover);
  toggle.active = t.Item(kThemeToggleHover);
  toggle.border_color = t(kThemeWidgetText);
  toggle.cursor_normal = t.Item(kThemeToggleCursor);
  toggle.cursor_hover = t.Item(kThemeToggleCursorHover);
  toggle.text_normal = toggle.text_hover = toggle.text_active = t(kThemeWidgetText);
  toggle.text_background = t(kThemeText);
  toggle.border = 1;
}

void StyleSelectable(const Theme& t, nk_style_selectable& s) {
  s.normal = t.Item(kThemeSelect);
  s.hover = t.Item(kThemeSelectHover);
  s.pressed = t.Item(kThemeSelectHover);
  s.normal_active = t.Item(kThemeSelectActive);
  s.hover_active = t.Item(kThemeSelectActiveHover);
  s.pressed_active = t.Item(kThemeSelectActiveHover);
  s.text_normal = s.text_hover = s.text_pressed = t(kThemeWidgetText);
  s.text_normal_active = s.text_hover_active = s.text_pressed_active = t(kThemeWidgetText);
}

// Buttons inside other widgets (slider, property, scrollbar, tab arrows): plain text on one colour.
void StyleInnerButton(const Theme& t, nk_style_button& b, ThemeColor background, ThemeColor text_background) {
  t.Backgrounds(b, background, background, background);
  b.text_background = t(text_background);
  t.Text(b, kThemeWidgetText);
}

void StyleSlider(const Theme& t, nk_style_slider& s) {
  s.bar_normal = t(kThemeSlider);
  s.bar_hover = t(kThemeSlider);
  s.bar_active = t(kThemeSliderActive);
  s.bar_filled = t(kThemeSliderCursorActive);
  s.cursor_normal = t.Item(kThemeSliderCursor);
  s.cursor_hover = t.Item(kThemeSliderCursorHover);
  s.cursor_active = t.Item(kThemeSliderCursorActive);
  for (nk_style_button* b : {&s.inc_button, &s.dec_button}) {
    StyleInnerButton(t, *b, kThemeTransparent, kThemeTransparent);
    b->border_color = t(kThemeTransparent);
    b->border = 0;
  }
  s.bar_height = 4;
  s.inc_symbol = NK_SYMBOL_CHEVRON_RIGHT;
  s.dec_symbol = NK_SYMBOL_CHEVRON_LEFT;
}

void StyleProgress(const Theme& t, nk_style_progress& p) {
  p.normal = p.hover = p.active = t.Item(kThemeProgress);
  p.border_color = t(kThemeBorder);
  p.cursor_normal = t.Item(kThemeSliderCursorHover);
  p.cursor_hover = t.Item(kThemeSliderCursorHover);
  p.cursor_active = t.Item(kThemeSliderCursorActive);
  p.cursor_border_color = t(kThemeSliderCursorActive);
  p.border = 1;
  p.padding = nk_vec2(0, 2);
}

// The scrollbar colours, shared by the window scrollbars and the edit field's own.
void StyleScrollbarColors(const Theme& t, nk_style_scrollbar& s) {
  s.normal = s.hover = s.active = t.Item(kThemeScrollbar);
  s.border_color = t(kThemeProgress);
  s.cursor_normal = t.Item(kThemeScrollbarCursor);
  s.cursor_hover = t.Item(kThemeScrollbarCursorHover);
  s.cursor_active = t.Item(kThemeScrollbarCursorActive);
  s.cursor_border_color = t(kThemeProgress);
  for (nk_style_button* b : {&s.inc_button, &s.dec_button}) {
    StyleInnerButton(t, *b, kThemeScrollbarButton, kThemeScrollbarButton);
    b->border_color = t(kThemeTransparent);
  }
}

void StyleScrollbarSymbols(nk_style_scrollbar& s, nk_symbol_type inc_symbol, nk_symbol_type dec_symbol) {
  s.inc_symbol = inc_symbol;
  s.dec_symbol = dec_symbol;
}

// A window scrollbar: colours, shown buttons with their own sizes, symbols.
void StyleScrollbar(const Theme& t, nk_style_scrollbar& s, nk_symbol_type inc_symbol, nk_symbol_type dec_symbol) {
  StyleScrollbarColors(t, s);
  for (nk_style_button* b : {&s.inc_button, &s.dec_button}) {
    b->border = 0;
    b->padding = nk_vec2(1, 1);
  }
  s.show_buttons = 1;
  StyleScrollbarSymbols(s, inc_symbol, dec_symbol);
}

// The edit-field colours shared by the edit widget and the property's inner edit.
void StyleEditColors(const Theme& t, nk_style_edit& e, ThemeColor background, ThemeColor cursor, ThemeColor text,
                     ThemeColor selected) {
  e.normal = e.hover = e.active = t.Item(background);
  e.cursor_normal = e.cursor_hover = t(cursor);
  e.cursor_text_normal = e.cursor_text_hover = t(kThemeEdit);
  e.text_normal = e.text_hover = e.text_active = t(text);
  e.selected_normal = e.selected_hover = t(selected);
  e.selected_text_normal = e.selected_text_hover = t(kThemeEdit);
}

void StyleProperty(const Theme& t, nk_style_property& p) {
  p.normal = p.hover = p.active = t.Item(kThemeProperty);
  p.border_color = t(kThemeBorder);
  p.label_normal = p.label_hover = p.label_active = t(kThemeWidgetText);
  StyleEditColors(t, p.edit, kThemeTransparent, kThemeWidgetText, kThemeWidgetText, kThemeWidgetText);
  StyleInnerButton(t, p.inc_button, kThemeTransparent, kThemeTransparent);
  StyleInnerButton(t, p.dec_button, kThemeTransparent, kThemeTransparent);
  p.sym_left = NK_SYMBOL_CHEVRON_LEFT;
  p.sym_right = NK_SYMBOL_CHEVRON_RIGHT;
}

void StyleEdit(const Theme& t, nk_style_edit& e) {
  StyleEditColors(t, e, kThemeEdit, kThemeText, kThemeText, kThemeText);
  e.border_color = t(kThemeBorder);
  // Only the window scrollbars' colours carry over; buttons, border and padding stay the
  // library's, so the edit field's scrollbar keeps no buttons.
  StyleScrollbarColors(t, e.scrollbar);
  StyleScrollbarSymbols(e.scrollbar, NK_SYMBOL_CHEVRON_DOWN, NK_SYMBOL_CHEVRON_UP);
}

void StyleTab(const Theme& t, nk_style_tab& tab) {
  tab.background = t.Item(kThemeTabHeader);
  tab.border_color = t(kThemeTransparent);
  tab.text = t(kThemeWidgetText);
  StyleInnerButton(t, tab.tab_maximize_button, kThemeTransparent, kThemeTransparent);
  StyleInnerButton(t, tab.tab_minimize_button, kThemeTransparent, kThemeTransparent);
  StyleInnerButton(t, tab.node_maximize_button, kThemeTransparent, kThemeTabHeader);
  StyleInnerButton(t, tab.node_minimize_button, kThemeTransparent, kThemeTabHeader);
  tab.sym_minimize = NK_SYMBOL_CHEVRON_RIGHT;
  tab.sym_maximize = NK_SYMBOL_CHEVRON_DOWN;
  tab.border = 0;
}

void StyleCombo(const Theme& t, nk_style_combo& c) {
  c.normal = c.hover = c.active = t.Item(kThemeCombo);
  c.border_color = t(kThemeBorder);
  c.label_normal = c.label_hover = c.label_active = t(kThemeWidgetText);
  // The library's style leaves the header symbol's colours at zero (transparent), which hid
  // the symbol of every symbol combo header.
  c.symbol_normal = c.symbol_hover = c.symbol_active = t(kThemeWidgetText);
  StyleInnerButton(t, c.button, kThemeCombo, kThemeTransparent);
  c.button.padding = nk_vec2(4, 4);
  c.sym_normal = c.sym_hover = c.sym_active = NK_SYMBOL_TRIANGLE_DOWN_FROM_BAR;
}

void StyleWindow(const Theme& t, nk_style_window& w) {
  w.header.normal = w.header.hover = w.header.active = t.Item(kThemeHeader);
  for (nk_style_button* b : {&w.header.close_button, &w.header.minimize_button}) {
    b->normal = t.Item(kThemeTransparent);
    b->hover = t.Item(kThemeHeaderButtonHover);
    b->active = t.Item(kThemeHeaderButtonHover);
    b->text_background = t(kThemeTransparent);
    t.Text(*b, kThemeWidgetText);
    b->padding = nk_vec2(6, 6);
  }
  w.header.label_normal = w.header.label_hover = w.header.label_active = t(kThemeWidgetText);
  w.header.close_symbol = NK_SYMBOL_CROSS;
  w.header.minimize_symbol = NK_SYMBOL_CHEVRON_DOWN;
  w.header.maximize_symbol = NK_SYMBOL_CHEVRON_RIGHT;
  w.fixed_background = t.Item(kThemeWindow);
  w.background = t(kThemeWindow);
  w.border_color = t(kThemeWindowBorder);
  w.popup_border_color = w.combo_border_color = w.contextual_border_color = t(kThemeBorder);
  w.menu_border_color = w.group_border_color = w.tooltip_border_color = t(kThemeBorder);
  w.scaler = t.Item(kThemeWidgetText);
  w.rounding = 5;
}

}  // namespace

void ApplyThemeTable(nk_context* ctx, const nk_color* table) {
  if (!ctx) return;
  // Start from the library's complete style, so every field we do not set has its value.
  nk_style_from_table(ctx, nullptr);
  const Theme t{table ? table : kDefaultThemeTable};
  nk_style& s = ctx->style;
  s.text.color = t(kThemeText);
  StyleButtons(t, s);
  StyleToggle(t, s.option);
  StyleToggle(t, s.checkbox);
  StyleSelectable(t, s.selectable);
  StyleSlider(t, s.slider);
  StyleProgress(t, s.progress);
  StyleProperty(t, s.property);
  StyleEdit(t, s.edit);
  s.chart.background = t.Item(kThemeChart);
  s.chart.border_color = t(kThemeBorder);
  s.chart.selected_color = t(kThemeChartColorHighlight);
  s.chart.color = t(kThemeChartColor);
  StyleScrollbar(t, s.scrollh, NK_SYMBOL_CHEVRON_RIGHT, NK_SYMBOL_CHEVRON_LEFT);
  StyleScrollbar(t, s.scrollv, NK_SYMBOL_CHEVRON_DOWN, NK_SYMBOL_CHEVRON_UP);
  StyleTab(t, s.tab);
  StyleCombo(t, s.combo);
  StyleWindow(t, s.window);
}

namespace {

// The light variant, worked out at compile time: greys mirrored around 225, and colours
// mirrored from their green (into red and blue) and blue (into green) channels.
constexpr std::array<nk_color, kThemeColorCount> MakeLightTable() {
  std::array<nk_color, kThemeColorCount> table{};
  for (int i = 0; i < kThemeColorCount; ++i) {
    const nk_color c = kDefaultThemeTable[i];
    const auto inverse = [](nk_byte v) { return static_cast<nk_byte>(225 - v); };
    if (c.r == c.g && c.g == c.b) {
      table[i] = nk_color{inverse(c.r), inverse(c.g), inverse(c.b), c.a};
    } else {
      table[i] = nk_color{inverse(c.g), inverse(c.b), inverse(c.g), c.a};
    }
  }
  table[kThemeChartColorHighlight].r = table[kThemeChartColorHighlight].g;
  return table;
}

constexpr std::array<nk_color, kThemeColorCount> kLightThemeTable = MakeLightTable();

}  // namespace

const nk_color* LightThemeTable() { return kLightThemeTable.data(); }

}  // namespace qel
