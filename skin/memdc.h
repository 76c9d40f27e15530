#pragma once
// An off-screen device context: whatever is drawn into it reaches the target in one copy
// when the object is destroyed, and not before. The rectangle starts at (0,0) (a client
// rectangle): the off-screen bitmap has its size and no origin is set.

#include <memory>

#include "framework/dc.h"

class CMemDC : public CDC {
public:
  CMemDC(CDC* pDC, const CRect& rect);
  ~CMemDC() override;

private:
  std::unique_ptr<CBitmap> m_pBitmap;
  HGDIOBJ m_hOldBitmap = nullptr;
  CDC* m_pDC;
  CRect m_rect;
};
