// Image files named by style documents: read through the host, uploaded into a texture of the
// plug-in's own with the document's filters, and described by an image record.
#pragma once

#include <cstdint>
#include <string>

#include "nuklear_config.h"

namespace qel {

// The image file at `path` (an operating-system path, read through the host as "raw:" + path)
// as a record of a new texture: its id as handle, its size, region 0, 0, 0, 0. False (logged)
// when the file is missing or holds no image the texture can be made from.
bool LoadStyleImageFile(const std::string& path, int32_t filter_min, int32_t filter_mag, struct nk_image& out);

}  // namespace qel
