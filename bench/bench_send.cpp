// One submission to the loopback gateway against a raw socket POST of the same bytes to
// the same server. Measured twice: the HTTP exchange alone (Submit), and the whole Send
// with its reply box (closed at once by the catcher), as a user meets it.
#include <gtest/gtest.h>

#include "bench/benchutil.h"
#include "gateway.h"
#include "sms/smsmessage.h"
#include "tests/support/httpserver.h"
#include "tests/support/msgboxcatcher.h"

TEST(Bench, SendAgainstRawPost) {
  CTestHttpServer server(TORVIK_GATEWAY_PORT);
  ASSERT_TRUE(server.IsListening());
  server.Respond(200, "Message queued");
  CMsgBoxCatcher catcher;

  const int kRuns = 40;
  SmsMessage msg("0123456789", "9876543210", "Benchmark message");
  std::string strReply;
  double dSubmit = MedianMicros(kRuns, [&] { msg.Submit(strReply); });
  ASSERT_EQ(strReply, "Message queued");
  double dSend = MedianMicros(kRuns, [&] { msg.Send(); });
  ASSERT_EQ(catcher.Boxes().size(), static_cast<size_t>(kRuns));
  std::string strRequest = server.Requests().front();
  double dRaw = MedianMicros(kRuns, [&] { RawExchange(TORVIK_GATEWAY_PORT, strRequest); });
  ASSERT_EQ(server.Requests().size(), static_cast<size_t>(3 * kRuns));

  PrintRatio("Submit: the HTTP exchange (median)", dSubmit, "raw socket POST (median)", dRaw);
  PrintRatio("Send: exchange and reply box (median)", dSend, "raw socket POST (median)", dRaw);
}
