#pragma once
// The skin's colours, as 0x00BBGGRR values (the layout of a Windows COLORREF).

#include <cstdint>

constexpr uint32_t SkinRgb(int r, int g, int b) {
  return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) | (static_cast<uint32_t>(b) << 16);
}

constexpr uint32_t kSkinBorderActive = SkinRgb(220, 118, 0);
constexpr uint32_t kSkinFillActive = SkinRgb(253, 158, 49);
constexpr uint32_t kSkinBorderInactive = SkinRgb(230, 159, 76);
constexpr uint32_t kSkinFillInactive = SkinRgb(254, 187, 110);
constexpr uint32_t kSkinWhite = SkinRgb(255, 255, 255);
constexpr uint32_t kSkinControlBorder = SkinRgb(4, 105, 166);
constexpr uint32_t kSkinButtonFill = SkinRgb(142, 174, 203);
