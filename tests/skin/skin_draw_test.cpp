// The skin's drawing operations, drawn into memory DCs and read back pixel by pixel.
#include <gtest/gtest.h>

#include <vector>

#include "res/resource.h"
#include "skin/memdc.h"
#include "skin/skincolors.h"
#include "skin/skindraw.h"
#include "tests/skin/skintestdlg.h"

namespace {

// A W x H bitmap compatible with the screen, with a memory DC selected on it.
struct Canvas {
  CDC dc;
  CBitmap bitmap;
  HGDIOBJ hOld = nullptr;
  Canvas(int nWidth, int nHeight) {
    CClientDC dcScreen(nullptr);
    bitmap.CreateCompatibleBitmap(dcScreen, nWidth, nHeight);
    dc.CreateCompatibleDC(&dcScreen);
    hOld = dc.SelectObject(bitmap);
  }
  ~Canvas() { dc.SelectObject(hOld); }
  // The pixels as drawn so far (the bitmap is taken out of the DC to read it).
  std::vector<uint32_t> Pixels() {
    dc.SelectObject(hOld);
    std::vector<uint32_t> pixels = ReadBitmapPixels(bitmap);
    dc.SelectObject(bitmap);
    return pixels;
  }
};

uint32_t Rgbx(COLORREF cr) {
  return (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
}

// The block (x, y, cx, cy) of a w-wide top-down picture.
std::vector<uint32_t> Block(const std::vector<uint32_t>& pixels, int w, int x, int y, int cx, int cy) {
  std::vector<uint32_t> block;
  for (int j = y; j < y + cy; ++j)
    for (int i = x; i < x + cx; ++i)
      block.push_back(pixels[static_cast<size_t>(j) * static_cast<size_t>(w) + static_cast<size_t>(i)]);
  return block;
}

}  // namespace

TEST(DrawSkinFrame, ReproducesTheBitmapAtItsOwnSize) {
  CBitmap frame;
  ASSERT_TRUE(frame.LoadBitmap(IDB_FRAME_ACTIVE));
  int w = 0, h = 0;
  std::vector<uint32_t> source = ReadBitmapPixels(frame, &w, &h);
  ASSERT_EQ(w, 320);
  ASSERT_EQ(h, 54);
  Canvas canvas(w, h);
  DrawSkinFrame(&canvas.dc, CRect(0, 0, w, h), &frame, 6, 40, 10);
  EXPECT_TRUE(canvas.Pixels() == source);
}

TEST(DrawSkinFrame, KeepsCornersUnscaledOnLargerWindowsWhereverTheRectangleLies) {
  CBitmap frame;
  ASSERT_TRUE(frame.LoadBitmap(IDB_FRAME_INACTIVE));
  int w = 0, h = 0;
  std::vector<uint32_t> source = ReadBitmapPixels(frame, &w, &h);
  const int s = 6, t = 40, b = 10;
  // A client rectangle, and a window rectangle in screen coordinates: both land at (0,0).
  for (CRect rect : {CRect(0, 0, 401, 377), CRect(150, 90, 551, 467)}) {
    const int W = rect.Width(), H = rect.Height();
    Canvas canvas(W, H);
    canvas.dc.FillSolidRect(CRect(0, 0, W, H), RGB(1, 2, 3));
    DrawSkinFrame(&canvas.dc, rect, &frame, s, t, b);
    std::vector<uint32_t> drawn = canvas.Pixels();
    EXPECT_TRUE(Block(drawn, W, 0, 0, s, t) == Block(source, w, 0, 0, s, t));
    EXPECT_TRUE(Block(drawn, W, W - s, 0, s, t) == Block(source, w, w - s, 0, s, t));
    EXPECT_TRUE(Block(drawn, W, 0, H - b, s, b) == Block(source, w, 0, h - b, s, b));
    EXPECT_TRUE(Block(drawn, W, W - s, H - b, s, b) == Block(source, w, w - s, h - b, s, b));
    // The stretched strips: title band, white well, bottom rows, all the way across.
    auto at = [&](int x, int y) {
      return drawn[static_cast<size_t>(y) * static_cast<size_t>(W) + static_cast<size_t>(x)];
    };
    EXPECT_EQ(at(W / 2, 15), Rgbx(kSkinFillInactive));
    EXPECT_EQ(at(W / 2, 30), Rgbx(kSkinBorderInactive));
    EXPECT_EQ(at(W / 2, H / 2), 0xFFFFFFu);
    EXPECT_EQ(at(W - 5, H / 2), 0xFFFFFFu);
    EXPECT_EQ(at(W / 2, H - 5), 0xFFFFFFu);
    EXPECT_EQ(at(W / 2, H - 4), Rgbx(kSkinBorderInactive));
    EXPECT_EQ(at(W / 2, H - 1), Rgbx(kSkinBorderInactive));
  }
}

namespace {

struct RegionCase {
  const char* pszName;
  int w, h;
  std::vector<const char*> rows;  // '#' inside, '.' white key
};

// The mask's pixels drawn into a bitmap, and the region its rows describe.
HBITMAP MakeMask(const RegionCase& c) {
  Canvas canvas(c.w, c.h);
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x)
      ::SetPixel(canvas.dc, x, y, c.rows[static_cast<size_t>(y)][x] == '#' ? RGB(0, 0, 0) : RGB(255, 255, 255));
  canvas.dc.SelectObject(canvas.hOld);
  return canvas.bitmap.Detach();
}

}  // namespace

