// Strings the engine hands out: results of string commands and buffers made by
// CREATESTRING_S_L. The engine owns them; each lives for the frame it was made in and the
// whole next frame, so a caller may use it until the end of the next Swap.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace qel::engine {

class StringPool {
 public:
  char* Make(size_t bytes);             // zero-filled; nullptr when it cannot be had
  char* Copy(std::string_view text);    // a zero-terminated copy
  void EndFrame();                      // frees what the frame before this one made
  size_t Live() const { return current_.size() + previous_.size(); }

 private:
  std::vector<std::unique_ptr<char[]>> current_, previous_;
};

}  // namespace qel::engine
