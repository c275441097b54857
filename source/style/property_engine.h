// Reading and writing single fields of widget style structures by name, with every value
// given and returned as text. The same functions serve the live style, stored widget styles
// and the nested structures inside a style, because they work on any structure of a table's
// type.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "nuklear_config.h"
#include "style/field_tables.h"

namespace qel {

// The kind of a parsed value: the property name's PropertyKind, or this for an empty text.
inline constexpr int32_t kValueEmpty = 0;

struct StyleValue {
  int32_t kind = kValueEmpty;  // kValueEmpty or a PropertyKind
  struct nk_style_item item{};  // kPropertyItem
  struct nk_vec2 vec2{};        // kPropertyVec2
  int32_t constant = 0;         // kPropertyConstant
  float number = 0.0f;          // kPropertyFloat
};

// Reads `value` as the property's kind says: an item name, "x,y", a constant name or a
// float. A missing item or a short vec2 is logged and reads as zeros.
StyleValue ParseStyleValue(std::string_view property, const char* value);

// Writes `value` into the field the table's setter knows as `property` in `target`, a
// structure of the table's type. An empty value or a name the structure lacks changes
// nothing; false only when `property` is no property name at all (logged).
bool SetStyleProperty(const FieldTable& table, void* target, const char* property, const char* value);

// The field the getter knows as `property` in `target`, as text; "name.rest" follows nested
// structures. Empty when nothing matches (logged for bad names).
std::string GetStyleProperty(const FieldTable& table, const void* target, const char* property);

// The same by widget number 3 to 20; a null target means the live context's structure of
// that widget, and without a context nothing is read or written. Other numbers do nothing.
bool SetWidgetStyleProperty(int32_t widget, const char* property, const char* value, void* target = nullptr);
std::string GetWidgetStyleProperty(int32_t widget, const char* property, const void* target = nullptr);

}  // namespace qel
