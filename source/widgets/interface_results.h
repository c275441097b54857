// Results of several values go into the interface memblock, and the export returns the
// block's id. Each writer sets only its own bytes (little-endian, from byte 0); the rest of
// the block keeps what it held.
#pragma once

#include <cstdint>

#include "nuklear_config.h"

namespace qel {

// Bytes each kind of result takes from the start of the block.
inline constexpr int32_t kRectResultBytes = 16;
inline constexpr int32_t kVec2ResultBytes = 8;
inline constexpr int32_t kScrollResultBytes = 8;

// Four floats x, y, width, height at bytes 0, 4, 8 and 12.
int32_t WriteRectResult(struct nk_rect rect);
// Two floats x, y at bytes 0 and 4.
int32_t WriteVec2Result(struct nk_vec2 vec);
// Two unsigned 32-bit integers at bytes 0 and 4 (scroll offsets).
int32_t WriteScrollResult(uint32_t x, uint32_t y);

inline struct nk_rect ZeroRect() { return nk_rect(0.0f, 0.0f, 0.0f, 0.0f); }
inline struct nk_vec2 ZeroVec2() { return nk_vec2(0.0f, 0.0f); }

}  // namespace qel
