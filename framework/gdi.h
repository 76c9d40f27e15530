#pragma once
// Points, rectangles and the GDI object owners (bitmap, brush, pen, region). Each owner
// holds its handle in one CUniqueHandle and deletes it when it goes.

#include <windows.h>

#include "framework/handle.h"
#include "framework/module.h"

struct CPoint : POINT {
  CPoint() : POINT{0, 0} {}
  CPoint(int nX, int nY) : POINT{nX, nY} {}
};

struct CRect : RECT {
  CRect() : RECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  CRect(const RECT& rect) : RECT(rect) {}  // NOLINT: a RECT is a CRect
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CPoint TopLeft() const { return CPoint(left, top); }
  // Moves the rectangle so that its top-left corner is (nX, nY), keeping its size.
  void MoveToXY(int nX, int nY) { ::OffsetRect(this, nX - left, nY - top); }
};

template <typename T>
struct GdiObjectTraits {
  using Type = T;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::DeleteObject(h); }
};

// An owned GDI object of handle type T.
template <typename T>
class CGdiObject {
public:
  T GetSafeHandle() const { return m_h.Get(); }
  operator T() const { return m_h.Get(); }
  void DeleteObject() { m_h.Reset(); }
  void Attach(T h) { m_h.Reset(h); }
  T Detach() { return m_h.Release(); }

protected:
  CUniqueHandle<GdiObjectTraits<T>> m_h;
};

class CBitmap : public CGdiObject<HBITMAP> {
public:
  // Loads bitmap nId of this module (as a device-dependent bitmap).
  bool LoadBitmap(UINT nId) {
    m_h.Reset(::LoadBitmapW(ModuleInstance(), MAKEINTRESOURCEW(nId)));
    return static_cast<bool>(m_h);
  }
  bool CreateCompatibleBitmap(HDC hDC, int nWidth, int nHeight) {
    m_h.Reset(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
    return static_cast<bool>(m_h);
  }
  int GetBitmap(BITMAP* pBitmap) const { return ::GetObjectW(m_h.Get(), sizeof(BITMAP), pBitmap); }
};

class CBrush : public CGdiObject<HBRUSH> {
public:
  CBrush() = default;
  explicit CBrush(COLORREF crColor) { m_h.Reset(::CreateSolidBrush(crColor)); }
};

class CPen : public CGdiObject<HPEN> {
public:
  CPen() = default;
  CPen(int nStyle, int nWidth, COLORREF crColor) { m_h.Reset(::CreatePen(nStyle, nWidth, crColor)); }
};

class CRgn : public CGdiObject<HRGN> {
public:
  bool CreateRectRgn(int x1, int y1, int x2, int y2) {
    m_h.Reset(::CreateRectRgn(x1, y1, x2, y2));
    return static_cast<bool>(m_h);
  }
  int CombineRgn(HRGN hSrc1, HRGN hSrc2, int nMode) { return ::CombineRgn(m_h.Get(), hSrc1, hSrc2, nMode); }
};
