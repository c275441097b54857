#include "memblocks.h"

#include <new>
#include <utility>

namespace qel::engine {

std::unique_ptr<uint8_t[]> Memblocks::Allocate(int32_t size) {
  if (size < 0 || size > kMaxMemblockSize) return nullptr;
  // At least one byte, so an empty block still has an address of its own.
  return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[size == 0 ? 1 : size]());
}

int32_t Memblocks::Create(int32_t size) {
  auto bytes = Allocate(size);
  return bytes ? Adopt(std::move(bytes), size) : 0;
}

bool Memblocks::CreateAt(int32_t id, int32_t size) {
  if (id <= 0) return false;
  auto bytes = Allocate(size);
  if (!bytes) return false;
  table_.Put(id, Memblock{std::move(bytes), size});
  return true;
}

int32_t Memblocks::Adopt(std::unique_ptr<uint8_t[]> bytes, int32_t size) {
  if (!bytes || size < 0) return 0;
  return table_.Add(Memblock{std::move(bytes), size});
}

}  // namespace qel::engine
