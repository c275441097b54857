#include "images/subimages.h"

#include "frame/boundary.h"
#include "frame/host_commands.h"
#include "frame/log_messages.h"

namespace qel {
namespace {

constexpr int kFieldCount = 5;
constexpr const char* kFieldSeparator = ":";

// Loads the image as the caller asked; 0 when there is no usable image afterwards.
int32_t LoadImage(const char* image_file, int32_t image_id) {
  HostCommandTable& host = HostCommands();
  if (image_id > 0) {
    host.LOADIMAGE_0_L_S_L(image_id, image_file, 1);
    if (!host.GETIMAGEEXISTS_L_L(image_id)) return 0;
  } else {
    image_id = host.LOADIMAGE_L_S_L(image_file, 1);
  }
  if (image_id <= 0 || host.GETIMAGEWIDTH_F_L(image_id) <= 0.0f || host.GETIMAGEHEIGHT_F_L(image_id) <= 0.0f) return 0;
  return image_id;
}

}  // namespace

std::string SubimagesFileName(const std::string& image_file, bool* has_extension) {
  const bool long_enough = image_file.size() >= 4;
  if (has_extension) *has_extension = long_enough;
  return image_file.substr(0, long_enough ? image_file.size() - 4 : 0) + " subimages.txt";
}

std::unique_ptr<SubimageTable> LoadSubimages(const char* image_file, const char* subimages_file, int32_t image_id) {
  HostCommandTable& host = HostCommands();
  image_file = TextOrEmpty(image_file);
  subimages_file = TextOrEmpty(subimages_file);
  image_id = LoadImage(image_file, image_id);
  if (!image_id) {
    QEL_LOG(SubimagesImageNotLoaded, image_file);
    return nullptr;
  }
  const int32_t file = host.OPENTOREAD_L_S(subimages_file);

  auto table = std::make_unique<SubimageTable>();
  *table = SubimageTable{};
  const float image_width = host.GETIMAGEWIDTH_F_L(image_id);
  const float image_height = host.GETIMAGEHEIGHT_F_L(image_id);
  table->image_id = image_id;

  // A file that did not open, or a host that cannot tell where a file ends, gives no lines.
  int line_number = 0;
  const bool readable = file > 0 && host.FILEEOF_L_L.available() && host.READLINE_S_L.available();
  while (readable && !host.FILEEOF_L_L(file)) {
    ++line_number;
    const char* line = host.READLINE_S_L(file);
    if (!line) break;
    if (host.COUNTSTRINGTOKENS_L_S_S(line, kFieldSeparator) != kFieldCount) {
      QEL_LOG(SubimagesTokenCountWrong, subimages_file, line_number);
      continue;
    }
    int32_t field[kFieldCount];
    for (int n = 0; n < kFieldCount; ++n) field[n] = host.VAL_L_S(TextOrEmpty(host.GETSTRINGTOKEN_S_S_S_L(line, kFieldSeparator, n + 1)));
    const int32_t code = field[0];
    if (code < 0 || code > 255) {
      QEL_LOG(SubimagesCodeOutOfRange, code, subimages_file, line_number);
      continue;
    }
    SubimageRecord& record = table->records[code];
    record.x = static_cast<float>(field[1]);
    record.y = static_cast<float>(field[2]);
    record.width = static_cast<float>(field[3]);
    record.height = static_cast<float>(field[4]);
    record.left = record.x / image_width;
    record.top = record.y / image_height;
    record.right = (record.x + record.width) / image_width;
    record.bottom = (record.y + record.height) / image_height;
    if (record.height > table->max_height) table->max_height = record.height;
  }
  if (file) host.CLOSEFILE_0_L(file);
  return table;
}

}  // namespace qel
