#pragma once
// The skin's test dialog: template IDD_SKINTEST with every skinned control bound, and
// helpers shared by the skin's Wine tests.

#include <cstdint>
#include <vector>

#include "skin/skinbutton.h"
#include "skin/skindialog.h"
#include "skin/skinedit.h"
#include "skin/skinlabel.h"
#include "tests/skin/skintest.h"

class CTestSkinDlg : public CSkinDialog {
public:
  explicit CTestSkinDlg(UINT nIDTemplate = IDD_SKINTEST, bool bTabNavigation = false)
      : CSkinDialog(nIDTemplate, "Send SMS", nullptr) {
    for (CSkinEdit* pEdit : {&m_editTo, &m_editFrom, &m_editMessage})
      pEdit->SetTabNavigation(bTabNavigation);
    for (CSkinButton* pButton : {&m_btnSend, &m_btnCancel, &m_btnChoose, &m_btnDisabled})
      pButton->SetTabNavigation(bTabNavigation);
  }

  void DoDataExchange() override {
    CSkinDialog::DoDataExchange();
    m_editTo.SubclassDlgItem(IDC_TEST_EDIT_TO, m_hWnd);
    m_editFrom.SubclassDlgItem(IDC_TEST_EDIT_FROM, m_hWnd);
    m_editMessage.SubclassDlgItem(IDC_TEST_EDIT_MESSAGE, m_hWnd);
    m_btnSend.SubclassDlgItem(IDOK, m_hWnd);
    m_btnCancel.SubclassDlgItem(IDCANCEL, m_hWnd);
    m_btnChoose.SubclassDlgItem(IDC_TEST_CHOOSE, m_hWnd);
    m_btnDisabled.SubclassDlgItem(IDC_TEST_DISABLED, m_hWnd);
    m_lblTo.SubclassDlgItem(IDC_TEST_LABEL_TO, m_hWnd);
    m_lblMessage.SubclassDlgItem(IDC_TEST_LABEL_MESSAGE, m_hWnd);
    m_lblFrom.SubclassDlgItem(IDC_TEST_LABEL_FROM, m_hWnd);
  }

  CBmpToolButton& CloseButton() { return m_btnClose; }
  bool IsDragging() const { return m_bDragging; }

  CSkinEdit m_editTo, m_editFrom, m_editMessage;
  CSkinButton m_btnSend, m_btnCancel, m_btnChoose, m_btnDisabled;
  CSkinLabel m_lblTo, m_lblMessage, m_lblFrom;
};

// Runs the messages waiting on this thread.
inline void PumpMessages() {
  MSG msg;
  for (int i = 0; i < 1000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

// The pixels of a bitmap, top-down, as 0x00RRGGBB.
inline std::vector<uint32_t> ReadBitmapPixels(HBITMAP hBitmap, int* pWidth = nullptr, int* pHeight = nullptr) {
  BITMAP bm = {};
  ::GetObjectW(hBitmap, sizeof bm, &bm);
  std::vector<uint32_t> pixels(static_cast<size_t>(bm.bmWidth) * static_cast<size_t>(bm.bmHeight));
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = bm.bmWidth;
  info.bmiHeader.biHeight = -bm.bmHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  HDC hScreen = ::GetDC(nullptr);
  ::GetDIBits(hScreen, hBitmap, 0, static_cast<UINT>(bm.bmHeight), pixels.data(), &info, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, hScreen);
  for (uint32_t& px : pixels)
    px &= 0xFFFFFF;
  if (pWidth)
    *pWidth = bm.bmWidth;
  if (pHeight)
    *pHeight = bm.bmHeight;
  return pixels;
}

// The window's region expected from the dialog mask: the W x H rectangle without three,
// two and one pixels of the outermost rows at each corner.
inline HRGN StaircaseRegion(int nWidth, int nHeight) {
  HRGN hRgn = ::CreateRectRgn(0, 0, nWidth, nHeight);
  for (int y = 0; y < 3; ++y) {
    int nCut = 3 - y;
    for (int nRow : {y, nHeight - 1 - y}) {
      HRGN hLeft = ::CreateRectRgn(0, nRow, nCut, nRow + 1);
      HRGN hRight = ::CreateRectRgn(nWidth - nCut, nRow, nWidth, nRow + 1);
      ::CombineRgn(hRgn, hRgn, hLeft, RGN_DIFF);
      ::CombineRgn(hRgn, hRgn, hRight, RGN_DIFF);
      ::DeleteObject(hLeft);
      ::DeleteObject(hRight);
    }
  }
  return hRgn;
}
