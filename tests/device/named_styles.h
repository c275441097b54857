// Named widget styles made the way a style document makes them: a copy of the live style of
// one widget, changed property by property, stored under a name.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "frame/plugin_state.h"
#include "style/field_tables.h"
#include "style/property_engine.h"
#include "style/widget_styles.h"

namespace qel {

// Stores a record of `widget` under `name` with the given (property, value) pairs set;
// false when a property is not set.
inline bool PutWidgetStyle(const std::string& name, int32_t widget,
                           std::initializer_list<std::pair<const char*, const char*>> properties) {
  WidgetStyleRecord record = CopyLiveWidgetStyle(Context(), widget);
  if (!record.block) return false;
  for (const auto& [property, value] : properties)
    if (!SetStyleProperty(*FieldTableOfWidget(widget), record.block.get(), property, value)) return false;
  State().style.widget_styles.Put(name, record);
  return true;
}

// The live structure of `widget`, byte for byte.
inline std::string LiveStyleBytes(int32_t widget) {
  const void* live = LiveWidgetStyle(Context()->style, widget);
  return std::string(static_cast<const char*>(live), FieldTableOfWidget(widget)->native_size);
}

}  // namespace qel
