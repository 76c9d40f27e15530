#include "skin/skindraw.h"

#include <vector>

#include "skin/maskruns.h"
#include "skin/nineslice.h"

void DrawSkinFrame(CDC* pDC, const CRect& rect, CBitmap* pBitmap, int nSide, int nTop, int nBottom) {
  BITMAP bm = {};
  pBitmap->GetBitmap(&bm);
  CDC dcMem;
  dcMem.CreateCompatibleDC(pDC);
  CSelectObject select(dcMem, *pBitmap);
  for (const Slice& slice : NineSlices(rect.Width(), rect.Height(), bm.bmWidth, bm.bmHeight, nSide, nTop, nBottom))
    pDC->StretchBlt(slice.dst.x, slice.dst.y, slice.dst.cx, slice.dst.cy, &dcMem, slice.src.x, slice.src.y,
                    slice.src.cx, slice.src.cy, SRCCOPY);
}

HRGN CreateSkinRegion(CBitmap* pMask) {
  BITMAP bm = {};
  pMask->GetBitmap(&bm);
  const int w = bm.bmWidth;
  const int h = bm.bmHeight;
  // The whole mask in one call, as top-down 32-bit pixels, instead of one GetPixel each.
  std::vector<uint32_t> pixels(static_cast<size_t>(w > 0 ? w : 0) * static_cast<size_t>(h > 0 ? h : 0));
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC hScreen = ::GetDC(nullptr);
  int nLines =
      pixels.empty() ? 0 : ::GetDIBits(hScreen, *pMask, 0, static_cast<UINT>(h), pixels.data(), &info, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, hScreen);
  if (nLines != h)
    return ::CreateRectRgn(0, 0, 0, 0);

  std::vector<MaskRun> runs = MaskRunsFromPixels(pixels.data(), w, h);
  if (runs.empty())
    return ::CreateRectRgn(0, 0, 0, 0);
  // All run rectangles go into one region in one call.
  std::vector<char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
  auto* pData = reinterpret_cast<RGNDATA*>(data.data());
  pData->rdh.dwSize = sizeof(RGNDATAHEADER);
  pData->rdh.iType = RDH_RECTANGLES;
  pData->rdh.nCount = static_cast<DWORD>(runs.size());
  pData->rdh.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
  pData->rdh.rcBound = RECT{0, 0, w, h};
  auto* pRects = reinterpret_cast<RECT*>(pData->Buffer);
  for (size_t i = 0; i < runs.size(); ++i)
    pRects[i] = RECT{runs[i].x0, runs[i].y, runs[i].x1, runs[i].y + 1};
  HRGN hRgn = ::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), pData);
  return hRgn ? hRgn : ::CreateRectRgn(0, 0, 0, 0);
}

void SetSkinRegion(CWnd* pWnd, CBitmap* pMask) {
  HRGN hRgn = CreateSkinRegion(pMask);
  // The window owns the region once the call succeeds.
  if (::SetWindowRgn(pWnd->m_hWnd, hRgn, TRUE) == 0)
    ::DeleteObject(hRgn);
}
