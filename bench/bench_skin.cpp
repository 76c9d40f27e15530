// The skin's costs: the window region read from the mask one GetPixel at a time against
// one GetDIBits read (the region must be identical), and creating a skinned dialog of the
// compose window's size against a plain dialog of the same template.
#include <gtest/gtest.h>

#include "bench/benchutil.h"
#include "framework/dc.h"
#include "res/resource.h"
#include "skin/skindraw.h"
#include "tests/skin/skintestdlg.h"

namespace {

// The region as first designed: every pixel read with GetPixel, one region combined per run.
HRGN RegionPerPixel(CBitmap* pMask) {
  CClientDC dcScreen(nullptr);
  CDC dcMem;
  dcMem.CreateCompatibleDC(&dcScreen);
  CSelectObject select(dcMem, *pMask);
  BITMAP bm = {};
  pMask->GetBitmap(&bm);
  CRgn total;
  total.CreateRectRgn(0, 0, 0, 0);
  const COLORREF crKey = RGB(255, 255, 255);
  for (int y = 0; y < bm.bmHeight; ++y) {
    int x = 0;
    while (x < bm.bmWidth) {
      while (x < bm.bmWidth && dcMem.GetPixel(x, y) == crKey)
        ++x;
      if (x >= bm.bmWidth)
        break;
      int x0 = x;
      while (x < bm.bmWidth && dcMem.GetPixel(x, y) != crKey)
        ++x;
      CRgn run;
      run.CreateRectRgn(x0, y, x, y + 1);
      total.CombineRgn(total, run, RGN_OR);
    }
  }
  return total.Detach();
}

// The compose window's size, in pixels, from the template.
SIZE TemplateSize() {
  CDialog dlg(IDD_SKINTEST, nullptr);
  dlg.Create();
  CRect rect = dlg.GetWindowRect();
  return SIZE{rect.Width(), rect.Height()};
}

}  // namespace

TEST(Bench, SkinRegionPerPixelAgainstOneRead) {
  const SIZE size = TemplateSize();
  CBitmap mask, shape;
  ASSERT_TRUE(mask.LoadBitmap(IDB_FRAME_MASK));
  {
    CClientDC dcScreen(nullptr);
    shape.CreateCompatibleBitmap(dcScreen, size.cx, size.cy);
    CDC dcMem;
    dcMem.CreateCompatibleDC(&dcScreen);
    CSelectObject select(dcMem, shape);
    DrawSkinFrame(&dcMem, CRect(0, 0, size.cx, size.cy), &mask, 6, 40, 10);
  }
  HRGN hSlow = RegionPerPixel(&shape);
  HRGN hFast = CreateSkinRegion(&shape);
  ASSERT_TRUE(::EqualRgn(hSlow, hFast));
  ::DeleteObject(hSlow);
  ::DeleteObject(hFast);

  const int kRuns = 15;
  double dSlow = MedianMicros(kRuns, [&] { ::DeleteObject(RegionPerPixel(&shape)); });
  double dFast = MedianMicros(kRuns, [&] { ::DeleteObject(CreateSkinRegion(&shape)); });
  std::printf("mask %ldx%ld\n", size.cx, size.cy);
  PrintRatio("region, GetPixel per pixel (median)", dSlow, "region, one GetDIBits (median)", dFast);
}

TEST(Bench, SkinnedDialogAgainstPlainDialog) {
  auto open = [](CDialog& dlg) {
    dlg.Create();
    ::ShowWindow(dlg.m_hWnd, SW_SHOWNA);
    ::UpdateWindow(dlg.m_hWnd);
    PumpMessages();
    dlg.DestroyWindow();
  };
  const int kRuns = 30;
  double dSkinned = MedianMicros(kRuns, [&] {
    CTestSkinDlg dlg;
    open(dlg);
  });
  double dPlain = MedianMicros(kRuns, [&] {
    CDialog dlg(IDD_SKINTEST, nullptr);
    open(dlg);
  });
  PrintRatio("skinned dialog: create, show, paint (median)", dSkinned, "plain dialog, same template (median)", dPlain);
}
