#include "skin/skinbutton.h"

#include "framework/dc.h"
#include "skin/buttonlook.h"

void CSkinButton::DrawItem(DRAWITEMSTRUCT* pDrawItem) {
  if (pDrawItem == nullptr || pDrawItem->CtlType != ODT_BUTTON)
    return;
  const ButtonLook look = SkinButtonLook(::IsWindowEnabled(m_hWnd) != FALSE, ::GetFocus() == m_hWnd,
                                         (pDrawItem->itemState & ODS_SELECTED) != 0);
  CPen pen(PS_SOLID, look.nOutlineWidth, look.crOutline);
  CBrush brush(look.crFill);
  CDC dc;
  dc.Attach(pDrawItem->hDC);
  {
    CSelectObject selectPen(dc, pen);
    CSelectObject selectBrush(dc, brush);
    COLORREF crOldText = dc.SetTextColor(look.crText);
    CRect rect(pDrawItem->rcItem);
    dc.Rectangle(rect);
    // One centred line, cut at the edges: no wrapping, no ellipsis, no shift when pressed.
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(GetWindowText(), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SetTextColor(crOldText);
  }
  dc.Detach();
}

LRESULT CSkinButton::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
  if (nMsg == WM_KEYDOWN && m_bTabNavigation && wParam == VK_TAB) {
    FocusNextTabStop(m_hWnd);
    return 0;
  }
  return CButton::WindowProc(nMsg, wParam, lParam);
}
