// Style memory blocks: byte images of one widget style each, in host memory blocks that a
// script edits with the host's own commands and applies back to the live style, directly
// or through the style stack. The table here gives blocks names.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace qel {

// A named block: its widget number and host id. No address is kept: the block is looked up
// by id at every use, since other host commands may delete or remake it at any time.
struct MemblockStyleEntry {
  int32_t widget = 0;
  int32_t memblock = 0;
};

using MemblockStyleTable = std::map<std::string, MemblockStyleEntry>;

// Whether a texture id is one the plug-in's images use (named images, image slots, the
// placeholder, the font atlas): the ids a style item read from a block may name.
bool IsKnownTexture(uint32_t id);

}  // namespace qel
