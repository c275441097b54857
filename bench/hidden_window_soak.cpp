// A window that hides itself from inside (the "close button hides its own window" pattern),
// shown again before the next frame, for many frames: resident memory must stay flat.
// Prints the resident set size every 1,000 frames and the growth over the run; exits 1
// when memory grew by more than 64 KiB per thousand frames (a leaked panel per frame grows
// it by about 500 KiB per thousand; the allocator may still take a page run once or twice).
// xvfb-run -a build/bench/hidden_window_soak [frames]
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "fonts/font_atlas.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "qelhost.h"

namespace {

long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

void HidingFrame() {
  HandleInput0();
  WindowShow("tools", 1);
  if (WindowBegin("tools", 20, 20, 240, 160, 1 | 64)) {
    LayoutRowDynamic(30, 1);
    ButtonLabel("Close");
    WindowShow("tools", 0);
  }
  WindowEnd();
  if (WindowBegin("status", 300, 20, 200, 100, 1)) {
    LayoutRowDynamic(30, 1);
    Label("still drawn", 17);
  }
  WindowEnd();
  Sync();
}

}  // namespace

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::atoi(argv[1]) : 10000;
  qel::HostConfig config;
  config.width = 640;
  config.height = 480;
  config.capture_frames = false;
  auto host = std::make_unique<qel::Host>(config);
  if (!host->ok()) return 1;
  qel::ResolveHostCommands(&qel::Host::Lookup);
  LogSetLocation("/tmp/hidden_window_soak.log");
  Init1(1);
  qel::EnsureStyleFont();
  for (int i = 0; i < 200; ++i) HidingFrame();  // warm up: buffers and pools at their size
  const long start = ResidentKiB();
  std::printf("frames %6d  resident %ld KiB\n", 0, start);
  for (int frame = 1; frame <= frames; ++frame) {
    HidingFrame();
    if (frame % 1000 == 0) std::printf("frames %6d  resident %ld KiB\n", frame, ResidentKiB());
  }
  const long growth = ResidentKiB() - start;
  std::printf("growth over %d frames: %ld KiB\n", frames, growth);
  return growth > 64L * frames / 1000 ? 1 : 0;
}
