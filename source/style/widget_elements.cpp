#include "style/widget_elements.h"

#include <cstring>

#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "style/field_tables.h"
#include "style/property_engine.h"
#include "style/vocabulary.h"

namespace qel {
namespace {

// Where a sub-widget the element does not describe takes its look from: a live structure of
// the moment, or nowhere (it keeps what the target holds).
enum class Reset : uint8_t { kLiveButton, kLiveEdit, kLiveScrollbar, kKeep };

struct SubWidget {
  StyleType owner;
  const char* name;  // the child element's name, also the sub-widget's getter name
  Reset reset;
};

constexpr SubWidget kSubWidgets[] = {
    {StyleType::kSlider, "inc_button", Reset::kLiveButton},
    {StyleType::kSlider, "dec_button", Reset::kLiveButton},
    {StyleType::kProperty, "inc_button", Reset::kLiveButton},
    {StyleType::kProperty, "dec_button", Reset::kLiveButton},
    {StyleType::kProperty, "edit", Reset::kLiveEdit},
    {StyleType::kEdit, "scrollbar", Reset::kLiveScrollbar},
    {StyleType::kScrollbar, "inc_button", Reset::kLiveButton},
    {StyleType::kScrollbar, "dec_button", Reset::kLiveButton},
    {StyleType::kTab, "tab_maximize_button", Reset::kLiveButton},
    {StyleType::kTab, "tab_minimize_button", Reset::kLiveButton},
    {StyleType::kTab, "node_maximize_button", Reset::kLiveButton},
    {StyleType::kTab, "node_minimize_button", Reset::kLiveButton},
    {StyleType::kCombo, "button", Reset::kLiveButton},
    {StyleType::kWindow, "header", Reset::kKeep},
    {StyleType::kWindowHeader, "close_button", Reset::kLiveButton},
    {StyleType::kWindowHeader, "minimize_button", Reset::kLiveButton},
};

const void* ResetSource(const nk_style& live, Reset reset) {
  switch (reset) {
    case Reset::kLiveButton: return &live.button;
    case Reset::kLiveEdit: return &live.edit;
    case Reset::kLiveScrollbar: return &live.scrollv;
    case Reset::kKeep: break;
  }
  return nullptr;
}

// The first child element of that name; of several only the first counts.
pugi::xml_node FirstChildElement(const pugi::xml_node& element, const char* name) {
  for (pugi::xml_node child = element.child(name); child; child = child.next_sibling(name))
    if (child.type() == pugi::node_element) return child;
  return {};
}

// Attributes in document order through the table's setter, then the sub-widgets. The window
// header takes only its own property names and passes over others without a message.
void ApplyToStructure(const nk_style& live, const FieldTable& table, void* target, const pugi::xml_node& element) {
  const bool quiet = table.type == StyleType::kWindowHeader;
  for (const pugi::xml_attribute& attribute : element.attributes()) {
    if (quiet && !FindSetterField(table, attribute.name())) continue;
    SetStyleProperty(table, target, attribute.name(), attribute.value());
  }
  for (const SubWidget& sub : kSubWidgets) {
    if (sub.owner != table.type) continue;
    const StyleField* field = FindGetterField(table, sub.name);
    if (!field || field->kind != FieldKind::kNested || !field->nested) continue;
    void* nested = NativeField(target, *field);
    if (const pugi::xml_node child = FirstChildElement(element, sub.name)) {
      ApplyToStructure(live, *field->nested, nested, child);
    } else if (const void* source = ResetSource(live, sub.reset)) {
      std::memcpy(nested, source, field->native_size);
    }
  }
}

// The widget number of an element with a style structure; 0 (logged) for any other.
int32_t StyledWidgetOf(const pugi::xml_node& element) {
  const int32_t widget = WidgetNumberOf(element.name());
  if (widget == 0) {
    QEL_LOG(StyleNodeNameNotValid, element.name());
    return 0;
  }
  if (!FieldTableOfWidget(widget) || widget == kWindowHeaderWidget) {
    QEL_LOG(StyleNodeWithoutStyle, element.name());
    return 0;
  }
  return widget;
}

}  // namespace

bool ApplyWidgetElement(const pugi::xml_node& element) {
  const int32_t widget = StyledWidgetOf(element);
  nk_context* ctx = Context();
  if (widget == 0 || !ctx) return false;
  ApplyToStructure(ctx->style, *FieldTableOfWidget(widget), LiveWidgetStyle(ctx->style, widget), element);
  return true;
}

bool MakeWidgetRecord(const pugi::xml_node& element, WidgetStyleRecord& record) {
  const int32_t widget = StyledWidgetOf(element);
  nk_context* ctx = Context();
  record = CopyLiveWidgetStyle(ctx, widget);
  if (widget == 0 || !record.block) return false;
  ApplyToStructure(ctx->style, *FieldTableOfWidget(widget), record.block.get(), element);
  return true;
}

}  // namespace qel
