// The submission of an SmsMessage to the gateway over WinINet.
#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <string>

#include "framework/internet.h"
#include "framework/module.h"
#include "framework/msgbox.h"
#include "gateway.h"
#include "res/resource.h"
#include "sms/smsmessage.h"

namespace {

// Ask for a fresh reply and keep it out of the cache.
constexpr DWORD kConnectFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_TRANSFER_ASCII;
constexpr DWORD_PTR kContext = 1;
constexpr DWORD kReadChunk = 2048;

// Reads the reply body, at most SmsMessage::kMaxReply bytes. False when a read fails.
bool ReadReply(HINTERNET hRequest, std::string& strResponse) {
  char szBuff[kReadChunk];
  while (strResponse.size() < SmsMessage::kMaxReply) {
    DWORD nWanted = static_cast<DWORD>(std::min<size_t>(kReadChunk, SmsMessage::kMaxReply - strResponse.size()));
    DWORD nRead = 0;
    if (!::InternetReadFile(hRequest, szBuff, nWanted, &nRead))
      return false;
    if (nRead == 0)
      break;
    strResponse.append(szBuff, nRead);
  }
  // A NUL inside the reply would end the text in the box and hide the rest of it.
  std::replace(strResponse.begin(), strResponse.end(), '\0', ' ');
  return true;
}

bool IsSuccessStatus(HINTERNET hRequest) {
  DWORD nStatus = 0;
  DWORD nSize = sizeof nStatus;
  if (!::HttpQueryInfoA(hRequest, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &nStatus, &nSize, nullptr))
    return false;
  return nStatus >= 200 && nStatus <= 299;
}

}  // namespace

bool SmsMessage::Send() {
  std::string strResponse;
  if (!Submit(strResponse))
    return false;
  // Submit has closed the connection: the box may wait on the user for as long as it likes.
  ShowMessageBox(nullptr, strResponse, std::string(), MB_OK);
  return true;
}

bool SmsMessage::Submit(std::string& strResponse) {
  strResponse.clear();
  try {
    // The user agent is the module's name, "Torvik" for the add-in.
    CInternetHandle hSession(
        ::InternetOpenA(ModuleBaseName().c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!hSession)
      return false;
    SetInternetTimeouts(hSession.Get(), m_nTimeoutMs);

    std::string strServer = LoadResString(IDS_GATEWAY_HOST);
    CInternetHandle hConnection(::InternetConnectA(hSession.Get(), strServer.c_str(), TORVIK_GATEWAY_PORT, nullptr,
                                                   nullptr, INTERNET_SERVICE_HTTP, kConnectFlags, kContext));
    if (!hConnection)
      return false;
    SetInternetTimeouts(hConnection.Get(), m_nTimeoutMs);

    std::string strServiceUrl = LoadResString(IDS_GATEWAY_PATH);
    CInternetHandle hRequest(::HttpOpenRequestA(hConnection.Get(), "POST", strServiceUrl.c_str(), "HTTP/1.0", nullptr,
                                                nullptr, kRequestFlags, kContext));
    if (!hRequest)
      return false;
    SetInternetTimeouts(hRequest.Get(), m_nTimeoutMs);

    static const char kHeaders[] = "Content-Type: application/x-www-form-urlencoded";
    std::string strFormData = GetFormData();
    if (!::HttpSendRequestA(hRequest.Get(), kHeaders, static_cast<DWORD>(sizeof kHeaders - 1), strFormData.data(),
                            static_cast<DWORD>(strFormData.size())))
      return false;

    // An error page is not a delivered message.
    if (!IsSuccessStatus(hRequest.Get()))
      return false;

    if (!ReadReply(hRequest.Get(), strResponse)) {
      strResponse.clear();
      return false;
    }
    return true;
  } catch (...) {
    strResponse.clear();
    return false;
  }
}
