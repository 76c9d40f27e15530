#pragma once
// A reference-counting owner of one COM interface pointer: releases it when it goes out
// of scope or is overwritten, adds a reference when copied.

#include <windows.h>
#include <unknwn.h>

#include <utility>

template <typename T>
class CComPtr {
public:
  CComPtr() noexcept = default;
  // Takes a new reference to p.
  CComPtr(T* p) noexcept : m_p(p) {
    if (m_p)
      m_p->AddRef();
  }
  CComPtr(const CComPtr& other) noexcept : CComPtr(other.m_p) {}
  CComPtr(CComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
  ~CComPtr() { Release(); }

  CComPtr& operator=(const CComPtr& other) noexcept {
    CComPtr(other).Swap(*this);
    return *this;
  }
  CComPtr& operator=(CComPtr&& other) noexcept {
    CComPtr(std::move(other)).Swap(*this);
    return *this;
  }

  T* operator->() const noexcept { return m_p; }
  operator T*() const noexcept { return m_p; }
  T* Get() const noexcept { return m_p; }

  // Releases the pointer held, if any.
  void Release() noexcept {
    if (T* p = std::exchange(m_p, nullptr))
      p->Release();
  }

  // Takes over p without adding a reference (p was handed to us with one).
  void Attach(T* p) noexcept {
    Release();
    m_p = p;
  }
  // Gives the pointer up with its reference.
  T* Detach() noexcept { return std::exchange(m_p, nullptr); }

  // For out-parameters: releases the pointer held and returns where the new one goes.
  T** Put() noexcept {
    Release();
    return &m_p;
  }

  // Asks the object for another interface into sp.
  template <typename U>
  HRESULT QueryInterface(REFIID iid, CComPtr<U>& sp) const noexcept {
    if (!m_p)
      return E_POINTER;
    return m_p->QueryInterface(iid, reinterpret_cast<void**>(sp.Put()));
  }

  void Swap(CComPtr& other) noexcept { std::swap(m_p, other.m_p); }

private:
  T* m_p = nullptr;
};
