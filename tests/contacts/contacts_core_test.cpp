// The contact walk over an in-memory store: order, nodes, item data, and how failures of
// each step end the read or are passed over.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "contacts/contactwalk.h"

namespace {

using R = SourceResult;

// A store held flat (no nesting of objects), so that deep trees build and die without recursion.
struct FakeItem {
  bool bContact = true;
  std::string strFullName;
  std::string strMobile;
};

struct FakeFolder {
  std::string strName;
  std::vector<size_t> subfolders;  // indices into FakeStore::folders; kMissing gives a null folder
  std::vector<FakeItem> items;
  // The result each step gives; kOk unless a case injects a failure.
  std::map<std::string, R> results;
  R Result(const std::string& strStep) const {
    auto it = results.find(strStep);
    return it == results.end() ? R::kOk : it->second;
  }
};

constexpr size_t kMissing = SIZE_MAX;

struct FakeStore {
  std::vector<FakeFolder> folders{FakeFolder{}};
  size_t Add(size_t nParent, const std::string& strName) {
    folders.push_back(FakeFolder{strName, {}, {}, {}});
    folders[nParent].subfolders.push_back(folders.size() - 1);
    return folders.size() - 1;
  }
  void Contact(size_t nFolder, const std::string& strName, const std::string& strMobile) {
    folders[nFolder].items.push_back(FakeItem{true, strName, strMobile});
  }
  void List(size_t nFolder) { folders[nFolder].items.push_back(FakeItem{false, "Team", ""}); }
};

class FakeContact : public IContactItem {
public:
  FakeContact(const FakeItem& item, const FakeFolder& folder) : m_item(item), m_folder(folder) {}
  R AsContact() override {
    R result = m_folder.Result("AsContact");
    return result != R::kOk ? result : m_item.bContact ? R::kOk : R::kFailed;
  }
  R GetFullName(std::string& str) override {
    str = m_item.strFullName;
    return m_folder.Result("FullName");
  }
  R GetMobileNumber(std::string& str) override {
    str = m_item.strMobile;
    return m_folder.Result("Mobile");
  }

private:
  const FakeItem& m_item;
  const FakeFolder& m_folder;
};

class FakeFolderSource : public IContactFolder {
public:
  FakeFolderSource(const FakeStore& store, size_t nIndex) : m_store(store), m_folder(store.folders[nIndex]) {}
  R GetName(std::string& str) override {
    str = m_folder.strName;
    return m_folder.Result("Name");
  }
  R OpenFolders() override { return m_folder.Result("Folders"); }
  R GetFolderCount(long& nCount) override {
    nCount = static_cast<long>(m_folder.subfolders.size());
    return m_folder.Result("Count");
  }
  R GetFolder(long nIndex, std::unique_ptr<IContactFolder>& ptr) override {
    size_t n = m_folder.subfolders.at(static_cast<size_t>(nIndex - 1));
    if (n != kMissing)
      ptr = std::make_unique<FakeFolderSource>(m_store, n);
    return m_folder.Result("Item");
  }
  R OpenItems() override { return m_folder.Result("Items"); }
  R GetFirstItem(std::unique_ptr<IContactItem>& ptr) override {
    m_nNext = 0;
    return Next(ptr, "GetFirst");
  }
  R GetNextItem(std::unique_ptr<IContactItem>& ptr) override { return Next(ptr, "GetNext"); }

private:
  R Next(std::unique_ptr<IContactItem>& ptr, const char* pszStep) {
    R result = m_folder.Result(pszStep);
    if (result == R::kOk && m_nNext < m_folder.items.size())
      ptr = std::make_unique<FakeContact>(m_folder.items[m_nNext++], m_folder);
    return result;
  }
  const FakeStore& m_store;
  const FakeFolder& m_folder;
  size_t m_nNext = 0;
};

// Records the tree as lines "parent-index|text|data", node 0 being the given root.
class FakeTree : public IContactTree {
public:
  explicit FakeTree(size_t nFailAt = SIZE_MAX) : m_nFailAt(nFailAt) {}
  ContactTreeItem AddFolder(ContactTreeItem hParent, const std::string& strName) override {
    return Add(hParent, "F " + strName, 0);
  }
  ContactTreeItem AddContact(ContactTreeItem hParent, const std::string& strText, size_t nData) override {
    return Add(hParent, "C " + strText, nData);
  }
  ContactTreeItem Root() { return reinterpret_cast<ContactTreeItem>(uintptr_t{1}); }
  std::vector<std::string> lines;

private:
  ContactTreeItem Add(ContactTreeItem hParent, const std::string& strText, size_t nData) {
    if (lines.size() == m_nFailAt)
      return nullptr;
    lines.push_back(std::to_string(reinterpret_cast<uintptr_t>(hParent) - 1) + "|" + strText + "|" +
                    std::to_string(nData));
    return reinterpret_cast<ContactTreeItem>(uintptr_t{lines.size() + 1});
  }
  size_t m_nFailAt;
};

struct WalkResult {
  bool bResult;
  std::vector<std::string> lines;
  std::vector<std::string> numbers;
};

WalkResult Walk(const FakeStore& store, size_t nFailTreeAt = SIZE_MAX) {
  FakeTree tree(nFailTreeAt);
  std::vector<std::string> numbers{""};
  bool bResult = WalkContactFolder(tree, numbers, tree.Root(), std::make_unique<FakeFolderSource>(store, 0));
  return {bResult, tree.lines, numbers};
}

// Root: contact Ann, subfolder A (contact Bo, subfolder A1 (contact Cy)), contact Di, subfolder B (empty).
FakeStore SampleStore() {
  FakeStore store;
  store.Contact(0, "Ann Lee", "(555) 123-4567");
  size_t a = store.Add(0, "A");
  store.Contact(a, "Bo", "+1 555 000");
  size_t a1 = store.Add(a, "A1");
  store.Contact(a1, "Cy", "111");
  store.Contact(0, "Di", "222");
  store.Add(0, "B");
  return store;
}

TEST(ContactWalk, SubfoldersFirstDepthFirstThenContactsWithTheirNumbers) {
  WalkResult r = Walk(SampleStore());
  EXPECT_TRUE(r.bResult);
  // Node n+1 is lines[n]; the root is node 0.
  EXPECT_EQ(r.lines, (std::vector<std::string>{"0|F A|0", "1|F A1|0", "2|C Cy - 111|1", "1|C Bo - +1 555 000|2",
                                               "0|F B|0", "0|C Ann Lee - (555) 123-4567|3", "0|C Di - 222|4"}));
  EXPECT_EQ(r.numbers, (std::vector<std::string>{"", "111", "+1 555 000", "(555) 123-4567", "222"}));
}

TEST(ContactWalk, ContactsWithoutNumbersAndListsAddNothingAndTheWalkGoesOn) {
  FakeStore store;
  store.Contact(0, "No Number", "");
  store.List(0);
  store.Contact(0, "", "0700");
  store.List(0);
  store.Contact(0, "Twin", "0700");
  WalkResult r = Walk(store);
  EXPECT_TRUE(r.bResult);
  EXPECT_EQ(r.lines, (std::vector<std::string>{"0|C  - 0700|1", "0|C Twin - 0700|2"}));
  EXPECT_EQ(r.numbers, (std::vector<std::string>{"", "0700", "0700"}));
}

// Which step of which folder fails, how, and what the read gives: the lines kept and the result.
struct FailureCase {
  const char* pszName;
  int nFolder;  // 0 root, 1 A, 2 A1, 3 B (see SampleStore)
  const char* pszStep;
  R result;
  bool bExpected;
  size_t nLinesKept;
};

class ContactWalkFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ContactWalkFailure, EndsOrGoesOnAsTheStepRequires) {
  const FailureCase& c = GetParam();
  FakeStore store = SampleStore();
  store.folders[static_cast<size_t>(c.nFolder)].results[c.pszStep] = c.result;
  WalkResult r = Walk(store);
  EXPECT_EQ(r.bResult, c.bExpected);
  ASSERT_EQ(r.lines.size(), c.nLinesKept);
  // A failed read keeps exactly the start of the full read.
  WalkResult full = Walk(SampleStore());
  for (size_t i = 0; !c.bExpected && i < r.lines.size(); ++i)
    EXPECT_EQ(r.lines[i], full.lines[i]);
  EXPECT_EQ(r.numbers.size(), 1 + std::count_if(r.lines.begin(), r.lines.end(),
                                                [](const std::string& s) { return s.find("|C ") != s.npos; }));
}

