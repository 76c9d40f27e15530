#pragma once
// How a skinned push button looks in a state: outline colour and width, fill, text colour.

#include <cstdint>

struct ButtonLook {
  uint32_t crOutline;
  int nOutlineWidth;
  uint32_t crFill;
  uint32_t crText;
  bool operator==(const ButtonLook& o) const {
    return crOutline == o.crOutline && nOutlineWidth == o.nOutlineWidth && crFill == o.crFill && crText == o.crText;
  }
};

ButtonLook SkinButtonLook(bool bEnabled, bool bFocused, bool bPressed);
