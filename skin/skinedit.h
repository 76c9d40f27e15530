#pragma once
// An edit box framed by a one-pixel line of the skin's border blue. With tab navigation
// on, Tab moves the focus to the parent's next tab stop (also on Shift+Tab) and no tab
// character reaches the control, not even a multi-line one.

#include "framework/edit.h"

class CSkinEdit : public CEdit {
public:
  CSkinEdit() = default;
  void SetTabNavigation(bool bTabNavigation) { m_bTabNavigation = bTabNavigation; }

protected:
  LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
  void OnNcPaint();

  bool m_bTabNavigation = false;
};