INSTANTIATE_TEST_SUITE_P(Steps, ContactWalkFailure,
                         ::testing::Values(
                             // Relied on: subfolders, items, a subfolder at each index, the first item.
                             FailureCase{"RootFolders", 0, "Folders", R::kFailed, false, 0},
                             FailureCase{"SubfolderFolders", 2, "Folders", R::kFailed, false, 2},
                             FailureCase{"SubfolderItems", 2, "Items", R::kFailed, false, 2},
                             FailureCase{"FirstItem", 1, "GetFirst", R::kFailed, false, 3},
                             FailureCase{"LostItem", 0, "Item", R::kLost, false, 0},
                             // Not relied on: a refusal reads as empty, but a lost store ends the read.
                             FailureCase{"CountRefused", 1, "Count", R::kFailed, true, 5},
                             FailureCase{"CountLost", 1, "Count", R::kLost, false, 1},
                             FailureCase{"NameRefused", 3, "Name", R::kFailed, true, 7},
                             FailureCase{"NameLost", 3, "Name", R::kLost, false, 4},
                             FailureCase{"NextRefused", 0, "GetNext", R::kFailed, true, 6},
                             FailureCase{"NextLost", 0, "GetNext", R::kLost, false, 6},
                             FailureCase{"FullNameLost", 2, "FullName", R::kLost, false, 2},
                             FailureCase{"MobileRefused", 2, "Mobile", R::kFailed, true, 6},
                             FailureCase{"MobileLost", 2, "Mobile", R::kLost, false, 2},
                             FailureCase{"ContactQueryLost", 1, "AsContact", R::kLost, false, 3},
                             FailureCase{"ContactQueryRefused", 1, "AsContact", R::kFailed, true, 6}),
                         [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.pszName; });

