// The command line of the qelhost program.
#pragma once

#include <string>

namespace qel {

struct CliOptions {
  std::string plugin;             // --plugin PATH (required)
  int frames = -1;                // --frames N; -1: 60 headless, until closed when visible
  std::string screenshot_dir;     // --screenshot-dir DIR: PNGs of presented frames
  int every = 0;                  // --every K: also every K-th frame
  bool visible = false;           // --visible
  int width = 1024, height = 768; // --width W --height H
  std::string media = ".";        // --media DIR
  std::string demo;               // --demo NAME
  std::string interface_dump;     // --interface-dump FILE: the interface script's memblock bytes
  bool list_demos = false;        // --list-demos: print the demo pages' names
  bool help = false;              // --help
};

// Fills `options` from the arguments; false with a message in `error` on a bad line.
bool ParseCliOptions(int argc, const char* const* argv, CliOptions& options, std::string& error);
const char* CliUsage();

}  // namespace qel
