// A stand-in for Outlook: a local COM server registered under Outlook's application class,
// serving automation objects (application, "MAPI" namespace, folders, the folder and item
// collections, contact items and distribution lists) from a fixture file.
//
//   fake_outlook.exe /regserver     register the class and the type library (this prefix)
//   fake_outlook.exe /unregserver   remove them
//   fake_outlook.exe FIXTURE -Embedding   run as the server (COM starts it so)
//
// Fixture: UTF-8, one entry a line, two spaces of indentation per nesting level; lines at
// the left margin belong to the default contacts folder.
//   die-after N                   the process ends abruptly at call N+1 of the read
//   default | FLAGS               flags of the default contacts folder
//   folder NAME [| FLAGS]         a subfolder; FLAGS: no-folders no-items bad-first
//   missing                       a null entry in the parent's subfolder collection
//   contact FULLNAME [| MOBILE [| BUSINESS]]   no "|": no mobile number at all
//   list NAME                     a distribution list (no _ContactItem)
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/contacts/fakeoutlookshared.h"

namespace {

const CLSID kClsidApplication = {0x0006F03A, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kIidApplication = {0x00063001, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kIidContactItem = {0x00063021, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
// The stand-in's own type library, which makes the two interfaces above marshal.
const GUID kLibId = {0x5c7f2a10, 0x3b1e, 0x4d7a, {0x9e, 0x41, 0x6a, 0x2d, 0x0b, 0x7c, 0x91, 0x3f}};

// ---- The fixture

struct ItemData {
  bool bContact = true;
  std::wstring strFullName;
  bool bHasMobile = false;
  std::wstring strMobile;
  std::wstring strBusiness;
};

struct FolderData {
  std::wstring strName;
  bool bMissing = false;
  bool bNoFolders = false;
  bool bNoItems = false;
  bool bBadFirst = false;
  std::vector<std::shared_ptr<FolderData>> folders;
  std::vector<ItemData> items;
};

std::wstring Trim(const std::wstring& str) {
  size_t nFirst = str.find_first_not_of(L" \t\r");
  if (nFirst == std::wstring::npos)
    return std::wstring();
  return str.substr(nFirst, str.find_last_not_of(L" \t\r") - nFirst + 1);
}

std::vector<std::wstring> SplitFields(const std::wstring& str) {
  std::vector<std::wstring> fields;
  size_t nStart = 0;
  for (;;) {
    size_t nBar = str.find(L'|', nStart);
    fields.push_back(Trim(str.substr(nStart, nBar == std::wstring::npos ? nBar : nBar - nStart)));
    if (nBar == std::wstring::npos)
      return fields;
    nStart = nBar + 1;
  }
}

void ApplyFlags(FolderData& folder, const std::wstring& strFlags) {
  std::wistringstream in(strFlags);
  std::wstring strFlag;
  while (in >> strFlag) {
    folder.bNoFolders |= strFlag == L"no-folders";
    folder.bNoItems |= strFlag == L"no-items";
    folder.bBadFirst |= strFlag == L"bad-first";
  }
}

struct Fixture {
  std::shared_ptr<FolderData> root = std::make_shared<FolderData>();
  long nDieAfter = -1;
};

bool LoadFixture(const std::wstring& strPath, Fixture& fixture) {
  std::ifstream in(strPath.c_str(), std::ios::binary);
  if (!in)
    return false;
  std::stringstream buffer;
  buffer << in.rdbuf();
  std::string strUtf8 = buffer.str();
  std::wstring strText(strUtf8.size(), L'\0');
  int nChars = strUtf8.empty() ? 0
                               : ::MultiByteToWideChar(CP_UTF8, 0, strUtf8.data(), static_cast<int>(strUtf8.size()),
                                                       &strText[0], static_cast<int>(strText.size()));
  strText.resize(static_cast<size_t>(nChars));

  fixture = Fixture();
  // The folder open at each depth; depth 0 is the default contacts folder.
  std::vector<std::shared_ptr<FolderData>> open{fixture.root};
  std::wistringstream lines(strText);
  std::wstring strLine;
  while (std::getline(lines, strLine)) {
    size_t nIndent = strLine.find_first_not_of(L' ');
    std::wstring strBody = Trim(strLine);
    if (strBody.empty() || strBody[0] == L'#')
      continue;
    size_t nDepth = nIndent / 2;
    if (nDepth >= open.size())
      return false;
    open.resize(nDepth + 1);
    FolderData& parent = *open.back();
    size_t nSpace = strBody.find(L' ');
    std::wstring strKeyword = strBody.substr(0, nSpace);
    std::wstring strRest = nSpace == std::wstring::npos ? std::wstring() : strBody.substr(nSpace + 1);
    std::vector<std::wstring> fields = SplitFields(strRest);
    if (strKeyword == L"die-after") {
      fixture.nDieAfter = std::wcstol(strRest.c_str(), nullptr, 10);
    } else if (strKeyword == L"default") {
      ApplyFlags(*fixture.root, fields.size() > 1 ? fields[1] : fields[0]);
    } else if (strKeyword == L"folder" || strKeyword == L"missing") {
      auto folder = std::make_shared<FolderData>();
      folder->bMissing = strKeyword == L"missing";
      folder->strName = fields[0];
      if (fields.size() > 1)
        ApplyFlags(*folder, fields[1]);
      parent.folders.push_back(folder);
      open.push_back(folder);
    } else if (strKeyword == L"contact") {
      ItemData item;
      item.strFullName = fields[0];
      item.bHasMobile = fields.size() > 1;
      if (item.bHasMobile)
        item.strMobile = fields[1];
      if (fields.size() > 2)
        item.strBusiness = fields[2];
      parent.items.push_back(item);
    } else if (strKeyword == L"list") {
      ItemData item;
      item.bContact = false;
      item.strFullName = fields[0];
      parent.items.push_back(item);
    } else {
      return false;
    }
  }
  return true;
}

// ---- Server state

std::wstring g_strFixturePath;
long g_nDieAfter = -1;
long g_nInvokes = 0;
long g_nNameLookups = 0;
DWORD g_nLastCall = 0;
DWORD g_nIdleSince = 0;
ULONG g_nObjects = 0;

void NoteCall() {
  g_nLastCall = ::GetTickCount();
}

void ServerAddRef() {
  g_nObjects = ::CoAddRefServerProcess();
}
void ServerRelease() {
  g_nObjects = ::CoReleaseServerProcess();
  if (g_nObjects == 0)
    g_nIdleSince = ::GetTickCount();
}

enum Member : DISPID {
  kGetNamespace = 1,
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
  kBusinessTelephoneNumber,
  kDLName,
  kStats,
};

struct MemberInfo {
  const wchar_t* pszName;
  DISPID nId;
  WORD wFlags;
};

const MemberInfo kMembers[] = {
    {L"GetNamespace", kGetNamespace, DISPATCH_METHOD},
    {L"GetDefaultFolder", kGetDefaultFolder, DISPATCH_METHOD},
    {L"Folders", kFolders, DISPATCH_PROPERTYGET},
    {L"Count", kCount, DISPATCH_PROPERTYGET},
    {L"Item", kItem, DISPATCH_METHOD},
    {L"Name", kName, DISPATCH_PROPERTYGET},
    {L"Items", kItems, DISPATCH_PROPERTYGET},
    {L"GetFirst", kGetFirst, DISPATCH_METHOD},
    {L"GetNext", kGetNext, DISPATCH_METHOD},
    {L"FullName", kFullName, DISPATCH_PROPERTYGET},
    {L"MobileTelephoneNumber", kMobileTelephoneNumber, DISPATCH_PROPERTYGET},
    {L"BusinessTelephoneNumber", kBusinessTelephoneNumber, DISPATCH_PROPERTYGET},
    {L"DLName", kDLName, DISPATCH_PROPERTYGET},
    {L"TorvikStats", kStats, DISPATCH_PROPERTYGET},
};

HRESULT ReturnString(VARIANT* pResult, const std::wstring* pstr) {
  if (pResult) {
    pResult->vt = VT_BSTR;
    pResult->bstrVal = pstr ? ::SysAllocStringLen(pstr->data(), static_cast<UINT>(pstr->size())) : nullptr;
  }
  return S_OK;
}

HRESULT ReturnObject(VARIANT* pResult, IDispatch* pDisp) {
  if (pResult) {
    pResult->vt = VT_DISPATCH;
    pResult->pdispVal = pDisp;
  } else if (pDisp) {
    pDisp->Release();
  }
  return S_OK;
}

// The base of every served object: IDispatch by name over a member table, with the
// object counted in the server's process reference.
class CFakeObject : public IDispatch {
public:
  CFakeObject(std::vector<DISPID> members, const IID* pIid = nullptr) : m_members(std::move(members)), m_pIid(pIid) {
    ServerAddRef();
  }
  virtual ~CFakeObject() { ServerRelease(); }

  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv)
      return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || (m_pIid && riid == *m_pIid)) {
      *ppv = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_nRef)); }
  STDMETHODIMP_(ULONG) Release() override {
    LONG nRef = ::InterlockedDecrement(&m_nRef);
    if (nRef == 0)
      delete this;
    return static_cast<ULONG>(nRef);
  }
  STDMETHODIMP GetTypeInfoCount(UINT* pn) override {
    *pn = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT nNames, LCID, DISPID* ids) override {
    NoteCall();
    HRESULT hr = S_OK;
    for (UINT i = 0; i < nNames; ++i) {
      ids[i] = DISPID_UNKNOWN;
      for (const MemberInfo& m : kMembers)
        if (_wcsicmp(m.pszName, names[i]) == 0 && Has(m.nId))
          ids[i] = m.nId;
      if (ids[i] == DISPID_UNKNOWN)
        hr = DISP_E_UNKNOWNNAME;
      else if (ids[i] != kStats)
        ++g_nNameLookups;
    }
    return hr;
  }
  STDMETHODIMP Invoke(DISPID nId, REFIID, LCID, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult, EXCEPINFO*,
                      UINT*) override {
    NoteCall();
    if (nId == kStats && Has(kStats)) {
      std::wstring str = L"names=" + std::to_wstring(g_nNameLookups) + L" invokes=" + std::to_wstring(g_nInvokes);
      return ReturnString(pResult, &str);
    }
    // Death in the middle of a call, as a crashed server dies: nothing is revoked.
    if (g_nDieAfter >= 0 && g_nInvokes >= g_nDieAfter)
      ::TerminateProcess(::GetCurrentProcess(), 9);
    ++g_nInvokes;
    const MemberInfo* pMember = nullptr;
    for (const MemberInfo& m : kMembers)
      if (m.nId == nId && Has(nId))
        pMember = &m;
    if (!pMember || !(wFlags & pMember->wFlags))
      return DISP_E_MEMBERNOTFOUND;
    if (pResult)
      ::VariantInit(pResult);
    return Call(nId, pParams, pResult);
  }

protected:
  virtual HRESULT Call(DISPID nId, DISPPARAMS* pParams, VARIANT* pResult) = 0;

