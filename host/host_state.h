// Everything the engine keeps, in one place: the live Host owns one HostState and the
// commands reach it through LiveHost().
#pragma once

#include <set>
#include <string>
#include <vector>

#include "frame_clock.h"
#include "images.h"
#include "input_state.h"
#include "media_files.h"
#include "memblocks.h"
#include "qelhost.h"
#include "scene.h"
#include "scene_renderer.h"
#include "string_pool.h"

namespace qel::engine {

// The screen and where drawing goes.
struct Display {
  int virtual_width = 0, virtual_height = 0;  // the sprites' coordinate space
  int32_t target_image = 0;                   // the bound render image, 0 for the screen
  float clear_red = 0, clear_green = 0, clear_blue = 0;
  int polygons_drawn = 0;                     // triangles of the last Render
  Pixels presented;                           // the last frame Swap presented
};

struct HostState {
  explicit HostState(const HostConfig& config)
      : config(config), clock(config.manual_clock, config.frame_time), files(config.media_folder) {}

  HostConfig config;
  GLFWwindow* window = nullptr;
  bool ready = false;

  FrameClock clock;
  InputState input;
  StringPool strings;
  Memblocks memblocks;
  MediaFiles files;
  Images images;
  Scene scene;
  Display display;
  SceneRenderer renderer;

  std::set<std::string> removed_commands;
  bool recording_calls = false;
  std::vector<std::string> calls;
};

HostState* LiveHost();              // nullptr when no Host is alive
void SetLiveHost(HostState* state);

}  // namespace qel::engine
