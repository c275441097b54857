#include "bitmap_font_maker.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "qelhost.h"

#include <stb_easy_font.h>

namespace {

constexpr int kScale = 2;
constexpr int kColumns = 16, kCellWidth = 20, kCellHeight = 28;
constexpr int kFirst = 32, kLast = 126;

// Fills the axis-aligned quads stb_easy_font gives for one character, scaled, at (left, top).
void DrawCharacter(qel::Pixels& image, char c, int left, int top) {
  char text[2] = {c, 0};
  static float vertices[4 * 4 * 64];
  const int quads = stb_easy_font_print(0, 0, text, nullptr, vertices, sizeof vertices);
  for (int q = 0; q < quads; ++q) {
    const float* v = vertices + q * 16;  // four vertices of x, y, z, colour
    const int x0 = left + static_cast<int>(v[0] * kScale), y0 = top + static_cast<int>(v[1] * kScale);
    const int x1 = left + static_cast<int>(v[8] * kScale), y1 = top + static_cast<int>(v[9] * kScale);
    for (int y = y0; y < y1 && y < image.height; ++y)
      for (int x = x0; x < x1 && x < image.width; ++x)
        for (int channel = 0; channel < 3; ++channel)
          image.rgba[static_cast<size_t>(4 * (y * image.width + x) + channel)] = 255;
  }
}

}  // namespace

std::string TempFolder() {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(error) / "qelhost-demo";
  std::filesystem::create_directories(folder, error);
  return folder.string() + "/";
}

std::string LogPath() { return TempFolder() + "nuklear.log"; }

std::string WriteDemoBitmapFont(const std::string& folder) {
  const int count = kLast - kFirst + 1;
  qel::Pixels image;
  image.width = kColumns * kCellWidth;
  image.height = ((count + kColumns - 1) / kColumns) * kCellHeight;
  image.rgba.assign(static_cast<size_t>(image.width * image.height * 4), 0);
  for (size_t i = 3; i < image.rgba.size(); i += 4) image.rgba[i] = 255;  // black turns clear on load

  std::string cells;
  for (int code = kFirst; code <= kLast; ++code) {
    const int index = code - kFirst;
    const int left = (index % kColumns) * kCellWidth, top = (index / kColumns) * kCellHeight;
    const char c = static_cast<char>(code);
    DrawCharacter(image, c, left, top + 2);
    char text[2] = {c, 0};
    const int advance = stb_easy_font_width(text) * kScale;
    cells += std::to_string(code) + ":" + std::to_string(left) + ":" + std::to_string(top) + ":" +
             std::to_string(advance) + ":" + std::to_string(kCellHeight) + "\n";
  }
  const std::string path = folder + "pixel.png";
  if (!qel::Host::SavePng(image, path)) return "";
  std::ofstream(folder + "pixel subimages.txt", std::ios::binary) << cells;
  return path;
}
