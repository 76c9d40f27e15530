#pragma once
// One move-only owner for every kind of Windows handle. A traits type names the handle
// type, its empty value and how to close it:
//
//   struct InternetTraits {
//     using Type = HINTERNET;
//     static Type Invalid() { return nullptr; }
//     static void Close(Type h) { ::InternetCloseHandle(h); }
//   };
//   using CInternetHandle = CUniqueHandle<InternetTraits>;
//
// A copy does not compile; a move hands the handle over.

#include <utility>

template <typename Traits>
class CUniqueHandle {
public:
  using Type = typename Traits::Type;

  CUniqueHandle() noexcept : m_h(Traits::Invalid()) {}
  explicit CUniqueHandle(Type h) noexcept : m_h(h) {}
  ~CUniqueHandle() { Reset(); }

  CUniqueHandle(const CUniqueHandle&) = delete;
  CUniqueHandle& operator=(const CUniqueHandle&) = delete;
  CUniqueHandle(CUniqueHandle&& other) noexcept : m_h(other.Release()) {}
  CUniqueHandle& operator=(CUniqueHandle&& other) noexcept {
    if (this != &other)
      Reset(other.Release());
    return *this;
  }

  Type Get() const noexcept { return m_h; }
  explicit operator bool() const noexcept { return m_h != Traits::Invalid(); }

  // Closes the handle held, if any, and takes h.
  void Reset(Type h = Traits::Invalid()) noexcept {
    if (m_h != Traits::Invalid())
      Traits::Close(m_h);
    m_h = h;
  }

  // Gives the handle up without closing it.
  Type Release() noexcept { return std::exchange(m_h, Traits::Invalid()); }

  // For out-parameters: closes the handle held and returns where the new one goes.
  Type* Put() noexcept {
    Reset();
    return &m_h;
  }

private:
  Type m_h;
};
