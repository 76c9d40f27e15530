#pragma once
// What the stand-in Outlook server and its tests agree on: the file it reads its folders
// from, and the mutex it holds while it runs.

#include <windows.h>

#include <string>

// The fixture file: read afresh at each creation of the application object, so one running
// server serves test after test.
inline std::wstring FakeOutlookFixturePath() {
  wchar_t szTemp[MAX_PATH] = L"";
  ::GetTempPathW(MAX_PATH, szTemp);
  return std::wstring(szTemp) + L"torvik-outlook-fixture.txt";
}

// Held by the server from its start until it exits.
inline const wchar_t* FakeOutlookAliveMutex() {
  return L"TorvikOutlookStandInAlive";
}
