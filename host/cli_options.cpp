#include "cli_options.h"

#include <cstdlib>
#include <cerrno>
#include <climits>

namespace qel {

namespace {

bool ParseCount(const std::string& text, int minimum, int& out) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || value < minimum || value > INT_MAX) return false;
  out = static_cast<int>(value);
  return true;
}

}  // namespace

const char* CliUsage() {
  return "usage: qelhost --plugin PATH [options]\n"
         "  --plugin PATH          the plug-in library to load\n"
         "  --frames N             frames to run (default 60; a visible window runs until closed)\n"
         "  --screenshot-dir DIR   write presented frames there as PNG (the last one always)\n"
         "  --every K              also every K-th frame\n"
         "  --visible              open a real window fed by real input and the real clock\n"
         "  --width W --height H   framebuffer size (default 1024x768)\n"
         "  --media DIR            the media folder (default .)\n"
         "  --demo NAME            the demo page to play (default: main)\n"
         "  --list-demos           print the names of the demo pages, one a line\n"
         "  --interface-dump FILE  play the interface script instead of the demo and write the\n"
         "                         interface memblock's bytes after each of its calls to FILE\n"
         "  --help                 this text\n";
}

bool ParseCliOptions(int argc, const char* const* argv, CliOptions& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (flag == "--help" || flag == "-h") {
      options.help = true;
      continue;
    }
    if (flag == "--list-demos") {
      options.list_demos = true;
      continue;
    }
    if (flag == "--visible") {
      options.visible = true;
      continue;
    }
    if (flag != "--plugin" && flag != "--frames" && flag != "--screenshot-dir" && flag != "--every" &&
        flag != "--width" && flag != "--height" && flag != "--media" && flag != "--demo" &&
        flag != "--interface-dump") {
      error = "unknown option " + flag;
      return false;
    }
    if (i + 1 >= argc) {
      error = flag + " needs a value";
      return false;
    }
    const std::string value = argv[++i];
    bool good = true;
    if (flag == "--plugin") options.plugin = value;
    else if (flag == "--screenshot-dir") options.screenshot_dir = value;
    else if (flag == "--media") options.media = value;
    else if (flag == "--demo") options.demo = value;
    else if (flag == "--interface-dump") options.interface_dump = value;
    else if (flag == "--frames") good = ParseCount(value, 1, options.frames);
    else if (flag == "--every") good = ParseCount(value, 1, options.every);
    else if (flag == "--width") good = ParseCount(value, 1, options.width);
    else if (flag == "--height") good = ParseCount(value, 1, options.height);
    if (!good) {
      error = flag + " takes a positive whole number, not '" + value + "'";
      return false;
    }
  }
  if (!options.help && !options.list_demos && options.plugin.empty()) {
    error = "--plugin PATH is required";
    return false;
  }
  return true;
}

}  // namespace qel
