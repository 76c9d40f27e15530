#pragma once
// BSTRs in an owner that frees them, and their conversion to and from the program's
// narrow strings (the ANSI code page).

#include <windows.h>
#include <oleauto.h>

#include <string>

#include "framework/handle.h"

struct BstrTraits {
  using Type = BSTR;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::SysFreeString(h); }
};
using CBstr = CUniqueHandle<BstrTraits>;

// A new BSTR holding the wide string psz.
inline CBstr MakeBstr(const wchar_t* psz) {
  return CBstr(::SysAllocString(psz));
}

// Wide text (of nLength characters) in the ANSI code page; characters the code page lacks
// become its default character.
std::string WideToAnsi(const wchar_t* psz, size_t nLength);

// The BSTR's text as a narrow string; null gives the empty string.
inline std::string BstrToAnsi(BSTR bstr) {
  return bstr ? WideToAnsi(bstr, ::SysStringLen(bstr)) : std::string();
}
