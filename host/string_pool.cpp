#include "string_pool.h"

#include <cstring>
#include <new>

namespace qel::engine {

char* StringPool::Make(size_t bytes) {
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[bytes == 0 ? 1 : bytes]());
  if (!buffer) return nullptr;
  current_.push_back(std::move(buffer));
  return current_.back().get();
}

char* StringPool::Copy(std::string_view text) {
  char* out = Make(text.size() + 1);
  if (out && !text.empty()) std::memcpy(out, text.data(), text.size());
  return out;
}

void StringPool::EndFrame() {
  previous_ = std::move(current_);
  current_.clear();
}

}  // namespace qel::engine
