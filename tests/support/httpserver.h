#pragma once
// A real HTTP server on 127.0.0.1 that stands in for the gateway: it takes one request at
// a time on its own thread, records it and answers as told.

#include <winsock2.h>

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CTestHttpServer {
public:
  enum class Mode {
    Respond,      // answer with the status and body given
    NeverAnswer,  // read the request, then hold the connection open without a word
    Stream,       // answer 200 and send body bytes until the client hangs up (bounded)
  };

  // Listens on 127.0.0.1:nPort; IsListening() tells whether the port could be had.
  explicit CTestHttpServer(unsigned short nPort);
  ~CTestHttpServer();
  CTestHttpServer(const CTestHttpServer&) = delete;
  CTestHttpServer& operator=(const CTestHttpServer&) = delete;

  bool IsListening() const { return m_socket != INVALID_SOCKET; }

  void Respond(int nStatus, const std::string& strBody);
  void NeverAnswer();
  void Stream();

  // The requests received so far, each as its raw bytes (head and body).
  std::vector<std::string> Requests() const;
  // Waits up to nTimeoutMs for the n-th request to have been received.
  bool WaitForRequests(size_t nCount, unsigned nTimeoutMs) const;
  // Bytes sent in Stream mode before the client hung up.
  size_t StreamedBytes() const { return m_nStreamed; }

private:
  void Run();
  void Serve(SOCKET client);

  SOCKET m_socket = INVALID_SOCKET;
  std::thread m_thread;
  std::atomic<bool> m_bStop{false};
  std::atomic<size_t> m_nStreamed{0};

  mutable std::mutex m_mutex;
  mutable std::condition_variable m_cv;
  Mode m_mode = Mode::Respond;
  int m_nStatus = 200;
  std::string m_strBody = "OK";
  std::vector<std::string> m_requests;
};

// The raw exchange a plain socket client has with the server: sends strRequest to
// 127.0.0.1:nPort and returns everything received until the server closes.
std::string RawExchange(unsigned short nPort, const std::string& strRequest);
