#include "sms/urlencode.h"

CURLEncode::CURLEncode(const char* text) {
  static const char kHex[] = "0123456789ABCDEF";
  if (text == nullptr)
    return;
  for (const char* p = text; *p != '\0'; ++p) {
    if (IsAlphaNumeric(*p)) {
      m_strEncoded += *p;
    } else {
      // Through unsigned char, so bytes of 0x80 and above come out as two digits too.
      unsigned char byte = static_cast<unsigned char>(*p);
      m_strEncoded += '%';
      m_strEncoded += kHex[byte >> 4];
      m_strEncoded += kHex[byte & 0x0F];
    }
  }
}

bool CURLEncode::IsAlphaNumeric(char ch) {
  return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}
