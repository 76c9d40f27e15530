#include "framework/msgbox.h"

#include "framework/module.h"
#include "res/resource.h"

int ShowMessageBox(HWND hWndOwner, const std::string& strText, const std::string& strCaption, UINT nType) {
  return ::MessageBoxA(hWndOwner, strText.c_str(), strCaption.c_str(), nType);
}

void ShowErrorBox(UINT nStringId, HWND hWndOwner) {
  ShowMessageBox(hWndOwner, LoadResString(nStringId), LoadResString(IDS_PRODUCT_NAME), MB_ICONERROR);
}
