#include "framework/tooltipctrl.h"

#include <string>

bool CToolTipCtrl::Create(HWND hWndParent, DWORD dwStyle) {
  RECT rect = {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
  return CreateEx(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | dwStyle, rect, hWndParent, 0);
}

bool CToolTipCtrl::AddTool(HWND hWndTool, const char* pszText) {
  int nChars = ::MultiByteToWideChar(CP_ACP, 0, pszText ? pszText : "", -1, nullptr, 0);
  std::wstring wstrText(static_cast<size_t>(nChars > 0 ? nChars : 1), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, pszText ? pszText : "", -1, wstrText.data(), nChars);
  TOOLINFOW info = {};
  // The size every comctl32 version since 4.70 accepts.
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND;
  info.hwnd = hWndTool;
  info.uId = reinterpret_cast<UINT_PTR>(hWndTool);
  info.lpszText = wstrText.data();
  return SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}
