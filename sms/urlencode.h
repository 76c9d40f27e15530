#pragma once
// Percent-encoding of one form value: ASCII letters and digits pass, every other byte
// becomes "%XX" with two uppercase hex digits (space too: "%20", never "+").

#include <string>

class CURLEncode {
public:
  // Encodes text up to its terminating NUL.
  explicit CURLEncode(const char* text);
  explicit CURLEncode(const std::string& text) : CURLEncode(text.c_str()) {}
  virtual ~CURLEncode() = default;

  // The encoded text; valid while the encoder lives.
  const std::string& GetEncoded() const { return m_strEncoded; }

  // True exactly for '0'-'9', 'a'-'z' and 'A'-'Z', whatever the locale.
  static bool IsAlphaNumeric(char ch);

private:
  std::string m_strEncoded;
};
