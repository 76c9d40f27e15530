// Regenerates the skin's artwork: skinart DIR (normally res/).
#include <cstdio>

#include "tools/skinart.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  if (!WriteSkinArt(argv[1])) {
    std::fprintf(stderr, "skinart: cannot write into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
