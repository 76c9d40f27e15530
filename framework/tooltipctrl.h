#pragma once
// A tooltip window that shows a text over a tool window.

#include "framework/wnd.h"

#include <commctrl.h>

class CToolTipCtrl : public CWnd {
public:
  bool Create(HWND hWndParent, DWORD dwStyle);
  // Registers the whole of hWndTool as a tool (identified by its handle) with pszText.
  bool AddTool(HWND hWndTool, const char* pszText);
  void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(bActivate)); }
  void RelayEvent(MSG* pMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg)); }
};
