#include "contacts/contactwalk.h"

#include <utility>

namespace {

// One folder on the walk's own stack: where its node is, and how far its subfolders went.
struct FolderFrame {
  std::unique_ptr<IContactFolder> ptrFolder;
  ContactTreeItem hItem;
  long nCount;
  long nNext;
};

// Opens the subfolder collection of a folder and pushes it; false when the walk must end.
bool PushFolder(std::vector<FolderFrame>& stack, std::unique_ptr<IContactFolder> ptrFolder, ContactTreeItem hItem) {
  if (ptrFolder->OpenFolders() != SourceResult::kOk)
    return false;
  // A failed count reads as no subfolders, unless the store is gone.
  long nCount = 0;
  SourceResult result = ptrFolder->GetFolderCount(nCount);
  if (result == SourceResult::kLost)
    return false;
  if (result != SourceResult::kOk || nCount < 0)
    nCount = 0;
  stack.push_back(FolderFrame{std::move(ptrFolder), hItem, nCount, 1});
  return true;
}

// Reads a string that the read does not rely on: a refusal gives the empty string.
bool ReadOptional(SourceResult result, std::string& strValue) {
  if (result == SourceResult::kLost)
    return false;
  if (result != SourceResult::kOk)
    strValue.clear();
  return true;
}

// Adds the contacts of one folder under hParent.
bool WalkItems(IContactTree& tree, std::vector<std::string>& phoneNumbers, ContactTreeItem hParent,
               IContactFolder& folder) {
  if (folder.OpenItems() != SourceResult::kOk)
    return false;
  std::unique_ptr<IContactItem> ptrItem;
  if (folder.GetFirstItem(ptrItem) != SourceResult::kOk)
    return false;
  while (ptrItem) {
    SourceResult result = ptrItem->AsContact();
    if (result == SourceResult::kLost)
      return false;
    // An item that is no contact (a distribution list) is passed over, not the end.
    if (result == SourceResult::kOk) {
      std::string strFullName, strPhoneNumber;
      if (!ReadOptional(ptrItem->GetFullName(strFullName), strFullName) ||
          !ReadOptional(ptrItem->GetMobileNumber(strPhoneNumber), strPhoneNumber))
        return false;
      if (!strPhoneNumber.empty()) {
        std::string strDisplay = strFullName + " - " + strPhoneNumber;
        phoneNumbers.push_back(strPhoneNumber);
        if (!tree.AddContact(hParent, strDisplay, phoneNumbers.size() - 1))
          return false;
      }
    }
    ptrItem.reset();
    result = folder.GetNextItem(ptrItem);
    if (result == SourceResult::kLost)
      return false;
    // Any other failure of the next item reads as the end of the folder.
    if (result != SourceResult::kOk)
      ptrItem.reset();
  }
  return true;
}

}  // namespace

bool WalkContactFolder(IContactTree& tree, std::vector<std::string>& phoneNumbers, ContactTreeItem hParent,
                       std::unique_ptr<IContactFolder> ptrFolder) {
  if (!ptrFolder)
    return false;
  // Our own stack instead of recursion: the browser's thread must survive any nesting.
  std::vector<FolderFrame> stack;
  if (!PushFolder(stack, std::move(ptrFolder), hParent))
    return false;
  while (!stack.empty()) {
    FolderFrame& frame = stack.back();
    if (frame.nNext <= frame.nCount) {
      long nIndex = frame.nNext++;
      std::unique_ptr<IContactFolder> ptrSubfolder;
      if (frame.ptrFolder->GetFolder(nIndex, ptrSubfolder) == SourceResult::kLost || !ptrSubfolder)
        return false;
      std::string strName;
      if (!ReadOptional(ptrSubfolder->GetName(strName), strName))
        return false;
      ContactTreeItem hItem = tree.AddFolder(frame.hItem, strName);
      if (!hItem)
        return false;
      // frame is not used past this point: the push may move it.
      if (!PushFolder(stack, std::move(ptrSubfolder), hItem))
        return false;
      continue;
    }
    // All subfolders are done: the folder's own contacts follow them.
    if (!WalkItems(tree, phoneNumbers, frame.hItem, *frame.ptrFolder))
      return false;
    stack.pop_back();
  }
  return true;
}

bool IsConnectionLost(std::uint32_t nResult) {
  if ((nResult & 0x80000000u) == 0)
    return false;
  const std::uint32_t nFacility = (nResult >> 16) & 0x1FFFu;
  const std::uint32_t nCode = nResult & 0xFFFFu;
  switch (nFacility) {
    case 1:  // FACILITY_RPC: the channel to the server failed (RPC_E_DISCONNECTED, RPC_E_SERVER_DIED, ...)
      return true;
    case 7:  // FACILITY_WIN32 carrying an RPC runtime status (RPC_S_* and EPT_S_*, 1700 to 1999)
      return nCode >= 1700 && nCode <= 1999;
    case 4:  // CO_E_OBJNOTCONNECTED: the object's stub is gone
      return nCode == 0x01FD;
    case 8:  // CO_E_SERVER_EXEC_FAILURE, CO_E_SERVER_STOPPING
      return nCode == 0x0005 || nCode == 0x0006;
    default:
      return false;
  }
}
