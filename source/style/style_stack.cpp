// Named widget styles set over the live style, pushed over it and popped again.
#include "style/style_stack.h"

#include <cstring>
#include <memory>
#include <utility>

#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "style/field_tables.h"

namespace qel {
namespace {

// A block for a new save: one given back by an earlier pop when no one else holds it, so a
// push and pop in every frame settles into using the same blocks.
std::shared_ptr<WidgetStyleBlock> TakeBlock() {
  auto& spare = State().style.spare_blocks;
  while (!spare.empty()) {
    std::shared_ptr<WidgetStyleBlock> block = std::move(spare.back());
    spare.pop_back();
    if (block && block.use_count() == 1) return block;
  }
  return std::make_shared<WidgetStyleBlock>();
}

// The named record; logs the missing name.
const WidgetStyleRecord* NamedStyle(const char* name) {
  const WidgetStyleRecord* record = FindWidgetStyle(TextOrEmpty(name));
  if (!record) QEL_LOG(StyleMissing, TextOrEmpty(name));
  return record;
}

// Copies a save back over the live structure it was taken from. Any widget with a table,
// the window header of memory blocks too.
void RestoreSaved(nk_context* ctx, const WidgetStyleRecord& saved) {
  const FieldTable* table = FieldTableOfWidget(saved.widget);
  void* live = ctx ? LiveWidgetStyle(ctx->style, saved.widget) : nullptr;
  if (!table || !live || !saved.block) return;
  std::memcpy(live, static_cast<const void*>(saved.block.get()), table->native_size);
}

}  // namespace

bool SaveLiveStyleOnStack(nk_context* ctx, int32_t widget, const char* pushed_name) {
  StyleStack& stack = State().style.stack;
  if (static_cast<int64_t>(stack.size()) >= kStyleStackDepth) {
    QEL_LOG(StyleStackFull, TextOrEmpty(pushed_name), kStyleStackDepth);
    return false;
  }
  const FieldTable* table = FieldTableOfWidget(widget);
  void* live = ctx ? LiveWidgetStyle(ctx->style, widget) : nullptr;
  if (!table || !live) return false;
  WidgetStyleRecord saved;
  saved.widget = widget;
  saved.block = TakeBlock();
  std::memcpy(static_cast<void*>(saved.block.get()), live, table->native_size);
  stack.push_back(std::move(saved));
  return true;
}

}  // namespace qel

using namespace qel;

void StyleSetContext(const char* name) {
  const WidgetStyleRecord* record = NamedStyle(name);
  if (record) ApplyWidgetStyle(Context(), *record);
}

void StylePush(const char* name) {
  const WidgetStyleRecord* record = NamedStyle(name);
  if (!record) return;
  nk_context* ctx = Context();
  if (!SaveLiveStyleOnStack(ctx, record->widget, name)) return;
  ApplyWidgetStyle(ctx, *record);
}

void StylePop() {
  StyleStack& stack = State().style.stack;
  if (stack.empty()) {
    QEL_LOG(StyleStackEmpty);
    return;
  }
  WidgetStyleRecord saved = std::move(stack.back());
  stack.pop_back();
  RestoreSaved(Context(), saved);
  if (saved.block) State().style.spare_blocks.push_back(std::move(saved.block));
}
