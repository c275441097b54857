// The engine's file access. Names are relative to the media folder; a name that begins with
// "raw:" is an operating-system path taken as it is. The read path is the folder that holds
// the media folder (scripts join it with "media/" to reach their files by a raw path).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "id_table.h"

namespace qel::engine {

class MediaFiles {
 public:
  explicit MediaFiles(const std::string& media_folder);

  std::string Resolve(std::string_view name) const;   // the operating-system path of a name
  bool Exists(std::string_view name) const;           // a regular file is there
  bool ReadAll(std::string_view name, std::string& bytes) const;

  int32_t OpenToRead(std::string_view name);          // file id, or 0 when it cannot be read
  bool ReadLine(int32_t id, std::string& line);       // the next line without its line end
  bool AtEnd(int32_t id) const;                       // everything read, or no such file
  void Close(int32_t id) { open_.Remove(id); }

  const std::string& media_folder() const { return media_folder_; }
  const std::string& read_path() const { return read_path_; }  // with a trailing "/"

 private:
  struct OpenFile {
    std::string bytes;
    size_t at = 0;
  };
  std::string media_folder_;
  std::string read_path_;
  IdTable<OpenFile> open_;
};

}  // namespace qel::engine
