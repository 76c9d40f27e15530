#include "contacts/contacttree.h"

namespace {
// Images of the picker's image list.
const int kFolderImage = 1;
const int kContactImage = 2;
}  // namespace

ContactTreeItem CContactTree::AddFolder(ContactTreeItem hParent, const std::string& strName) {
  return FromTreeItem(m_tree.InsertItem(strName.c_str(), kFolderImage, kFolderImage, ToTreeItem(hParent), TVI_LAST));
}

ContactTreeItem CContactTree::AddContact(ContactTreeItem hParent, const std::string& strText, std::size_t nData) {
  HTREEITEM hItem = m_tree.InsertItem(strText.c_str(), kContactImage, kContactImage, ToTreeItem(hParent), TVI_LAST);
  if (!hItem || !m_tree.SetItemData(hItem, static_cast<DWORD_PTR>(nData)))
    return nullptr;
  return FromTreeItem(hItem);
}
