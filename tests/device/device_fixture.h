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
#include "frame/plugin_state.h"
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

// A borderless window over a 320 by 240 target with one red rectangle at (10, 20), 30 by 40,
// and one white circle in the square at (100, 100), 61 wide: shapes whose pixels tests know.
inline void DescribeShapes() {
  nk_context* ctx = Context();
  ctx->style.window.fixed_background = nk_style_item_color(nk_rgba(0, 0, 0, 255));
  ctx->style.window.border = 0;
  ASSERT_TRUE(nk_begin(ctx, "shapes", nk_rect(0, 0, 320, 240), NK_WINDOW_NO_SCROLLBAR | NK_WINDOW_BACKGROUND));
  nk_command_buffer* canvas = nk_window_get_canvas(ctx);
  nk_fill_rect(canvas, nk_rect(10, 20, 30, 40), 0, nk_rgba(255, 0, 0, 255));
  nk_fill_circle(canvas, nk_rect(100, 100, 61, 61), nk_rgba(255, 255, 255, 255));
  nk_end(ctx);
}

}  // namespace qel
