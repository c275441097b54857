// Style memory blocks: the bytes a script wrote into a block read over the live style of a
// widget, then written out again. The first input byte picks the widget (3 to 20), the rest
// is the block, cut or zero-filled to the widget's block size, as the plug-in only reads
// blocks that hold at least that much.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "frame/plugin_state.h"
#include "fuzz_support.h"
#include "style/field_tables.h"
#include "style/memblock_styles.h"
#include "style/style_block_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  qel::fuzz::ResetStyleState();
  nk_context* ctx = qel::fuzz::PluginContext();
  const int32_t widget = 3 + data[0] % 18;
  const qel::FieldTable* table = qel::FieldTableOfWidget(widget);
  if (!table) __builtin_trap();  // every number from 3 to 20 has a structure
  std::vector<uint8_t> block(static_cast<size_t>(table->block_size), 0);
  std::memcpy(block.data(), data + 1, size - 1 < block.size() ? size - 1 : block.size());

  qel::StyleBlockSource source;
  source.memblock = 1;
  source.known_texture = &qel::IsKnownTexture;
  source.missing_image = qel::State().frame.placeholder;
  void* live = qel::LiveWidgetStyle(ctx->style, widget);
  qel::DecodeStyleBlock(*table, block.data(), live, source);

  std::vector<uint8_t> out(block.size());
  qel::EncodeStyleBlock(*table, live, out.data());
  return 0;
}
