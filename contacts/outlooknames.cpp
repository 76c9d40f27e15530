#include "contacts/outlooknames.h"

#include "contacts/contactwalk.h"
#include "framework/dispatch.h"

namespace {

struct MemberInfo {
  const wchar_t* pszName;
  WORD wFlags;
};

// In the order of OutlookMember.
const MemberInfo kMembers[] = {
    {L"GetNamespace", DISPATCH_METHOD},
    {L"GetDefaultFolder", DISPATCH_METHOD},
    {L"Folders", DISPATCH_PROPERTYGET},
    {L"Count", DISPATCH_PROPERTYGET},
    {L"Item", DISPATCH_METHOD},
    {L"Name", DISPATCH_PROPERTYGET},
    {L"Items", DISPATCH_PROPERTYGET},
    {L"GetFirst", DISPATCH_METHOD},
    {L"GetNext", DISPATCH_METHOD},
    {L"FullName", DISPATCH_PROPERTYGET},
    {L"MobileTelephoneNumber", DISPATCH_PROPERTYGET},
};
static_assert(sizeof kMembers / sizeof kMembers[0] == static_cast<size_t>(OutlookMember::kMemberCount),
              "one entry per member");

}  // namespace

COutlookNames::COutlookNames() {
  for (int i = 0; i < static_cast<int>(OutlookMember::kMemberCount); ++i) {
    m_nDispIds[i] = DISPID_UNKNOWN;
    m_bKnown[i] = false;
  }
}

HRESULT COutlookNames::Call(IDispatch* pDisp, OutlookMember member, CVariant& result, const VARIANT* pArg) {
  const int n = static_cast<int>(member);
  if (!m_bKnown[n]) {
    HRESULT hr = GetDispId(pDisp, kMembers[n].pszName, m_nDispIds[n]);
    if (FAILED(hr))
      return hr;
    m_bKnown[n] = true;
  }
  return InvokeDispatch(pDisp, m_nDispIds[n], kMembers[n].wFlags, pArg, pArg ? 1 : 0, result);
}

SourceResult COutlookNames::ToSourceResult(HRESULT hr) {
  if (SUCCEEDED(hr))
    return SourceResult::kOk;
  return IsConnectionLost(static_cast<std::uint32_t>(hr)) ? SourceResult::kLost : SourceResult::kFailed;
}
