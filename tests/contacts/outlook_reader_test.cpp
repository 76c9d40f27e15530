// LoadContacts against a real local COM server standing in for Outlook (fake_outlook.exe,
// registered under Outlook's class id by the test setup), on a real tree control.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contacts/outlookreader.h"
#include "framework/comptr.h"
#include "framework/dispatch.h"
#include "framework/treectrl.h"
#include "tests/contacts/fakeoutlook.h"

namespace {

using Lines = std::vector<std::string>;

class ReaderTest : public ::testing::Test {
protected:
  void SetUp() override {
    RECT rc = {0, 0, 300, 400};
    ASSERT_TRUE(m_tree.Create(WS_POPUP | TVS_HASBUTTONS | TVS_LINESATROOT, rc, nullptr, 222));
  }
  void TearDown() override { ::DestroyWindow(m_tree.Detach()); }

  bool Read(const std::string& strFixture) {
    EXPECT_TRUE(WriteFakeOutlookFixture(strFixture));
    return LoadContacts(m_tree, m_numbers);
  }
  bool RootExpanded() const { return (m_tree.GetItemState(m_tree.GetRootItem(), TVIS_EXPANDED) & TVIS_EXPANDED) != 0; }

  CTreeCtrl m_tree;
  // Starts with stale entries: the read must empty it first.
  std::vector<std::string> m_numbers{"stale", "entries"};
};

// Runs first, before any stand-in server of this program is up.
TEST_F(ReaderTest, OutlookNotRegisteredGivesTheCollapsedRootAlone) {
  ASSERT_TRUE(WaitForFakeOutlookGone());
  CHiddenOutlookClass hidden;
  ASSERT_TRUE(hidden.IsHidden());
  DWORD nStart = ::GetTickCount();
  EXPECT_FALSE(Read("contact Ann Lee | 0700 000 000\n"));
  EXPECT_LT(::GetTickCount() - nStart, 5000u);
  EXPECT_EQ(DumpTree(m_tree), Lines{"My Contacts |0,0|0"});
  EXPECT_EQ(m_numbers, Lines{""});
  EXPECT_FALSE(RootExpanded());
}

struct ReadCase {
  const char* pszName;
  const char* pszFixture;
  bool bResult;
  Lines tree;
  Lines numbers;
};

class ReaderCases : public ReaderTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReaderCases, TreeNumbersAndResult) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(Read(c.pszFixture), c.bResult);
  EXPECT_EQ(DumpTree(m_tree), c.tree);
  EXPECT_EQ(m_numbers, c.numbers);
  // A failed read leaves the root collapsed; a full one expands it (when it has children).
  EXPECT_EQ(RootExpanded(), c.bResult && c.tree.size() > 1);
}

const char kBook[] = R"(contact Ann Lee | (555) 123-4567 | 555 999
folder Friends
  contact Bob Stone | +1 (555) 765-4321
  folder Close
    contact Cy | 0700 111 222
  contact Only Office |  | 555 000
  contact No Mobile
list Team
contact  | 0711-22 33 44
contact Zoë Ångström | 0722 000 111
folder Empty
contact Twin A | 0700 111 222
contact Twin B | 0700 111 222
)";

const std::string kZoe = Ansi(L"Zo\u00EB \u00C5ngstr\u00F6m");

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ReaderCases,
    ::testing::Values(
        ReadCase{"EmptyFolder", "", true, {"My Contacts |0,0|0"}, {""}},
        // Subfolders first, each with its whole subtree; contacts with a mobile number only;
        // numbers exactly as Outlook gives them; the list between contacts is passed over.
        ReadCase{"AddressBook",
                 kBook,
                 true,
                 {"My Contacts |0,0|0", "  Friends |1,1|0", "    Close |1,1|0", "      Cy - 0700 111 222 |2,2|1",
                  "    Bob Stone - +1 (555) 765-4321 |2,2|2", "  Empty |1,1|0", "  Ann Lee - (555) 123-4567 |2,2|3",
                  "   - 0711-22 33 44 |2,2|4", "  " + kZoe + " - 0722 000 111 |2,2|5", "  Twin A - 0700 111 222 |2,2|6",
                  "  Twin B - 0700 111 222 |2,2|7"},
                 {"", "0700 111 222", "+1 (555) 765-4321", "(555) 123-4567", "0711-22 33 44", "0722 000 111",
                  "0700 111 222", "0700 111 222"}},
        ReadCase{"ListsBetweenContacts",
                 "list First\ncontact A | 1\nlist Team\nlist Team 2\ncontact B | 2\nlist Last\n",
                 true,
                 {"My Contacts |0,0|0", "  A - 1 |2,2|1", "  B - 2 |2,2|2"},
                 {"", "1", "2"}},
        // Failures keep what was read before them.
        ReadCase{"SubfoldersCannotBeHad",
                 "contact A | 1\nfolder F | no-folders\n  contact X | 9\nfolder G\n",
                 false,
                 {"My Contacts |0,0|0", "  F |1,1|0"},
                 {""}},
        ReadCase{"ItemsCannotBeHad",
                 "folder F\n  folder F1 | no-items\n    contact X | 9\n  contact Y | 8\ncontact A | 1\n",
                 false,
                 {"My Contacts |0,0|0", "  F |1,1|0", "    F1 |1,1|0"},
                 {""}},
        ReadCase{"FirstItemFails",
                 "folder F | bad-first\n  folder Inner\n    contact Y | 8\n  contact X | 9\ncontact A | 1\n",
                 false,
                 {"My Contacts |0,0|0", "  F |1,1|0", "    Inner |1,1|0", "      Y - 8 |2,2|1"},
                 {"", "8"}},
        ReadCase{"MissingSubfolder",
                 "folder F\n  contact X | 9\nmissing\nfolder G\ncontact A | 1\n",
                 false,
                 {"My Contacts |0,0|0", "  F |1,1|0", "    X - 9 |2,2|1"},
                 {"", "9"}},
        ReadCase{"DefaultFolderItemsCannotBeHad",
                 "default | no-items\nfolder F\n  contact X | 9\ncontact A | 1\n",
                 false,
                 {"My Contacts |0,0|0", "  F |1,1|0", "    X - 9 |2,2|1"},
                 {"", "9"}}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return info.param.pszName; });

