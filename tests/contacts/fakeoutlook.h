#pragma once
// Test side of the stand-in Outlook server: its fixture, its counters, hiding its
// registration, and a readable dump of the contact tree.

#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

#include "framework/treectrl.h"

// Writes the fixture (UTF-8) that the next created application object serves.
bool WriteFakeOutlookFixture(const std::string& strFixture);

// Waits (at most about ten seconds) until no stand-in server runs; false if one still does.
bool WaitForFakeOutlookGone();

// The server's counters since its last application object was created: names looked up
// with GetIDsOfNames and members called with Invoke. False if they cannot be read.
bool ReadFakeOutlookStats(IDispatch* pApp, long& nNameLookups, long& nInvokes);

// Removes the stand-in's class registration for its lifetime, as on a machine without Outlook.
class CHiddenOutlookClass {
public:
  CHiddenOutlookClass();
  ~CHiddenOutlookClass();
  CHiddenOutlookClass(const CHiddenOutlookClass&) = delete;
  CHiddenOutlookClass& operator=(const CHiddenOutlookClass&) = delete;
  bool IsHidden() const { return m_bHidden; }

private:
  std::wstring m_strCommand;
  bool m_bHidden = false;
};

// The tree, one line a node in reading order: two spaces of indentation per level, then
// "text |image,selected image|item data".
std::vector<std::string> DumpTree(const CTreeCtrl& tree);

// A wide string in the ANSI code page, as the reader converts Outlook's texts.
std::string Ansi(const wchar_t* psz);
