#include "style/widget_styles.h"

#include <cstring>

#include "frame/plugin_state.h"
#include "style/field_tables.h"

namespace qel {

const struct nk_style_button* WidgetStyleRecord::Button() const {
  if (!block || widget < 4 || widget > 6) return nullptr;
  return &block->button;
}

WidgetStyleRecord CopyLiveWidgetStyle(nk_context* ctx, int32_t widget) {
  WidgetStyleRecord record;
  record.widget = widget;
  const FieldTable* table = widget >= 3 && widget <= 19 ? FieldTableOfWidget(widget) : nullptr;
  if (!ctx || !table) return record;
  record.block = std::make_shared<WidgetStyleBlock>();
  std::memcpy(static_cast<void*>(record.block.get()), LiveWidgetStyle(ctx->style, widget), table->native_size);
  return record;
}

void ApplyWidgetStyle(nk_context* ctx, const WidgetStyleRecord& record) {
  const FieldTable* table = record.widget >= 3 && record.widget <= 19 ? FieldTableOfWidget(record.widget) : nullptr;
  if (!ctx || !table || !record.block) return;
  std::memcpy(LiveWidgetStyle(ctx->style, record.widget), static_cast<const void*>(record.block.get()),
              table->native_size);
}

const WidgetStyleRecord* FindWidgetStyle(const char* name) {
  return name ? State().style.widget_styles.Find(name) : nullptr;
}

}  // namespace qel
