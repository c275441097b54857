// theme-images: draws the image atlases of the sample themes into a folder
// (examples/themes keeps the copies the theme documents use).
#include <cstdio>

#include "theme_painter.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: theme-images FOLDER\n", stderr);
    return 2;
  }
  if (qel::themes::WriteThemeAtlases(argv[1])) return 0;
  std::fprintf(stderr, "theme-images: cannot write the atlases into %s\n", argv[1]);
  return 1;
}
