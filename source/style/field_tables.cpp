// The field tables of the widget style structures, and the name index the property engine
// looks fields up in.
//
// [SECTION] field macros
// [SECTION] tables, nested structures first
// [SECTION] compile-time checks of the layouts
// [SECTION] lookups
#include "style/field_tables.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "style/memblock_layout.h"

namespace qel {
namespace {

// [SECTION] field macros
// The struct type S is named once per table by a local alias; `at` is the 32-bit layout offset.

// Set and read under the member's own name.
#define QEL_FIELD(member, kind, at) \
  StyleField { #member, #member, #member, FieldKind::kind, at, offsetof(S, member), sizeof(S::member), nullptr }
// Set under `set`, read under `get` (either may be null).
#define QEL_FIELD_AS(member, set, get, kind, at) \
  StyleField { #member, set, get, FieldKind::kind, at, offsetof(S, member), sizeof(S::member), nullptr }
// A callback or userdata slot: in the layout, never named.
#define QEL_SLOT(member, at) \
  StyleField { #member, nullptr, nullptr, FieldKind::kSlot, at, offsetof(S, member), sizeof(S::member), nullptr }
// A nested style structure: the getter follows its name, the setter does not.
#define QEL_NESTED(member, at, table) \
  StyleField { #member, nullptr, #member, FieldKind::kNested, at, offsetof(S, member), sizeof(S::member), &table }

#define QEL_TABLE(type, name, block_size, fields) \
  FieldTable { StyleType::type, name, block_size, sizeof(S), fields, sizeof(fields) / sizeof(fields[0]) }

// [SECTION] tables, nested structures first

namespace text {
using S = nk_style_text;
constexpr StyleField kFields[] = {
    QEL_FIELD(color, kColor, 0),
    QEL_FIELD(padding, kVec2, 4),
};
constexpr FieldTable kTable = QEL_TABLE(kText, "text", 12, kFields);
}  // namespace text

namespace button {
using S = nk_style_button;
constexpr StyleField kFields[] = {
    QEL_FIELD(normal, kItem, 0),
    QEL_FIELD(hover, kItem, 36),
    QEL_FIELD(active, kItem, 72),
    QEL_FIELD(border_color, kColor, 108),
    QEL_FIELD(text_background, kColor, 112),
    QEL_FIELD(text_normal, kColor, 116),
    QEL_FIELD(text_hover, kColor, 120),
    QEL_FIELD(text_active, kColor, 124),
    QEL_FIELD(text_alignment, kInt, 128),
    QEL_FIELD(border, kFloat, 132),
    QEL_FIELD(rounding, kFloat, 136),
    QEL_FIELD(padding, kVec2, 140),
    QEL_FIELD(image_padding, kVec2, 148),
    QEL_FIELD(touch_padding, kVec2, 156),
    QEL_SLOT(userdata, 164),
    QEL_SLOT(draw_begin, 168),
    QEL_SLOT(draw_end, 172),
};
constexpr FieldTable kTable = QEL_TABLE(kButton, "button", 176, kFields);
}  // namespace button

namespace toggle {
using S = nk_style_toggle;
constexpr StyleField kFields[] = {
    QEL_FIELD(normal, kItem, 0),
    QEL_FIELD(hover, kItem, 36),
    QEL_FIELD(active, kItem, 72),
    QEL_FIELD(border_color, kColor, 108),
    QEL_FIELD(cursor_normal, kItem, 112),
    QEL_FIELD(cursor_hover, kItem, 148),
    QEL_FIELD(text_normal, kColor, 184),
    QEL_FIELD(text_hover, kColor, 188),
    QEL_FIELD(text_active, kColor, 192),
    QEL_FIELD(text_background, kColor, 196),
    QEL_FIELD(text_alignment, kInt, 200),
    QEL_FIELD(padding, kVec2, 204),
    QEL_FIELD(touch_padding, kVec2, 212),
    QEL_FIELD(spacing, kFloat, 220),
    QEL_FIELD(border, kFloat, 224),
    QEL_SLOT(userdata, 228),
    QEL_SLOT(draw_begin, 232),
    QEL_SLOT(draw_end, 236),
};
constexpr FieldTable kTable = QEL_TABLE(kToggle, "toggle", 240, kFields);
}  // namespace toggle

namespace selectable {
using S = nk_style_selectable;
constexpr StyleField kFields[] = {
    QEL_FIELD(normal, kItem, 0),
    QEL_FIELD(hover, kItem, 36),
    QEL_FIELD(pressed, kItem, 72),
    QEL_FIELD(normal_active, kItem, 108),
    QEL_FIELD(hover_active, kItem, 144),
    QEL_FIELD(pressed_active, kItem, 180),
    QEL_FIELD(text_normal, kColor, 216),
    QEL_FIELD(text_hover, kColor, 220),
    QEL_FIELD(text_pressed, kColor, 224),
    QEL_FIELD(text_normal_active, kColor, 228),
    QEL_FIELD(text_hover_active, kColor, 232),
    QEL_FIELD(text_pressed_active, kColor, 236),
    QEL_FIELD(text_background, kColor, 240),
    QEL_FIELD(text_alignment, kInt, 244),
    QEL_FIELD(rounding, kFloat, 248),
    QEL_FIELD(padding, kVec2, 252),
    QEL_FIELD(touch_padding, kVec2, 260),
    QEL_FIELD(image_padding, kVec2, 268),
    QEL_SLOT(userdata, 276),
    QEL_SLOT(draw_begin, 280),
    QEL_SLOT(draw_end, 284),
};
constexpr FieldTable kTable = QEL_TABLE(kSelectable, "selectable", 288, kFields);
}  // namespace selectable

namespace slider {
using S = nk_style_slider;
constexpr StyleField kFields[] = {
    QEL_FIELD(normal, kItem, 0),
    QEL_FIELD(hover, kItem, 36),
    QEL_FIELD(active, kItem, 72),
    QEL_FIELD(border_color, kColor, 108),
    QEL_FIELD(bar_normal, kColor, 112),
    QEL_FIELD(bar_hover, kColor, 116),
    QEL_FIELD(bar_active, kColor, 120),
    QEL_FIELD(bar_filled, kColor, 124),
    QEL_FIELD(cursor_normal, kItem, 128),
    QEL_FIELD(cursor_hover, kItem, 164),
    QEL_FIELD(cursor_active, kItem, 200),
    QEL_FIELD(border, kFloat, 236),
    QEL_FIELD(rounding, kFloat, 240),
    QEL_FIELD(bar_height, kFloat, 244),
    QEL_FIELD(padding, kVec2, 248),
    QEL_FIELD_AS(spacing, "spacing_vec2", "spacing_vec2", kVec2, 256),
    QEL_FIELD_AS(cursor_size, "cursor_size_vec2", "cursor_size_vec2", kVec2, 264),
    QEL_FIELD(show_buttons, kInt, 272),
    QEL_NESTED(inc_button, 276, button::kTable),
    QEL_NESTED(dec_button, 452, button::kTable),
    QEL_FIELD(inc_symbol, kInt, 628),
    QEL_FIELD(dec_symbol, kInt, 632),
    QEL_SLOT(userdata, 636),
    QEL_SLOT(draw_begin, 640),
    QEL_SLOT(draw_end, 644),
};
constexpr FieldTable kTable = QEL_TABLE(kSlider, "slider", 648, kFields);
}  // namespace slider

namespace progress {
using S = nk_style_progress;
constexpr StyleField kFields[] = {
    QEL_FIELD(normal, kItem, 0),
    QEL_FIELD(hover, kItem, 36),
    QEL_FIELD(active, kItem, 72),
    QEL_FIELD(border_color, kColor, 108),
    QEL_FIELD(cursor_normal, kItem, 112),
    QEL_FIELD(cursor_hover, kItem, 148),
    QEL_FIELD(cursor_active, kItem, 184),
    QEL_FIELD(cursor_border_color, kColor, 220),
    QEL_FIELD(rounding, kFloat, 224),
    QEL_FIELD(border, kFloat, 228),
    QEL_FIELD(cursor_border, kFloat, 232),
    QEL_FIELD(cursor_rounding, kFloat, 236),
    QEL_FIELD(padding, kVec2, 240),
    QEL_SLOT(userdata, 248),
    QEL_SLOT(draw_begin, 252),
    QEL_SLOT(draw_end, 256),
};
constexpr FieldTable kTable = QEL_TABLE(kProgress, "progress", 260, kFields);
}  // namespace progress

namespace scrollbar {
using S = nk_style_scrollbar;
constexpr StyleField kFields[] = {
    QEL_FIELD(normal, kItem, 0),
    QEL_FIELD(hover, kItem, 36),
    QEL_FIELD(active, kItem, 72),
    QEL_FIELD(border_color, kColor, 108),
    QEL_FIELD(cursor_normal, kItem, 112),
    QEL_FIELD(cursor_hover, kItem, 148),
    QEL_FIELD(cursor_active, kItem, 184),
    QEL_FIELD(cursor_border_color, kColor, 220),
    QEL_FIELD(border, kFloat, 224),
    QEL_FIELD(rounding, kFloat, 228),
    // Set as "cursor_border"/"cursor_rounding" (as the progress bar's), read under the members' names.
    QEL_FIELD_AS(border_cursor, "cursor_border", "border_cursor", kFloat, 232),
    QEL_FIELD_AS(rounding_cursor, "cursor_rounding", "rounding_cursor", kFloat, 236),
    QEL_FIELD(padding, kVec2, 240),
    QEL_FIELD(show_buttons, kInt, 248),
    QEL_NESTED(inc_button, 252, button::kTable),
    QEL_NESTED(dec_button, 428, button::kTable),
    QEL_FIELD(inc_symbol, kInt, 604),
    QEL_FIELD(dec_symbol, kInt, 608),
    QEL_SLOT(userdata, 612),
    QEL_SLOT(draw_begin, 616),
    QEL_SLOT(draw_end, 620),
};
constexpr FieldTable kTable = QEL_TABLE(kScrollbar, "scrollbar", 624, kFields);
}  // namespace scrollbar

namespace edit {
using S = nk_style_edit;
constexpr StyleField kFields[] = {
    QEL_FIELD(normal, kItem, 0),
    QEL_FIELD(hover, kItem, 36),
    QEL_FIELD(active, kItem, 72),
    QEL_FIELD(border_color, kColor, 108),
    QEL_NESTED(scrollbar, 112, scrollbar::kTable),
    QEL_FIELD(cursor_normal, kColor, 736),
    QEL_FIELD(cursor_hover, kColor, 740),
    QEL_FIELD(cursor_text_normal, kColor, 744),
    QEL_FIELD(cursor_text_hover, kColor, 748),
    QEL_FIELD(text_normal, kColor, 752),
    QEL_FIELD(text_hover, kColor, 756),
    QEL_FIELD(text_active, kColor, 760),
    QEL_FIELD(selected_normal, kColor, 764),
    QEL_FIELD(selected_hover, kColor, 768),
    QEL_FIELD(selected_text_normal, kColor, 772),
    QEL_FIELD(selected_text_hover, kColor, 776),
    QEL_FIELD(border, kFloat, 780),
    QEL_FIELD(rounding, kFloat, 784),
    QEL_FIELD(cursor_size, kFloat, 788),
    QEL_FIELD(scrollbar_size, kVec2, 792),
    QEL_FIELD(padding, kVec2, 800),
    QEL_FIELD(row_padding, kFloat, 808),
};
constexpr FieldTable kTable = QEL_TABLE(kEdit, "edit", 812, kFields);
}  // namespace edit

namespace property {
using S = nk_style_property;
constexpr StyleField kFields[] = {
    QEL_FIELD(normal, kItem, 0),
    QEL_FIELD(hover, kItem, 36),
    QEL_FIELD(active, kItem, 72),
    QEL_FIELD(border_color, kColor, 108),
    QEL_FIELD(label_normal, kColor, 112),
    QEL_FIELD(label_hover, kColor, 116),
    QEL_FIELD(label_active, kColor, 120),
    QEL_FIELD(sym_left, kInt, 124),
    QEL_FIELD(sym_right, kInt, 128),
    QEL_FIELD(border, kFloat, 132),
    QEL_FIELD(rounding, kFloat, 136),
    QEL_FIELD(padding, kVec2, 140),
    QEL_NESTED(edit, 148, edit::kTable),
    QEL_NESTED(inc_button, 960, button::kTable),
    QEL_NESTED(dec_button, 1136, button::kTable),
    QEL_SLOT(userdata, 1312),
    QEL_SLOT(draw_begin, 1316),
    QEL_SLOT(draw_end, 1320),
};
constexpr FieldTable kTable = QEL_TABLE(kProperty, "property", 1324, kFields);
}  // namespace property

namespace chart {
using S = nk_style_chart;
constexpr StyleField kFields[] = {
    QEL_FIELD(background, kItem, 0),
    QEL_FIELD(border_color, kColor, 36),
    QEL_FIELD(selected_color, kColor, 40),
    QEL_FIELD(color, kColor, 44),
    QEL_FIELD(border, kFloat, 48),
    QEL_FIELD(rounding, kFloat, 52),
    QEL_FIELD(padding, kVec2, 56),
};
constexpr FieldTable kTable = QEL_TABLE(kChart, "chart", 64, kFields);
}  // namespace chart

namespace tab {
using S = nk_style_tab;
constexpr StyleField kFields[] = {
    QEL_FIELD(background, kItem, 0),
    QEL_FIELD(border_color, kColor, 36),
    QEL_FIELD(text, kColor, 40),
    QEL_NESTED(tab_maximize_button, 44, button::kTable),
    QEL_NESTED(tab_minimize_button, 220, button::kTable),
    QEL_NESTED(node_maximize_button, 396, button::kTable),
    QEL_NESTED(node_minimize_button, 572, button::kTable),
    QEL_FIELD(sym_minimize, kInt, 748),
    QEL_FIELD(sym_maximize, kInt, 752),
    QEL_FIELD(border, kFloat, 756),
    QEL_FIELD(rounding, kFloat, 760),
    QEL_FIELD(indent, kFloat, 764),
    QEL_FIELD(padding, kVec2, 768),
    QEL_FIELD_AS(spacing, "spacing_vec2", "spacing_vec2", kVec2, 776),
};
constexpr FieldTable kTable = QEL_TABLE(kTab, "tab", 784, kFields);
}  // namespace tab

namespace combo {
using S = nk_style_combo;
constexpr StyleField kFields[] = {
    QEL_FIELD(normal, kItem, 0),
    QEL_FIELD(hover, kItem, 36),
    QEL_FIELD(active, kItem, 72),
    QEL_FIELD(border_color, kColor, 108),
    QEL_FIELD(label_normal, kColor, 112),
    QEL_FIELD(label_hover, kColor, 116),
    QEL_FIELD(label_active, kColor, 120),
    QEL_FIELD(symbol_normal, kColor, 124),
    QEL_FIELD(symbol_hover, kColor, 128),
    QEL_FIELD(symbol_active, kColor, 132),
    QEL_NESTED(button, 136, button::kTable),
    QEL_FIELD(sym_normal, kInt, 312),
    QEL_FIELD(sym_hover, kInt, 316),
    QEL_FIELD(sym_active, kInt, 320),
    QEL_FIELD(border, kFloat, 324),
    QEL_FIELD(rounding, kFloat, 328),
    QEL_FIELD(content_padding, kVec2, 332),
    QEL_FIELD(button_padding, kVec2, 340),
    QEL_FIELD_AS(spacing, "spacing_vec2", "spacing_vec2", kVec2, 348),
};
constexpr FieldTable kTable = QEL_TABLE(kCombo, "combo", 356, kFields);
}  // namespace combo

namespace window_header {
using S = nk_style_window_header;
constexpr StyleField kFields[] = {
    QEL_FIELD(normal, kItem, 0),
    QEL_FIELD(hover, kItem, 36),
    QEL_FIELD(active, kItem, 72),
    QEL_NESTED(close_button, 108, button::kTable),
    QEL_NESTED(minimize_button, 284, button::kTable),
    QEL_FIELD(close_symbol, kInt, 460),
    QEL_FIELD(minimize_symbol, kInt, 464),
    QEL_FIELD(maximize_symbol, kInt, 468),
    QEL_FIELD(label_normal, kColor, 472),
    QEL_FIELD(label_hover, kColor, 476),
    QEL_FIELD(label_active, kColor, 480),
    QEL_FIELD(align, kInt, 484),
    QEL_FIELD(padding, kVec2, 488),
    QEL_FIELD(label_padding, kVec2, 496),
    QEL_FIELD_AS(spacing, "spacing_vec2", "spacing_vec2", kVec2, 504),
};
constexpr FieldTable kTable = QEL_TABLE(kWindowHeader, "window_header", 512, kFields);
}  // namespace window_header

namespace window {
using S = nk_style_window;
constexpr StyleField kFields[] = {
    QEL_NESTED(header, 0, window_header::kTable),
    QEL_FIELD(fixed_background, kItem, 512),
    QEL_FIELD(background, kColor, 548),
    QEL_FIELD(border_color, kColor, 552),
    QEL_FIELD(popup_border_color, kColor, 556),
    QEL_FIELD(combo_border_color, kColor, 560),
    QEL_FIELD(contextual_border_color, kColor, 564),
    QEL_FIELD(menu_border_color, kColor, 568),
    QEL_FIELD(group_border_color, kColor, 572),
    QEL_FIELD(tooltip_border_color, kColor, 576),
    QEL_FIELD(scaler, kItem, 580),
    QEL_FIELD(border, kFloat, 616),
    QEL_FIELD(combo_border, kFloat, 620),
    QEL_FIELD(contextual_border, kFloat, 624),
    QEL_FIELD(menu_border, kFloat, 628),
    QEL_FIELD(group_border, kFloat, 632),
    QEL_FIELD(tooltip_border, kFloat, 636),
    QEL_FIELD(popup_border, kFloat, 640),
    QEL_FIELD(min_row_height_padding, kFloat, 644),
    QEL_FIELD(rounding, kFloat, 648),
    QEL_FIELD_AS(spacing, "spacing_vec2", "spacing_vec2", kVec2, 652),
    QEL_FIELD(scrollbar_size, kVec2, 660),
    QEL_FIELD(min_size, kVec2, 668),
    QEL_FIELD(padding, kVec2, 676),
    QEL_FIELD(group_padding, kVec2, 684),
    QEL_FIELD(popup_padding, kVec2, 692),
    QEL_FIELD(combo_padding, kVec2, 700),
    QEL_FIELD(contextual_padding, kVec2, 708),
    QEL_FIELD(menu_padding, kVec2, 716),
    QEL_FIELD(tooltip_padding, kVec2, 724),
};
constexpr FieldTable kTable = QEL_TABLE(kWindow, "window", 732, kFields);
}  // namespace window

#undef QEL_FIELD
#undef QEL_FIELD_AS
#undef QEL_SLOT
#undef QEL_NESTED
#undef QEL_TABLE

// In StyleType order.
constexpr const FieldTable* kTables[kStyleTypeCount] = {
    &text::kTable,  &button::kTable, &toggle::kTable,   &selectable::kTable, &slider::kTable,
    &progress::kTable, &property::kTable, &edit::kTable, &chart::kTable,      &scrollbar::kTable,
    &tab::kTable,   &combo::kTable,  &window_header::kTable, &window::kTable,
};

// [SECTION] compile-time checks of the layouts

// Each field starts where the one before it ended, and the last ends at the block's size.
constexpr bool BlockLayoutIsContiguous(const FieldTable& table) {
  int32_t at = 0;
  for (size_t i = 0; i < table.count; ++i) {
    if (table.fields[i].block_offset != at) return false;
    at += BlockBytesOf(table.fields[i]);
  }
  return at == table.block_size;
}

constexpr size_t NativeBytesOf(const StyleField& field) {
  switch (field.kind) {
    case FieldKind::kItem: return sizeof(struct nk_style_item);
    case FieldKind::kColor: return sizeof(struct nk_color);
    case FieldKind::kVec2: return sizeof(struct nk_vec2);
    case FieldKind::kInt: return 4;
    case FieldKind::kFloat: return sizeof(float);
    case FieldKind::kSlot: return sizeof(void*);
    case FieldKind::kNested: return field.nested ? field.nested->native_size : 0;
  }
  return 0;
}

// Native members have the size their kind says, in structure order, inside the structure.
constexpr bool NativeFieldsMatchKinds(const FieldTable& table) {
  size_t end = 0;
  for (size_t i = 0; i < table.count; ++i) {
    const StyleField& field = table.fields[i];
    if (field.native_size != NativeBytesOf(field) || field.native_offset < end) return false;
    if ((field.kind == FieldKind::kNested) != (field.nested != nullptr)) return false;
    end = field.native_offset + field.native_size;
  }
  return end <= table.native_size;
}

// Where pointers are 4 bytes the native structures are the block layout itself.
constexpr bool NativeOffsetsAreTheLayout(const FieldTable& table) {
  for (size_t i = 0; i < table.count; ++i)
    if (table.fields[i].native_offset != static_cast<size_t>(table.fields[i].block_offset)) return false;
  return table.native_size == static_cast<size_t>(table.block_size);
}

constexpr bool AllTablesHold() {
  for (int i = 0; i < kStyleTypeCount; ++i) {
    if (kTables[i]->type != static_cast<StyleType>(i)) return false;
    if (!BlockLayoutIsContiguous(*kTables[i]) || !NativeFieldsMatchKinds(*kTables[i])) return false;
    if (sizeof(void*) == 4 && !NativeOffsetsAreTheLayout(*kTables[i])) return false;
  }
  return true;
}
static_assert(AllTablesHold(), "a field table disagrees with the 32-bit layout or the native structure");
static_assert(sizeof(nk_flags) == 4 && sizeof(enum nk_symbol_type) == 4 && sizeof(enum nk_style_header_align) == 4,
              "integer fields are 32-bit");

// The table behind a widget number 3 to 20; null for the others.
constexpr const FieldTable* TableOfWidget(int32_t widget) {
  switch (widget) {
    case 3: return &text::kTable;
    case 4: case 5: case 6: return &button::kTable;
    case 7: case 8: return &toggle::kTable;
    case 9: return &selectable::kTable;
    case 10: return &slider::kTable;
    case 11: return &progress::kTable;
    case 12: return &property::kTable;
    case 13: return &edit::kTable;
    case 14: return &chart::kTable;
    case 15: case 16: return &scrollbar::kTable;
    case 17: return &tab::kTable;
    case 18: return &combo::kTable;
    case 19: return &window::kTable;
    case kWindowHeaderWidget: return &window_header::kTable;
    default: return nullptr;
  }
}

// The block sizes written down in memblock_layout.h come out of the tables, widget by widget.
constexpr bool BlockSizesComeFromTheTables() {
  for (int32_t widget = 0; widget <= kLastBlockWidget + 1; ++widget) {
    const FieldTable* table = TableOfWidget(widget);
    if ((table ? table->block_size : 0) != StyleBlockSize(widget)) return false;
  }
  return true;
}
static_assert(BlockSizesComeFromTheTables(), "a field table's block size differs from the memory-block layout");

// Every integer field has a range the block reader checks it against.
constexpr bool IntegersHaveRanges() {
  for (const FieldTable* table : kTables)
    for (size_t i = 0; i < table->count; ++i)
      if (table->fields[i].kind == FieldKind::kInt && IntRangeOf(table->fields[i].member) == IntRange::kUnknown)
        return false;
  return true;
}
static_assert(IntegersHaveRanges(), "an integer field has no range for memory blocks (memblock_layout.h)");

// The block offset of a member path such as "edit.scrollbar.inc_button.border"; -1 when a
// name on the way is missing.
constexpr int32_t BlockOffsetOfPath(const FieldTable* table, std::string_view path) {
  int32_t at = 0;
  while (table) {
    const size_t dot = path.find('.');
    const std::string_view name = path.substr(0, dot);
    const StyleField* found = nullptr;
    for (size_t i = 0; i < table->count && !found; ++i)
      if (name == table->fields[i].member) found = &table->fields[i];
    if (!found) return -1;
    at += found->block_offset;
    if (dot == std::string_view::npos) return at;
    path = path.substr(dot + 1);
    table = found->nested;
  }
  return -1;
}

// A handful of offsets of the layout, written out by hand, one per structure and through
// every level of nesting: a table and the codec walking it cannot agree on a wrong offset.
struct LiteralOffset {
  int32_t widget;
  std::string_view path;
  int32_t offset;
};
constexpr LiteralOffset kLiteralOffsets[] = {
    {3, "padding", 4},
    {4, "border", 132},
    {4, "text_alignment", 128},
    {4, "draw_end", 172},
    {7, "border", 224},
    {9, "image_padding", 268},
    {10, "inc_button.border", 408},
    {10, "dec_symbol", 632},
    {11, "cursor_rounding", 236},
    {12, "edit.scrollbar.inc_button.text_alignment", 640},
    {12, "dec_button.rounding", 1272},
    {13, "scrollbar.dec_button.rounding", 676},
    {13, "row_padding", 808},
    {14, "padding", 56},
    {15, "rounding_cursor", 236},
    {17, "node_minimize_button", 572},
    {17, "spacing", 776},
    {18, "button.touch_padding", 292},
    {19, "header.minimize_button.border", 416},
    {19, "fixed_background", 512},
    {19, "tooltip_padding", 724},
    {20, "align", 484},
};
constexpr bool LiteralOffsetsHold() {
  for (const LiteralOffset& literal : kLiteralOffsets)
    if (BlockOffsetOfPath(TableOfWidget(literal.widget), literal.path) != literal.offset) return false;
  return true;
}
static_assert(LiteralOffsetsHold(), "a field table's offset differs from the memory-block layout");

// [SECTION] lookups

// Names in byte order, for binary search.
using NameIndex = std::vector<std::pair<std::string_view, const StyleField*>>;

struct TableIndex {
  NameIndex setter;
  NameIndex getter;
  bool has_sub_widgets = false;
};

NameIndex SortedIndex(NameIndex index) {
  std::sort(index.begin(), index.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  return index;
}

std::array<TableIndex, kStyleTypeCount> BuildIndexes() {
  std::array<TableIndex, kStyleTypeCount> indexes;
  for (int i = 0; i < kStyleTypeCount; ++i) {
    NameIndex setter, getter;
    for (const StyleField& field : *kTables[i]) {
      if (field.set_name) setter.emplace_back(field.set_name, &field);
      if (field.get_name) getter.emplace_back(field.get_name, &field);
      if (field.kind == FieldKind::kNested) indexes[static_cast<size_t>(i)].has_sub_widgets = true;
    }
    indexes[static_cast<size_t>(i)].setter = SortedIndex(std::move(setter));
    indexes[static_cast<size_t>(i)].getter = SortedIndex(std::move(getter));
  }
  return indexes;
}

const TableIndex& IndexOf(const FieldTable& table) {
  static const std::array<TableIndex, kStyleTypeCount> indexes = BuildIndexes();
  return indexes[static_cast<size_t>(table.type)];
}

const StyleField* Find(const NameIndex& index, std::string_view name) {
  const auto it = std::lower_bound(index.begin(), index.end(), name,
                                   [](const auto& entry, std::string_view key) { return entry.first < key; });
  return it != index.end() && it->first == name ? it->second : nullptr;
}

}  // namespace

const FieldTable& FieldTableOf(StyleType type) { return *kTables[static_cast<size_t>(type)]; }

const FieldTable* FieldTableOfWidget(int32_t widget) { return TableOfWidget(widget); }

void* LiveWidgetStyle(nk_style& style, int32_t widget) {
  switch (widget) {
    case 3: return &style.text;
    case 4: return &style.button;
    case 5: return &style.contextual_button;
    case 6: return &style.menu_button;
    case 7: return &style.checkbox;
    case 8: return &style.option;
    case 9: return &style.selectable;
    case 10: return &style.slider;
    case 11: return &style.progress;
    case 12: return &style.property;
    case 13: return &style.edit;
    case 14: return &style.chart;
    case 15: return &style.scrollv;
    case 16: return &style.scrollh;
    case 17: return &style.tab;
    case 18: return &style.combo;
    case 19: return &style.window;
    case kWindowHeaderWidget: return &style.window.header;
    default: return nullptr;
  }
}

const StyleField* FindSetterField(const FieldTable& table, std::string_view name) {
  return Find(IndexOf(table).setter, name);
}

const StyleField* FindGetterField(const FieldTable& table, std::string_view name) {
  return Find(IndexOf(table).getter, name);
}

bool HasSubWidgets(const FieldTable& table) { return IndexOf(table).has_sub_widgets; }

}  // namespace qel
