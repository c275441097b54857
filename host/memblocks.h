// Memblocks: zero-filled byte arrays by id. A block's bytes keep their address for the
// block's whole life, so a pointer handed out stays valid until the block is deleted or
// made again under its id.
#pragma once

#include <cstdint>
#include <memory>

#include "id_table.h"

namespace qel::engine {

// The largest block the engine makes; larger requests are refused rather than attempted.
constexpr int64_t kMaxMemblockSize = int64_t{1} << 30;

struct Memblock {
  std::unique_ptr<uint8_t[]> bytes;
  int32_t size = 0;
};

class Memblocks {
 public:
  int32_t Create(int32_t size);                 // new id, or 0 for a bad size
  bool CreateAt(int32_t id, int32_t size);      // under a chosen id (> 0), replacing a block there
  int32_t Adopt(std::unique_ptr<uint8_t[]> bytes, int32_t size);  // takes prepared bytes
  Memblock* Find(int32_t id) { return table_.Find(id); }
  void Delete(int32_t id) { table_.Remove(id); }

 private:
  static std::unique_ptr<uint8_t[]> Allocate(int32_t size);
  IdTable<Memblock> table_;
};

}  // namespace qel::engine
