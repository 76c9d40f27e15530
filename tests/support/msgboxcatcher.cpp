#include "tests/support/msgboxcatcher.h"

namespace {
thread_local CMsgBoxCatcher* t_pCatcher = nullptr;

std::string WindowText(HWND hWnd) {
  int nLength = ::GetWindowTextLengthA(hWnd);
  std::string strText(static_cast<size_t>(nLength) + 1, '\0');
  nLength = ::GetWindowTextA(hWnd, strText.data(), nLength + 1);
  strText.resize(static_cast<size_t>(nLength > 0 ? nLength : 0));
  return strText;
}
}  // namespace

CMsgBoxCatcher::CMsgBoxCatcher(int nAnswer) : m_nAnswer(nAnswer) {
  t_pCatcher = this;
  m_hHook = ::SetWindowsHookExA(WH_CBT, CbtProc, nullptr, ::GetCurrentThreadId());
}

CMsgBoxCatcher::~CMsgBoxCatcher() {
  if (m_hHook != nullptr)
    ::UnhookWindowsHookEx(m_hHook);
  t_pCatcher = nullptr;
}

LRESULT CALLBACK CMsgBoxCatcher::CbtProc(int nCode, WPARAM wParam, LPARAM lParam) {
  if (nCode == HCBT_ACTIVATE && t_pCatcher != nullptr) {
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    char szClass[16] = {};
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    // A message box is a dialog with a static of id 0xFFFF holding its text.
    if (lstrcmpA(szClass, "#32770") == 0 && ::GetDlgItem(hWnd, 0xFFFF) != nullptr)
      t_pCatcher->Catch(hWnd);
  }
  return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CMsgBoxCatcher::Catch(HWND hWndBox) {
  CaughtBox box;
  box.strCaption = WindowText(hWndBox);
  box.strText = WindowText(::GetDlgItem(hWndBox, 0xFFFF));
  box.hWndOwner = ::GetWindow(hWndBox, GW_OWNER);
  // The icon static shows the system's hand icon for MB_ICONERROR; its id is 0x0014 on
  // Windows and 0x0440 under Wine.
  HWND hWndIcon = ::GetDlgItem(hWndBox, 0x0014);
  if (hWndIcon == nullptr)
    hWndIcon = ::GetDlgItem(hWndBox, 0x0440);
  if (hWndIcon != nullptr) {
    HICON hIcon = reinterpret_cast<HICON>(::SendMessageA(hWndIcon, STM_GETICON, 0, 0));
    box.bErrorIcon = hIcon != nullptr && hIcon == ::LoadIcon(nullptr, IDI_HAND);
  }
  m_boxes.push_back(box);
  ::PostMessageA(hWndBox, WM_COMMAND, MAKEWPARAM(m_nAnswer, BN_CLICKED), 0);
}