  // The single argument of a call, of type vt exactly.
  static const VARIANT* Argument(DISPPARAMS* pParams, VARTYPE vt) {
    if (!pParams || pParams->cArgs != 1 || pParams->cNamedArgs != 0 || pParams->rgvarg[0].vt != vt)
      return nullptr;
    return &pParams->rgvarg[0];
  }

private:
  bool Has(DISPID nId) const {
    for (DISPID n : m_members)
      if (n == nId)
        return true;
    return false;
  }

  LONG m_nRef = 1;
  std::vector<DISPID> m_members;
  const IID* m_pIid;
};

class CFakeItem : public CFakeObject {
public:
  explicit CFakeItem(const ItemData& item)
      : CFakeObject(item.bContact ? std::vector<DISPID>{kFullName, kMobileTelephoneNumber, kBusinessTelephoneNumber}
                                  : std::vector<DISPID>{kDLName},
                    item.bContact ? &kIidContactItem : nullptr),
        m_item(item) {}

protected:
  HRESULT Call(DISPID nId, DISPPARAMS*, VARIANT* pResult) override {
    switch (nId) {
      case kFullName:
      case kDLName:
        return ReturnString(pResult, &m_item.strFullName);
      case kMobileTelephoneNumber:
        return ReturnString(pResult, m_item.bHasMobile ? &m_item.strMobile : nullptr);
      default:
        return ReturnString(pResult, &m_item.strBusiness);
    }
  }

private:
  ItemData m_item;
};

