// Named widget styles: complete Nuklear style structures of one widget type each, made from
// the live style of the moment and then changed by the property setters, by style documents
// or by StyleMake. They are set over the live style, pushed and popped, or handed to one
// styled button.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/named_table.h"
#include "nuklear_config.h"

namespace qel {

// Room for any one widget style structure (widget numbers 3 to 19).
union WidgetStyleBlock {
  struct nk_style_text text;
  struct nk_style_button button;
  struct nk_style_toggle toggle;
  struct nk_style_selectable selectable;
  struct nk_style_slider slider;
  struct nk_style_progress progress;
  struct nk_style_property property;
  struct nk_style_edit edit;
  struct nk_style_chart chart;
  struct nk_style_scrollbar scrollbar;
  struct nk_style_tab tab;
  struct nk_style_combo combo;
  struct nk_style_window window;
};

struct WidgetStyleRecord {
  int32_t widget = 0;  // widget number 3 to 19
  // The structure, of the widget number's type; null for a record whose making was refused
  // (it then changes no live style when set, pushed or popped).
  std::shared_ptr<WidgetStyleBlock> block;

  // A button style only when the record holds one: widgets 4, 5 and 6.
  const struct nk_style_button* Button() const;
};

// A new record of `widget` whose block is a copy of that widget's live structure; without a
// context, or for a number with no structure, the record has no block.
WidgetStyleRecord CopyLiveWidgetStyle(nk_context* ctx, int32_t widget);

// Copies the record's block over the live structure of its widget; nothing without a block.
void ApplyWidgetStyle(nk_context* ctx, const WidgetStyleRecord& record);

// Widget styles by name.
using WidgetStyleTable = NamedTable<WidgetStyleRecord>;

// The last-in first-out stack of pushed styles: each entry holds the live structure as it
// was before its push.
using StyleStack = std::vector<WidgetStyleRecord>;

// The record of that name, or null (also for a null name). No message: callers log their own.
const WidgetStyleRecord* FindWidgetStyle(const char* name);

}  // namespace qel
