#include "skin/buttonlook.h"

#include "skin/skincolors.h"

ButtonLook SkinButtonLook(bool bEnabled, bool bFocused, bool bPressed) {
  ButtonLook look;
  look.nOutlineWidth = bFocused ? 3 : 1;
  look.crOutline = bEnabled ? kSkinControlBorder : SkinRgb(20, 120, 166);
  look.crFill = bEnabled ? kSkinButtonFill : SkinRgb(170, 200, 255);
  if (bPressed)
    look.crFill = SkinRgb(60, 130, 190);
  look.crText = bEnabled ? SkinRgb(0, 0, 0) : SkinRgb(100, 100, 100);
  return look;
}
