#include "framework/module.h"

// Provided by the linker at the start of every PE image.
extern "C" IMAGE_DOS_HEADER __ImageBase;

HINSTANCE ModuleInstance() {
  return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

std::string LoadResString(UINT nId) {
  // With a zero buffer size LoadStringW hands out a pointer to the resource itself, so a
  // string of any length is read whole. The text is then converted to the ANSI code page.
  const wchar_t* pszText = nullptr;
  int nLength = ::LoadStringW(ModuleInstance(), nId, reinterpret_cast<LPWSTR>(&pszText), 0);
  if (nLength <= 0 || pszText == nullptr)
    return std::string();
  int nBytes = ::WideCharToMultiByte(CP_ACP, 0, pszText, nLength, nullptr, 0, nullptr, nullptr);
  std::string strText(static_cast<size_t>(nBytes), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, pszText, nLength, strText.data(), nBytes, nullptr, nullptr);
  return strText;
}

std::string ModuleBaseName() {
  char szPath[MAX_PATH] = {};
  DWORD nLength = ::GetModuleFileNameA(ModuleInstance(), szPath, MAX_PATH);
  std::string strPath(szPath, nLength);
  size_t nSlash = strPath.find_last_of("\\/");
  if (nSlash != std::string::npos)
    strPath.erase(0, nSlash + 1);
  size_t nDot = strPath.find_last_of('.');
  if (nDot != std::string::npos)
    strPath.erase(nDot);
  return strPath;
}
