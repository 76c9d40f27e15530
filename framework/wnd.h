#pragma once
// The base of every window class of ours. A CWnd either wraps a window without taking its
// messages (Attach) or owns its message stream: it stores `this` with the window when it
// creates or subclasses it, and every message then reaches the one virtual WindowProc.
// A derived class handles its messages in a plain switch and hands the rest to its base,
// down to CWnd, which reflects control notifications to the control's own object and
// then calls the window's previous procedure.

#include <windows.h>

#include <string>

class CWnd {
public:
  CWnd() = default;
  // Destroys a window this object created; gives a subclassed window its procedure back.
  virtual ~CWnd();
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

  // Creates a window of a registered class; its messages reach this object from the very
  // first one (WM_NCCREATE), so WM_CREATE handlers run. The object owns the window.
  bool CreateEx(DWORD dwExStyle, LPCWSTR pszClass, const char* pszText, DWORD dwStyle, const RECT& rect,
                HWND hWndParent, UINT nID);

  // Takes over the messages of an existing window (a dialog's child, mostly).
  bool SubclassWindow(HWND hWnd);
  // Binds the child nID of pParent to this object: the dialog's control binding.
  bool SubclassDlgItem(UINT nID, HWND hWndParent) { return SubclassWindow(::GetDlgItem(hWndParent, nID)); }
  // Gives the window its previous procedure back and forgets it.
  HWND UnsubclassWindow();

  bool DestroyWindow();

  // The object bound to hWnd by creation or subclassing, or null.
  static CWnd* FromHandlePermanent(HWND hWnd);

  std::string GetWindowText() const;
  void SetWindowText(const std::string& strText) { ::SetWindowTextA(m_hWnd, strText.c_str()); }
  void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
  RECT GetWindowRect() const;
  RECT GetClientRect() const;

  // The message being handled, as the window procedure received it.
  const MSG* GetCurrentMessage() const { return &m_msgCurrent; }

  HWND m_hWnd = nullptr;

protected:
  // The class's message map: a switch over nMsg that falls back to the base class.
  virtual LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);
  // A notification or query the parent reflected to this control (WM_DRAWITEM,
  // WM_CTLCOLOR*, WM_NOTIFY, WM_COMMAND). Returns true when handled, with the answer.
  virtual bool OnChildNotify(UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

  // The default processing of the message being handled.
  LRESULT Default() { return DefWindowProc(m_msgCurrent.message, m_msgCurrent.wParam, m_msgCurrent.lParam); }
  // The window's previous procedure (or DefWindowProc) for this message.
  LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);

  // Creation hook: the next window created on this thread is subclassed into pWnd.
  static void HookWindowCreate(CWnd* pWnd);
  static void UnhookWindowCreate();

  // Hands a control notification or colour query to the control's own object.
  bool ReflectToChild(UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

  bool m_bOwnsWindow = false;

private:
  static LRESULT CALLBACK StaticWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK CreateHookProc(int nCode, WPARAM wParam, LPARAM lParam);

  WNDPROC m_pfnSuper = nullptr;
  MSG m_msgCurrent = {};
};

// Moves the keyboard focus from hWnd to the next tab stop of its parent dialog, as the
// dialog manager does for Tab, for controls that take the Tab key themselves.
void FocusNextTabStop(HWND hWnd);
