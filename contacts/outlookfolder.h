#pragma once
// One Outlook folder (a MAPIFolder), read late bound: its name, its Folders collection
// and its Items collection.

#include <windows.h>
#include <oaidl.h>

#include "contacts/contactsource.h"
#include "contacts/outlooknames.h"
#include "framework/comptr.h"

class COutlookFolder : public IContactFolder {
public:
  COutlookFolder(COutlookNames& names, CComPtr<IDispatch> spFolder) : m_names(names), m_spFolder(std::move(spFolder)) {}

  SourceResult GetName(std::string& strName) override;
  SourceResult OpenFolders() override;
  SourceResult GetFolderCount(long& nCount) override;
  SourceResult GetFolder(long nIndex, std::unique_ptr<IContactFolder>& ptrFolder) override;
  SourceResult OpenItems() override;
  SourceResult GetFirstItem(std::unique_ptr<IContactItem>& ptrItem) override;
  SourceResult GetNextItem(std::unique_ptr<IContactItem>& ptrItem) override;

private:
  // Calls a member that returns an object; a null object is a success with a null pointer.
  HRESULT CallForObject(IDispatch* pDisp, OutlookMember member, CComPtr<IDispatch>& sp, const VARIANT* pArg = nullptr);
  SourceResult NextItem(OutlookMember member, std::unique_ptr<IContactItem>& ptrItem);

  COutlookNames& m_names;
  CComPtr<IDispatch> m_spFolder;
  CComPtr<IDispatch> m_spFolderList;
  CComPtr<IDispatch> m_spItems;
};
