// frame-compare A.png B.png TOLERANCE: exit 0 when the two images have the same size and no
// colour channel of any pixel differs by more than TOLERANCE (0-255); 1 otherwise, 2 on a
// bad command line or an unreadable image. Prints one line saying what it found.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "frame_compare.h"
#include "image_files.h"

int main(int argc, char** argv) {
  char* end = nullptr;
  const long tolerance = argc == 4 ? std::strtol(argv[3], &end, 10) : -1;
  if (argc != 4 || !end || *end || tolerance < 0 || tolerance > 255) {
    std::fprintf(stderr, "usage: frame-compare A.png B.png TOLERANCE (0-255)\n");
    return 2;
  }
  qel::Pixels a, b;
  for (auto [path, pixels] : {std::pair{argv[1], &a}, std::pair{argv[2], &b}}) {
    if (!qel::engine::DecodeImageFile(path, *pixels)) {
      std::fprintf(stderr, "frame-compare: cannot read %s\n", path);
      return 2;
    }
  }
  const qel::engine::FrameDifference d = qel::engine::CompareFrames(a, b, static_cast<int>(tolerance));
  if (!d.same_size) {
    std::printf("frame-compare: sizes differ: %dx%d and %dx%d\n", a.width, a.height, b.width, b.height);
    return 1;
  }
  if (d.pixels_over > 0) {
    std::printf("frame-compare: %lld pixels differ by more than %ld (largest %d, first at %d,%d)\n",
                static_cast<long long>(d.pixels_over), tolerance, d.largest, d.first_x, d.first_y);
    return 1;
  }
  std::printf("frame-compare: same within %ld (largest channel difference %d)\n", tolerance, d.largest);
  return 0;
}
