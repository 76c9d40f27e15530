#pragma once
// The walk's tree on a tree control: folder nodes with image 1, contact nodes with image 2,
// every item inserted last under its parent.

#include "contacts/contactsource.h"
#include "framework/treectrl.h"

class CContactTree : public IContactTree {
public:
  explicit CContactTree(CTreeCtrl& tree) : m_tree(tree) {}

  ContactTreeItem AddFolder(ContactTreeItem hParent, const std::string& strName) override;
  ContactTreeItem AddContact(ContactTreeItem hParent, const std::string& strText, std::size_t nData) override;

  static ContactTreeItem FromTreeItem(HTREEITEM hItem) { return hItem; }
  static HTREEITEM ToTreeItem(ContactTreeItem hItem) { return static_cast<HTREEITEM>(hItem); }

private:
  CTreeCtrl& m_tree;
};
