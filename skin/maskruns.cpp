#include "skin/maskruns.h"

std::vector<MaskRun> MaskRunsFromPixels(const uint32_t* pPixels, int w, int h) {
  return ScanMaskRuns(w, h, [&](int x, int y) {
    return (pPixels[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] & 0xFFFFFFu) != 0xFFFFFFu;
  });
}
