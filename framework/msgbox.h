#pragma once
// Message boxes: the only way a failure reaches the user.

#include <windows.h>

#include <string>

// Shows strText under strCaption with MessageBoxA and waits until it is closed.
int ShowMessageBox(HWND hWndOwner, const std::string& strText, const std::string& strCaption, UINT nType);

// Shows string nStringId, captioned with the product name (string 104), with the error
// icon and an OK button, owned by hWndOwner. Both strings are loaded afresh on every call.
void ShowErrorBox(UINT nStringId, HWND hWndOwner);
