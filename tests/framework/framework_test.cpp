// The window layer: dialogs from templates, subclassing, reflection, GDI guards.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "framework/dc.h"
#include "framework/dialog.h"
#include "tests/skin/skintest.h"

namespace {

// A control object that records what its parent reflects to it and answers some of it.
class CRecorder : public CWnd {
public:
  std::vector<UINT> m_reflected;
  std::vector<UINT> m_received;
  bool m_bThrow = false;

protected:
  LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override {
    m_received.push_back(nMsg);
    if (nMsg == WM_APP && m_bThrow)
      throw std::runtime_error("handler failed");
    if (nMsg == WM_APP)
      return 7;
    return CWnd::WindowProc(nMsg, wParam, lParam);
  }
  bool OnChildNotify(UINT nMsg, WPARAM, LPARAM, LRESULT* pResult) override {
    m_reflected.push_back(nMsg);
    *pResult = 1234;
    return true;
  }
};

class CRecordingDlg : public CDialog {
public:
  explicit CRecordingDlg(int nEndWith) : CDialog(IDD_PLAINTEST, nullptr), m_nEndWith(nEndWith) {}
  void DoDataExchange() override { m_label.SubclassDlgItem(IDC_TEST_LABEL_TO, m_hWnd); }
  BOOL OnInitDialog() override {
    m_order.push_back(WM_INITDIALOG);
    CDialog::OnInitDialog();
    if (m_nEndWith == IDOK)
      ::PostMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    else if (m_nEndWith != 0)
      ::PostMessageW(m_hWnd, WM_APP, 0, 0);
    return TRUE;
  }
  std::vector<UINT> m_order;
  CRecorder m_label;

protected:
  LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override {
    if (nMsg == WM_CREATE)
      m_order.push_back(WM_CREATE);
    if (nMsg == WM_APP) {
      EndDialog(m_nEndWith);
      return 0;
    }
    return CDialog::WindowProc(nMsg, wParam, lParam);
  }

private:
  int m_nEndWith;
};

}  // namespace

TEST(CDialog, ModalLoopReturnsTheEndValueAfterCreateAndInit) {
  for (int nEnd : {IDOK, 42}) {
    CRecordingDlg dlg(nEnd);
    EXPECT_EQ(dlg.DoModal(), nEnd);
    EXPECT_EQ(dlg.m_order, (std::vector<UINT>{WM_CREATE, WM_INITDIALOG}));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
  }
}

TEST(CDialog, ModelessEndOnlyHides) {
  CRecordingDlg dlg(0);
  ASSERT_TRUE(dlg.Create());
  ::ShowWindow(dlg.m_hWnd, SW_SHOW);
  dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
  EXPECT_FALSE(::IsWindowVisible(dlg.m_hWnd));
}

TEST(CWnd, ReflectsNotificationsAndColourQueriesToTheControlsObject) {
  CRecordingDlg dlg(0);
  ASSERT_TRUE(dlg.Create());
  HWND hLabel = dlg.m_label.m_hWnd;
  ASSERT_NE(hLabel, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(hLabel), &dlg.m_label);

  NMHDR header = {hLabel, IDC_TEST_LABEL_TO, static_cast<UINT>(-2)};  // NM_CLICK
  DRAWITEMSTRUCT draw = {};
  draw.CtlType = ODT_STATIC;
  draw.hwndItem = hLabel;
  HDC hDC = ::GetDC(dlg.m_hWnd);
  struct Case {
    UINT nMsg;
    WPARAM wParam;
    LPARAM lParam;
  };
  const Case cases[] = {
      {WM_COMMAND, MAKEWPARAM(IDC_TEST_LABEL_TO, STN_CLICKED), reinterpret_cast<LPARAM>(hLabel)},
      {WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(hLabel)},
      {WM_NOTIFY, IDC_TEST_LABEL_TO, reinterpret_cast<LPARAM>(&header)},
      {WM_DRAWITEM, IDC_TEST_LABEL_TO, reinterpret_cast<LPARAM>(&draw)},
  };
  for (const Case& c : cases) {
    dlg.m_label.m_reflected.clear();
    EXPECT_EQ(dlg.SendMessage(c.nMsg, c.wParam, c.lParam), 1234) << c.nMsg;
    EXPECT_EQ(dlg.m_label.m_reflected, std::vector<UINT>{c.nMsg});
  }
  ::ReleaseDC(dlg.m_hWnd, hDC);
}

TEST(CWnd, SubclassedWindowGetsItsProcedureBackAndNoExceptionEscapes) {
  CRecordingDlg dlg(0);
  ASSERT_TRUE(dlg.Create());
  HWND hLabel = ::GetDlgItem(dlg.m_hWnd, IDC_TEST_LABEL_TO);
  LONG_PTR pfnOriginal = 0;
  {
    CRecorder recorder;
    // Already bound to the dialog's member: a second binding is refused.
    EXPECT_FALSE(recorder.SubclassWindow(hLabel));
    dlg.m_label.UnsubclassWindow();
    pfnOriginal = ::GetWindowLongPtrW(hLabel, GWLP_WNDPROC);
    ASSERT_TRUE(recorder.SubclassWindow(hLabel));
    EXPECT_EQ(::SendMessageW(hLabel, WM_APP, 0, 0), 7);
    recorder.m_bThrow = true;
    EXPECT_EQ(::SendMessageW(hLabel, WM_APP, 0, 0), 0);
  }
  EXPECT_EQ(::GetWindowLongPtrW(hLabel, GWLP_WNDPROC), pfnOriginal);
  EXPECT_EQ(CWnd::FromHandlePermanent(hLabel), nullptr);
  EXPECT_TRUE(::IsWindow(hLabel));
  ::SendMessageW(hLabel, WM_APP, 0, 0);
}

TEST(CSelectObject, PutsThePreviousObjectBack) {
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
  HGDIOBJ hBefore = ::GetCurrentObject(dc, OBJ_PEN);
  CPen pen(PS_SOLID, 1, RGB(4, 105, 166));
  {
    CSelectObject select(dc, pen);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen.GetSafeHandle());
  }
  EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), hBefore);
}
