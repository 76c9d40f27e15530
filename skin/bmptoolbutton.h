#pragma once
// A bitmap button with a tooltip (the skinned frame's close button). The tooltip shows
// also while the dialog is inactive.

#include <memory>

#include "framework/bitmapbutton.h"
#include "framework/tooltipctrl.h"

class CBmpToolButton : public CBitmapButton {
public:
  CBmpToolButton() = default;
  ~CBmpToolButton() override;

  // Gives the existing button window its tooltip; once per window.
  void SetToolTipText(const char* pszText);
  CToolTipCtrl* GetToolTip() const { return m_pToolTip.get(); }

protected:
  LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

  std::unique_ptr<CToolTipCtrl> m_pToolTip;
};
