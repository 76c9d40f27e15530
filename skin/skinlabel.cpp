#include "skin/skinlabel.h"

#include "skin/skincolors.h"

CSkinLabel::CSkinLabel() : m_brushBack(kSkinWhite) {}

bool CSkinLabel::OnChildNotify(UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (nMsg >= WM_CTLCOLORMSGBOX && nMsg <= WM_CTLCOLORSTATIC) {
    *pResult = reinterpret_cast<LRESULT>(m_brushBack.GetSafeHandle());
    return true;
  }
  return CStatic::OnChildNotify(nMsg, wParam, lParam, pResult);
}
