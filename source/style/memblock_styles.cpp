// The style memory block exports: making a block from the live style, naming it, applying
// it, pushing it on the style stack and deleting it.
//
// [SECTION] known textures
// [SECTION] blocks in the host
// [SECTION] exports
#include "style/memblock_styles.h"

#include <string>

#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "style/field_tables.h"
#include "style/memblock_layout.h"
#include "style/style_block_codec.h"
#include "style/style_stack.h"

namespace qel {

// [SECTION] known textures

bool IsKnownTexture(uint32_t id) {
  if (id == 0) return false;
  PluginRoot& state = State();
  const auto same = [id](const struct nk_image& image) { return static_cast<uint32_t>(image.handle.id) == id; };
  if (same(state.frame.placeholder) || state.device.font_texture == id) return true;
  for (const auto& entry : state.images.named)
    if (same(entry.second)) return true;
  const ImageSlotTable& slots = state.images.slots;
  for (int32_t slot = 0; slot < slots.Count(); ++slot)
    if (const struct nk_image* image = slots.Find(slot); image && same(*image)) return true;
  return false;
}

namespace {

MemblockStyleTable& NamedBlocks() { return State().style.memblocks; }

// [SECTION] blocks in the host

// The bytes of block `memblock` when it holds a whole structure of `widget`, which has one;
// else null, logged. The block is asked for by id every time: its address may have changed.
const uint8_t* StructureBytes(int32_t memblock, int32_t widget) {
  HostCommandTable& host = HostCommands();
  const auto* bytes = static_cast<const uint8_t*>(host.GETMEMBLOCKPTR_P_L(memblock));
  if (!bytes) {
    QEL_LOG(StyleMemblockPointerNull);
    return nullptr;
  }
  const int32_t size = host.GETMEMBLOCKSIZE_L_L(memblock);
  const int32_t needed = StyleBlockSize(widget);
  if (size < needed) {
    QEL_LOG(StyleMemblockTooSmall, memblock, size, widget, needed);
    return nullptr;
  }
  return bytes;
}

StyleBlockSource SourceOf(int32_t memblock) {
  StyleBlockSource source;
  source.memblock = memblock;
  source.known_texture = &IsKnownTexture;
  source.missing_image = State().frame.placeholder;
  return source;
}

// Reads the block over the live structure of `widget` (3 to 20; others copy nothing). False
// when the block was refused (logged).
bool ApplyBlock(nk_context* ctx, int32_t widget, int32_t memblock) {
  const FieldTable* table = FieldTableOfWidget(widget);
  if (!table) return true;
  const uint8_t* bytes = StructureBytes(memblock, widget);
  if (!bytes) return false;
  DecodeStyleBlock(*table, bytes, LiveWidgetStyle(ctx->style, widget), SourceOf(memblock));
  return true;
}

bool BlockExists(int32_t memblock) { return memblock >= 1 && HostCommands().GETMEMBLOCKEXISTS_L_L(memblock); }

// Makes (or remakes) the block and copies the live structure of `widget` into it; names it
// when `name` is given. The block's id, or 0.
int32_t CreateBlock(const char* name, int32_t widget, int32_t memblock) {
  if (!IsBlockWidget(widget)) {
    QEL_LOG(StyleMemblockTypeOutOfRange, widget, kLastBlockWidget + 1);
    return 0;
  }
  nk_context* ctx = Context();
  if (!ctx) return 0;
  const bool named = name && *name;
  if (name && !named) QEL_LOG(StyleMemblockNameEmpty);
  if (named && NamedBlocks().count(name)) QEL_LOG(StyleMemblockNameExists, name);

  HostCommandTable& host = HostCommands();
  const int32_t size = StyleBlockSize(widget);
  int32_t id = memblock;
  if (id < 1)
    id = host.CREATEMEMBLOCK_L_L(size);
  else
    host.CREATEMEMBLOCK_0_L_L(id, size);
  uint8_t* bytes = id >= 1 ? HostMemblockBytes(id, size) : nullptr;
  if (!bytes) {
    QEL_LOG(StyleMemblockNotMade, id, size);
    return 0;
  }
  if (const FieldTable* table = FieldTableOfWidget(widget))
    EncodeStyleBlock(*table, LiveWidgetStyle(ctx->style, widget), bytes);
  else
    QEL_LOG(StyleMemblockNoWidget);
  if (named) NamedBlocks()[name] = MemblockStyleEntry{widget, id};
  return id;
}

// Saves the live structure on the style stack, then reads the block over it. A window
// header block saves the whole window, so that the pop that matches it restores the header.
void PushBlock(int32_t widget, int32_t memblock, const char* pushed_name) {
  if (!BlockExists(memblock)) {
    QEL_LOG(StyleMemblockPushMissing, memblock);
    return;
  }
  if (widget < 3 || widget > kLastBlockWidget) {
    QEL_LOG(StyleMemblockPushTypeInvalid, widget);
    return;
  }
  nk_context* ctx = Context();
  if (!ctx) return;
  const int32_t saved = widget == kWindowHeaderWidget ? 19 : widget;
  if (!SaveLiveStyleOnStack(ctx, saved, pushed_name)) return;
  // A block that cannot be read changes nothing, so its save comes off again.
  if (!ApplyBlock(ctx, widget, memblock)) State().style.stack.pop_back();
}

const MemblockStyleEntry* FindNamedBlock(const char* name) {
  const auto it = NamedBlocks().find(TextOrEmpty(name));
  return it == NamedBlocks().end() ? nullptr : &it->second;
}

}  // namespace
}  // namespace qel

