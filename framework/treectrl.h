#pragma once
// The common tree-view control. Texts are narrow strings in the ANSI code page.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/wnd.h"

class CTreeCtrl : public CWnd {
public:
  // Creates the control as a child of hWndParent with id nId (or, without WS_CHILD, as a
  // top-level window, which has no id).
  bool Create(DWORD dwStyle, const RECT& rect, HWND hWndParent, UINT nId);

  // Inserts an item with text and images under hParent after hInsertAfter; null on failure.
  HTREEITEM InsertItem(const char* pszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                       HTREEITEM hInsertAfter = TVI_LAST);
  bool SetItemData(HTREEITEM hItem, DWORD_PTR nData);
  DWORD_PTR GetItemData(HTREEITEM hItem) const;
  bool Expand(HTREEITEM hItem, UINT nCode);
  bool DeleteAllItems();
  HIMAGELIST SetImageList(HIMAGELIST hImageList, int nImageListType);
  bool SelectItem(HTREEITEM hItem);

  HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
  HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
  HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
  HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
  HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
  UINT GetCount() const;
  std::string GetItemText(HTREEITEM hItem) const;
  bool GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
  UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
};
