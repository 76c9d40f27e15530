#pragma once
// The skin's flat push button: a blue rectangle whose outline, fill and text colour follow
// the enabled, pressed and focused states. The window must carry BS_OWNERDRAW (the
// templates give it). With tab navigation on, Tab moves the focus to the parent's next tab
// stop (Shift+Tab too: the host's message loop may not run the dialog manager).

#include "framework/button.h"

class CSkinButton : public CButton {
public:
  CSkinButton() = default;
  void SetTabNavigation(bool bTabNavigation) { m_bTabNavigation = bTabNavigation; }
  void DrawItem(DRAWITEMSTRUCT* pDrawItem) override;

protected:
  LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

  bool m_bTabNavigation = false;
};
