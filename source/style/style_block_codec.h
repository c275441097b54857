// One widget style structure as the bytes of a style memory block, and back: the fixed
// 32-bit little-endian layout on every build, whatever the native structures look like
// (8-byte handles and pointers, a larger style item). Both directions walk the field tables.
#pragma once

#include <cstdint>

#include "nuklear_config.h"
#include "style/field_tables.h"

namespace qel {

// Writes the structure `native` of the table's type as table.block_size bytes at `out`.
// Callback slots are written as 0: an address means nothing to a script, and reading a
// block never takes them back.
void EncodeStyleBlock(const FieldTable& table, const void* native, uint8_t* out);

// What reading a block needs from its surroundings.
struct StyleBlockSource {
  int32_t memblock = 0;                         // named in warnings
  bool (*known_texture)(uint32_t id) = nullptr;  // null: no image id is known
  struct nk_image missing_image{};              // what an unknown image id falls back to
};

// Reads table.block_size bytes at `in` over the structure `native` of the table's type.
// Callback slots keep the structure's own values. A value the live style cannot use (an
// enumeration out of its range, an unknown style item type) is logged with its field's path
// and the structure keeps its own value there; an image the plug-in does not know is logged
// and replaced by `missing_image`.
void DecodeStyleBlock(const FieldTable& table, const uint8_t* in, void* native, const StyleBlockSource& source);

// A style item in its 36 bytes: type at 0, colour or image from 4, nine-slice borders from 20.
void EncodeStyleItem(const struct nk_style_item& item, uint8_t* out);

}  // namespace qel
