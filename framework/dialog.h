#pragma once
// A dialog from a template in the module's resources, modal or modeless. The dialog's
// window is bound to the object from its first message, so WM_CREATE reaches it before
// WM_INITDIALOG; IDOK and IDCANCEL commands go to OnOK and OnCancel.

#include "framework/wnd.h"

class CDialog : public CWnd {
public:
  CDialog(UINT nIDTemplate, CWnd* pParentWnd);

  // Runs the dialog in its own modal loop; returns the EndDialog value, or -1 when the
  // window could not be created.
  INT_PTR DoModal();
  // Creates the dialog modeless (hidden unless the template says WS_VISIBLE).
  bool Create();
  bool Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    return Create();
  }
  // Ends a modal dialog's loop with nResult; a modeless dialog is only hidden.
  void EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

  // Binds the controls (the data exchange of the dialog); called by OnInitDialog.
  virtual void DoDataExchange() {}
  // True puts the focus on the first tab stop.
  virtual BOOL OnInitDialog();
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }

  UINT GetTemplateId() const { return m_nIDTemplate; }

protected:
  LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
  static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;
};
