#include "tests/contacts/fakeoutlook.h"

#include <fstream>

#include "contacts/outlookreader.h"
#include "framework/bstr.h"
#include "framework/dispatch.h"
#include "tests/contacts/fakeoutlookshared.h"

namespace {

std::wstring ClassKey() {
  wchar_t sz[64] = L"";
  ::StringFromGUID2(CLSID_OutlookApplication, sz, 64);
  return std::wstring(L"Software\\Classes\\CLSID\\") + sz;
}

void DumpItem(const CTreeCtrl& tree, HTREEITEM hItem, int nDepth, std::vector<std::string>& lines) {
  for (; hItem; hItem = tree.GetNextSiblingItem(hItem)) {
    int nImage = -1, nSelected = -1;
    tree.GetItemImage(hItem, nImage, nSelected);
    lines.push_back(std::string(static_cast<size_t>(2 * nDepth), ' ') + tree.GetItemText(hItem) + " |" +
                    std::to_string(nImage) + "," + std::to_string(nSelected) + "|" +
                    std::to_string(tree.GetItemData(hItem)));
    DumpItem(tree, tree.GetChildItem(hItem), nDepth + 1, lines);
  }
}

}  // namespace

bool WriteFakeOutlookFixture(const std::string& strFixture) {
  std::ofstream out(FakeOutlookFixturePath().c_str(), std::ios::binary | std::ios::trunc);
  out << strFixture;
  return static_cast<bool>(out.flush());
}

bool WaitForFakeOutlookGone() {
  for (int i = 0; i < 100; ++i) {
    HANDLE hMutex = ::OpenMutexW(SYNCHRONIZE, FALSE, FakeOutlookAliveMutex());
    if (!hMutex)
      return true;
    ::CloseHandle(hMutex);
    ::Sleep(100);
  }
  return false;
}

bool ReadFakeOutlookStats(IDispatch* pApp, long& nNameLookups, long& nInvokes) {
  DISPID nId = 0;
  CVariant value;
  if (FAILED(GetDispId(pApp, L"TorvikStats", nId)) ||
      FAILED(InvokeDispatch(pApp, nId, DISPATCH_PROPERTYGET, nullptr, 0, value)) || value.Type() != VT_BSTR)
    return false;
  return std::swscanf(value.Get()->bstrVal, L"names=%ld invokes=%ld", &nNameLookups, &nInvokes) == 2;
}

CHiddenOutlookClass::CHiddenOutlookClass() {
  wchar_t szCommand[1024] = L"";
  DWORD nSize = sizeof szCommand;
  if (::RegGetValueW(HKEY_LOCAL_MACHINE, (ClassKey() + L"\\LocalServer32").c_str(), nullptr, RRF_RT_REG_SZ, nullptr,
                     szCommand, &nSize) != ERROR_SUCCESS)
    return;
  m_strCommand = szCommand;
  m_bHidden = ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, ClassKey().c_str()) == ERROR_SUCCESS;
}

CHiddenOutlookClass::~CHiddenOutlookClass() {
  if (!m_bHidden)
    return;
  HKEY hKey = nullptr;
  if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, (ClassKey() + L"\\LocalServer32").c_str(), 0, nullptr, 0, KEY_WRITE,
                        nullptr, &hKey, nullptr) != ERROR_SUCCESS)
    return;
  ::RegSetValueExW(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(m_strCommand.c_str()),
                   static_cast<DWORD>((m_strCommand.size() + 1) * sizeof(wchar_t)));
  ::RegCloseKey(hKey);
}

std::vector<std::string> DumpTree(const CTreeCtrl& tree) {
  std::vector<std::string> lines;
  DumpItem(tree, tree.GetRootItem(), 0, lines);
  return lines;
}

std::string Ansi(const wchar_t* psz) {
  return WideToAnsi(psz, std::wcslen(psz));
}
