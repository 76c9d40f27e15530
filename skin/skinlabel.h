#pragma once
// A static text whose background is white whatever its parent would give it.

#include "framework/gdi.h"
#include "framework/static.h"

class CSkinLabel : public CStatic {
public:
  CSkinLabel();

protected:
  bool OnChildNotify(UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  CBrush m_brushBack;
};
