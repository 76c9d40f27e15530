#pragma once
// The base of every window class of ours. It wraps a window handle; classes that handle
// messages build on it.

#include <windows.h>

class CWnd {
public:
  CWnd() = default;
  virtual ~CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  // Wraps an existing window without taking over its messages.
  void Attach(HWND hWnd) { m_hWnd = hWnd; }
  HWND Detach() {
    HWND hWnd = m_hWnd;
    m_hWnd = nullptr;
    return hWnd;
  }

  LRESULT SendMessage(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageW(m_hWnd, nMsg, wParam, lParam);
  }

  HWND m_hWnd = nullptr;
};
