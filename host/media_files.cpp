#include "media_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace qel::engine {

namespace fs = std::filesystem;

namespace {
constexpr std::string_view kRawPrefix = "raw:";
}

MediaFiles::MediaFiles(const std::string& media_folder) {
  std::error_code error;
  fs::path folder = fs::absolute(media_folder.empty() ? "." : media_folder, error).lexically_normal();
  if (!folder.has_filename()) folder = folder.parent_path();  // drop a trailing separator
  media_folder_ = folder.string();
  std::string parent = folder.parent_path().string();
  read_path_ = parent.empty() || parent.back() != '/' ? parent + "/" : parent;
}

std::string MediaFiles::Resolve(std::string_view name) const {
  if (name.substr(0, kRawPrefix.size()) == kRawPrefix) return std::string(name.substr(kRawPrefix.size()));
  while (!name.empty() && (name.front() == '/' || name.front() == '\\')) name.remove_prefix(1);
  return media_folder_ + "/" + std::string(name);
}

bool MediaFiles::Exists(std::string_view name) const {
  if (name.empty()) return false;
  std::error_code error;
  return fs::is_regular_file(Resolve(name), error);
}

bool MediaFiles::ReadAll(std::string_view name, std::string& bytes) const {
  if (!Exists(name)) return false;
  std::ifstream in(Resolve(name), std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

int32_t MediaFiles::OpenToRead(std::string_view name) {
  OpenFile file;
  if (!ReadAll(name, file.bytes)) return 0;
  return open_.Add(std::move(file));
}

bool MediaFiles::ReadLine(int32_t id, std::string& line) {
  line.clear();
  OpenFile* file = open_.Find(id);
  if (!file) return false;
  if (file->at >= file->bytes.size()) return true;
  size_t end = file->bytes.find('\n', file->at);
  const bool ended = end != std::string::npos;
  const size_t next = ended ? end + 1 : file->bytes.size();
  if (!ended) end = file->bytes.size();
  if (ended && end > file->at && file->bytes[end - 1] == '\r') --end;  // a "\r\n" line end
  line.assign(file->bytes, file->at, end - file->at);
  file->at = next;
  return true;
}

bool MediaFiles::AtEnd(int32_t id) const {
  const OpenFile* file = open_.Find(id);
  return !file || file->at >= file->bytes.size();
}

}  // namespace qel::engine
