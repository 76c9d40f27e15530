#pragma once
// The skinned dialog's title band: a press on the dialog's own surface in client rows 0 to
// 40 (one row more than the frame's 40-row top slice) starts moving the window.

constexpr int kSkinDragZoneBottom = 40;

inline bool IsInDragZone(int nClientY) {
  return nClientY <= kSkinDragZoneBottom;
}
