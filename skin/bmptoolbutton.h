#pragma once
// A bitmap button with a tooltip (the skinned frame's close button). The tooltip shows
// also while the dialog is inactive.

#include <memory>
#include <string>

#include "framework/bitmapbutton.h"
#include "framework/tooltipctrl.h"

class CBmpToolButton : public CBitmapButton {
public:
  CBmpToolButton() = default;
  ~CBmpToolButton() override;

  // Gives the existing button window its tooltip text; once per window. The tooltip
  // window itself is made when the mouse first moves over the button: a tip can show only
  // then, and a dialog that is never hovered does not pay for a top-level window.
  void SetToolTipText(const char* pszText);
  // The tooltip, once the mouse has moved over the button; null before.
  CToolTipCtrl* GetToolTip() const { return m_pToolTip.get(); }

protected:
  LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

  std::unique_ptr<CToolTipCtrl> m_pToolTip;
  std::string m_strToolTip;
  bool m_bWantToolTip = false;
};