TEST(ContactWalk, MissingSubfolderEndsTheRead) {
  FakeStore store = SampleStore();
  store.folders[1].subfolders.push_back(kMissing);
  WalkResult r = Walk(store);
  EXPECT_FALSE(r.bResult);
  EXPECT_EQ(r.lines.size(), 3u);  // A, A1, Cy
}

TEST(ContactWalk, NodeThatCannotBeAddedEndsTheRead) {
  for (size_t nFailAt : {0u, 2u, 5u}) {
    WalkResult r = Walk(SampleStore(), nFailAt);
    EXPECT_FALSE(r.bResult) << nFailAt;
    EXPECT_EQ(r.lines.size(), nFailAt);
  }
}

TEST(ContactWalk, DeepNestingDoesNotOverflowTheStack) {
  const size_t kDepth = 100000;
  FakeStore store;
  store.folders.reserve(kDepth + 1);
  size_t nFolder = 0;
  for (size_t i = 0; i < kDepth; ++i)
    nFolder = store.Add(nFolder, "F" + std::to_string(i));
  store.Contact(nFolder, "Deepest", "999");
  store.Contact(0, "Top", "123");
  WalkResult r = Walk(store);
  EXPECT_TRUE(r.bResult);
  ASSERT_EQ(r.lines.size(), kDepth + 2);
  EXPECT_EQ(r.lines[kDepth - 1], std::to_string(kDepth - 1) + "|F F" + std::to_string(kDepth - 1) + "|0");
  EXPECT_EQ(r.lines[kDepth], std::to_string(kDepth) + "|C Deepest - 999|1");
  EXPECT_EQ(r.lines[kDepth + 1], "0|C Top - 123|2");
}

TEST(ConnectionLost, TellsRpcFailuresFromOrdinaryRefusals) {
  struct {
    uint32_t nResult;
    bool bLost;
  } cases[] = {
      {0x800706BAu, true},   // RPC_S_SERVER_UNAVAILABLE
      {0x800706BEu, true},   // RPC_S_CALL_FAILED
      {0x800706BFu, true},   // RPC_S_CALL_FAILED_DNE
      {0x80010108u, true},   // RPC_E_DISCONNECTED
      {0x80010007u, true},   // RPC_E_SERVER_DIED
      {0x800401FDu, true},   // CO_E_OBJNOTCONNECTED
      {0x80080005u, true},   // CO_E_SERVER_EXEC_FAILURE
      {0x00000000u, false},  // S_OK
      {0x00000001u, false},  // S_FALSE
      {0x80004005u, false},  // E_FAIL
      {0x80004002u, false},  // E_NOINTERFACE
      {0x80020009u, false},  // DISP_E_EXCEPTION
      {0x8002000Bu, false},  // DISP_E_BADINDEX
      {0x80070005u, false},  // E_ACCESSDENIED
      {0x80040154u, false},  // REGDB_E_CLASSNOTREG
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsConnectionLost(c.nResult), c.bLost) << std::hex << c.nResult;
}

}  // namespace
