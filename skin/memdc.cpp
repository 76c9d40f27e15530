#include "skin/memdc.h"

CMemDC::CMemDC(CDC* pDC, const CRect& rect) : m_pBitmap(std::make_unique<CBitmap>()), m_pDC(pDC), m_rect(rect) {
  CreateCompatibleDC(pDC);
  m_pBitmap->CreateCompatibleBitmap(*pDC, rect.Width(), rect.Height());
  m_hOldBitmap = SelectObject(*m_pBitmap);
}

CMemDC::~CMemDC() {
  m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top, SRCCOPY);
  SelectObject(m_hOldBitmap);
  // The bitmap goes with m_pBitmap, the memory DC with the CDC part.
}
