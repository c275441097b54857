// Device tests link the plug-in's code in and bind it to a live reference host, so they can
// watch the plug-in's own state (the context, the device) while the host plays its part.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/log_messages.h"
#include "qelhost.h"

namespace qel {

// The reference host, named apart from the plug-in's own table of host commands.
using ReferenceHost = Host;

// A host of that size, serving that media folder, with the plug-in's commands bound to it.
inline std::unique_ptr<ReferenceHost> StartBoundHost(int width, int height, const std::string& media_folder = ".") {
  HostConfig config;
  config.width = width;
  config.height = height;
  config.media_folder = media_folder;
  auto host = std::make_unique<ReferenceHost>(config);
  if (host->ok()) ResolveHostCommands(&ReferenceHost::Lookup);
  return host;
}

// Where a log named by `log_path` lives (in the temp folder when relative).
inline std::string LogFilePath(const std::string& log_path) {
  return log_path.find('/') == std::string::npos ? ::testing::TempDir() + log_path : log_path;
}

// Starts the plug-in with its log at `log_path` (in the temp folder when relative).
inline int32_t StartPlugin(const std::string& log_path, int32_t mode = 1) {
  LogSetLocation(LogFilePath(log_path).c_str());
  return Init1(mode);
}

// How often `text` occurs in the log named by `log_path`.
inline int LogCount(const std::string& log_path, const std::string& text) {
  std::ifstream in(LogFilePath(log_path));
  const std::string log{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  int count = 0;
  for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++count;
  return count;
}

// How many lines of entry I the log named by `log_path` has, whatever the arguments.
template <LogItem I>
int LogCount(const std::string& log_path, LogTag<I> entry) {
  std::ifstream in(LogFilePath(log_path));
  return CountLogLines(entry, std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
}

}  // namespace qel
