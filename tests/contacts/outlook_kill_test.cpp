// LoadContacts when the Outlook server dies in the middle of the read. A server that dies
// this way never revokes its class object, which spoils later activations of the class in
// the same Wine session: ctest runs each case in a session of its own and ends it after.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contacts/outlookreader.h"
#include "framework/treectrl.h"
#include "tests/contacts/fakeoutlook.h"

namespace {

using Lines = std::vector<std::string>;

const char kBook[] = R"(folder A
  folder A1
    contact A1a | 101
    contact A1b | 102
  contact Aa | 103
  contact Ab | 104
folder B
  contact Ba | 201
  list Team
  contact Bb | 202
contact Top | 301
contact Top 2 | 302
)";

struct Read {
  bool bResult;
  Lines tree;
  Lines numbers;
  bool bExpanded;
  DWORD nMillis;
};

Read ReadBook(const std::string& strFixture) {
  CTreeCtrl tree;
  RECT rc = {0, 0, 300, 400};
  EXPECT_TRUE(tree.Create(WS_POPUP | TVS_HASBUTTONS | TVS_LINESATROOT, rc, nullptr, 0));
  EXPECT_TRUE(WriteFakeOutlookFixture(strFixture));
  Read read;
  DWORD nStart = ::GetTickCount();
  read.bResult = LoadContacts(tree, read.numbers);
  read.nMillis = ::GetTickCount() - nStart;
  read.tree = DumpTree(tree);
  read.bExpanded = (tree.GetItemState(tree.GetRootItem(), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
  ::DestroyWindow(tree.Detach());
  return read;
}

// The server ends its process at call N+1 of the read (N counts the Invoke calls).
class ServerDeath : public ::testing::TestWithParam<int> {};

TEST_P(ServerDeath, GivesFalseQuicklyAndKeepsWhatWasRead) {
  Read full = ReadBook(kBook);
  ASSERT_TRUE(full.bResult);
  ASSERT_EQ(full.tree.size(), 12u);

  Read cut = ReadBook("die-after " + std::to_string(GetParam()) + "\n" + kBook);
  EXPECT_FALSE(cut.bResult);
  EXPECT_FALSE(cut.bExpanded);
  EXPECT_LT(cut.nMillis, 5000u);
  // What was read before the death stays: the start of the full tree and number list.
  ASSERT_LT(cut.tree.size(), full.tree.size());
  ASSERT_LE(cut.numbers.size(), full.numbers.size());
  for (size_t i = 0; i < cut.tree.size(); ++i)
    EXPECT_EQ(cut.tree[i], full.tree[i]) << i;
  for (size_t i = 0; i < cut.numbers.size(); ++i)
    EXPECT_EQ(cut.numbers[i], full.numbers[i]) << i;
}

// 6: among the subfolders of A; 20: among B's items.
INSTANTIATE_TEST_SUITE_P(Calls, ServerDeath, ::testing::Values(6, 20));

}  // namespace
