#include "framework/dialog.h"

#include "framework/module.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

// Every message reaches the object through the window procedure first; the dialog
// procedure only completes the system's default dialog processing.
INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}

INT_PTR CDialog::DoModal() {
  if (m_hWnd != nullptr)
    return -1;
  HookWindowCreate(this);
  m_bOwnsWindow = true;
  INT_PTR nResult = ::DialogBoxParamW(ModuleInstance(), MAKEINTRESOURCEW(m_nIDTemplate),
                                      m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr, &CDialog::DialogProc, 0);
  UnhookWindowCreate();
  return nResult;
}

bool CDialog::Create() {
  if (m_hWnd != nullptr)
    return false;
  HookWindowCreate(this);
  HWND hWnd = ::CreateDialogParamW(ModuleInstance(), MAKEINTRESOURCEW(m_nIDTemplate),
                                   m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr, &CDialog::DialogProc, 0);
  UnhookWindowCreate();
  if (hWnd == nullptr)
    return false;
  m_bOwnsWindow = true;
  return true;
}

BOOL CDialog::OnInitDialog() {
  DoDataExchange();
  return TRUE;
}

LRESULT CDialog::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
  switch (nMsg) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND: {
      // A control's own object sees its notification first.
      LRESULT lResult = 0;
      if (ReflectToChild(nMsg, wParam, lParam, &lResult))
        return lResult;
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDOK) {
        OnOK();
        return 0;
      }
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDCANCEL) {
        OnCancel();
        return 0;
      }
      break;
    }
  }
  return CWnd::WindowProc(nMsg, wParam, lParam);
}
