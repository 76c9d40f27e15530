#pragma once
// Device contexts: CDC (a memory DC it owns, or a DC lent to it with Attach), the paint,
// client and window DCs that release themselves, and a guard that puts back the object a
// selection replaced.

#include <windows.h>

#include <string>

#include "framework/gdi.h"

struct MemDcTraits {
  using Type = HDC;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::DeleteDC(h); }
};

class CDC {
public:
  CDC() = default;
  virtual ~CDC() = default;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  operator HDC() const { return m_hDC; }
  HDC GetSafeHdc() const { return m_hDC; }

  // A memory DC compatible with pDC (or the screen), owned by this object.
  bool CreateCompatibleDC(const CDC* pDC);
  // Lends hDC to this object; Detach gives it back untouched.
  void Attach(HDC hDC) { m_hDC = hDC; }
  HDC Detach() {
    HDC hDC = m_hDC;
    m_hDC = nullptr;
    return hDC;
  }

  HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
  BOOL BitBlt(int x, int y, int nWidth, int nHeight, const CDC* pSrc, int xSrc, int ySrc, DWORD dwRop) {
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrc ? pSrc->m_hDC : nullptr, xSrc, ySrc, dwRop);
  }
  BOOL StretchBlt(int x, int y, int nWidth, int nHeight, const CDC* pSrc, int xSrc, int ySrc, int nSrcWidth,
                  int nSrcHeight, DWORD dwRop) {
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrc ? pSrc->m_hDC : nullptr, xSrc, ySrc, nSrcWidth, nSrcHeight,
                        dwRop);
  }
  COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
  int SetBkMode(int nMode) { return ::SetBkMode(m_hDC, nMode); }
  BOOL TextOut(int x, int y, const std::string& strText) {
    return ::TextOutA(m_hDC, x, y, strText.c_str(), static_cast<int>(strText.size()));
  }
  int DrawText(const std::string& strText, RECT* pRect, UINT nFormat) {
    return ::DrawTextA(m_hDC, strText.c_str(), static_cast<int>(strText.size()), pRect, nFormat);
  }
  BOOL Rectangle(const RECT& rect) { return ::Rectangle(m_hDC, rect.left, rect.top, rect.right, rect.bottom); }
  void FillSolidRect(const RECT& rect, COLORREF crColor);
  COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

protected:
  HDC m_hDC = nullptr;

private:
  CUniqueHandle<MemDcTraits> m_hOwnedDC;
};

// BeginPaint and EndPaint around one WM_PAINT.
class CPaintDC : public CDC {
public:
  explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd) { m_hDC = ::BeginPaint(hWnd, &m_ps); }
  ~CPaintDC() override { ::EndPaint(m_hWnd, &m_ps); }

  PAINTSTRUCT m_ps = {};

private:
  HWND m_hWnd;
};

// The client area's DC, released at the end of the scope.
class CClientDC : public CDC {
public:
  explicit CClientDC(HWND hWnd) : m_hWnd(hWnd) { m_hDC = ::GetDC(hWnd); }
  ~CClientDC() override { ::ReleaseDC(m_hWnd, m_hDC); }

private:
  HWND m_hWnd;
};

// The whole window's DC, frame included, released at the end of the scope.
class CWindowDC : public CDC {
public:
  explicit CWindowDC(HWND hWnd) : m_hWnd(hWnd) { m_hDC = ::GetWindowDC(hWnd); }
  ~CWindowDC() override { ::ReleaseDC(m_hWnd, m_hDC); }

private:
  HWND m_hWnd;
};

// Selects an object into a DC for the scope and puts the previous one back.
class CSelectObject {
public:
  CSelectObject(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(::SelectObject(hDC, hObject)) {}
  ~CSelectObject() { ::SelectObject(m_hDC, m_hOld); }
  CSelectObject(const CSelectObject&) = delete;
  CSelectObject& operator=(const CSelectObject&) = delete;

private:
  HDC m_hDC;
  HGDIOBJ m_hOld;
};
