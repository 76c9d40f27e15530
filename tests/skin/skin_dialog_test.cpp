// The skinned dialog frame: a real dialog from a test template, driven by messages.
#include <gtest/gtest.h>

#include <memory>

#include "res/resource.h"
#include "skin/skincolors.h"
#include "tests/skin/skintestdlg.h"

namespace {

COLORREF ToColorRef(uint32_t cr) {
  return static_cast<COLORREF>(cr);
}

COLORREF PixelOf(HWND hWnd, int x, int y) {
  HDC hDC = ::GetDC(hWnd);
  COLORREF cr = ::GetPixel(hDC, x, y);
  ::ReleaseDC(hWnd, hDC);
  return cr;
}

class SkinDialog : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(m_dlg.Create());
    ::SetWindowPos(m_dlg.m_hWnd, nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::ShowWindow(m_dlg.m_hWnd, SW_SHOW);
    ::SetForegroundWindow(m_dlg.m_hWnd);
    ::SetActiveWindow(m_dlg.m_hWnd);
    Repaint();
  }
  void Repaint() {
    PumpMessages();
    ::RedrawWindow(m_dlg.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
  }
  LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }
  // Shows a window of its own and makes it the active one; the caller destroys it.
  static HWND ActivateOtherWindow() {
    HWND hOther = ::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 600, 500, 80, 40, nullptr, nullptr,
                                    nullptr, nullptr);
    ::SetForegroundWindow(hOther);
    ::SetActiveWindow(hOther);
    PumpMessages();
    return hOther;
  }

  CTestSkinDlg m_dlg;
};

}  // namespace

TEST_F(SkinDialog, HasTheStaircaseRegionAndTheCloseButton) {
  CRect rect = m_dlg.GetWindowRect();
  HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(::GetWindowRgn(m_dlg.m_hWnd, hRgn), ERROR);
  HRGN hExpected = StaircaseRegion(rect.Width(), rect.Height());
  EXPECT_TRUE(::EqualRgn(hRgn, hExpected));
  ::DeleteObject(hRgn);
  ::DeleteObject(hExpected);

  HWND hClose = ::GetDlgItem(m_dlg.m_hWnd, IDC_SKIN_CLOSE);
  ASSERT_EQ(hClose, m_dlg.CloseButton().m_hWnd);
  CRect rcClose;
  ::GetWindowRect(hClose, &rcClose);
  EXPECT_EQ(rcClose.left - rect.left, rect.Width() - 27);
  EXPECT_EQ(rcClose.top - rect.top, 5);
  EXPECT_EQ(rcClose.Width(), 20);
  EXPECT_EQ(rcClose.Height(), 20);
  EXPECT_EQ(static_cast<DWORD>(::GetWindowLongW(hClose, GWL_STYLE)), 0x5000000Bu);
}

TEST_F(SkinDialog, DragsFromTheTopFortyOneRowsByTheCursorsMove) {
  struct Case {
    int y;
    bool bDrags;
  };
  for (Case c : {Case{0, true}, Case{40, true}, Case{41, false}, Case{120, false}}) {
    SCOPED_TRACE(c.y);
    CRect before = m_dlg.GetWindowRect();
    ::SetCursorPos(before.left + 60, before.top + c.y);
    m_dlg.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(60, c.y));
    EXPECT_EQ(m_dlg.IsDragging(), c.bDrags);
    ::SetCursorPos(before.left + 60 + 13, before.top + c.y - 7);
    m_dlg.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, Point(0, 0));
    CRect after = m_dlg.GetWindowRect();
    EXPECT_EQ(after.left - before.left, c.bDrags ? 13 : 0);
    EXPECT_EQ(after.top - before.top, c.bDrags ? -7 : 0);
    EXPECT_EQ(after.Width(), before.Width());
    EXPECT_EQ(after.Height(), before.Height());
    // The release ends the drag: later moves leave the window alone.
    m_dlg.SendMessage(WM_LBUTTONUP, 0, Point(0, 0));
    EXPECT_FALSE(m_dlg.IsDragging());
    EXPECT_NE(::GetCapture(), m_dlg.m_hWnd);
    ::SetCursorPos(before.left + 200, before.top + 200);
    m_dlg.SendMessage(WM_MOUSEMOVE, 0, Point(0, 0));
    EXPECT_EQ(m_dlg.GetWindowRect().left, after.left);
  }
}

TEST_F(SkinDialog, LosingTheCaptureEndsADrag) {
  CRect before = m_dlg.GetWindowRect();
  ::SetCursorPos(before.left + 60, before.top + 10);
  m_dlg.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(60, 10));
  ASSERT_TRUE(m_dlg.IsDragging());
  ASSERT_EQ(::GetCapture(), m_dlg.m_hWnd);
  ::ReleaseCapture();  // as a task switch does
  EXPECT_FALSE(m_dlg.IsDragging());
  ::SetCursorPos(before.left + 90, before.top + 40);
  m_dlg.SendMessage(WM_MOUSEMOVE, 0, Point(0, 0));
  EXPECT_EQ(m_dlg.GetWindowRect().left, before.left);
}

