// The message record and its form body: caps, percent-encoding, field order.
#include <gtest/gtest.h>

#include <string>

#include "sms/smsmessage.h"
#include "sms/urlencode.h"

namespace {

struct EncodeCase {
  std::string strInput;
  std::string strExpected;
};

TEST(URLEncode, EncodesEveryByteButLettersAndDigits) {
  const EncodeCase cases[] = {
      {"", ""},
      {"abcXYZ0189", "abcXYZ0189"},
      {"a b", "a%20b"},
      {"x+y=z", "x%2By%3Dz"},
      {"10:30", "10%3A30"},
      {"-._~", "%2D%2E%5F%7E"},
      {"%&?/#", "%25%26%3F%2F%23"},
      {"line\r\nnext\t", "line%0D%0Anext%09"},
      {"\x01\x7f", "%01%7F"},
      {"\x80\xff\xe9", "%80%FF%E9"},  // bytes of 0x80 and above: two uppercase digits, no sign extension
      {"caf\xc3\xa9", "caf%C3%A9"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CURLEncode(c.strInput).GetEncoded(), c.strExpected) << "input: " << c.strInput;
}

TEST(URLEncode, NeverWritesPlusAndStopsAtNul) {
  EXPECT_EQ(CURLEncode("   ").GetEncoded(), "%20%20%20");
  EXPECT_EQ(CURLEncode(std::string("ab\0cd", 5)).GetEncoded(), "ab");
  EXPECT_EQ(CURLEncode(static_cast<const char*>(nullptr)).GetEncoded(), "");
}

TEST(URLEncode, IsAlphaNumericIsExactlyAsciiLettersAndDigits) {
  for (int n = 0; n < 256; ++n) {
    char ch = static_cast<char>(n);
    bool bExpected = (n >= '0' && n <= '9') || (n >= 'a' && n <= 'z') || (n >= 'A' && n <= 'Z');
    EXPECT_EQ(CURLEncode::IsAlphaNumeric(ch), bExpected) << "byte " << n;
  }
}

TEST(SmsMessage, CapsEachFieldAt200Bytes) {
  struct {
    size_t nLength;
    size_t nKept;
  } const cases[] = {{0, 0}, {10, 10}, {25, 25}, {199, 199}, {200, 200}, {201, 200}, {5000, 200}};
  for (const auto& c : cases) {
    std::string strTo(c.nLength, 't'), strFrom(c.nLength, 'f'), strText(c.nLength, 'm');
    SmsMessage msg(strTo, strFrom, strText);
    EXPECT_EQ(msg.GetTo(), std::string(c.nKept, 't'));
    EXPECT_EQ(msg.GetFrom(), std::string(c.nKept, 'f'));
    EXPECT_EQ(msg.GetMessage(), std::string(c.nKept, 'm'));
  }
}

TEST(SmsMessage, CapCutsBytesNotCharacters) {
  // A multi-byte character across the cap is cut like any other bytes.
  std::string strText = std::string(199, 'a') + "\xc3\xa9";
  EXPECT_EQ(SmsMessage("", "", strText).GetMessage(), std::string(199, 'a') + "\xc3");
}

TEST(SmsMessage, FormDataOrdersRecipientSenderMessage) {
  SmsMessage msg("0123456789", "9876543210", "Hi there, 10:30?");
  EXPECT_EQ(msg.GetFormData(), "to_number=0123456789&from_number=9876543210&message=Hi%20there%2C%2010%3A30%3F");
  // Constructor takes the recipient first: the fields are not swapped.
  EXPECT_EQ(msg.GetTo(), "0123456789");
  EXPECT_EQ(msg.GetFrom(), "9876543210");
}

TEST(SmsMessage, FormDataHoldsOnlyFormCharacters) {
  std::string strAll;
  for (int n = 1; n < 256; ++n)
    strAll += static_cast<char>(n);
  std::string strBody = SmsMessage(strAll, strAll, strAll).GetFormData();
  for (char ch : strBody)
    EXPECT_TRUE(CURLEncode::IsAlphaNumeric(ch) || ch == '%' || ch == '=' || ch == '&' || ch == '_') << int(ch);
}

TEST(SmsMessage, EmptyMessageEndsTheBody) {
  EXPECT_EQ(SmsMessage("1", "2", "").GetFormData(), "to_number=1&from_number=2&message=");
}

}  // namespace
