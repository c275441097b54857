// qelhost: loads the plug-in, plays the demo for a number of frames (or until a visible
// window is closed) and writes screenshots of the presented frames.
#include <cstdio>
#include <filesystem>
#include <string>

#include "cli_options.h"
#include "demo.h"
#include "interface_script.h"
#include "qelhost.h"

namespace {

constexpr int kDefaultFrames = 60;

bool WriteScreenshot(const qel::Host& host, const std::string& folder, int frame) {
  char name[32];
  std::snprintf(name, sizeof name, "frame_%05d.png", frame);
  const std::string path = (std::filesystem::path(folder) / name).string();
  if (qel::Host::SavePng(host.Screen(), path)) return true;
  std::fprintf(stderr, "qelhost: cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  qel::CliOptions options;
  std::string error;
  if (!qel::ParseCliOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "qelhost: %s\n%s", error.c_str(), qel::CliUsage());
    return 2;
  }
  if (options.help) {
    std::fputs(qel::CliUsage(), stdout);
    return 0;
  }
  if (options.list_demos) {
    for (const std::string& name : DemoNames()) std::printf("%s\n", name.c_str());
    return 0;
  }
  if (!options.screenshot_dir.empty()) {
    std::error_code made;
    std::filesystem::create_directories(options.screenshot_dir, made);
    if (made) {
      std::fprintf(stderr, "qelhost: cannot make %s: %s\n", options.screenshot_dir.c_str(), made.message().c_str());
      return 1;
    }
  }

  if (!DemoSelect(options.demo)) {
    std::fprintf(stderr, "qelhost: there is no demo named '%s'\n", options.demo.c_str());
    return 2;
  }

  qel::HostConfig config;
  config.width = options.width;
  config.height = options.height;
  config.visible = options.visible;
  config.media_folder = options.media;
  config.manual_clock = !options.visible;  // headless runs are the same every time
  config.capture_frames = !options.screenshot_dir.empty();
  qel::Host host(config);
  if (!host.ok()) return 1;
  if (!host.LoadPlugin(options.plugin)) return 1;
  if (!options.interface_dump.empty()) return WriteInterfaceDump(host, options.interface_dump) ? 0 : 1;

  const int frames = options.frames > 0 ? options.frames : options.visible ? -1 : kDefaultFrames;
  DemoStart(host, !options.visible);
  int frame = 0;
  bool written = true;
  while ((frames < 0 || frame < frames) && !host.WindowShouldClose()) {
    ++frame;
    DemoFrame(host, frame);
    const bool last = frame == frames || host.WindowShouldClose();
    const bool every = options.every > 0 && frame % options.every == 0;
    if (!options.screenshot_dir.empty() && (last || every)) written = WriteScreenshot(host, options.screenshot_dir, frame) && written;
  }
  return written ? 0 : 1;
}
