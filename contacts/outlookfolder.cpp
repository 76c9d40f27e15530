#include "contacts/outlookfolder.h"

#include "contacts/outlookitem.h"
#include "framework/dispatch.h"

HRESULT COutlookFolder::CallForObject(IDispatch* pDisp, OutlookMember member, CComPtr<IDispatch>& sp,
                                      const VARIANT* pArg) {
  sp.Release();
  if (!pDisp)
    return E_POINTER;
  CVariant value;
  HRESULT hr = m_names.Call(pDisp, member, value, pArg);
  return FAILED(hr) ? hr : VariantToDispatch(value, sp);
}

SourceResult COutlookFolder::GetName(std::string& strName) {
  CVariant value;
  HRESULT hr = m_names.Call(m_spFolder, OutlookMember::kName, value);
  if (SUCCEEDED(hr))
    hr = VariantToAnsi(value, strName);
  return COutlookNames::ToSourceResult(hr);
}

SourceResult COutlookFolder::OpenFolders() {
  HRESULT hr = CallForObject(m_spFolder, OutlookMember::kFolders, m_spFolderList);
  if (SUCCEEDED(hr) && !m_spFolderList)
    return SourceResult::kFailed;
  return COutlookNames::ToSourceResult(hr);
}

SourceResult COutlookFolder::GetFolderCount(long& nCount) {
  nCount = 0;
  if (!m_spFolderList)
    return SourceResult::kFailed;
  CVariant value;
  HRESULT hr = m_names.Call(m_spFolderList, OutlookMember::kCount, value);
  if (SUCCEEDED(hr))
    hr = VariantToLong(value, nCount);
  return COutlookNames::ToSourceResult(hr);
}

SourceResult COutlookFolder::GetFolder(long nIndex, std::unique_ptr<IContactFolder>& ptrFolder) {
  ptrFolder.reset();
  CVariant index(nIndex);
  CComPtr<IDispatch> spSubfolder;
  HRESULT hr = CallForObject(m_spFolderList, OutlookMember::kItem, spSubfolder, index.Get());
  if (spSubfolder)
    ptrFolder = std::make_unique<COutlookFolder>(m_names, std::move(spSubfolder));
  return COutlookNames::ToSourceResult(hr);
}

SourceResult COutlookFolder::OpenItems() {
  HRESULT hr = CallForObject(m_spFolder, OutlookMember::kItems, m_spItems);
  if (SUCCEEDED(hr) && !m_spItems)
    return SourceResult::kFailed;
  return COutlookNames::ToSourceResult(hr);
}

SourceResult COutlookFolder::GetFirstItem(std::unique_ptr<IContactItem>& ptrItem) {
  return NextItem(OutlookMember::kGetFirst, ptrItem);
}

SourceResult COutlookFolder::GetNextItem(std::unique_ptr<IContactItem>& ptrItem) {
  return NextItem(OutlookMember::kGetNext, ptrItem);
}

SourceResult COutlookFolder::NextItem(OutlookMember member, std::unique_ptr<IContactItem>& ptrItem) {
  ptrItem.reset();
  CComPtr<IDispatch> spItem;
  HRESULT hr = CallForObject(m_spItems, member, spItem);
  if (SUCCEEDED(hr) && spItem)
    ptrItem = std::make_unique<COutlookItem>(m_names, std::move(spItem));
  return COutlookNames::ToSourceResult(hr);
}