TEST_F(SkinDialog, FollowsActivationInFrameIconCloseButtonAndFocus) {
  const int W = m_dlg.GetWindowRect().right - m_dlg.GetWindowRect().left;
  HWND hClose = m_dlg.CloseButton().m_hWnd;
  CBitmap phoneActive, phoneInactive;
  phoneActive.LoadBitmap(IDB_PHONE_ACTIVE);
  phoneInactive.LoadBitmap(IDB_PHONE_INACTIVE);
  auto check = [&](bool bActive) {
    SCOPED_TRACE(bActive ? "active" : "inactive");
    const COLORREF crFill = ToColorRef(bActive ? kSkinFillActive : kSkinFillInactive);
    const COLORREF crBorder = ToColorRef(bActive ? kSkinBorderActive : kSkinBorderInactive);
    EXPECT_EQ(PixelOf(m_dlg.m_hWnd, W / 2, 15), crFill);
    EXPECT_EQ(PixelOf(m_dlg.m_hWnd, W / 2, 0), crBorder);
    // The phone at (5,5): its white outline, and its background in the band's colour.
    EXPECT_EQ(PixelOf(m_dlg.m_hWnd, 5 + 3, 5 + 1), RGB(255, 255, 255));
    EXPECT_EQ(PixelOf(m_dlg.m_hWnd, 5, 5), crFill);
    // The close button's one-pixel margin of fill, and the red cross in its middle.
    EXPECT_EQ(PixelOf(hClose, 0, 0), crFill);
    EXPECT_EQ(GetRValue(PixelOf(hClose, 10, 10)) > 120 && GetGValue(PixelOf(hClose, 10, 10)) < 90, true);
  };
  check(true);
  HWND hEdit = ::GetDlgItem(m_dlg.m_hWnd, IDC_TEST_EDIT_FROM);
  ::SetFocus(hEdit);

  // Another window takes the activation.
  HWND hOther = ActivateOtherWindow();
  Repaint();
  ASSERT_NE(::GetActiveWindow(), m_dlg.m_hWnd);
  check(false);

  ::SetForegroundWindow(m_dlg.m_hWnd);
  ::SetActiveWindow(m_dlg.m_hWnd);
  Repaint();
  ASSERT_EQ(::GetActiveWindow(), m_dlg.m_hWnd);
  check(true);
  // The control that had the focus has it again.
  EXPECT_EQ(::GetFocus(), hEdit);
  ::DestroyWindow(hOther);
}

TEST_F(SkinDialog, CloseButtonHidesAModelessDialogAndCarriesItsTooltip) {
  // The tooltip comes with the first hover.
  EXPECT_EQ(m_dlg.CloseButton().GetToolTip(), nullptr);
  m_dlg.CloseButton().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  CToolTipCtrl* pTip = m_dlg.CloseButton().GetToolTip();
  ASSERT_NE(pTip, nullptr);
  EXPECT_TRUE(::GetWindowLongW(pTip->m_hWnd, GWL_STYLE) & TTS_ALWAYSTIP);
  ASSERT_EQ(pTip->SendMessage(TTM_GETTOOLCOUNT), 1);
  wchar_t szText[80] = {};
  TOOLINFOW info = {};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.hwnd = m_dlg.CloseButton().m_hWnd;
  info.uId = reinterpret_cast<UINT_PTR>(m_dlg.CloseButton().m_hWnd);
  info.lpszText = szText;
  pTip->SendMessage(TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(szText, L"close");

  m_dlg.CloseButton().SendMessage(BM_CLICK);
  PumpMessages();
  EXPECT_TRUE(::IsWindow(m_dlg.m_hWnd));
  EXPECT_FALSE(::IsWindowVisible(m_dlg.m_hWnd));
}

TEST_F(SkinDialog, EraseItsBackgroundWhite) {
  HDC hDC = ::GetDC(m_dlg.m_hWnd);
  auto hBrush = reinterpret_cast<HBRUSH>(
      m_dlg.SendMessage(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(m_dlg.m_hWnd)));
  ::ReleaseDC(m_dlg.m_hWnd, hDC);
  LOGBRUSH lb = {};
  ASSERT_EQ(::GetObjectW(hBrush, sizeof lb, &lb), static_cast<int>(sizeof lb));
  EXPECT_EQ(lb.lbColor, RGB(255, 255, 255));
}

namespace {
// Clicks its close button as soon as its modal loop runs.
class CClosingDlg : public CTestSkinDlg {
public:
  BOOL OnInitDialog() override {
    CTestSkinDlg::OnInitDialog();
    ::PostMessageW(CloseButton().m_hWnd, BM_CLICK, 0, 0);
    return TRUE;
  }
};
}  // namespace

TEST(SkinDialogModal, CloseButtonEndsTheModalLoopWithCancel) {
  CClosingDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(SkinDialog, HoveringTheCloseButtonShowsItsTipAlsoWhileInactive) {
  // Another window is active: the tip must show all the same.
  HWND hOther = ActivateOtherWindow();
  ASSERT_NE(::GetActiveWindow(), m_dlg.m_hWnd);

  HWND hClose = m_dlg.CloseButton().m_hWnd;
  CRect rect;
  ::GetWindowRect(hClose, &rect);
  ::SetCursorPos(rect.left + 10, rect.top + 10);
  // One move, then the mouse rests: the tip appears after the usual delay.
  ::SendMessageW(hClose, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  bool bShown = false;
  for (int i = 0; i < 60 && !bShown; ++i) {
    PumpMessages();
    CToolTipCtrl* pTip = m_dlg.CloseButton().GetToolTip();
    bShown = pTip != nullptr && ::IsWindowVisible(pTip->m_hWnd);
    if (!bShown)
      ::Sleep(50);
  }
  EXPECT_TRUE(bShown);
  ::DestroyWindow(hOther);
}