class CFakeItems : public CFakeObject {
public:
  explicit CFakeItems(std::shared_ptr<FolderData> folder)
      : CFakeObject({kCount, kGetFirst, kGetNext}), m_folder(std::move(folder)) {}

protected:
  HRESULT Call(DISPID nId, DISPPARAMS*, VARIANT* pResult) override {
    if (nId == kCount) {
      if (pResult) {
        pResult->vt = VT_I4;
        pResult->lVal = static_cast<LONG>(m_folder->items.size());
      }
      return S_OK;
    }
    if (nId == kGetFirst) {
      if (m_folder->bBadFirst)
        return E_FAIL;
      m_nNext = 0;
    }
    if (m_nNext >= m_folder->items.size())
      return ReturnObject(pResult, nullptr);
    return ReturnObject(pResult, new CFakeItem(m_folder->items[m_nNext++]));
  }

private:
  std::shared_ptr<FolderData> m_folder;
  size_t m_nNext = 0;
};

class CFakeFolder : public CFakeObject {
public:
  explicit CFakeFolder(std::shared_ptr<FolderData> folder)
      : CFakeObject({kName, kFolders, kItems}), m_folder(std::move(folder)) {}

protected:
  HRESULT Call(DISPID nId, DISPPARAMS*, VARIANT* pResult) override;

private:
  std::shared_ptr<FolderData> m_folder;
};

