// Integration tests run the real plug-in inside the reference host, the way a game would:
// load the library, bind it, start it, then drive whole frames with scripted input.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "frame/export_table.h"
#include "frame/log_messages.h"
#include "qelhost.h"

namespace qel {

// A sequence of export calls, cut down from a random script that once broke the plug-in, with
// what it does in words; tests replay tables of them.
struct CallSequence {
  const char* what;
  std::function<void(const ExportTable& api)> calls;
};

class PluginTest : public ::testing::Test {
 protected:
  // Override to change the host before it starts.
  virtual HostConfig Config() const {
    HostConfig config;
    config.width = 640;
    config.height = 480;
    config.media_folder = QEL_TEST_DATA_DIR;
    return config;
  }
  // Commands the host should not offer (a partial host).
  virtual std::vector<std::string> RemovedCommands() const { return {}; }

  // Starts the host, loads the plug-in and fills the export table (plugin_fixture.cpp).
  void SetUp() override;

  // Starts the plug-in with its log in a file of this test's own.
  void Start(int32_t mode = 1) {
    api_.LogSetLocation(log_path_.c_str());
    ASSERT_EQ(api_.Init1(mode), 1);
  }

  // One frame: input, the interface the test describes, then Sync.
  template <class Describe>
  void Frame(Describe&& describe) {
    api_.HandleInput0();
    describe();
    api_.Sync();
  }
  void Frame() {
    Frame([] {});
  }

  std::string LogText() const {
    std::ifstream in(log_path_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // The log's messages, without date, time, source and level.
  std::vector<std::string> LogMessages() const {
    std::vector<std::string> messages;
    std::istringstream in(LogText());
    for (std::string line; std::getline(in, line);) {
      for (const char* level : {": INFO: ", ": WARN: ", ": ERROR: ", ": DEBUG: "}) {
        const size_t at = line.find(level);
        if (at != std::string::npos) {
          messages.push_back(line.substr(at + std::string(level).size()));
          break;
        }
      }
    }
    return messages;
  }
  // The text an entry of the log list gives for these arguments (LogText() above would hide
  // the library's overload inside tests).
  template <LogItem I, class... A>
  static std::string LogText(LogTag<I> entry, A... args) {
    return ::qel::LogText(entry, args...);
  }
  // How many lines the log has of entry I, whatever its arguments.
  template <LogItem I>
  int LogCount(LogTag<I> entry) const {
    return CountLogLines(entry, LogText());
  }
  bool LogHas(const std::string& text) const { return LogText().find(text) != std::string::npos; }
  int LogCount(const std::string& text) const {
    const std::string log = LogText();
    int count = 0;
    for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++count;
    return count;
  }

  // The interface memblock's bytes.
  const uint8_t* InterfaceBytes() { return host_->MemblockData(api_.GetMemblockInterface()); }
  float InterfaceFloat(int index) {
    float value = 0;
    std::memcpy(&value, InterfaceBytes() + 4 * index, sizeof value);
    return value;
  }

  Host& host() { return *host_; }
  const ExportTable& api() const { return api_; }

  std::unique_ptr<Host> host_;
  ExportTable api_;
  std::string log_path_;
};

// Packed colour as the plug-in's exports take it.
constexpr uint32_t Rgba(uint32_t r, uint32_t g, uint32_t b, uint32_t a = 255) {
  return r | (g << 8) | (b << 16) | (a << 24);
}

}  // namespace qel
