#include "framework/bitmapbutton.h"

#include "framework/dc.h"

bool CBitmapButton::LoadBitmaps(UINT nIdNormal, UINT nIdSelected, UINT nIdFocus, UINT nIdDisabled) {
  m_bitmap.DeleteObject();
  m_bitmapSel.DeleteObject();
  m_bitmapFocus.DeleteObject();
  m_bitmapDisabled.DeleteObject();
  bool bLoaded = m_bitmap.LoadBitmap(nIdNormal);
  if (nIdSelected != 0)
    bLoaded = m_bitmapSel.LoadBitmap(nIdSelected) && bLoaded;
  if (nIdFocus != 0)
    bLoaded = m_bitmapFocus.LoadBitmap(nIdFocus) && bLoaded;
  if (nIdDisabled != 0)
    bLoaded = m_bitmapDisabled.LoadBitmap(nIdDisabled) && bLoaded;
  return bLoaded;
}

void CBitmapButton::DrawItem(DRAWITEMSTRUCT* pDrawItem) {
  if (pDrawItem == nullptr)
    return;
  HBITMAP hBitmap = m_bitmap;
  if ((pDrawItem->itemState & ODS_SELECTED) && m_bitmapSel.GetSafeHandle())
    hBitmap = m_bitmapSel;
  else if ((pDrawItem->itemState & ODS_FOCUS) && m_bitmapFocus.GetSafeHandle())
    hBitmap = m_bitmapFocus;
  else if ((pDrawItem->itemState & ODS_DISABLED) && m_bitmapDisabled.GetSafeHandle())
    hBitmap = m_bitmapDisabled;
  if (hBitmap == nullptr)
    return;
  CDC dc;
  dc.Attach(pDrawItem->hDC);
  CDC dcMem;
  dcMem.CreateCompatibleDC(&dc);
  {
    CSelectObject select(dcMem, hBitmap);
    const RECT& rect = pDrawItem->rcItem;
    dc.BitBlt(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, &dcMem, 0, 0, SRCCOPY);
  }
  dc.Detach();
}
