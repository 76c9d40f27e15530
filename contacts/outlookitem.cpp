#include "contacts/outlookitem.h"

#include "framework/dispatch.h"

// {00063021-0000-0000-C000-000000000046}
const IID IID_OutlookContactItem = {0x00063021, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

SourceResult COutlookItem::AsContact() {
  return COutlookNames::ToSourceResult(m_spItem.QueryInterface(IID_OutlookContactItem, m_spContact));
}

SourceResult COutlookItem::GetFullName(std::string& strFullName) {
  return ReadText(OutlookMember::kFullName, strFullName);
}

SourceResult COutlookItem::GetMobileNumber(std::string& strNumber) {
  return ReadText(OutlookMember::kMobileTelephoneNumber, strNumber);
}

SourceResult COutlookItem::ReadText(OutlookMember member, std::string& str) {
  str.clear();
  if (!m_spContact)
    return SourceResult::kFailed;
  CVariant value;
  HRESULT hr = m_names.Call(m_spContact, member, value);
  if (SUCCEEDED(hr))
    hr = VariantToAnsi(value, str);
  return COutlookNames::ToSourceResult(hr);
}