class CFakeFolders : public CFakeObject {
public:
  explicit CFakeFolders(std::shared_ptr<FolderData> folder)
      : CFakeObject({kCount, kItem}), m_folder(std::move(folder)) {}

protected:
  HRESULT Call(DISPID nId, DISPPARAMS* pParams, VARIANT* pResult) override {
    const long nCount = static_cast<long>(m_folder->folders.size());
    if (nId == kCount) {
      if (pResult) {
        pResult->vt = VT_I4;
        pResult->lVal = nCount;
      }
      return S_OK;
    }
    // Outlook's collections are indexed from 1; the reader passes the index as VT_I4.
    const VARIANT* pIndex = Argument(pParams, VT_I4);
    if (!pIndex)
      return DISP_E_TYPEMISMATCH;
    if (pIndex->lVal < 1 || pIndex->lVal > nCount)
      return DISP_E_BADINDEX;
    const auto& folder = m_folder->folders[static_cast<size_t>(pIndex->lVal - 1)];
    return ReturnObject(pResult, folder->bMissing ? nullptr : new CFakeFolder(folder));
  }

private:
  std::shared_ptr<FolderData> m_folder;
};

HRESULT CFakeFolder::Call(DISPID nId, DISPPARAMS*, VARIANT* pResult) {
  switch (nId) {
    case kName:
      return ReturnString(pResult, &m_folder->strName);
    case kFolders:
      return m_folder->bNoFolders ? E_FAIL : ReturnObject(pResult, new CFakeFolders(m_folder));
    default:
      return m_folder->bNoItems ? E_FAIL : ReturnObject(pResult, new CFakeItems(m_folder));
  }
}

