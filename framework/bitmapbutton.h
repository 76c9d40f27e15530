#pragma once
// An owner-drawn button that shows a bitmap from the module's resources: the pressed,
// focused or disabled image when the state asks for it and one is loaded, else the normal
// one, copied unscaled from its top-left corner.

#include "framework/button.h"
#include "framework/gdi.h"

class CBitmapButton : public CButton {
public:
  // Replaces the images; an id of 0 leaves that image out.
  bool LoadBitmaps(UINT nIdNormal, UINT nIdSelected = 0, UINT nIdFocus = 0, UINT nIdDisabled = 0);
  void DrawItem(DRAWITEMSTRUCT* pDrawItem) override;

private:
  CBitmap m_bitmap;
  CBitmap m_bitmapSel;
  CBitmap m_bitmapFocus;
  CBitmap m_bitmapDisabled;
};
