#pragma once
// Owners for what the MSXML parser hands out: interface pointers and BSTRs as
// owners of the one template, VARIANTs held in place; and the COM apartment.
#include <windows.h>
// After windows.h, which it needs.
#include <oleauto.h>

#include <string_view>

#include "platform/UniqueHandle.h"

namespace platform::win32 {

template <class T>
struct ComTraits {
  using Type = T*;
  static Type Invalid() { return nullptr; }
  static void Close(Type object) { object->Release(); }
};
template <class T>
using ComPtr = UniqueHandle<ComTraits<T>>;

// QueryInterface; empty when the object does not offer the interface.
template <class U, class T>
ComPtr<U> As(const ComPtr<T>& object, REFIID iid) {
  ComPtr<U> other;
  if (object && FAILED(object->QueryInterface(iid, reinterpret_cast<void**>(other.Out())))) {
    other.reset();
  }
  return other;
}

struct BstrTraits {
  using Type = BSTR;
  static Type Invalid() { return nullptr; }
  static void Close(Type text) { SysFreeString(text); }
};
using Bstr = UniqueHandle<BstrTraits>;

inline BSTR AllocBstr(std::wstring_view text) {
  return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}
// A BSTR's text; a null BSTR is the empty text.
inline std::wstring_view View(BSTR text) {
  return {text == nullptr ? L"" : text, SysStringLen(text)};
}

// A VARIANT is a value the callee fills in place rather than a handle, so it
// has an owner of its own: cleared when it is filled again and at the end.
class Variant {
 public:
  Variant() { VariantInit(&v_); }
  ~Variant() { VariantClear(&v_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;

  VARIANT& get() { return v_; }
  VARIANT* Out() {
    VariantClear(&v_);
    return &v_;
  }
  // The text of a VT_BSTR value.
  bool IsString() const { return v_.vt == VT_BSTR; }
  std::wstring_view View() const { return win32::View(v_.bstrVal); }

 private:
  VARIANT v_;
};

// COM for the run's main thread, entered on first use and left at exit.
void EnsureComInitialized();

}  // namespace platform::win32
