#pragma once
// One short text message on its way to the gateway: the record with its length caps,
// the form body, and the submission over HTTP.

#include <cstddef>
#include <string>

class SmsMessage {
public:
  // Longest value kept of each field; longer values are cut to their first kFieldCap bytes.
  static constexpr std::size_t kFieldCap = 200;
  // Most of the gateway's reply that is read and shown: bounds the memory an endless
  // reply can take, and stays below the 32K characters from which a message box shows
  // no text at all.
  static constexpr std::size_t kMaxReply = 32000;
  // Default connect, send and receive time-out of each HTTP step, in milliseconds.
  static constexpr unsigned long kDefaultTimeoutMs = 30000;

  // Note the order: recipient, sender, text.
  SmsMessage(const std::string& to, const std::string& from, const std::string& message);

  // The form body: "to_number=...&from_number=...&message=..." from the encoded values.
  std::string GetFormData() const;

  // Posts the form to the gateway and shows its reply in a message box. True when the
  // gateway took the request (status 2xx) and its reply was read and shown; false on any
  // failure, with nothing shown (the caller reports it). Never throws.
  bool Send();

  // The exchange of Send without the box: posts the form and reads the reply into
  // strReply. True for a 2xx status with a readable reply. Never throws.
  bool Submit(std::string& strReply);

  // Shortens (or lengthens) the time-out of each HTTP step.
  void SetTimeout(unsigned long nTimeoutMs) { m_nTimeoutMs = nTimeoutMs; }

  const std::string& GetFrom() const { return m_strFrom; }
  const std::string& GetTo() const { return m_strTo; }
  const std::string& GetMessage() const { return m_strMessage; }

private:
  std::string m_strFrom;
  std::string m_strTo;
  std::string m_strMessage;
  unsigned long m_nTimeoutMs = kDefaultTimeoutMs;
};
