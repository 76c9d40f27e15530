#include "tests/support/httpserver.h"

#include <ws2tcpip.h>

#include <chrono>
#include <cstdlib>

namespace {

struct WinsockInit {
  WinsockInit() {
    WSADATA data;
    ::WSAStartup(MAKEWORD(2, 2), &data);
  }
};

void EnsureWinsock() {
  static WinsockInit s_init;
}

// Waits until the socket is readable or the stop flag is raised.
bool WaitReadable(SOCKET s, const std::atomic<bool>& bStop) {
  while (!bStop) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval tv = {0, 50 * 1000};
    int n = ::select(0, &set, nullptr, nullptr, &tv);
    if (n > 0)
      return true;
    if (n < 0)
      return false;
  }
  return false;
}

const char* Reason(int nStatus) {
  switch (nStatus) {
    case 200:
      return "OK";
    case 404:
      return "Not Found";
    case 500:
      return "Internal Server Error";
    default:
      return "Status";
  }
}

bool SendAll(SOCKET s, const std::string& strData) {
  size_t nSent = 0;
  while (nSent < strData.size()) {
    int n = ::send(s, strData.data() + nSent, static_cast<int>(strData.size() - nSent), 0);
    if (n <= 0)
      return false;
    nSent += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

CTestHttpServer::CTestHttpServer(unsigned short nPort) {
  EnsureWinsock();
  SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET)
    return;
  BOOL bReuse = TRUE;
  ::setsockopt(s, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&bReuse), sizeof bReuse);
  sockaddr_in addr = {};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(nPort);
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(s, 8) != 0) {
    ::closesocket(s);
    return;
  }
  m_socket = s;
  m_thread = std::thread([this] { Run(); });
}

CTestHttpServer::~CTestHttpServer() {
  m_bStop = true;
  if (m_thread.joinable())
    m_thread.join();
  if (m_socket != INVALID_SOCKET)
    ::closesocket(m_socket);
}

void CTestHttpServer::Respond(int nStatus, const std::string& strBody) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_mode = Mode::Respond;
  m_nStatus = nStatus;
  m_strBody = strBody;
}

void CTestHttpServer::NeverAnswer() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_mode = Mode::NeverAnswer;
}

void CTestHttpServer::Stream() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_mode = Mode::Stream;
}

std::vector<std::string> CTestHttpServer::Requests() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_requests;
}

bool CTestHttpServer::WaitForRequests(size_t nCount, unsigned nTimeoutMs) const {
  std::unique_lock<std::mutex> lock(m_mutex);
  return m_cv.wait_for(lock, std::chrono::milliseconds(nTimeoutMs), [&] { return m_requests.size() >= nCount; });
}

void CTestHttpServer::Run() {
  while (WaitReadable(m_socket, m_bStop)) {
    SOCKET client = ::accept(m_socket, nullptr, nullptr);
    if (client == INVALID_SOCKET)
      continue;
    Serve(client);
    ::closesocket(client);
  }
}

void CTestHttpServer::Serve(SOCKET client) {
  // Read the head, then as many body bytes as Content-Length announces.
  std::string strRequest;
  size_t nHeadEnd = std::string::npos;
  size_t nWanted = 0;
  char buf[4096];
  while (true) {
    if (nHeadEnd == std::string::npos) {
      nHeadEnd = strRequest.find("\r\n\r\n");
      if (nHeadEnd != std::string::npos) {
        nHeadEnd += 4;
        size_t nPos = strRequest.find("Content-Length:");
        if (nPos != std::string::npos && nPos < nHeadEnd)
          nWanted = std::strtoul(strRequest.c_str() + nPos + 15, nullptr, 10);
      }
    }
    if (nHeadEnd != std::string::npos && strRequest.size() >= nHeadEnd + nWanted)
      break;
    if (!WaitReadable(client, m_bStop))
      return;
    int n = ::recv(client, buf, sizeof buf, 0);
    if (n <= 0)
      break;
    strRequest.append(buf, static_cast<size_t>(n));
  }

  Mode mode;
  int nStatus;
  std::string strBody;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_requests.push_back(strRequest);
    mode = m_mode;
    nStatus = m_nStatus;
    strBody = m_strBody;
  }
  m_cv.notify_all();

  switch (mode) {
    case Mode::Respond:
      SendAll(client, "HTTP/1.0 " + std::to_string(nStatus) + " " + Reason(nStatus) +
                          "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(strBody.size()) +
                          "\r\nConnection: close\r\n\r\n" + strBody);
      ::shutdown(client, SD_SEND);
      break;
    case Mode::NeverAnswer:
      // Hold the line until the client gives up (it closes) or the test ends.
      while (WaitReadable(client, m_bStop) && ::recv(client, buf, sizeof buf, 0) > 0) {
      }
      break;
    case Mode::Stream: {
      // Without a length the body lasts until the connection ends; stop at 64 MiB at most.
      if (!SendAll(client, "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n"))
        break;
      std::string strChunk(16 * 1024, 'x');
      while (!m_bStop && m_nStreamed < (64u << 20) && SendAll(client, strChunk))
        m_nStreamed += strChunk.size();
      break;
    }
  }
}

std::string RawExchange(unsigned short nPort, const std::string& strRequest) {
  EnsureWinsock();
  SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET)
    return std::string();
  sockaddr_in addr = {};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(nPort);
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  std::string strReply;
  if (::connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 && SendAll(s, strRequest)) {
    char buf[4096];
    int n;
    while ((n = ::recv(s, buf, sizeof buf, 0)) > 0)
      strReply.append(buf, static_cast<size_t>(n));
  }
  ::closesocket(s);
  return strReply;
}
