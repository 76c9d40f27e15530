#pragma once
// The two drawing operations of the skin that keep no state.

#include "framework/dc.h"
#include "framework/wnd.h"

// Paints pBitmap over a W x H area at the target's origin by the nine-slice rule (only the
// size of rect is used, so a window rectangle in screen coordinates serves). nSide,
// nTop and nBottom are the unscaled strips. The bitmap must not be selected elsewhere.
void DrawSkinFrame(CDC* pDC, const CRect& rect, CBitmap* pBitmap, int nSide, int nTop, int nBottom);

// The region of the mask's pixels that are not white, one rectangle per run of a row. The
// mask must not be selected into a device context. The caller owns the region.
HRGN CreateSkinRegion(CBitmap* pMask);

// Gives pWnd the shape of the mask (the window owns the region from then on) and redraws it.
void SetSkinRegion(CWnd* pWnd, CBitmap* pMask);
