#pragma once
// A VARIANT that clears itself (releasing the string, interface or array it holds).
// Move-only, like every owner of ours.

#include <windows.h>
#include <oleauto.h>

#include <utility>

class CVariant {
public:
  CVariant() noexcept { ::VariantInit(&m_v); }
  // A VT_I4 variant.
  explicit CVariant(long nValue) noexcept : CVariant() {
    m_v.vt = VT_I4;
    m_v.lVal = nValue;
  }
  // A VT_BSTR variant holding a copy of psz; VT_EMPTY if the copy cannot be made.
  explicit CVariant(const wchar_t* psz) noexcept : CVariant() {
    if (BSTR bstr = ::SysAllocString(psz)) {
      m_v.vt = VT_BSTR;
      m_v.bstrVal = bstr;
    }
  }
  ~CVariant() { ::VariantClear(&m_v); }
  CVariant(const CVariant&) = delete;
  CVariant& operator=(const CVariant&) = delete;
  CVariant(CVariant&& other) noexcept : m_v(other.m_v) { ::VariantInit(&other.m_v); }
  CVariant& operator=(CVariant&& other) noexcept {
    if (this != &other) {
      ::VariantClear(&m_v);
      m_v = other.m_v;
      ::VariantInit(&other.m_v);
    }
    return *this;
  }

  VARIANT* Get() noexcept { return &m_v; }
  const VARIANT* Get() const noexcept { return &m_v; }
  VARTYPE Type() const noexcept { return m_v.vt; }
  // For out-parameters: clears the value held and returns where the new one goes.
  VARIANT* Put() noexcept {
    ::VariantClear(&m_v);
    return &m_v;
  }

private:
  VARIANT m_v;
};
