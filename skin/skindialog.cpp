#include "skin/skindialog.h"

#include <windowsx.h>

#include "framework/dc.h"
#include "framework/module.h"
#include "res/resource.h"
#include "skin/dragzone.h"
#include "skin/skincolors.h"
#include "skin/skindraw.h"

namespace {
// The frame's unscaled strips: side width, top and bottom height.
constexpr int kSide = 6;
constexpr int kTop = 40;
constexpr int kBottom = 10;
}  // namespace

CSkinDialog::CSkinDialog(UINT nIDTemplate, const char* pszTitle, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_strTitle(pszTitle ? pszTitle : ""), m_brushBack(kSkinWhite) {}

CSkinDialog::~CSkinDialog() {
  m_brushBack.DeleteObject();
  m_btnClose.DestroyWindow();
}

LRESULT CSkinDialog::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
  switch (nMsg) {
    case WM_CREATE:
      if (Default() == -1)
        return -1;
      return OnCreate();
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
      return Default();
    case WM_LBUTTONUP:
      OnLButtonUp();
      return Default();
    case WM_MOUSEMOVE:
      OnMouseMove();
      return Default();
    case WM_CAPTURECHANGED:
      // Losing the capture (a task switch, another window taking the mouse) ends a drag;
      // otherwise the window would keep following the mouse.
      m_bDragging = false;
      return Default();
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam));
      // The dialog's own processing still runs: it keeps the focused control on
      // deactivation and gives it the focus back on reactivation, so keys typed after a
      // switch back reach the control the user left instead of going nowhere.
      return Default();
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_SKIN_CLOSE && lParam != 0) {
        OnCloseButton();
        return 0;
      }
      break;
  }
  return CDialog::WindowProc(nMsg, wParam, lParam);
}

bool CSkinDialog::OnChildNotify(UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (nMsg >= WM_CTLCOLORMSGBOX && nMsg <= WM_CTLCOLORSTATIC) {
    // The dialog's query for its own background: it is white.
    *pResult = reinterpret_cast<LRESULT>(m_brushBack.GetSafeHandle());
    return true;
  }
  return CDialog::OnChildNotify(nMsg, wParam, lParam, pResult);
}

int CSkinDialog::OnCreate() {
  CRect rect = GetWindowRect();
  const int W = rect.Width();
  const int H = rect.Height();

  // The mask stretched to the window's size: its cut corners keep their size.
  CBitmap bmpMask;
  bmpMask.LoadBitmap(IDB_FRAME_MASK);
  CBitmap bmpShape;
  {
    CClientDC dcRef(m_hWnd);
    bmpShape.CreateCompatibleBitmap(dcRef, W, H);
    CDC dcMem;
    dcMem.CreateCompatibleDC(&dcRef);
    CSelectObject select(dcMem, bmpShape);
    DrawSkinFrame(&dcMem, rect, &bmpMask, kSide, kTop, kBottom);
  }
  SetSkinRegion(this, &bmpShape);

  m_btnClose.Create("close", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(W - 27, 5, W - 7, 25), m_hWnd, IDC_SKIN_CLOSE);
  m_btnClose.LoadBitmaps(IDB_CLOSE_ACTIVE);
  return 0;
}

BOOL CSkinDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  m_btnClose.SetToolTipText(LoadResString(IDS_CLOSE_TOOLTIP).c_str());
  return TRUE;
}

void CSkinDialog::OnPaint() {
  if (::IsIconic(m_hWnd)) {
    Default();
    return;
  }
  CRect rect = GetWindowRect();
  CPaintDC dc(m_hWnd);
  const bool bActive = ::GetActiveWindow() == m_hWnd;

  CBitmap bmpFrame;
  bmpFrame.LoadBitmap(bActive ? IDB_FRAME_ACTIVE : IDB_FRAME_INACTIVE);
  DrawSkinFrame(&dc, rect, &bmpFrame, kSide, kTop, kBottom);

  CBitmap bmpIcon;
  bmpIcon.LoadBitmap(bActive ? IDB_PHONE_ACTIVE : IDB_PHONE_INACTIVE);
  BITMAP bm = {};
  bmpIcon.GetBitmap(&bm);
  {
    CDC dcMem;
    dcMem.CreateCompatibleDC(&dc);
    CSelectObject select(dcMem, bmpIcon);
    dc.BitBlt(5, 5, bm.bmWidth, bm.bmHeight, &dcMem, 0, 0, SRCCOPY);
  }

  // The title in the DC's default font (the stock system font), white, over the band.
  dc.SetTextColor(kSkinWhite);
  dc.SetBkMode(TRANSPARENT);
  dc.TextOut(25, 5, m_strTitle);
}

void CSkinDialog::OnLButtonDown(CPoint point) {
  if (!IsInDragZone(point.y))
    return;
  ::GetCursorPos(&m_ptLastCursor);
  m_bDragging = true;
  ::SetCapture(m_hWnd);
}

void CSkinDialog::OnLButtonUp() {
  m_bDragging = false;
  ::ReleaseCapture();
}

void CSkinDialog::OnMouseMove() {
  if (!m_bDragging)
    return;
  CPoint ptCursor;
  ::GetCursorPos(&ptCursor);
  CRect rect = GetWindowRect();
  ::MoveWindow(m_hWnd, rect.left + ptCursor.x - m_ptLastCursor.x, rect.top + ptCursor.y - m_ptLastCursor.y,
               rect.Width(), rect.Height(), TRUE);
  m_ptLastCursor = ptCursor;
}

void CSkinDialog::OnActivate(UINT nState) {
  m_btnClose.LoadBitmaps(nState == WA_INACTIVE ? IDB_CLOSE_INACTIVE : IDB_CLOSE_ACTIVE);
  Invalidate(TRUE);
  m_btnClose.Invalidate(TRUE);
}