class CFakeNamespace : public CFakeObject {
public:
  explicit CFakeNamespace(std::shared_ptr<FolderData> root)
      : CFakeObject({kGetDefaultFolder}), m_root(std::move(root)) {}

protected:
  HRESULT Call(DISPID, DISPPARAMS* pParams, VARIANT* pResult) override {
    const VARIANT* pFolder = Argument(pParams, VT_I4);
    if (!pFolder || pFolder->lVal != 10)  // olFolderContacts
      return E_INVALIDARG;
    return ReturnObject(pResult, new CFakeFolder(m_root));
  }

private:
  std::shared_ptr<FolderData> m_root;
};

class CFakeApplication : public CFakeObject {
public:
  explicit CFakeApplication(std::shared_ptr<FolderData> root)
      : CFakeObject({kGetNamespace, kStats}, &kIidApplication), m_root(std::move(root)) {}

protected:
  HRESULT Call(DISPID, DISPPARAMS* pParams, VARIANT* pResult) override {
    const VARIANT* pType = Argument(pParams, VT_BSTR);
    if (!pType || !pType->bstrVal || std::wcscmp(pType->bstrVal, L"MAPI") != 0)
      return E_INVALIDARG;
    return ReturnObject(pResult, new CFakeNamespace(m_root));
  }

private:
  std::shared_ptr<FolderData> m_root;
};

class CFactory : public IClassFactory {
public:
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (riid == IID_IUnknown || riid == IID_IClassFactory) {
      *ppv = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override {
    NoteCall();
    *ppv = nullptr;
    if (pOuter)
      return CLASS_E_NOAGGREGATION;
    // Each new application object reads the fixture afresh and starts counting anew.
    Fixture fixture;
    if (!LoadFixture(g_strFixturePath, fixture))
      return E_FAIL;
    g_nDieAfter = fixture.nDieAfter;
    g_nInvokes = 0;
    g_nNameLookups = 0;
    auto* pApp = new CFakeApplication(fixture.root);
    HRESULT hr = pApp->QueryInterface(riid, ppv);
    pApp->Release();
    return hr;
  }
  STDMETHODIMP LockServer(BOOL bLock) override {
    NoteCall();
    if (bLock)
      ServerAddRef();
    else
      ServerRelease();
    return S_OK;
  }
};

// ---- Registration

std::wstring GuidString(REFGUID guid) {
  wchar_t sz[64] = L"";
  ::StringFromGUID2(guid, sz, 64);
  return sz;
}

std::wstring ClassKey() {
  return L"Software\\Classes\\CLSID\\" + GuidString(kClsidApplication);
}

std::wstring ModulePath() {
  wchar_t sz[MAX_PATH] = L"";
  ::GetModuleFileNameW(nullptr, sz, MAX_PATH);
  return sz;
}

std::wstring TypeLibPath() {
  std::wstring str = ModulePath();
  return str.substr(0, str.find_last_of(L'\\') + 1) + L"fake_outlook.tlb";
}

bool SetKeyValue(const std::wstring& strKey, const std::wstring& strValue) {
  HKEY hKey = nullptr;
  if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, strKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr) !=
      ERROR_SUCCESS)
    return false;
  LONG nResult = ::RegSetValueExW(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(strValue.c_str()),
                                  static_cast<DWORD>((strValue.size() + 1) * sizeof(wchar_t)));
  ::RegCloseKey(hKey);
  return nResult == ERROR_SUCCESS;
}

