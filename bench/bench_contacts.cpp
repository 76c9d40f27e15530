// LoadContacts reading 1,000 contacts in 20 folders from the stand-in Outlook server,
// against the bare cross-process calls that read needs (the same Invoke and
// QueryInterface calls, made directly, with the names looked up once as well).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/benchutil.h"
#include "contacts/outlookitem.h"
#include "contacts/outlookreader.h"
#include "framework/comptr.h"
#include "framework/dispatch.h"
#include "framework/treectrl.h"
#include "tests/contacts/fakeoutlook.h"

namespace {

const int kFolders = 20;
const int kContactsPerFolder = 50;

std::string BenchFixture() {
  std::string str;
  for (int f = 0; f < kFolders; ++f) {
    str += "folder Folder " + std::to_string(f) + "\n";
    for (int c = 0; c < kContactsPerFolder; ++c)
      str += "  contact Person " + std::to_string(f) + "-" + std::to_string(c) + " | +1 (555) 0" +
             std::to_string(100 + f) + "-" + std::to_string(1000 + c) + "\n";
  }
  return str;
}

// The calls of one read, made directly: no walk, no tree, no number list.
size_t BareRead() {
  const wchar_t* names[] = {L"GetNamespace",
                            L"GetDefaultFolder",
                            L"Folders",
                            L"Count",
                            L"Item",
                            L"Name",
                            L"Items",
                            L"GetFirst",
                            L"GetNext",
                            L"FullName",
                            L"MobileTelephoneNumber"};
  enum { kNs, kDefault, kFoldersId, kCount, kItem, kName, kItems, kFirst, kNext, kFull, kMobile };
  DISPID ids[11] = {};
  CComPtr<IDispatch> spApp;
  ::CoCreateInstance(CLSID_OutlookApplication, nullptr, CLSCTX_LOCAL_SERVER, IID_OutlookApplication,
                     reinterpret_cast<void**>(spApp.Put()));
  // Looks the name up on first use, as the reader does.
  bool bKnown[11] = {};
  auto call = [&](IDispatch* p, int n, WORD wFlags, const VARIANT* pArg, CVariant& result) {
    if (!bKnown[n]) {
      GetDispId(p, names[n], ids[n]);
      bKnown[n] = true;
    }
    InvokeDispatch(p, ids[n], wFlags, pArg, pArg ? 1 : 0, result);
  };
  auto object = [](const CVariant& v) {
    return CComPtr<IDispatch>(v.Type() == VT_DISPATCH ? v.Get()->pdispVal : nullptr);
  };
  CVariant ns, folder, list, count, sub, name, items, item, full, mobile;
  call(spApp, kNs, DISPATCH_METHOD, CVariant(L"MAPI").Get(), ns);
  call(object(ns), kDefault, DISPATCH_METHOD, CVariant(10L).Get(), folder);
  size_t nContacts = 0;
  auto readItems = [&](IDispatch* pFolder) {
    call(pFolder, kItems, DISPATCH_PROPERTYGET, nullptr, items);
    CComPtr<IDispatch> spItems = object(items);
    call(spItems, kFirst, DISPATCH_METHOD, nullptr, item);
    while (CComPtr<IDispatch> spItem = object(item)) {
      CComPtr<IDispatch> spContact;
      spItem.QueryInterface(IID_OutlookContactItem, spContact);
      call(spContact, kFull, DISPATCH_PROPERTYGET, nullptr, full);
      call(spContact, kMobile, DISPATCH_PROPERTYGET, nullptr, mobile);
      ++nContacts;
      call(spItems, kNext, DISPATCH_METHOD, nullptr, item);
    }
  };
  CComPtr<IDispatch> spRoot = object(folder);
  call(spRoot, kFoldersId, DISPATCH_PROPERTYGET, nullptr, list);
  CComPtr<IDispatch> spList = object(list);
  call(spList, kCount, DISPATCH_PROPERTYGET, nullptr, count);
  for (long i = 1; i <= count.Get()->lVal; ++i) {
    call(spList, kItem, DISPATCH_METHOD, CVariant(i).Get(), sub);
    CComPtr<IDispatch> spSub = object(sub);
    call(spSub, kName, DISPATCH_PROPERTYGET, nullptr, name);
    CVariant subList, subCount;
    call(spSub, kFoldersId, DISPATCH_PROPERTYGET, nullptr, subList);
    call(object(subList), kCount, DISPATCH_PROPERTYGET, nullptr, subCount);
    readItems(spSub);
  }
  readItems(spRoot);
  return nContacts;
}

TEST(Bench, LoadContactsAgainstBareCalls) {
  ASSERT_TRUE(WriteFakeOutlookFixture(BenchFixture()));
  // Our own application object keeps the server running, so neither side pays its start.
  CComPtr<IDispatch> spApp;
  ASSERT_HRESULT_SUCCEEDED(::CoCreateInstance(CLSID_OutlookApplication, nullptr, CLSCTX_LOCAL_SERVER,
                                              IID_OutlookApplication, reinterpret_cast<void**>(spApp.Put())));
  CTreeCtrl tree;
  RECT rc = {0, 0, 300, 400};
  ASSERT_TRUE(tree.Create(WS_POPUP | TVS_HASBUTTONS | TVS_LINESATROOT, rc, nullptr, 0));
  std::vector<std::string> numbers;

  const int kRuns = 3;
  bool bAllRead = true;
  double dLoad = MedianMicros(kRuns, [&] {
    tree.DeleteAllItems();
    bAllRead &= LoadContacts(tree, numbers);
  });
  ASSERT_TRUE(bAllRead);
  ASSERT_EQ(numbers.size(), static_cast<size_t>(kFolders * kContactsPerFolder + 1));
  long nNames = 0, nLoadInvokes = 0, nBareInvokes = 0;
  ASSERT_TRUE(ReadFakeOutlookStats(spApp, nNames, nLoadInvokes));

  size_t nBareContacts = 0;
  double dBare = MedianMicros(kRuns, [&] { nBareContacts = BareRead(); });
  ASSERT_EQ(nBareContacts, static_cast<size_t>(kFolders * kContactsPerFolder));
  ASSERT_TRUE(ReadFakeOutlookStats(spApp, nNames, nBareInvokes));
  ASSERT_EQ(nBareInvokes, nLoadInvokes) << "both sides make the same calls";

  std::printf("%ld Invoke calls and %d QueryInterface calls a read\n", nLoadInvokes, kFolders * kContactsPerFolder);
  PrintRatio("LoadContacts, 1,000 contacts (median)", dLoad, "bare calls of the read (median)", dBare);
  ::DestroyWindow(tree.Detach());
}

}  // namespace
