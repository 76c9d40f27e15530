#pragma once
// The base of every dialog of the product: the system's frame is replaced by a painted
// orange one (title band with phone icon, title and close button, white well, cut corners)
// that follows activation, and the window is dragged by its title band.
//
// Derived dialogs: templates are WS_POPUP without caption or border; control id 1001 and
// the area (W-27, 5)-(W-7, 25) stay free for the close button; OnInitDialog calls
// CSkinDialog::OnInitDialog first; messages they do not handle go to CSkinDialog.

#include <string>

#include "framework/dialog.h"
#include "framework/gdi.h"
#include "skin/bmptoolbutton.h"
#include "skin/skinable.h"

class CSkinDialog : public CDialog, public CSkinable {
public:
  CSkinDialog(UINT nIDTemplate, const char* pszTitle, CWnd* pParentWnd);
  ~CSkinDialog() override;

  BOOL OnInitDialog() override;

protected:
  LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
  bool OnChildNotify(UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  int OnCreate();
  void OnPaint();
  void OnLButtonDown(CPoint point);
  void OnLButtonUp();
  void OnMouseMove();
  void OnActivate(UINT nState);
  void OnCloseButton() { EndDialog(IDCANCEL); }

  std::string m_strTitle;
  CPoint m_ptLastCursor;
  bool m_bDragging = false;
  CBmpToolButton m_btnClose;
  CBrush m_brushBack;
};
