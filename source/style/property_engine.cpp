#include "style/property_engine.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frame/boundary.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "style/number_lists.h"
#include "style/style_items.h"
#include "style/vocabulary.h"

namespace qel {
namespace {

// Whether a field can take (or give) a value of a property name's kind: an item name sets
// a whole item or, for a colour field, the item's first four data bytes.
bool KindFits(int32_t kind, FieldKind field) {
  switch (kind) {
    case kPropertyItem: return field == FieldKind::kItem || field == FieldKind::kColor;
    case kPropertyVec2: return field == FieldKind::kVec2;
    case kPropertyConstant: return field == FieldKind::kInt;
    case kPropertyFloat: return field == FieldKind::kFloat;
    default: return false;
  }
}

// The first two numbers of a comma list; fewer than two give (0, 0) with a warning.
struct nk_vec2 ParseVec2(const char* text) {
  float values[2] = {0.0f, 0.0f};
  if (ParseFloatList(text, values, 2) < 2) {
    QEL_LOG(StyleWrongVec2, text);
    return nk_vec2(0.0f, 0.0f);
  }
  return nk_vec2(values[0], values[1]);
}

void WriteValue(void* target, const StyleField& field, const StyleValue& value) {
  void* at = NativeField(target, field);
  switch (field.kind) {
    case FieldKind::kItem: std::memcpy(at, &value.item, sizeof value.item); break;
    // A colour item's colour; for an image item the first bytes of its handle.
    case FieldKind::kColor: std::memcpy(at, &value.item.data, sizeof(struct nk_color)); break;
    case FieldKind::kVec2: std::memcpy(at, &value.vec2, sizeof value.vec2); break;
    case FieldKind::kInt: std::memcpy(at, &value.constant, sizeof value.constant); break;
    case FieldKind::kFloat: std::memcpy(at, &value.number, sizeof value.number); break;
    case FieldKind::kSlot:
    case FieldKind::kNested: break;  // never named by the setter
  }
}

// Large enough for any field: the longest is a nine-slice item, eight integers and four
// "%f" floats of up to 47 characters each (-3.4e38 printed whole), about 290 characters.
// A value is never cut: a cut number would read back as another value.
constexpr size_t kPropertyTextBytes = 512;

std::string FormatItem(const struct nk_style_item& item) {
  char text[kPropertyTextBytes] = {};
  const struct nk_image& image = item.type == NK_STYLE_ITEM_NINE_SLICE ? item.data.slice.img : item.data.image;
  switch (item.type) {
    case NK_STYLE_ITEM_COLOR:
      std::snprintf(text, sizeof text, "%d,%d,%d,%d,%d", 0, item.data.color.r, item.data.color.g, item.data.color.b,
                    item.data.color.a);
      break;
    case NK_STYLE_ITEM_IMAGE:
      std::snprintf(text, sizeof text, "%d,%d,%d,%d,%d,%d,%d,%d", 1, image.handle.id, image.w, image.h,
                    image.region[0], image.region[1], image.region[2], image.region[3]);
      break;
    case NK_STYLE_ITEM_NINE_SLICE:
      std::snprintf(text, sizeof text, "%d,%d,%d,%d,%d,%d,%d,%d,%f,%f,%f,%f", 2, image.handle.id, image.w, image.h,
                    image.region[0], image.region[1], image.region[2], image.region[3],
                    static_cast<double>(item.data.slice.l), static_cast<double>(item.data.slice.t),
                    static_cast<double>(item.data.slice.r), static_cast<double>(item.data.slice.b));
      break;
    default:
      break;  // a type no item is made with: nothing to say
  }
  return text;
}

std::string FormatField(const void* target, const StyleField& field) {
  const void* at = NativeField(target, field);
  char text[kPropertyTextBytes] = {};
  switch (field.kind) {
    case FieldKind::kItem: {
      struct nk_style_item item;
      std::memcpy(&item, at, sizeof item);
      return FormatItem(item);
    }
    case FieldKind::kColor: {
      struct nk_color color;
      std::memcpy(&color, at, sizeof color);
      // Packed a, b, g, r from the top byte down, printed signed: alpha >= 128 is negative.
      const uint32_t packed = static_cast<uint32_t>(color.a) << 24 | static_cast<uint32_t>(color.b) << 16 |
                              static_cast<uint32_t>(color.g) << 8 | color.r;
      std::snprintf(text, sizeof text, "%d", static_cast<int32_t>(packed));
      break;
    }
    case FieldKind::kVec2: {
      struct nk_vec2 vec;
      std::memcpy(&vec, at, sizeof vec);
      std::snprintf(text, sizeof text, "%f,%f", static_cast<double>(vec.x), static_cast<double>(vec.y));
      break;
    }
    case FieldKind::kInt: {
      int32_t value;
      std::memcpy(&value, at, sizeof value);
      std::snprintf(text, sizeof text, "%d", value);
      break;
    }
    case FieldKind::kFloat: {
      float value;
      std::memcpy(&value, at, sizeof value);
      std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
      break;
    }
    case FieldKind::kSlot:
    case FieldKind::kNested:
      break;
  }
  return text;
}

// The kind of a property name. A name the table knows takes its field's kind (a unit test
// holds every table to the kind lists), which spares the slower search of the lists on the
// common path; other names are looked up there.
PropertyKind KindOfName(const StyleField* field, std::string_view name) {
  if (field) {
    switch (field->kind) {
      case FieldKind::kItem:
      case FieldKind::kColor: return kPropertyItem;
      case FieldKind::kVec2: return kPropertyVec2;
      case FieldKind::kInt: return kPropertyConstant;
      case FieldKind::kFloat: return kPropertyFloat;
      default: break;  // nested structures and slots are no property names
    }
  }
  return PropertyKindOf(name);
}

// A value text read as `kind` says.
StyleValue ParseAs(PropertyKind kind, const char* value) {
  StyleValue parsed;
  const char* text = TextOrEmpty(value);
  if (!*text) return parsed;
  parsed.kind = kind;
  switch (kind) {
    case kPropertyItem:
      if (const struct nk_style_item* item = FindStyleItem(text)) {
        parsed.item = *item;
      } else {
        QEL_LOG(StyleItemNotFound, text);
        std::memset(&parsed.item, 0, sizeof parsed.item);  // a colour item of colour 0, 0, 0, 0
      }
      break;
    case kPropertyVec2: parsed.vec2 = ParseVec2(text); break;
    case kPropertyFloat: parsed.number = std::strtof(text, nullptr); break;
    case kPropertyConstant: parsed.constant = StyleConstantOf(text); break;
    default: break;
  }
  return parsed;
}

const FieldTable& ButtonTable() { return FieldTableOf(StyleType::kButton); }

}  // namespace

StyleValue ParseStyleValue(std::string_view property, const char* value) {
  return ParseAs(PropertyKindOf(property), value);
}

bool SetStyleProperty(const FieldTable& table, void* target, const char* property, const char* value) {
  const char* name = TextOrEmpty(property);
  const StyleField* field = FindSetterField(table, name);
  const StyleValue parsed = ParseAs(KindOfName(field, name), value);
  if (parsed.kind == kPropertyNone) {
    QEL_LOG(StylePropertyValueNotValid, TextOrEmpty(value), name);
    return false;
  }
  if (parsed.kind == kValueEmpty || !target) return true;
  if (parsed.kind == kPropertyVec2 && &table == &ButtonTable())
    QEL_LOG(StyleButtonVec2, name, parsed.vec2.x, parsed.vec2.y);
  if (field && KindFits(parsed.kind, field->kind)) WriteValue(target, *field, parsed);
  return true;
}

std::string GetStyleProperty(const FieldTable& table, const void* target, const char* property) {
  if (!target) return {};
  const char* name = TextOrEmpty(property);
  if (HasSubWidgets(table)) {
    if (const char* dot = std::strchr(name, '.')) {
      const std::string_view head(name, static_cast<size_t>(dot - name));
      const StyleField* field = FindGetterField(table, head);
      if (field && field->kind == FieldKind::kNested)
        return GetStyleProperty(*field->nested, NativeField(target, *field), dot + 1);
      QEL_LOG(StyleNoSubWidget, std::string(head).c_str());
      return {};
    }
  }
  const StyleField* field = FindGetterField(table, name);
  const PropertyKind kind = KindOfName(field, name);
  if (kind == kPropertyNone) {
    QEL_LOG(StylePropertyNameNotValid, name);
    return {};
  }
  if (!field || !KindFits(kind, field->kind)) return {};
  return FormatField(target, *field);
}

namespace {

// The live context's structure of a widget number; null before start-up.
void* LiveTarget(int32_t widget) {
  nk_context* ctx = Context();
  return ctx ? LiveWidgetStyle(ctx->style, widget) : nullptr;
}

}  // namespace

bool SetWidgetStyleProperty(int32_t widget, const char* property, const char* value, void* target) {
  const FieldTable* table = FieldTableOfWidget(widget);
  if (!table) return true;
  return SetStyleProperty(*table, target ? target : LiveTarget(widget), property, value);
}

std::string GetWidgetStyleProperty(int32_t widget, const char* property, const void* target) {
  const FieldTable* table = FieldTableOfWidget(widget);
  if (!table) return {};
  return GetStyleProperty(*table, target ? target : LiveTarget(widget), property);
}

}  // namespace qel
