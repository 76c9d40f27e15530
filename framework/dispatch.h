#pragma once
// Late-bound calls through IDispatch: names looked up with GetIDsOfNames, members called
// with Invoke, results taken out of their VARIANTs.

#include <windows.h>
#include <oaidl.h>

#include <string>

#include "framework/comptr.h"
#include "framework/variant.h"

// The DISPID of the member named pszName.
HRESULT GetDispId(IDispatch* pDisp, const wchar_t* pszName, DISPID& nDispId);

// Calls member nDispId as a method (DISPATCH_METHOD) or reads it as a property
// (DISPATCH_PROPERTYGET), with nArgs arguments given in their natural order, into result.
HRESULT InvokeDispatch(IDispatch* pDisp, DISPID nDispId, WORD wFlags, const VARIANT* pArgs, UINT nArgs,
                       CVariant& result);

// The object a result holds, as IDispatch; an empty, null or nothing result gives S_OK and
// a null pointer. Any other type fails with DISP_E_TYPEMISMATCH.
HRESULT VariantToDispatch(const CVariant& value, CComPtr<IDispatch>& sp);

// The number a result holds, converted to a 32-bit integer.
HRESULT VariantToLong(const CVariant& value, long& nValue);

// The text a result holds, converted to a narrow string; empty and null give "".
HRESULT VariantToAnsi(const CVariant& value, std::string& str);
