#include "style/vocabulary.h"

#include "nuklear_config.h"

namespace qel {
namespace {

struct NamedValue {
  std::string_view name;
  int32_t value;
};

template <size_t N>
const NamedValue* FindNamed(const NamedValue (&table)[N], std::string_view name) {
  for (const NamedValue& entry : table)
    if (entry.name == name) return &entry;
  return nullptr;
}

// Not in member order of nk_style: scripts and stored styles use these numbers.
constexpr NamedValue kWidgetNames[] = {
    {"font", 1},        {"cursors", 2},      {"text", 3},      {"button", 4},     {"context_button", 5},
    {"menu_button", 6}, {"checkbox", 7},     {"option", 8},    {"selectable", 9}, {"slider", 10},
    {"progress", 11},   {"property", 12},    {"edit", 13},     {"chart", 14},     {"scrollv", 15},
    {"scrollh", 16},    {"tab", 17},         {"combo", 18},    {"window", 19},
};
static_assert(sizeof kWidgetNames / sizeof *kWidgetNames == kWidgetCount);

constexpr int32_t kGlNearest = 0x2600, kGlLinear = 0x2601;
constexpr int32_t kGlNearestMipmapNearest = 0x2700, kGlLinearMipmapNearest = 0x2701;
constexpr int32_t kGlNearestMipmapLinear = 0x2702, kGlLinearMipmapLinear = 0x2703;

// An attribute left empty means the default filter.
constexpr NamedValue kTextureFilters[] = {
    {"nearest", kGlNearest},
    {"linear", kGlLinear},
    {"nearest_nearest", kGlNearestMipmapNearest},
    {"linear_nearest", kGlLinearMipmapNearest},
    {"nearest_linear", kGlNearestMipmapLinear},
    {"linear_linear", kGlLinearMipmapLinear},
    {"", kGlNearest},
};

// "symbol_max" is the count of our extended symbol set, which scripts use as a bound.
static_assert(NK_SYMBOL_MAX == 37, "scripts rely on 37 symbols");
static_assert(NK_CURSOR_RESIZE_VERTICAL == 3 && NK_CURSOR_RESIZE_HORIZONTAL == 4);

constexpr NamedValue kStyleConstants[] = {
    {"text_align_left", NK_TEXT_ALIGN_LEFT},
    {"text_align_centered", NK_TEXT_ALIGN_CENTERED},
    {"text_align_right", NK_TEXT_ALIGN_RIGHT},
    {"text_align_top", NK_TEXT_ALIGN_TOP},
    {"text_align_middle", NK_TEXT_ALIGN_MIDDLE},
    {"text_align_bottom", NK_TEXT_ALIGN_BOTTOM},
    {"text_left", NK_TEXT_LEFT},
    {"text_centered", NK_TEXT_CENTERED},
    {"text_right", NK_TEXT_RIGHT},
    {"symbol_none", NK_SYMBOL_NONE},
    {"symbol_x", NK_SYMBOL_X},
    {"symbol_underscore", NK_SYMBOL_UNDERSCORE},
    {"symbol_circle_solid", NK_SYMBOL_CIRCLE_SOLID},
    {"symbol_circle_outline", NK_SYMBOL_CIRCLE_OUTLINE},
    {"symbol_rect_solid", NK_SYMBOL_RECT_SOLID},
    {"symbol_rect_outline", NK_SYMBOL_RECT_OUTLINE},
    {"symbol_triangle_up", NK_SYMBOL_TRIANGLE_UP},
    {"symbol_triangle_down", NK_SYMBOL_TRIANGLE_DOWN},
    {"symbol_triangle_left", NK_SYMBOL_TRIANGLE_LEFT},
    {"symbol_triangle_right", NK_SYMBOL_TRIANGLE_RIGHT},
    {"symbol_plus", NK_SYMBOL_PLUS},
    {"symbol_minus", NK_SYMBOL_MINUS},
    {"symbol_max", NK_SYMBOL_MAX},
    {"true", 1},
    {"1", 1},
    {"false", 0},
    {"0", 0},
    {"header_left", NK_HEADER_LEFT},
    {"header_right", NK_HEADER_RIGHT},
    {"cursor_arrow", NK_CURSOR_ARROW},
    {"cursor_text", NK_CURSOR_TEXT},
    {"cursor_move", NK_CURSOR_MOVE},
    {"cursor_resize_horizontal", NK_CURSOR_RESIZE_HORIZONTAL},
    {"cursor_resize_vertical", NK_CURSOR_RESIZE_VERTICAL},
    {"cursor_resize_top_left_down_right", NK_CURSOR_RESIZE_TOP_LEFT_DOWN_RIGHT},
    {"cursor_resize_top_right_down_left", NK_CURSOR_RESIZE_TOP_RIGHT_DOWN_LEFT},
};
static_assert(sizeof kStyleConstants / sizeof *kStyleConstants == 36);

// Each list: names between single blanks, a leading blank and two trailing ones. A name
// belongs to a list when it stands there between two blanks, so "pad" is not "padding".
struct KindList {
  PropertyKind kind;
  std::string_view names;
};

// Searched in this order; the first list holding a name decides its kind.
constexpr KindList kKindLists[] = {
    {kPropertyItem,
     " normal hover active border_color text_normal text_hover text_active text_pressed text_background"
     " cursor_normal cursor_hover cursor_active normal_active hover_active pressed pressed_active"
     " text_normal_active text_hover_active text_pressed_active bar_normal bar_hover bar_active bar_filled"
     " cursor_border_color cursor_text_normal cursor_text_hover selected_normal selected_hover"
     " selected_text_normal selected_text_hover label_normal label_hover label_active background text"
     " selected_color color symbol_normal symbol_hover symbol_active fixed_background scaler"
     " popup_border_color combo_border_color contextual_border_color menu_border_color group_border_color"
     " tooltip_border_color color  "},
    {kPropertyVec2,
     " padding image_padding touch_padding spacing_vec2 cursor_size_vec2 content_padding button_padding"
     " label_padding scrollbar_size min_size group_padding popup_padding combo_padding contextual_padding"
     " menu_padding tooltip_padding  "},
    {kPropertyFloat,
     " border rounding spacing bar_height cursor_size row_padding indent combo_border contextual_border"
     " menu_border group_border tooltip_border popup_border min_row_height_padding cursor_border"
     " cursor_rounding rounding_cursor border_cursor  "},
    {kPropertyConstant,
     " text_alignment inc_symbol dec_symbol show_buttons sym_left sym_right sym_normal sym_hover"
     " sym_active sym_maximize sym_minimize align close_symbol minimize_symbol maximize_symbol  "},
};

// The list holds " " + name + " " (found without building that string).
bool ListHolds(std::string_view list, std::string_view name) {
  for (size_t at = list.find(name); at != std::string_view::npos; at = list.find(name, at + 1)) {
    const size_t end = at + name.size();
    if (at > 0 && list[at - 1] == ' ' && end < list.size() && list[end] == ' ') return true;
  }
  return false;
}

static_assert(NK_COLOR_COUNT == kColorSlotCount);

}  // namespace

int32_t WidgetNumberOf(std::string_view name) {
  const NamedValue* entry = FindNamed(kWidgetNames, name);
  return entry ? entry->value : 0;
}

int32_t TextureFilterOf(std::string_view name, bool* found) {
  const NamedValue* entry = FindNamed(kTextureFilters, name);
  if (found) *found = entry != nullptr;
  return entry ? entry->value : kGlNearest;
}

int32_t StyleConstantOf(std::string_view name) {
  const NamedValue* entry = FindNamed(kStyleConstants, name);
  return entry ? entry->value : -1;
}

PropertyKind PropertyKindOf(std::string_view name) {
  // The lists' own separators would match an empty name, or one with blanks in it
  // ("normal hover"), though neither names a property.
  if (name.empty() || name.find(' ') != std::string_view::npos) return kPropertyNone;
  for (const KindList& list : kKindLists)
    if (ListHolds(list.names, name)) return list.kind;
  return kPropertyNone;
}

// Nuklear keeps its colour names beside its colour enum; take them from there.
const char* ColorSlotName(int32_t index) {
  if (index < 0 || index >= kColorSlotCount) return nullptr;
  return nk_style_get_color_by_name(static_cast<enum nk_style_colors>(index));
}

}  // namespace qel
