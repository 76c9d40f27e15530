#include "contacts/outlookreader.h"

#include <memory>

#include "contacts/contacttree.h"
#include "contacts/contactwalk.h"
#include "contacts/outlookfolder.h"
#include "contacts/outlooknames.h"
#include "framework/comptr.h"
#include "framework/dispatch.h"
#include "framework/module.h"
#include "res/resource.h"

// {0006F03A-0000-0000-C000-000000000046}
const CLSID CLSID_OutlookApplication = {0x0006F03A, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// {00063001-0000-0000-C000-000000000046}
const IID IID_OutlookApplication = {0x00063001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

namespace {

// Outlook's olFolderContacts.
const long kFolderContacts = 10;

bool ReadFolder(COutlookNames& names, CTreeCtrl& tree, std::vector<std::string>& phoneNumbers, HTREEITEM hParent,
                IDispatch* pFolder) {
  if (!pFolder)
    return false;
  CContactTree contactTree(tree);
  return WalkContactFolder(contactTree, phoneNumbers, CContactTree::FromTreeItem(hParent),
                           std::make_unique<COutlookFolder>(names, CComPtr<IDispatch>(pFolder)));
}

// Calls a member that must give an object; false on failure or a null object.
bool CallForObject(COutlookNames& names, IDispatch* pDisp, OutlookMember member, const VARIANT& arg,
                   CComPtr<IDispatch>& sp) {
  CVariant value;
  return SUCCEEDED(names.Call(pDisp, member, value, &arg)) && SUCCEEDED(VariantToDispatch(value, sp)) && sp;
}

}  // namespace

bool LoadFolder(CTreeCtrl& tree, std::vector<std::string>& phoneNumbers, HTREEITEM hParent, IDispatch* pFolder) {
  try {
    COutlookNames names;
    return ReadFolder(names, tree, phoneNumbers, hParent, pFolder);
  } catch (...) {
    return false;
  }
}

bool LoadContacts(CTreeCtrl& tree, std::vector<std::string>& phoneNumbers) {
  try {
    phoneNumbers.clear();
    phoneNumbers.push_back(std::string());
    std::string strRootNodeName = LoadResString(IDS_CONTACTS_ROOT);
    HTREEITEM hRoot = tree.InsertItem(strRootNodeName.c_str(), 0, 0, TVI_ROOT, TVI_LAST);
    if (!hRoot)
      return false;
    tree.SetItemData(hRoot, 0);

    CComPtr<IDispatch> spApp;
    HRESULT hr = ::CoCreateInstance(CLSID_OutlookApplication, nullptr, CLSCTX_LOCAL_SERVER, IID_OutlookApplication,
                                    reinterpret_cast<void**>(spApp.Put()));
    if (FAILED(hr) || !spApp)
      return false;
    // One set of DISPIDs for the whole read.
    COutlookNames names;
    CComPtr<IDispatch> spNamespace, spFolder;
    if (!CallForObject(names, spApp, OutlookMember::kGetNamespace, *CVariant(L"MAPI").Get(), spNamespace))
      return false;
    if (!CallForObject(names, spNamespace, OutlookMember::kGetDefaultFolder, *CVariant(kFolderContacts).Get(),
                       spFolder))
      return false;
    if (!ReadFolder(names, tree, phoneNumbers, hRoot, spFolder))
      return false;
    tree.Expand(hRoot, TVE_EXPAND);
    return true;
  } catch (...) {
    return false;
  }
}
