#pragma once
// Owners for the COM objects the MSXML parser holds: interface pointers,
// BSTRs and VARIANTs, each released exactly once; and the COM apartment.
#include <windows.h>
// After windows.h, which it needs.
#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

namespace platform::win32 {

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { reset(); }
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For an out parameter: releases what is held first.
  T** Out() {
    reset();
    return &p_;
  }
  void reset() {
    if (p_ != nullptr) std::exchange(p_, nullptr)->Release();
  }

  // QueryInterface; empty when the object does not offer the interface.
  template <class U>
  ComPtr<U> As(REFIID iid) const {
    ComPtr<U> other;
    if (p_ != nullptr && FAILED(p_->QueryInterface(iid, reinterpret_cast<void**>(other.Out())))) {
      other.reset();
    }
    return other;
  }

 private:
  T* p_ = nullptr;
};

class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::wstring_view text)
      : b_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~Bstr() { SysFreeString(b_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;

  BSTR get() const { return b_; }
  void Assign(std::wstring_view text) {
    SysFreeString(
        std::exchange(b_, SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))));
  }
  BSTR* Out() {
    SysFreeString(std::exchange(b_, nullptr));
    return &b_;
  }
  std::wstring_view View() const { return {b_ == nullptr ? L"" : b_, SysStringLen(b_)}; }

 private:
  BSTR b_ = nullptr;
};

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
  std::wstring_view View() const {
    return {v_.bstrVal == nullptr ? L"" : v_.bstrVal, SysStringLen(v_.bstrVal)};
  }

 private:
  VARIANT v_;
};

// COM for the run's main thread, entered on first use and left at exit.
void EnsureComInitialized();

// Text between the core's ANSI code page and COM's UTF-16.
std::string ToAnsi(std::wstring_view wide);
// Whether ToAnsi replaces a character of `wide` by the default character or
// approximates it by a best fit: what converts back differs.
bool AnsiIsLossy(std::wstring_view wide);
std::wstring ToWide(std::string_view ansi);

}  // namespace platform::win32
