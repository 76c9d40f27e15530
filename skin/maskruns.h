#pragma once
// The window shape from a mask: every row is scanned left to right and each run of
// pixels that are not the key colour (white) becomes one rectangle of one row.

#include <cstddef>
#include <cstdint>
#include <vector>

struct MaskRun {
  int x0, x1, y;  // [x0, x1) on row y
  bool operator==(const MaskRun& o) const { return x0 == o.x0 && x1 == o.x1 && y == o.y; }
};

// The runs of a w x h mask; bInside(x, y) tells whether a pixel belongs to the window.
template <typename Inside>
std::vector<MaskRun> ScanMaskRuns(int w, int h, Inside&& bInside) {
  std::vector<MaskRun> runs;
  for (int y = 0; y < h; ++y) {
    int x = 0;
    while (x < w) {
      while (x < w && !bInside(x, y))
        ++x;
      if (x >= w)
        break;
      int x0 = x;
      while (x < w && bInside(x, y))
        ++x;
      runs.push_back({x0, x, y});
    }
  }
  return runs;
}

// The runs of a top-down mask of 32-bit pixels (0x00RRGGBB, the top byte ignored); a
// pixel is inside unless it is white.
std::vector<MaskRun> MaskRunsFromPixels(const uint32_t* pPixels, int w, int h);
