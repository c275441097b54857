#include "widgets/interface_results.h"

#include "frame/plugin_state.h"

namespace qel {

int32_t WriteRectResult(struct nk_rect rect) {
  const float values[4] = {rect.x, rect.y, rect.w, rect.h};
  WriteInterfaceBytes(0, values, sizeof values);
  return Plugin().interface_memblock;
}

int32_t WriteVec2Result(struct nk_vec2 vec) {
  const float values[2] = {vec.x, vec.y};
  WriteInterfaceBytes(0, values, sizeof values);
  return Plugin().interface_memblock;
}

int32_t WriteScrollResult(uint32_t x, uint32_t y) {
  const uint32_t values[2] = {x, y};
  WriteInterfaceBytes(0, values, sizeof values);
  return Plugin().interface_memblock;
}

}  // namespace qel
