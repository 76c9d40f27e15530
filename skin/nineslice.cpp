#include "skin/nineslice.h"

std::array<Slice, 9> NineSlices(int W, int H, int w, int h, int s, int t, int b) {
  return {{
      {{0, 0, s, t}, {0, 0, s, t}},
      {{s, 0, W - 2 * s, t}, {s, 0, w - 2 * s, t}},
      {{W - s, 0, s, t}, {w - s, 0, s, t}},
      {{0, t, s, H - t - b}, {0, t, s, h - t - b}},
      {{s, t, W - 2 * s, H - t - b}, {s, t, w - 2 * s, h - t - b}},
      {{W - s, t, s, H - t - b}, {w - s, t, s, h - t - b}},
      {{0, H - b, s, b}, {0, h - b, s, b}},
      {{s, H - b, W - 2 * s, b}, {s, h - b, w - 2 * s, b}},
      {{W - s, H - b, s, b}, {w - s, h - b, s, b}},
  }};
}
