#pragma once
// One item of an Outlook folder, read late bound: asked for its contact face, then for
// the contact's full name and mobile number.

#include <windows.h>
#include <oaidl.h>

#include "contacts/contactsource.h"
#include "contacts/outlooknames.h"
#include "framework/comptr.h"

// Outlook's _ContactItem interface.
extern const IID IID_OutlookContactItem;

class COutlookItem : public IContactItem {
public:
  COutlookItem(COutlookNames& names, CComPtr<IDispatch> spItem) : m_names(names), m_spItem(std::move(spItem)) {}

  SourceResult AsContact() override;
  SourceResult GetFullName(std::string& strFullName) override;
  SourceResult GetMobileNumber(std::string& strNumber) override;

private:
  SourceResult ReadText(OutlookMember member, std::string& str);

  COutlookNames& m_names;
  CComPtr<IDispatch> m_spItem;
  // The same object as _ContactItem (a dual interface: its first slots are IDispatch's).
  CComPtr<IDispatch> m_spContact;
};
