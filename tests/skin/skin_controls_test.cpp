// Skinned buttons, edit boxes and labels in a real dialog, read back by pixel and driven
// with the messages a host's message loop delivers.
#include <gtest/gtest.h>

#include <string>

#include "framework/dialog.h"
#include "skin/buttonlook.h"
#include "skin/skincolors.h"
#include "tests/skin/skintestdlg.h"

namespace {

void Show(CDialog& dlg) {
  ::SetWindowPos(dlg.m_hWnd, nullptr, 120, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ::ShowWindow(dlg.m_hWnd, SW_SHOW);
  ::SetForegroundWindow(dlg.m_hWnd);
  ::SetActiveWindow(dlg.m_hWnd);
  PumpMessages();
}

void Redraw(HWND hWnd) {
  ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpMessages();
}

// Counts the client pixels of hWnd (or the whole window with bWindow) of colour cr.
int CountPixels(HWND hWnd, COLORREF cr, bool bWindow = false) {
  RECT rect;
  if (bWindow) {
    ::GetWindowRect(hWnd, &rect);
    ::OffsetRect(&rect, -rect.left, -rect.top);
  } else {
    ::GetClientRect(hWnd, &rect);
  }
  HDC hDC = bWindow ? ::GetWindowDC(hWnd) : ::GetDC(hWnd);
  int n = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      n += ::GetPixel(hDC, x, y) == cr ? 1 : 0;
  ::ReleaseDC(hWnd, hDC);
  return n;
}

COLORREF PixelOf(HWND hWnd, int x, int y, bool bWindow = false) {
  HDC hDC = bWindow ? ::GetWindowDC(hWnd) : ::GetDC(hWnd);
  COLORREF cr = ::GetPixel(hDC, x, y);
  ::ReleaseDC(hWnd, hDC);
  return cr;
}

}  // namespace

TEST(SkinButton, DrawsEachStateInItsLook) {
  CTestSkinDlg dlg;
  ASSERT_TRUE(dlg.Create());
  Show(dlg);
  struct Case {
    const char* pszName;
    CSkinButton* pButton;
    bool bFocus, bPressed;
    ButtonLook look;
  };
  const Case cases[] = {
      {"enabled", &dlg.m_btnChoose, false, false, SkinButtonLook(true, false, false)},
      {"focused", &dlg.m_btnSend, true, false, SkinButtonLook(true, true, false)},
      {"pressed", &dlg.m_btnCancel, false, true, SkinButtonLook(true, false, true)},
      {"disabled", &dlg.m_btnDisabled, false, false, SkinButtonLook(false, false, false)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pszName);
    HWND hButton = c.pButton->m_hWnd;
    ::SetFocus(c.bFocus ? hButton : dlg.m_editTo.m_hWnd);
    c.pButton->SendMessage(BM_SETSTATE, c.bPressed ? TRUE : FALSE);
    Redraw(hButton);
    ASSERT_EQ(::GetFocus() == hButton, c.bFocus);
    RECT rc;
    ::GetClientRect(hButton, &rc);
    EXPECT_EQ(PixelOf(hButton, 0, 0), c.look.crOutline);
    EXPECT_EQ(PixelOf(hButton, rc.right - 1, rc.bottom - 1), c.look.crOutline);
    // A focused outline is thicker: it covers the second ring too.
    EXPECT_EQ(PixelOf(hButton, 1, rc.bottom / 2), c.bFocus ? c.look.crOutline : c.look.crFill);
    EXPECT_EQ(PixelOf(hButton, 3, rc.bottom / 2), c.look.crFill);
    EXPECT_GT(CountPixels(hButton, c.look.crText), 10);
    c.pButton->SendMessage(BM_SETSTATE, FALSE);
  }
}

TEST(SkinEdit, FramesItselfWithOneBluePixel) {
  CTestSkinDlg dlg;
  ASSERT_TRUE(dlg.Create());
  Show(dlg);
  for (CSkinEdit* pEdit : {&dlg.m_editTo, &dlg.m_editMessage}) {
    Redraw(pEdit->m_hWnd);
    CRect rect = pEdit->GetWindowRect();
    const int W = rect.Width(), H = rect.Height();
    const COLORREF crBlue = static_cast<COLORREF>(kSkinControlBorder);
    for (POINT pt :
         {POINT{0, 0}, POINT{W - 1, 0}, POINT{0, H - 1}, POINT{W - 1, H - 1}, POINT{W / 2, 0}, POINT{0, H / 2}})
      EXPECT_EQ(PixelOf(pEdit->m_hWnd, pt.x, pt.y, true), crBlue) << pt.x << "," << pt.y;
    EXPECT_EQ(PixelOf(pEdit->m_hWnd, 1, 1, true), RGB(255, 255, 255));
    EXPECT_EQ(CountPixels(pEdit->m_hWnd, crBlue, true), 2 * W + 2 * H - 4);
  }
}

TEST(SkinTabNavigation, MovesForwardOnTabAndShiftTabOnlyWithTheFlag) {
  struct Case {
    const char* pszName;
    bool bFlag;
    bool bShift;
    int nFrom;  // control id
    int nTo;    // where the focus ends up
  };
  const Case cases[] = {
      {"edit, on", true, false, IDC_TEST_EDIT_TO, IDC_TEST_EDIT_FROM},
      {"edit, on, shift", true, true, IDC_TEST_EDIT_FROM, IDC_TEST_EDIT_MESSAGE},
      {"multi-line edit, on", true, false, IDC_TEST_EDIT_MESSAGE, IDOK},
      {"button, on", true, false, IDOK, IDCANCEL},
      {"button, on, shift", true, true, IDCANCEL, IDC_TEST_CHOOSE},
      {"last button wraps to the first edit", true, false, IDC_TEST_CHOOSE, IDC_TEST_EDIT_TO},
      {"edit, off", false, false, IDC_TEST_EDIT_TO, IDC_TEST_EDIT_TO},
      {"button, off", false, false, IDOK, IDOK},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pszName);
    CTestSkinDlg dlg(IDD_SKINTEST, c.bFlag);
    ASSERT_TRUE(dlg.Create());
    Show(dlg);
    HWND hFrom = ::GetDlgItem(dlg.m_hWnd, c.nFrom);
    ::SetFocus(hFrom);
    ASSERT_EQ(::GetFocus(), hFrom);
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = c.bShift ? 0x80 : 0;
    ::SetKeyboardState(keys);
    ::SendMessageW(hFrom, WM_KEYDOWN, VK_TAB, 0x000F0001);
    ::SendMessageW(hFrom, WM_CHAR, '\t', 0x000F0001);
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), c.nTo);
  }
}

