// The subimages file: where each character (or sub-image) lies in a host image, one line
// "code:x:y:width:height" each, read through the host into a SubimageTable of 256 records.
// Host-image fonts draw and measure from that table.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace qel {

// One character's place in the image: pixels, then texture coordinates of its edges.
struct SubimageRecord {
  float x, y, width, height;
  float left, top, right, bottom;
};

// Fixed byte layout: an 8-byte head, then the records of codes 0 to 255.
struct SubimageTable {
  int32_t image_id;
  float max_height;  // over all accepted lines; 0 when there are none
  SubimageRecord records[256];
};

static_assert(sizeof(SubimageRecord) == 32, "a subimage record is 8 floats");
static_assert(sizeof(SubimageTable) == 8 + 256 * 32, "a subimage table is its head and 256 records");

// The companion file of an image: its name without the last four characters (the
// extension with its dot), followed by " subimages.txt". A name shorter than four
// characters has none: `has_extension` is then false and the answer is what the rule
// gives for what there is (only the suffix).
std::string SubimagesFileName(const std::string& image_file, bool* has_extension = nullptr);

// Loads `image_file` into host image `image_id` when that is above 0, else into a new host
// image, and reads `subimages_file` into a table for it. Lines without exactly five fields
// and codes outside 0 to 255 are skipped with a warning; a later line for a code replaces an
// earlier one; codes the file does not list stay all zero. Null (with an ERROR) when the
// image does not load.
std::unique_ptr<SubimageTable> LoadSubimages(const char* image_file, const char* subimages_file, int32_t image_id);

}  // namespace qel