using namespace qel;

// [SECTION] exports

int32_t StyleCreateMemblock0(int32_t widget, int32_t memblock) { return CreateBlock(nullptr, widget, memblock); }

int32_t StyleCreateMemblock1(const char* name, int32_t widget, int32_t memblock) {
  return CreateBlock(TextOrEmpty(name), widget, memblock);
}

int32_t StyleCreateMemblock2(int32_t widget) { return CreateBlock(nullptr, widget, -1); }

int32_t StyleCreateMemblock3(const char* name, int32_t widget) { return CreateBlock(TextOrEmpty(name), widget, -1); }

void StyleDeleteMemblock0(const char* name) {
  const char* key = TextOrEmpty(name);
  const auto it = NamedBlocks().find(key);
  if (it == NamedBlocks().end()) {
    QEL_LOG(StyleMemblockNameMissing, key);
    return;
  }
  if (BlockExists(it->second.memblock)) HostCommands().DELETEMEMBLOCK_0_L(it->second.memblock);
  NamedBlocks().erase(it);
}

void StyleSetFromMemblock0(const char* name) {
  const MemblockStyleEntry* entry = FindNamedBlock(name);
  if (!entry) {
    QEL_LOG(StyleMemblockNameMissing, TextOrEmpty(name));
    return;
  }
  // Deleted or remade by other host commands since it was named: refused, or read anew.
  if (!BlockExists(entry->memblock)) {
    QEL_LOG(StyleMemblockIdMissing, entry->memblock);
    return;
  }
  if (nk_context* ctx = Context()) ApplyBlock(ctx, entry->widget, entry->memblock);
}

void StyleSetFromMemblock1(int32_t widget, int32_t memblock) {
  if (memblock < 1) {
    QEL_LOG(StyleMemblockIdOutOfRange, memblock);
    return;
  }
  if (!BlockExists(memblock)) {
    QEL_LOG(StyleMemblockIdMissing, memblock);
    return;
  }
  nk_context* ctx = Context();
  if (!ctx || !ApplyBlock(ctx, widget, memblock)) return;
  QEL_LOG(StyleMemblockWindowBackground, static_cast<unsigned>(PackColor(ctx->style.window.background)));
}

void StylePushMemblock0(int32_t widget, int32_t memblock) {
  const std::string label = "memblock " + std::to_string(memblock);
  PushBlock(widget, memblock, label.c_str());
}

void StylePushMemblock1(const char* name) {
  const MemblockStyleEntry* entry = FindNamedBlock(name);
  if (!entry) {
    QEL_LOG(StyleMemblockPushNameMissing, TextOrEmpty(name));
    return;
  }
  PushBlock(entry->widget, entry->memblock, TextOrEmpty(name));
}
