#include "framework/wnd.h"

#include <vector>

#include "framework/module.h"

namespace {
const wchar_t kObjectProp[] = L"Torvik.CWnd";

// The window object waiting for its window to be created on this thread, and the CBT
// hook that binds them.
thread_local CWnd* t_pWndInit = nullptr;
thread_local HHOOK t_hHookCreate = nullptr;
}  // namespace

CWnd::~CWnd() {
  if (m_hWnd == nullptr || m_pfnSuper == nullptr)
    return;
  if (m_bOwnsWindow)
    ::DestroyWindow(m_hWnd);
  else
    UnsubclassWindow();
  m_hWnd = nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  if (hWnd == nullptr)
    return nullptr;
  return static_cast<CWnd*>(::GetPropW(hWnd, kObjectProp));
}

bool CWnd::SubclassWindow(HWND hWnd) {
  if (hWnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWnd) != nullptr)
    return false;
  m_hWnd = hWnd;
  ::SetPropW(hWnd, kObjectProp, this);
  m_pfnSuper = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWndProc)));
  return true;
}

HWND CWnd::UnsubclassWindow() {
  HWND hWnd = m_hWnd;
  if (hWnd == nullptr || m_pfnSuper == nullptr)
    return nullptr;
  ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  ::RemovePropW(hWnd, kObjectProp);
  m_pfnSuper = nullptr;
  m_hWnd = nullptr;
  m_bOwnsWindow = false;
  return hWnd;
}

LRESULT CALLBACK CWnd::CreateHookProc(int nCode, WPARAM wParam, LPARAM lParam) {
  if (nCode == HCBT_CREATEWND && t_pWndInit != nullptr) {
    CWnd* pWnd = t_pWndInit;
    t_pWndInit = nullptr;
    pWnd->SubclassWindow(reinterpret_cast<HWND>(wParam));
  }
  return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CWnd::HookWindowCreate(CWnd* pWnd) {
  t_pWndInit = pWnd;
  if (t_hHookCreate == nullptr)
    t_hHookCreate = ::SetWindowsHookExW(WH_CBT, &CWnd::CreateHookProc, nullptr, ::GetCurrentThreadId());
}

void CWnd::UnhookWindowCreate() {
  t_pWndInit = nullptr;
  if (t_hHookCreate != nullptr) {
    ::UnhookWindowsHookEx(t_hHookCreate);
    t_hHookCreate = nullptr;
  }
}

bool CWnd::CreateEx(DWORD dwExStyle, LPCWSTR pszClass, const char* pszText, DWORD dwStyle, const RECT& rect,
                    HWND hWndParent, UINT nID) {
  if (m_hWnd != nullptr)
    return false;
  std::wstring wstrText;
  if (pszText != nullptr) {
    int nChars = ::MultiByteToWideChar(CP_ACP, 0, pszText, -1, nullptr, 0);
    wstrText.resize(static_cast<size_t>(nChars > 0 ? nChars : 1));
    ::MultiByteToWideChar(CP_ACP, 0, pszText, -1, wstrText.data(), nChars);
  }
  HookWindowCreate(this);
  HWND hWnd = ::CreateWindowExW(dwExStyle, pszClass, pszText ? wstrText.c_str() : nullptr, dwStyle, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, hWndParent,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), ModuleInstance(), nullptr);
  UnhookWindowCreate();
  if (hWnd == nullptr) {
    // Creation failed after the hook bound the window: forget it.
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    return false;
  }
  m_bOwnsWindow = true;
  return true;
}

bool CWnd::DestroyWindow() {
  if (m_hWnd == nullptr)
    return false;
  return ::DestroyWindow(m_hWnd) != FALSE;
}

std::string CWnd::GetWindowText() const {
  int nLength = ::GetWindowTextLengthA(m_hWnd);
  std::vector<char> buffer(static_cast<size_t>(nLength) + 1);
  int nRead = ::GetWindowTextA(m_hWnd, buffer.data(), nLength + 1);
  return std::string(buffer.data(), static_cast<size_t>(nRead > 0 ? nRead : 0));
}

RECT CWnd::GetWindowRect() const {
  RECT rect = {};
  ::GetWindowRect(m_hWnd, &rect);
  return rect;
}

RECT CWnd::GetClientRect() const {
  RECT rect = {};
  ::GetClientRect(m_hWnd, &rect);
  return rect;
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr)
    return ::CallWindowProcW(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
  return ::DefWindowProcW(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT lResult = 0;
  if (ReflectToChild(nMsg, wParam, lParam, &lResult))
    return lResult;
  return DefWindowProc(nMsg, wParam, lParam);
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
  return false;
}

bool CWnd::ReflectToChild(UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  HWND hWndChild = nullptr;
  switch (nMsg) {
    case WM_DRAWITEM: {
      auto* pDraw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (pDraw != nullptr && pDraw->CtlType != ODT_MENU)
        hWndChild = pDraw->hwndItem;
      break;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      // WM_CTLCOLORDLG names the dialog itself: it reaches the dialog's own object.
      hWndChild = reinterpret_cast<HWND>(lParam);
      break;
    case WM_NOTIFY: {
      auto* pHeader = reinterpret_cast<NMHDR*>(lParam);
      if (pHeader != nullptr)
        hWndChild = pHeader->hwndFrom;
      break;
    }
    case WM_COMMAND:
      hWndChild = reinterpret_cast<HWND>(lParam);  // null for menus and accelerators
      break;
    default:
      return false;
  }
  CWnd* pChild = FromHandlePermanent(hWndChild);
  if (pChild == nullptr)
    return false;
  return pChild->OnChildNotify(nMsg, wParam, lParam, pResult);
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  CWnd* pWnd = FromHandlePermanent(hWnd);
  if (pWnd == nullptr)
    return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
  MSG msgSaved = pWnd->m_msgCurrent;
  pWnd->m_msgCurrent = MSG{hWnd, nMsg, wParam, lParam, 0, {0, 0}};
  LRESULT lResult = 0;
  try {
    lResult = pWnd->WindowProc(nMsg, wParam, lParam);
  } catch (...) {
    // No exception crosses the system's window procedure.
    lResult = 0;
  }
  if (nMsg == WM_NCDESTROY) {
    // The window is gone: the object forgets it (and may be reused or destroyed).
    ::RemovePropW(hWnd, kObjectProp);
    pWnd->m_hWnd = nullptr;
    pWnd->m_pfnSuper = nullptr;
    pWnd->m_bOwnsWindow = false;
  } else {
    pWnd->m_msgCurrent = msgSaved;
  }
  return lResult;
}

void FocusNextTabStop(HWND hWnd) {
  HWND hWndParent = ::GetParent(hWnd);
  if (hWndParent == nullptr)
    return;
  HWND hWndNext = ::GetNextDlgTabItem(hWndParent, hWnd, FALSE);
  if (hWndNext != nullptr)
    ::SetFocus(hWndNext);
}
