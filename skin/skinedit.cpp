#include "skin/skinedit.h"

#include "framework/dc.h"
#include "skin/skincolors.h"

LRESULT CSkinEdit::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
  switch (nMsg) {
    case WM_NCPAINT:
      OnNcPaint();
      return 0;
    case WM_KEYDOWN:
      if (m_bTabNavigation && wParam == VK_TAB) {
        FocusNextTabStop(m_hWnd);
        return 0;
      }
      break;
    case WM_CHAR:
      if (m_bTabNavigation && wParam == '\t')
        return 0;
      break;
  }
  return CEdit::WindowProc(nMsg, wParam, lParam);
}

void CSkinEdit::OnNcPaint() {
  CWindowDC dc(m_hWnd);
  CRect rect = GetWindowRect();
  rect.MoveToXY(0, 0);
  CPen pen(PS_SOLID, 1, kSkinControlBorder);
  // The DC's default brush (white) fills the inside; the outline is the outermost ring.
  CSelectObject select(dc, pen);
  dc.Rectangle(rect);
}
