// SmsMessage::Send against a real HTTP server on 127.0.0.1 (the test build points the
// gateway's host and port there).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/module.h"
#include "gateway.h"
#include "res/resource.h"
#include "sms/smsmessage.h"
#include "tests/support/httpserver.h"
#include "tests/support/msgboxcatcher.h"

namespace {

class SendTest : public ::testing::Test {
protected:
  void SetUp() override {
    // Test traffic goes to loopback only.
    ASSERT_EQ(LoadResString(IDS_GATEWAY_HOST), "127.0.0.1") << "configure the test build with the loopback gateway";
  }

  static std::string Body(const std::string& strRequest) {
    size_t nPos = strRequest.find("\r\n\r\n");
    return nPos == std::string::npos ? std::string() : strRequest.substr(nPos + 4);
  }
  static std::string Head(const std::string& strRequest) {
    return strRequest.substr(0, strRequest.find("\r\n\r\n") + 2);
  }

  CMsgBoxCatcher m_catcher;
};

TEST_F(SendTest, PostsTheFormAndShowsTheReply) {
  CTestHttpServer server(TORVIK_GATEWAY_PORT);
  ASSERT_TRUE(server.IsListening());
  server.Respond(200, "Message queued for 0123456789");

  SmsMessage msg("0123456789", "9876543210", "Hello world & more");
  EXPECT_TRUE(msg.Send());

  auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  const std::string strExpectedBody = "to_number=0123456789&from_number=9876543210&message=Hello%20world%20%26%20more";
  std::string strHead = Head(requests[0]);
  EXPECT_EQ(strHead.substr(0, strHead.find("\r\n")), "POST /smschat/sendtxt.jsp HTTP/1.0");
  EXPECT_NE(strHead.find("\r\nContent-Type: application/x-www-form-urlencoded\r\n"), std::string::npos) << strHead;
  EXPECT_NE(strHead.find("\r\nUser-Agent: " + ModuleBaseName() + "\r\n"), std::string::npos) << strHead;
  EXPECT_NE(strHead.find("\r\nHost: 127.0.0.1:" + std::to_string(TORVIK_GATEWAY_PORT) + "\r\n"), std::string::npos)
      << strHead;
  EXPECT_NE(strHead.find("\r\nContent-Length: " + std::to_string(strExpectedBody.size()) + "\r\n"), std::string::npos)
      << strHead;
  EXPECT_EQ(Body(requests[0]), strExpectedBody);

  ASSERT_EQ(m_catcher.Boxes().size(), 1u);
  EXPECT_EQ(m_catcher.Boxes()[0].strText, "Message queued for 0123456789");
  EXPECT_EQ(m_catcher.Boxes()[0].strCaption, "");
  EXPECT_EQ(m_catcher.Boxes()[0].hWndOwner, nullptr);
}

TEST_F(SendTest, ReplyStatusDecidesAndTheWholeBodyIsShown) {
  struct Case {
    const char* pszName;
    int nStatus;
    std::string strBody;
    bool bResult;
    std::string strShown;  // text of the one box shown, when bResult
  };
  const std::string strLong(5000, 'r');
  const Case cases[] = {
      {"reply over 2048 bytes", 200, strLong, true, strLong},
      {"empty reply", 200, "", true, ""},
      {"other 2xx", 202, "accepted", true, "accepted"},
      {"NUL inside the reply", 200, std::string("before\0after", 12), true, "before after"},
      {"server error with a body", 500, "Internal failure", false, ""},
      {"not found", 404, "No such page", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pszName);
    CTestHttpServer server(TORVIK_GATEWAY_PORT);
    ASSERT_TRUE(server.IsListening());
    server.Respond(c.nStatus, c.strBody);
    m_catcher.Clear();

    EXPECT_EQ(SmsMessage("0123456789", "9876543210", "hi").Send(), c.bResult);
    if (c.bResult) {
      ASSERT_EQ(m_catcher.Boxes().size(), 1u);
      // Compared as a whole without printing kilobytes of text on a failure.
      EXPECT_TRUE(m_catcher.Boxes()[0].strText == c.strShown)
          << "shown " << m_catcher.Boxes()[0].strText.size() << " bytes, expected " << c.strShown.size();
    } else {
      EXPECT_TRUE(m_catcher.Boxes().empty());
    }
  }
}

TEST_F(SendTest, ServerDownFailsAtOnceAndShowsNothing) {
  DWORD nStart = ::GetTickCount();
  EXPECT_FALSE(SmsMessage("0123456789", "9876543210", "hi").Send());
  EXPECT_LT(::GetTickCount() - nStart, 10000u);
  EXPECT_TRUE(m_catcher.Boxes().empty());
}

TEST_F(SendTest, SilentServerFailsWithinTheTimeout) {
  CTestHttpServer server(TORVIK_GATEWAY_PORT);
  ASSERT_TRUE(server.IsListening());
  server.NeverAnswer();

  SmsMessage msg("0123456789", "9876543210", "hi");
  msg.SetTimeout(1500);
  DWORD nStart = ::GetTickCount();
  EXPECT_FALSE(msg.Send());
  DWORD nElapsed = ::GetTickCount() - nStart;
  EXPECT_GE(nElapsed, 1000u);
  EXPECT_LT(nElapsed, 15000u);
  EXPECT_TRUE(m_catcher.Boxes().empty());
  EXPECT_EQ(server.Requests().size(), 1u);
}

TEST_F(SendTest, EndlessReplyIsCutAtTheCap) {
  CTestHttpServer server(TORVIK_GATEWAY_PORT);
  ASSERT_TRUE(server.IsListening());
  server.Stream();

  EXPECT_TRUE(SmsMessage("0123456789", "9876543210", "hi").Send());
  ASSERT_EQ(m_catcher.Boxes().size(), 1u);
  const std::string& strShown = m_catcher.Boxes()[0].strText;
  EXPECT_EQ(strShown.size(), SmsMessage::kMaxReply);
  EXPECT_EQ(strShown.find_first_not_of('x'), std::string::npos);
}

}  // namespace
