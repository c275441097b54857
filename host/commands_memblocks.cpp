// Memblock commands: byte arrays the plug-in reads and writes through their pointer.
#include <cstring>
#include <limits>
#include <new>

#include "command_list.h"
#include "host_state.h"

namespace qel::engine::commands {

namespace {
// An image block starts with its width, height and bits per pixel as 32-bit integers.
constexpr int32_t kImageHeadBytes = 12;
}  // namespace

int32_t CREATEMEMBLOCK_L_L(int32_t size) { return LiveHost()->memblocks.Create(size); }

void CREATEMEMBLOCK_0_L_L(int32_t id, int32_t size) { LiveHost()->memblocks.CreateAt(id, size); }

int32_t CREATEMEMBLOCKFROMFILE_L_S(const char* file) {
  HostState& host = *LiveHost();
  std::string bytes;
  if (!file || !host.files.ReadAll(file, bytes) || bytes.size() > static_cast<size_t>(kMaxMemblockSize)) return 0;
  const auto size = static_cast<int32_t>(bytes.size());
  const int32_t id = host.memblocks.Create(size);
  if (Memblock* block = host.memblocks.Find(id); block && size > 0) std::memcpy(block->bytes.get(), bytes.data(), bytes.size());
  return id;
}

int32_t CREATEMEMBLOCKFROMIMAGE_L_L(int32_t image) {
  HostState& host = *LiveHost();
  Pixels pixels;
  if (!host.images.Read(image, pixels)) return 0;
  const int64_t size = kImageHeadBytes + static_cast<int64_t>(pixels.rgba.size());
  if (size > kMaxMemblockSize) return 0;
  const int32_t id = host.memblocks.Create(static_cast<int32_t>(size));
  Memblock* block = host.memblocks.Find(id);
  if (!block) return 0;
  const int32_t head[3] = {pixels.width, pixels.height, 32};
  std::memcpy(block->bytes.get(), head, sizeof head);
  std::memcpy(block->bytes.get() + kImageHeadBytes, pixels.rgba.data(), pixels.rgba.size());
  return id;
}

int32_t GETMEMBLOCKEXISTS_L_L(int32_t id) { return LiveHost()->memblocks.Find(id) ? 1 : 0; }

int32_t GETMEMBLOCKSIZE_L_L(int32_t id) {
  const Memblock* block = LiveHost()->memblocks.Find(id);
  return block ? block->size : 0;
}

void* GETMEMBLOCKPTR_P_L(int32_t id) {
  Memblock* block = LiveHost()->memblocks.Find(id);
  return block ? block->bytes.get() : nullptr;
}

void DELETEMEMBLOCK_0_L(int32_t id) { LiveHost()->memblocks.Delete(id); }

}  // namespace qel::engine::commands
