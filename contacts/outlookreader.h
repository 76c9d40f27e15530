#pragma once
// Reads the user's Outlook contacts into a tree control and a number list, through
// Outlook's automation objects, late bound.

#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

#include "framework/treectrl.h"

// Outlook's application class and its _Application interface.
extern const CLSID CLSID_OutlookApplication;
extern const IID IID_OutlookApplication;

// Empties phoneNumbers to its one empty entry, adds the root "My Contacts" (string 111) to
// the tree and reads Outlook's default contacts folder under it; expands the root when the
// whole folder was read. False when Outlook cannot be reached or the read failed anywhere
// (the server dying included); what was added before the failure stays, and the root stays
// collapsed. Never throws.
bool LoadContacts(CTreeCtrl& tree, std::vector<std::string>& phoneNumbers);

// Adds the subfolders and contacts of pFolder (an Outlook MAPIFolder) under hParent,
// appending each contact's mobile number to phoneNumbers. False on a failure anywhere in
// the folder's subtree. Never throws.
bool LoadFolder(CTreeCtrl& tree, std::vector<std::string>& phoneNumbers, HTREEITEM hParent, IDispatch* pFolder);
