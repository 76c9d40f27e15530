#pragma once
// A static control.

#include "framework/wnd.h"

class CStatic : public CWnd {
public:
  bool Create(const char* pszText, DWORD dwStyle, const RECT& rect, HWND hWndParent, UINT nID) {
    return CreateEx(0, L"STATIC", pszText, dwStyle, rect, hWndParent, nID);
  }
};
