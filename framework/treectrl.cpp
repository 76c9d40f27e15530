#include "framework/treectrl.h"

#include <vector>

bool CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, HWND hWndParent, UINT nId) {
  // Only a child window has an id; for a top-level window the same argument is a menu.
  HMENU hMenuOrId = (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nId)) : nullptr;
  HWND hWnd = ::CreateWindowExA(0, WC_TREEVIEWA, "", dwStyle, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, hWndParent, hMenuOrId, nullptr, nullptr);
  if (!hWnd)
    return false;
  Attach(hWnd);
  return true;
}

HTREEITEM CTreeCtrl::InsertItem(const char* pszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter) {
  TVINSERTSTRUCTA tvis = {};
  tvis.hParent = hParent;
  tvis.hInsertAfter = hInsertAfter;
  tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  tvis.item.pszText = const_cast<char*>(pszItem);
  tvis.item.iImage = nImage;
  tvis.item.iSelectedImage = nSelectedImage;
  return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&tvis)));
}

bool CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR nData) {
  TVITEMA item = {};
  item.mask = TVIF_PARAM;
  item.hItem = hItem;
  item.lParam = static_cast<LPARAM>(nData);
  return SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != 0;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const {
  TVITEMA item = {};
  item.mask = TVIF_PARAM;
  item.hItem = hItem;
  if (!SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
    return 0;
  return static_cast<DWORD_PTR>(item.lParam);
}

bool CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) {
  return SendMessage(TVM_EXPAND, nCode, reinterpret_cast<LPARAM>(hItem)) != 0;
}

bool CTreeCtrl::DeleteAllItems() {
  return SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)) != 0;
}

HIMAGELIST CTreeCtrl::SetImageList(HIMAGELIST hImageList, int nImageListType) {
  return reinterpret_cast<HIMAGELIST>(
      SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(nImageListType), reinterpret_cast<LPARAM>(hImageList)));
}

bool CTreeCtrl::SelectItem(HTREEITEM hItem) {
  return SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hItem)) != 0;
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const {
  return reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
}

UINT CTreeCtrl::GetCount() const {
  return static_cast<UINT>(SendMessage(TVM_GETCOUNT));
}

std::string CTreeCtrl::GetItemText(HTREEITEM hItem) const {
  // Grows the buffer until the text fits with room to spare.
  for (int nSize = 256; nSize <= 65536; nSize *= 4) {
    std::vector<char> buffer(static_cast<size_t>(nSize), '\0');
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = hItem;
    item.pszText = buffer.data();
    item.cchTextMax = nSize;
    if (!SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
      return std::string();
    std::string str(item.pszText);
    if (static_cast<int>(str.size()) < nSize - 1)
      return str;
  }
  return std::string();
}

bool CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const {
  TVITEMA item = {};
  item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = hItem;
  if (!SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
    return false;
  nImage = item.iImage;
  nSelectedImage = item.iSelectedImage;
  return true;
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const {
  return static_cast<UINT>(SendMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(hItem), nStateMask)) & nStateMask;
}
