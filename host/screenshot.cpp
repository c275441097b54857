// Screenshots: presented frames and images written as PNG files.
#include "image_files.h"
#include "qelhost.h"

namespace qel {

bool Host::SavePng(const Pixels& pixels, const std::string& path) { return engine::WritePngFile(pixels, path); }

}  // namespace qel
