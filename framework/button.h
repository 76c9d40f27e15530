#pragma once
// A push button. An owner-drawn one (BS_OWNERDRAW) paints itself in DrawItem, which the
// parent's WM_DRAWITEM reaches by reflection.

#include "framework/wnd.h"

class CButton : public CWnd {
public:
  bool Create(const char* pszText, DWORD dwStyle, const RECT& rect, HWND hWndParent, UINT nID) {
    return CreateEx(0, L"BUTTON", pszText, dwStyle, rect, hWndParent, nID);
  }
  virtual void DrawItem(DRAWITEMSTRUCT* /*pDrawItem*/) {}

protected:
  bool OnChildNotify(UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (nMsg == WM_DRAWITEM) {
      DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
      *pResult = TRUE;
      return true;
    }
    return CWnd::OnChildNotify(nMsg, wParam, lParam, pResult);
  }
};
