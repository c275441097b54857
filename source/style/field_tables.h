// One declarative table per Nuklear widget style structure: every field with the names the
// property setter and getter know it by, its kind, its offset in the fixed 32-bit byte
// layout of style memory blocks and its place in the native structure. The property engine
// and the memory-block codec both walk these tables, so a field's names, kind and offsets
// are written down once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "nuklear_config.h"

namespace qel {

// What a field holds, and so how many bytes it takes in the 32-bit layout.
enum class FieldKind : uint8_t {
  kItem,    // nk_style_item: 36 bytes
  kColor,   // nk_color: 4 bytes r, g, b, a; set from an item's first four data bytes
  kVec2,    // nk_vec2: 8 bytes
  kInt,     // a 32-bit integer, enumeration or flag set: 4 bytes
  kFloat,   // 4 bytes
  kSlot,    // a callback or userdata pointer: 4 bytes in the layout, never named
  kNested,  // another style structure, laid out by its own table
};

inline constexpr int32_t kItemBlockBytes = 36;

struct FieldTable;

struct StyleField {
  const char* member;        // the native member's name
  const char* set_name;      // the name the property setter knows it by; null: not settable
  const char* get_name;      // the name the getter knows it by (a sub-widget's name for nested
                             // structures); null: not readable
  FieldKind kind;
  int32_t block_offset;      // offset in the 32-bit memory-block layout
  size_t native_offset;      // offsetof in the native structure
  size_t native_size;        // sizeof the native member
  const FieldTable* nested;  // the table of a kNested field, else null
};

// The widget style structures that have a table. Widget numbers map onto these through
// StyleTypeOfWidget: several widgets share one structure type.
enum class StyleType : uint8_t {
  kText,
  kButton,
  kToggle,
  kSelectable,
  kSlider,
  kProgress,
  kProperty,
  kEdit,
  kChart,
  kScrollbar,
  kTab,
  kCombo,
  kWindowHeader,
  kWindow,
};
inline constexpr int kStyleTypeCount = 14;

struct FieldTable {
  StyleType type;
  const char* name;          // "button", "window_header", ...
  int32_t block_size;        // bytes of one structure in the 32-bit layout
  size_t native_size;        // sizeof the native structure
  const StyleField* fields;  // in structure order
  size_t count;

  const StyleField* begin() const { return fields; }
  const StyleField* end() const { return fields + count; }
};

// Bytes a field takes in the 32-bit layout.
constexpr int32_t BlockBytesOf(const StyleField& field) {
  switch (field.kind) {
    case FieldKind::kItem: return kItemBlockBytes;
    case FieldKind::kVec2: return 8;
    case FieldKind::kNested: return field.nested ? field.nested->block_size : 0;
    default: return 4;
  }
}

const FieldTable& FieldTableOf(StyleType type);

// Widget number 20 exists only for memory blocks: the header part of the window style.
inline constexpr int32_t kWindowHeaderWidget = 20;

// The table behind a widget number 3 to 20; null for "font", "cursors" and anything else.
const FieldTable* FieldTableOfWidget(int32_t widget);

// The live structure of a widget number 3 to 20 in `style` (20: the window's header); null
// for numbers without one.
void* LiveWidgetStyle(nk_style& style, int32_t widget);

// The field the setter or the getter knows by exactly this name; null when there is none.
// Looked up in an index built once, not by scanning the table.
const StyleField* FindSetterField(const FieldTable& table, std::string_view name);
const StyleField* FindGetterField(const FieldTable& table, std::string_view name);

// Whether a table's getter follows "name.rest" paths into nested structures.
bool HasSubWidgets(const FieldTable& table);

// The native field of `field` inside a structure of its table.
inline void* NativeField(void* structure, const StyleField& field) {
  return static_cast<unsigned char*>(structure) + field.native_offset;
}
inline const void* NativeField(const void* structure, const StyleField& field) {
  return static_cast<const unsigned char*>(structure) + field.native_offset;
}

}  // namespace qel
