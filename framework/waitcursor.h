#pragma once
// Shows the hourglass for the lifetime of the object and puts the previous cursor back.

#include <windows.h>

class CWaitCursor {
public:
  CWaitCursor() : m_hOldCursor(::SetCursor(::LoadCursor(nullptr, IDC_WAIT))) {}
  ~CWaitCursor() { ::SetCursor(m_hOldCursor); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
  HCURSOR m_hOldCursor;
};
