// Widget elements of style documents and StyleMake tags: an element named after a widget
// whose attributes are properties of that widget's style and whose child elements describe
// its sub-widgets (a slider's buttons, a property's edit field, a window's header ...).
#pragma once

#include <pugixml.hpp>

#include "style/widget_styles.h"

namespace qel {

// Applies the element to the live style of its widget.
bool ApplyWidgetElement(const pugi::xml_node& element);

// Makes `record` from the element: its widget number and a copy of that widget's live style
// with the element applied. False (logged, `record` without a block) for an element name that
// is no widget or a widget without a style structure, or without a context.
bool MakeWidgetRecord(const pugi::xml_node& element, WidgetStyleRecord& record);

}  // namespace qel
