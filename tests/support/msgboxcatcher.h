#pragma once
// Reads and closes the message boxes that the code under test shows on this thread, so
// no test ever waits on a person.

#include <windows.h>

#include <string>
#include <vector>

struct CaughtBox {
  std::string strText;
  std::string strCaption;
  HWND hWndOwner = nullptr;
  bool bErrorIcon = false;  // the box carries the error (hand) icon
};

class CMsgBoxCatcher {
public:
  // Installs a CBT hook on the calling thread; every message box that becomes active is
  // recorded and answered with nAnswer (IDOK by default).
  explicit CMsgBoxCatcher(int nAnswer = IDOK);
  ~CMsgBoxCatcher();
  CMsgBoxCatcher(const CMsgBoxCatcher&) = delete;
  CMsgBoxCatcher& operator=(const CMsgBoxCatcher&) = delete;

  const std::vector<CaughtBox>& Boxes() const { return m_boxes; }
  void Clear() { m_boxes.clear(); }

private:
  static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);
  void Catch(HWND hWndBox);

  HHOOK m_hHook = nullptr;
  int m_nAnswer;
  std::vector<CaughtBox> m_boxes;
};
