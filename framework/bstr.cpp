#include "framework/bstr.h"

#include <climits>

std::string WideToAnsi(const wchar_t* psz, size_t nLength) {
  if (!psz || nLength == 0 || nLength > INT_MAX)
    return std::string();
  int nWide = static_cast<int>(nLength);
  int nBytes = ::WideCharToMultiByte(CP_ACP, 0, psz, nWide, nullptr, 0, nullptr, nullptr);
  if (nBytes <= 0)
    return std::string();
  std::string str(static_cast<size_t>(nBytes), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, psz, nWide, &str[0], nBytes, nullptr, nullptr);
  return str;
}
