#include "skin/bmptoolbutton.h"

CBmpToolButton::~CBmpToolButton() {
  m_pToolTip.reset();
}

void CBmpToolButton::SetToolTipText(const char* pszText) {
  if (m_hWnd == nullptr || m_pToolTip)
    return;
  m_pToolTip = std::make_unique<CToolTipCtrl>();
  m_pToolTip->Create(m_hWnd, WS_VISIBLE | TTS_ALWAYSTIP);
  m_pToolTip->AddTool(m_hWnd, pszText);
  m_pToolTip->Activate(TRUE);
}

LRESULT CBmpToolButton::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
  if (nMsg == WM_MOUSEMOVE && m_pToolTip && m_pToolTip->m_hWnd != nullptr) {
    // The tooltip learns of the hover from the moves relayed to it.
    MSG msg = *GetCurrentMessage();
    m_pToolTip->Activate(TRUE);
    m_pToolTip->RelayEvent(&msg);
  }
  return CBitmapButton::WindowProc(nMsg, wParam, lParam);
}
