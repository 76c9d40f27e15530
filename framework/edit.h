#pragma once
// An edit control.

#include "framework/wnd.h"

class CEdit : public CWnd {
public:
  void LimitText(int nMaxChars) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(nMaxChars)); }
  void SetSel(int nStart, int nEnd) { SendMessage(EM_SETSEL, static_cast<WPARAM>(nStart), nEnd); }
};
