#include "platform/win32/Win32MsXmlCom.h"

#include <objbase.h>

#include <algorithm>

namespace platform::win32 {

namespace {

// Entered once, on the thread that first loads a document (the main thread,
// which is the only one), and left when the program's statics are destroyed,
// after the import has released every document.
class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  HRESULT result_;
};

}  // namespace

void EnsureComInitialized() { static ComApartment apartment; }

std::string ToAnsi(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  // Names and values are short: one conversion into a buffer on the stack
  // serves them, and only a text that does not fit is measured first.
  char buffer[512];
  int length =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), size, buffer, sizeof buffer, nullptr, nullptr);
  if (length > 0) return std::string(buffer, static_cast<std::size_t>(length));
  length = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, ansi.data(), length, nullptr, nullptr);
  return ansi;
}

bool AnsiIsLossy(std::wstring_view wide) {
  if (std::all_of(wide.begin(), wide.end(), [](wchar_t c) { return c < 0x80; })) return false;
  return ToWide(ToAnsi(wide)) != wide;
}

std::wstring ToWide(std::string_view ansi) {
  if (ansi.empty()) return {};
  const int size = static_cast<int>(ansi.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), length);
  return wide;
}

}  // namespace platform::win32
