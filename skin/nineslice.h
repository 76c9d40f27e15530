#pragma once
// The nine-slice rule of the skin frame: a bitmap of w x h is drawn over a W x H window
// with its corners copied unscaled, its top and bottom edges stretched sideways, its side
// edges stretched downwards and its centre both ways.

#include <array>

struct SliceRect {
  int x, y, cx, cy;
  bool operator==(const SliceRect& o) const { return x == o.x && y == o.y && cx == o.cx && cy == o.cy; }
};

struct Slice {
  SliceRect dst;  // on the target, whose origin is the window's top-left corner
  SliceRect src;  // in the bitmap
};

// The nine copies, in drawing order: top-left, top, top-right, left, centre, right,
// bottom-left, bottom, bottom-right. s is the side width, t the top and b the bottom height.
std::array<Slice, 9> NineSlices(int nWidth, int nHeight, int nBmpWidth, int nBmpHeight, int s, int t, int b);
