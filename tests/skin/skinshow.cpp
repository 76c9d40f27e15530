// Shows the skin's test dialog with every control in a telling state, for the README's
// screenshot (tools/skin-screenshot.sh): skinshow SECONDS. Prints the dialog's screen
// rectangle as "x y width height" and exits after SECONDS.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

#include "tests/skin/skintestdlg.h"

int main(int argc, char** argv) {
  int nSeconds = argc > 1 ? std::atoi(argv[1]) : 10;
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&icc);

  // A quiet desktop behind the dialog, so its cut corners show.
  HWND hDesk = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | SS_GRAYRECT, 0, 0, 1024, 768, nullptr,
                                 nullptr, nullptr, nullptr);

  CTestSkinDlg dlg(IDD_SKINTEST, true);
  if (!dlg.Create())
    return 1;
  ::SetWindowPos(dlg.m_hWnd, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
  dlg.m_editTo.SetWindowText("0123456789");
  dlg.m_editFrom.SetWindowText("9876543210");
  dlg.m_editMessage.SetWindowText("Hello from Torvik! See you at eight.");
  ::ShowWindow(dlg.m_hWnd, SW_SHOW);
  ::SetForegroundWindow(dlg.m_hWnd);
  ::SetFocus(dlg.m_btnSend.m_hWnd);                // focused: the thick outline
  dlg.m_btnCancel.SendMessage(BM_SETSTATE, TRUE);  // pressed
  ::UpdateWindow(dlg.m_hWnd);

  CRect rect = dlg.GetWindowRect();
  std::printf("%ld %ld %d %d\n", rect.left, rect.top, rect.Width(), rect.Height());
  std::fflush(stdout);

  DWORD dwEnd = ::GetTickCount() + static_cast<DWORD>(nSeconds) * 1000;
  while (::GetTickCount() < dwEnd) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
  dlg.DestroyWindow();
  ::DestroyWindow(hDesk);
  return 0;
}
