#pragma once
// The members of Outlook's objects the reader calls, by name, with their DISPIDs looked up
// once per read (on first use) instead of once per item: each lookup is a cross-process call.

#include <windows.h>
#include <oaidl.h>

#include "contacts/contactsource.h"
#include "framework/variant.h"

enum class OutlookMember {
  kGetNamespace,
  kGetDefaultFolder,
  kFolders,
  kCount,
  kItem,
  kName,
  kItems,
  kGetFirst,
  kGetNext,
  kFullName,
  kMobileTelephoneNumber,
  kMemberCount
};

class COutlookNames {
public:
  COutlookNames();
  COutlookNames(const COutlookNames&) = delete;
  COutlookNames& operator=(const COutlookNames&) = delete;

  // Calls the member on pDisp (a method, or a property read) with at most one argument.
  HRESULT Call(IDispatch* pDisp, OutlookMember member, CVariant& result, const VARIANT* pArg = nullptr);

  // How the walk sees a result: success, an ordinary refusal, or the server gone.
  static SourceResult ToSourceResult(HRESULT hr);

private:
  DISPID m_nDispIds[static_cast<int>(OutlookMember::kMemberCount)];
  bool m_bKnown[static_cast<int>(OutlookMember::kMemberCount)];
};
