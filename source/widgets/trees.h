// Trees: the key the plug-in builds for each node, and the selected flag of element nodes.
#pragma once

#include <cstdint>
#include <string>

namespace qel {

struct TreesState {
  int32_t element_value = 0;  // selected flag of the last element push, as Nuklear left it
  std::string key;            // the last counter key, its storage reused frame after frame
  struct Frame {
    int32_t counter = 0;  // numbers the counting pushes of the frame in call order
  } frame;
};

// The bytes of a caller's hash string a hashed push uses: `length`, or the string's own
// length when `length` is negative or larger; never past its NUL.
int HashLength(const char* hash, int32_t length);

}  // namespace qel
