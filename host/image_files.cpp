// Image files through stb (its code is compiled in stb_implementation.cpp).
#include "image_files.h"

#include <climits>
#include <cstring>
#include <fstream>
#include <iterator>

#include <stb_image.h>
#include <stb_image_write.h>

namespace qel::engine {

bool DecodeImageBytes(const std::string& bytes, Pixels& out) {
  if (bytes.empty() || bytes.size() > static_cast<size_t>(INT_MAX)) return false;
  int width = 0, height = 0, channels = 0;
  stbi_uc* data = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                                        static_cast<int>(bytes.size()), &width, &height, &channels, 4);
  if (!data) return false;
  out.width = width;
  out.height = height;
  out.rgba.assign(data, data + static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
  stbi_image_free(data);
  return true;
}

bool DecodeImageFile(const std::string& path, Pixels& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return DecodeImageBytes(bytes, out);
}

bool WritePngFile(const Pixels& pixels, const std::string& path) {
  const size_t expected = static_cast<size_t>(pixels.width) * static_cast<size_t>(pixels.height) * 4;
  if (pixels.width <= 0 || pixels.height <= 0 || pixels.rgba.size() != expected) return false;
  return stbi_write_png(path.c_str(), pixels.width, pixels.height, 4, pixels.rgba.data(), pixels.width * 4) != 0;
}

}  // namespace qel::engine
