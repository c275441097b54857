#include "widgets/interface_results.h"

#include "frame/boundary.h"
#include "frame/plugin_state.h"

namespace qel {

int32_t WriteRectResult(struct nk_rect rect) {
  uint8_t bytes[kRectResultBytes];
  StoreF32(bytes, rect.x);
  StoreF32(bytes + 4, rect.y);
  StoreF32(bytes + 8, rect.w);
  StoreF32(bytes + 12, rect.h);
  WriteInterfaceBytes(0, bytes, sizeof bytes);
  return State().frame.interface_memblock;
}

int32_t WriteVec2Result(struct nk_vec2 vec) {
  uint8_t bytes[kVec2ResultBytes];
  StoreF32(bytes, vec.x);
  StoreF32(bytes + 4, vec.y);
  WriteInterfaceBytes(0, bytes, sizeof bytes);
  return State().frame.interface_memblock;
}

int32_t WriteScrollResult(uint32_t x, uint32_t y) {
  uint8_t bytes[kScrollResultBytes];
  StoreU32(bytes, x);
  StoreU32(bytes + 4, y);
  WriteInterfaceBytes(0, bytes, sizeof bytes);
  return State().frame.interface_memblock;
}

}  // namespace qel
