#include "framework/dc.h"

bool CDC::CreateCompatibleDC(const CDC* pDC) {
  m_hOwnedDC.Reset(::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr));
  m_hDC = m_hOwnedDC.Get();
  return m_hDC != nullptr;
}

void CDC::FillSolidRect(const RECT& rect, COLORREF crColor) {
  COLORREF crOld = ::SetBkColor(m_hDC, crColor);
  ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  ::SetBkColor(m_hDC, crOld);
}