TEST_F(ReaderTest, NamesAreLookedUpOncePerRead) {
  ASSERT_TRUE(WriteFakeOutlookFixture(kBook));
  // Holding an application object of our own keeps the server up to be asked afterwards.
  CComPtr<IDispatch> spApp;
  ASSERT_HRESULT_SUCCEEDED(::CoCreateInstance(CLSID_OutlookApplication, nullptr, CLSCTX_LOCAL_SERVER,
                                              IID_OutlookApplication, reinterpret_cast<void**>(spApp.Put())));
  ASSERT_TRUE(LoadContacts(m_tree, m_numbers));
  long nNames = 0, nInvokes = 0;
  ASSERT_TRUE(ReadFakeOutlookStats(spApp, nNames, nInvokes));
  // GetNamespace, GetDefaultFolder, Folders, Count, Item, Name, Items, GetFirst, GetNext,
  // FullName, MobileTelephoneNumber: each once, for 3 folders and 10 items.
  EXPECT_EQ(nNames, 11);
  EXPECT_GT(nInvokes, 40);
}

}  // namespace

namespace {

CComPtr<IDispatch> CallForObject(IDispatch* pDisp, const wchar_t* pszName, WORD wFlags, const VARIANT* pArg) {
  DISPID nId = 0;
  CVariant value;
  CComPtr<IDispatch> sp;
  if (SUCCEEDED(GetDispId(pDisp, pszName, nId)) &&
      SUCCEEDED(InvokeDispatch(pDisp, nId, wFlags, pArg, pArg ? 1 : 0, value)))
    VariantToDispatch(value, sp);
  return sp;
}

// LoadFolder on its own: under any parent item, appending to the number list as it stands.
TEST_F(ReaderTest, LoadFolderAddsUnderTheGivenItemAndAppendsNumbers) {
  ASSERT_TRUE(WriteFakeOutlookFixture("folder F\n  contact X | 9\ncontact A | 1\n"));
  CComPtr<IDispatch> spApp;
  ASSERT_HRESULT_SUCCEEDED(::CoCreateInstance(CLSID_OutlookApplication, nullptr, CLSCTX_LOCAL_SERVER,
                                              IID_OutlookApplication, reinterpret_cast<void**>(spApp.Put())));
  CComPtr<IDispatch> spNamespace = CallForObject(spApp, L"GetNamespace", DISPATCH_METHOD, CVariant(L"MAPI").Get());
  ASSERT_TRUE(spNamespace);
  CComPtr<IDispatch> spFolder = CallForObject(spNamespace, L"GetDefaultFolder", DISPATCH_METHOD, CVariant(10L).Get());
  ASSERT_TRUE(spFolder);

  HTREEITEM hParent = m_tree.InsertItem("Parent", 5, 6);
  EXPECT_TRUE(LoadFolder(m_tree, m_numbers, hParent, spFolder));
  EXPECT_EQ(DumpTree(m_tree), (Lines{"Parent |5,6|0", "  F |1,1|0", "    X - 9 |2,2|2", "  A - 1 |2,2|3"}));
  EXPECT_EQ(m_numbers, (Lines{"stale", "entries", "9", "1"}));
  EXPECT_FALSE(LoadFolder(m_tree, m_numbers, hParent, nullptr));
}

}  // namespace