TEST(SetSkinRegion, MakesOneRectanglePerRunOfNonWhitePixels) {
  const std::vector<RegionCase> cases = {
      {"all white", 4, 2, {"....", "...."}},
      {"no white", 4, 2, {"####", "####"}},
      {"run to the right edge", 5, 1, {"..###"}},
      {"several runs and a white row", 7, 3, {"#.##..#", ".......", ".#.###."}},
  };
  for (const RegionCase& c : cases) {
    SCOPED_TRACE(c.pszName);
    CBitmap mask;
    mask.Attach(MakeMask(c));
    HRGN hRgn = CreateSkinRegion(&mask);
    HRGN hExpected = ::CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < c.h; ++y)
      for (int x = 0; x < c.w; ++x)
        if (c.rows[static_cast<size_t>(y)][x] == '#') {
          HRGN hPixel = ::CreateRectRgn(x, y, x + 1, y + 1);
          ::CombineRgn(hExpected, hExpected, hPixel, RGN_OR);
          ::DeleteObject(hPixel);
        }
    EXPECT_TRUE(::EqualRgn(hRgn, hExpected));
    RECT box;
    EXPECT_LE(::GetRgnBox(hRgn, &box) == NULLREGION ? 0 : box.right, c.w);
    ::DeleteObject(hRgn);
    ::DeleteObject(hExpected);
  }
}

TEST(SetSkinRegion, CutsTheDialogStaircaseAtEverySize) {
  CBitmap mask;
  ASSERT_TRUE(mask.LoadBitmap(IDB_FRAME_MASK));
  for (SIZE size : {SIZE{320, 54}, SIZE{368, 380}}) {
    Canvas canvas(size.cx, size.cy);
    DrawSkinFrame(&canvas.dc, CRect(0, 0, size.cx, size.cy), &mask, 6, 40, 10);
    canvas.dc.SelectObject(canvas.hOld);
    HRGN hRgn = CreateSkinRegion(&canvas.bitmap);
    canvas.dc.SelectObject(canvas.bitmap);
    HRGN hExpected = StaircaseRegion(size.cx, size.cy);
    EXPECT_TRUE(::EqualRgn(hRgn, hExpected)) << size.cx << "x" << size.cy;
    ::DeleteObject(hRgn);
    ::DeleteObject(hExpected);
  }
}

TEST(CMemDC, ShowsNothingOnTheTargetUntilDestroyed) {
  Canvas target(40, 30);
  target.dc.FillSolidRect(CRect(0, 0, 40, 30), RGB(255, 0, 0));
  {
    CMemDC dcMem(&target.dc, CRect(0, 0, 40, 30));
    dcMem.FillSolidRect(CRect(0, 0, 40, 30), RGB(0, 0, 255));
    dcMem.FillSolidRect(CRect(10, 10, 20, 20), RGB(0, 255, 0));
    EXPECT_EQ(target.dc.GetPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(target.dc.GetPixel(15, 15), RGB(255, 0, 0));
  }
  EXPECT_EQ(target.dc.GetPixel(0, 0), RGB(0, 0, 255));
  EXPECT_EQ(target.dc.GetPixel(39, 29), RGB(0, 0, 255));
  EXPECT_EQ(target.dc.GetPixel(15, 15), RGB(0, 255, 0));
}
