#pragma once
// WinINet handles in owners that close them on every path.

#include <windows.h>
#include <wininet.h>

#include "framework/handle.h"

struct InternetHandleTraits {
  using Type = HINTERNET;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::InternetCloseHandle(h); }
};
using CInternetHandle = CUniqueHandle<InternetHandleTraits>;

// Sets the connect, send and receive time-outs of one handle. WinINet honours the receive
// time-out only on the request handle, so every handle of a request gets all three.
inline void SetInternetTimeouts(HINTERNET hInternet, DWORD nTimeoutMs) {
  for (DWORD nOption : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
    ::InternetSetOptionA(hInternet, nOption, &nTimeoutMs, sizeof nTimeoutMs);
}
