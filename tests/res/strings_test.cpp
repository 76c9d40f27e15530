// The string table as the program loads it, and the error box built from it.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/module.h"
#include "framework/msgbox.h"
#include "res/resource.h"
#include "tests/support/msgboxcatcher.h"

namespace {

TEST(Strings, TableHoldsTheProgramsTexts) {
  struct {
    UINT nId;
    const char* pszText;
  } const cases[] = {
      {IDS_GATEWAY_PATH, "/smschat/sendtxt.jsp"},
      {IDS_SEND_FAILED, "Failed to send message to the server."},
      {IDS_PRODUCT_NAME, "Torvik"},
      {IDS_INVALID_SENDER, "Please enter a valid sender number! The phone number must be 10 digits in length."},
      {IDS_INVALID_RECIPIENT, "Please enter a valid recipient number! The phone number must be 10 digits in length."},
      {IDS_INVALID_MESSAGE, "Please enter a valid message!"},
      {IDS_CONTACTS_FAILED, "Failed to get the contact list from Outlook."},
      {IDS_MESSAGE_TOO_LONG, "The message length must not exceed 160 characters."},
      {IDS_CLOSE_TOOLTIP, "close"},
      {IDS_CONTACTS_ROOT, "My Contacts"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LoadResString(c.nId), c.pszText) << "string " << c.nId;
  EXPECT_FALSE(LoadResString(IDS_GATEWAY_HOST).empty());
  EXPECT_EQ(LoadResString(9999), "");
}

TEST(Strings, ModuleIsThisImage) {
  EXPECT_EQ(ModuleInstance(), ::GetModuleHandleA(nullptr));
  char szPath[MAX_PATH];
  ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
  std::string strPath(szPath);
  EXPECT_NE(strPath.find(ModuleBaseName() + ".exe"), std::string::npos) << strPath;
  EXPECT_EQ(ModuleBaseName().find_first_of("\\/."), std::string::npos);
}

TEST(ErrorBox, ShowsTheStringUnderTheProductNameWithTheErrorIcon) {
  HWND hWndOwner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                     nullptr, nullptr);
  ASSERT_NE(hWndOwner, nullptr);
  CMsgBoxCatcher catcher;
  ShowErrorBox(IDS_INVALID_MESSAGE, hWndOwner);
  ShowErrorBox(IDS_SEND_FAILED, hWndOwner);
  ASSERT_EQ(catcher.Boxes().size(), 2u);
  EXPECT_EQ(catcher.Boxes()[0].strText, "Please enter a valid message!");
  EXPECT_EQ(catcher.Boxes()[1].strText, "Failed to send message to the server.");
  for (const CaughtBox& box : catcher.Boxes()) {
    EXPECT_EQ(box.strCaption, "Torvik");
    EXPECT_EQ(box.hWndOwner, hWndOwner);
    EXPECT_TRUE(box.bErrorIcon);
  }
  ::DestroyWindow(hWndOwner);
}

}  // namespace
