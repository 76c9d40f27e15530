#include "skin/bmptoolbutton.h"

CBmpToolButton::~CBmpToolButton() {
  m_pToolTip.reset();
}

void CBmpToolButton::SetToolTipText(const char* pszText) {
  if (m_hWnd == nullptr || m_bWantToolTip)
    return;
  m_strToolTip = pszText ? pszText : "";
  m_bWantToolTip = true;
}

LRESULT CBmpToolButton::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
  if (nMsg == WM_MOUSEMOVE && m_bWantToolTip) {
    if (!m_pToolTip) {
      m_pToolTip = std::make_unique<CToolTipCtrl>();
      // The control hides itself on creation, so WS_VISIBLE would only cost a show and a hide.
      m_pToolTip->Create(m_hWnd, TTS_ALWAYSTIP);
      m_pToolTip->AddTool(m_hWnd, m_strToolTip.c_str());
    }
    // The tooltip learns of the hover from the moves relayed to it.
    MSG msg = *GetCurrentMessage();
    m_pToolTip->Activate(TRUE);
    m_pToolTip->RelayEvent(&msg);
  }
  return CBitmapButton::WindowProc(nMsg, wParam, lParam);
}