TEST(SkinTabNavigation, TabCharacterReachesAMultiLineEditOnlyWithoutTheFlag) {
  for (bool bFlag : {true, false}) {
    CTestSkinDlg dlg(IDD_SKINTEST, bFlag);
    ASSERT_TRUE(dlg.Create());
    dlg.m_editMessage.SetWindowText("ab");
    dlg.m_editMessage.SetSel(2, 2);
    dlg.m_editMessage.SendMessage(WM_CHAR, '\t', 0x000F0001);
    EXPECT_EQ(dlg.m_editMessage.GetWindowText(), bFlag ? std::string("ab") : std::string("ab\t")) << bFlag;
  }
}

namespace {
class CSingleEditDlg : public CSkinDialog {
public:
  CSingleEditDlg() : CSkinDialog(IDD_SKINSINGLE, "One", nullptr) { m_edit.SetTabNavigation(true); }
  void DoDataExchange() override { m_edit.SubclassDlgItem(IDC_TEST_EDIT_TO, m_hWnd); }
  CSkinEdit m_edit;
};

class CPlainDlg : public CDialog {
public:
  CPlainDlg() : CDialog(IDD_PLAINTEST, nullptr) {}
  void DoDataExchange() override { m_label.SubclassDlgItem(IDC_TEST_LABEL_TO, m_hWnd); }
  CSkinLabel m_label;
};
}  // namespace

TEST(SkinTabNavigation, TheOnlyTabStopKeepsTheFocus) {
  CSingleEditDlg dlg;
  ASSERT_TRUE(dlg.Create());
  Show(dlg);
  ::SetFocus(dlg.m_edit.m_hWnd);
  dlg.m_edit.SendMessage(WM_KEYDOWN, VK_TAB, 0x000F0001);
  EXPECT_EQ(::GetFocus(), dlg.m_edit.m_hWnd);
}

TEST(SkinLabel, PaintsWhiteOnAGreyDialog) {
  CPlainDlg dlg;
  ASSERT_TRUE(dlg.Create());
  Show(dlg);
  Redraw(dlg.m_hWnd);
  const COLORREF crDialog = PixelOf(dlg.m_hWnd, 2, 2);
  ASSERT_NE(crDialog, RGB(255, 255, 255));
  // The label's own rectangle, right of its text, is white.
  CRect rect = dlg.m_label.GetClientRect();
  EXPECT_EQ(PixelOf(dlg.m_label.m_hWnd, rect.right - 2, rect.bottom / 2), RGB(255, 255, 255));
  EXPECT_GT(CountPixels(dlg.m_label.m_hWnd, RGB(255, 255, 255)), rect.Width() * rect.Height() / 2);
}
