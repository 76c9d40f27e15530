#pragma once
// The module the code is linked into (Torvik.dll, or a test executable that links the
// same code and resources). Resources always come from this image, never from the host
// process that loaded it.

#include <windows.h>

#include <string>

// The instance handle of the image this code lives in.
HINSTANCE ModuleInstance();

// The string with id nId from the module's string table; empty when there is none.
std::string LoadResString(UINT nId);

// The module's file name without directory and extension, e.g. "Torvik".
std::string ModuleBaseName();
