#include "frame/boundary.h"

#include <climits>

namespace qel {

int TextLength(const char* text, int32_t length) {
  if (!text) return 0;
  if (length < 0) return 0;  // refused quietly: the text exports have no error path
  int used = 0;
  while (used < length && text[used] != '\0') ++used;
  return used;
}

int LabelLength(const char* text) {
  if (!text) return 0;
  const size_t bytes = std::strlen(text);
  return bytes < static_cast<size_t>(INT_MAX) ? static_cast<int>(bytes) : INT_MAX;
}

}  // namespace qel
