#include "framework/dispatch.h"

#include <vector>

#include "framework/bstr.h"

HRESULT GetDispId(IDispatch* pDisp, const wchar_t* pszName, DISPID& nDispId) {
  if (!pDisp)
    return E_POINTER;
  LPOLESTR pszNames[] = {const_cast<LPOLESTR>(pszName)};
  return pDisp->GetIDsOfNames(IID_NULL, pszNames, 1, LOCALE_USER_DEFAULT, &nDispId);
}

HRESULT InvokeDispatch(IDispatch* pDisp, DISPID nDispId, WORD wFlags, const VARIANT* pArgs, UINT nArgs,
                       CVariant& result) {
  if (!pDisp)
    return E_POINTER;
  // Invoke takes the arguments last to first. They are borrowed: Invoke does not free them.
  std::vector<VARIANTARG> args(pArgs, pArgs + nArgs);
  std::vector<VARIANTARG> reversed(args.rbegin(), args.rend());
  DISPPARAMS params = {reversed.empty() ? nullptr : reversed.data(), nullptr, nArgs, 0};
  EXCEPINFO excep = {};
  UINT nArgErr = 0;
  HRESULT hr = pDisp->Invoke(nDispId, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params, result.Put(), &excep, &nArgErr);
  // The server's exception texts are not shown anywhere; free them.
  ::SysFreeString(excep.bstrSource);
  ::SysFreeString(excep.bstrDescription);
  ::SysFreeString(excep.bstrHelpFile);
  if (hr == DISP_E_EXCEPTION && FAILED(excep.scode))
    hr = excep.scode;
  return hr;
}

HRESULT VariantToDispatch(const CVariant& value, CComPtr<IDispatch>& sp) {
  sp.Release();
  const VARIANT* pv = value.Get();
  switch (pv->vt) {
    case VT_EMPTY:
    case VT_NULL:
      return S_OK;
    case VT_DISPATCH:
      sp = pv->pdispVal;
      return S_OK;
    case VT_UNKNOWN:
      return pv->punkVal ? pv->punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(sp.Put())) : S_OK;
    default:
      return DISP_E_TYPEMISMATCH;
  }
}

HRESULT VariantToLong(const CVariant& value, long& nValue) {
  CVariant converted;
  HRESULT hr = ::VariantChangeType(converted.Put(), const_cast<VARIANT*>(value.Get()), 0, VT_I4);
  if (FAILED(hr))
    return hr;
  nValue = converted.Get()->lVal;
  return S_OK;
}

HRESULT VariantToAnsi(const CVariant& value, std::string& str) {
  str.clear();
  if (value.Type() == VT_EMPTY || value.Type() == VT_NULL)
    return S_OK;
  CVariant converted;
  HRESULT hr = ::VariantChangeType(converted.Put(), const_cast<VARIANT*>(value.Get()), 0, VT_BSTR);
  if (FAILED(hr))
    return hr;
  str = BstrToAnsi(converted.Get()->bstrVal);
  return S_OK;
}