// Two empty dispinterfaces deriving from IDispatch, under the ids of _Application and
// _ContactItem: enough for COM to marshal those ids as IDispatch.
HRESULT MakeTypeLib(const std::wstring& strPath) {
  ICreateTypeLib2* pLib = nullptr;
  HRESULT hr = ::CreateTypeLib2(sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32, strPath.c_str(), &pLib);
  if (FAILED(hr))
    return hr;
  ITypeLib* pStdOle = nullptr;
  ITypeInfo* pDispatchInfo = nullptr;
  pLib->SetGuid(kLibId);
  pLib->SetVersion(1, 0);
  pLib->SetName(const_cast<LPOLESTR>(L"TorvikOutlookStandIn"));
  hr = ::LoadTypeLib(L"stdole2.tlb", &pStdOle);
  if (SUCCEEDED(hr))
    hr = pStdOle->GetTypeInfoOfGuid(IID_IDispatch, &pDispatchInfo);
  struct {
    const wchar_t* pszName;
    const IID* pIid;
  } interfaces[] = {{L"_Application", &kIidApplication}, {L"_ContactItem", &kIidContactItem}};
  for (const auto& itf : interfaces) {
    if (FAILED(hr))
      break;
    ICreateTypeInfo* pInfo = nullptr;
    hr = pLib->CreateTypeInfo(const_cast<LPOLESTR>(itf.pszName), TKIND_DISPATCH, &pInfo);
    if (FAILED(hr))
      break;
    HREFTYPE hRef = 0;
    hr = pInfo->SetGuid(*itf.pIid);
    if (SUCCEEDED(hr))
      hr = pInfo->AddRefTypeInfo(pDispatchInfo, &hRef);
    if (SUCCEEDED(hr))
      hr = pInfo->AddImplType(0, hRef);
    if (SUCCEEDED(hr))
      hr = pInfo->LayOut();
    pInfo->Release();
  }
  if (SUCCEEDED(hr))
    hr = pLib->SaveAllChanges();
  if (pDispatchInfo)
    pDispatchInfo->Release();
  if (pStdOle)
    pStdOle->Release();
  pLib->Release();
  return hr;
}

int Register() {
  std::wstring strCommand = L"\"" + ModulePath() + L"\" \"" + FakeOutlookFixturePath() + L"\"";
  if (!SetKeyValue(ClassKey(), L"Torvik test stand-in for Outlook.Application") ||
      !SetKeyValue(ClassKey() + L"\\LocalServer32", strCommand))
    return 1;
  std::wstring strTypeLib = TypeLibPath();
  HRESULT hr = MakeTypeLib(strTypeLib);
  ITypeLib* pLib = nullptr;
  if (SUCCEEDED(hr))
    hr = ::LoadTypeLibEx(strTypeLib.c_str(), REGKIND_REGISTER, &pLib);
  if (pLib)
    pLib->Release();
  if (FAILED(hr)) {
    std::fprintf(stderr, "type library: 0x%08lx\n", static_cast<unsigned long>(hr));
    return 1;
  }
  return 0;
}

int Unregister() {
  ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, ClassKey().c_str());
  ::UnRegisterTypeLib(kLibId, 1, 0, LOCALE_NEUTRAL, sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);
  return 0;
}

int Serve() {
  HANDLE hAlive = ::CreateMutexW(nullptr, FALSE, FakeOutlookAliveMutex());
  CFactory factory;
  DWORD nCookie = 0;
  if (FAILED(::CoRegisterClassObject(kClsidApplication, &factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &nCookie)))
    return 1;
  g_nIdleSince = g_nLastCall = ::GetTickCount();
  ::SetTimer(nullptr, 0, 200, nullptr);
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && msg.hwnd == nullptr) {
      // Exits by itself: soon after the last object is gone, or when no call came for a
      // long time (a client that died holding objects).
      DWORD nNow = ::GetTickCount();
      if ((g_nObjects == 0 && nNow - g_nIdleSince > 3000) || nNow - g_nLastCall > 30000)
        break;
      continue;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  ::CoRevokeClassObject(nCookie);
  if (hAlive)
    ::CloseHandle(hAlive);
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  int nArgs = 0;
  LPWSTR* args = ::CommandLineToArgvW(::GetCommandLineW(), &nArgs);
  if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
    return 1;
  int nResult = 0;
  std::wstring strMode = nArgs > 1 ? args[1] : L"";
  if (strMode == L"/regserver") {
    nResult = Register();
  } else if (strMode == L"/unregserver") {
    nResult = Unregister();
  } else {
    for (int i = 1; i < nArgs; ++i)
      if (args[i][0] != L'-' && args[i][0] != L'/')
        g_strFixturePath = args[i];
    nResult = Serve();
  }
  ::LocalFree(args);
  ::CoUninitialize();
  return nResult;
}
