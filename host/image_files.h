// Image files: decoding (PNG, JPEG, BMP, TGA, GIF, ...) into RGBA, and PNG writing.
#pragma once

#include <string>

#include "qelhost.h"

namespace qel::engine {

bool DecodeImageFile(const std::string& path, Pixels& out);          // rows top first
bool DecodeImageBytes(const std::string& bytes, Pixels& out);
bool WritePngFile(const Pixels& pixels, const std::string& path);

}  // namespace qel::engine
