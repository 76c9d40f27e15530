#include "sms/smsmessage.h"

#include "sms/urlencode.h"

namespace {
std::string Capped(const std::string& strValue) {
  return strValue.substr(0, SmsMessage::kFieldCap);
}
}  // namespace

SmsMessage::SmsMessage(const std::string& to, const std::string& from, const std::string& message)
    : m_strFrom(Capped(from)), m_strTo(Capped(to)), m_strMessage(Capped(message)) {}

std::string SmsMessage::GetFormData() const {
  return "to_number=" + CURLEncode(m_strTo).GetEncoded() + "&from_number=" + CURLEncode(m_strFrom).GetEncoded() +
         "&message=" + CURLEncode(m_strMessage).GetEncoded();
}
