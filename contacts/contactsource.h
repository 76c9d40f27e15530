#pragma once
// The contact store as the contact walk sees it: folders with subfolders and items, and
// items that may be contacts. The Windows build puts Outlook's automation objects behind
// these; the tests put an in-memory store behind them.

#include <memory>
#include <string>

// What one read step gave.
enum class SourceResult {
  kOk,      // the value was read
  kFailed,  // the store refused this one step
  kLost,    // the store is gone (its process died or the link broke): nothing more can be read
};

class IContactItem {
public:
  virtual ~IContactItem() = default;
  // Asks the item for its contact face; kFailed when it is no contact (a distribution list).
  virtual SourceResult AsContact() = 0;
  // The contact's full name and mobile number; only after AsContact gave kOk.
  virtual SourceResult GetFullName(std::string& strFullName) = 0;
  virtual SourceResult GetMobileNumber(std::string& strNumber) = 0;
};

class IContactFolder {
public:
  virtual ~IContactFolder() = default;
  virtual SourceResult GetName(std::string& strName) = 0;
  // Opens the folder's subfolder collection; then its count and its items 1 to count.
  virtual SourceResult OpenFolders() = 0;
  virtual SourceResult GetFolderCount(long& nCount) = 0;
  // A null folder with kOk means the collection had no folder at that index.
  virtual SourceResult GetFolder(long nIndex, std::unique_ptr<IContactFolder>& ptrFolder) = 0;
  // Opens the folder's item collection; then its first item and each next one (null: no more).
  virtual SourceResult OpenItems() = 0;
  virtual SourceResult GetFirstItem(std::unique_ptr<IContactItem>& ptrItem) = 0;
  virtual SourceResult GetNextItem(std::unique_ptr<IContactItem>& ptrItem) = 0;
};

// Where the walk puts what it finds: a tree whose items are opaque non-null handles.
using ContactTreeItem = void*;

class IContactTree {
public:
  virtual ~IContactTree() = default;
  // Adds a folder node (item data 0) last under hParent; null when it could not be added.
  virtual ContactTreeItem AddFolder(ContactTreeItem hParent, const std::string& strName) = 0;
  // Adds a contact node with the given item data last under hParent; null on failure.
  virtual ContactTreeItem AddContact(ContactTreeItem hParent, const std::string& strText, std::size_t nData) = 0;
};
