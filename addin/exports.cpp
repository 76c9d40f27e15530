// The four entry points of the COM in-process server.
//
// No class is served yet: the class object, the registrar and the unload check arrive
// with the add-in object. Until then the module answers as a server with no classes.
#include <windows.h>
#include <objbase.h>

extern "C" {

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD nReason, LPVOID) {
  if (nReason == DLL_PROCESS_ATTACH)
    ::DisableThreadLibraryCalls(hInstance);
  return TRUE;
}

// No object of ours is alive, so the module may always be unloaded.
STDAPI DllCanUnloadNow() {
  return S_OK;
}

STDAPI DllGetClassObject(REFCLSID, REFIID, LPVOID* ppv) {
  if (ppv == nullptr)
    return E_POINTER;
  *ppv = nullptr;
  return CLASS_E_CLASSNOTAVAILABLE;
}

// Registration comes with the registry scripts.
STDAPI DllRegisterServer() {
  return E_NOTIMPL;
}
STDAPI DllUnregisterServer() {
  return E_NOTIMPL;
}

}  // extern "C"
