#include "platform/win32/Win32AnsiText.h"

#include <windows.h>

#include <algorithm>

#include "platform/AnsiCodePage.h"

namespace platform::win32 {

namespace {

// CP_ACP unless a check asked for the code page of another machine.
unsigned codePage = CP_ACP;

}  // namespace

unsigned AnsiCodePage() { return codePage == CP_ACP ? GetACP() : codePage; }

bool UseAnsiCodePage(unsigned page) {
  if (page != CP_ACP && !IsValidCodePage(page)) return false;
  codePage = page == GetACP() ? CP_ACP : page;
  return true;
}

bool AnsiCodePageChosen() { return codePage != CP_ACP; }

std::string ToAnsi(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  // Names and values are short: one conversion into a buffer on the stack
  // serves them, and only a text that does not fit is measured first.
  char buffer[512];
  int length =
      WideCharToMultiByte(codePage, 0, wide.data(), size, buffer, sizeof buffer, nullptr, nullptr);
  if (length > 0) return std::string(buffer, static_cast<std::size_t>(length));
  length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, ansi.data(), length, nullptr, nullptr);
  return ansi;
}

std::wstring ToWide(std::string_view ansi) {
  if (ansi.empty()) return {};
  const int size = static_cast<int>(ansi.size());
  const int length = MultiByteToWideChar(codePage, 0, ansi.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, ansi.data(), size, wide.data(), length);
  return wide;
}

bool AnsiIsLossy(std::wstring_view wide) {
  if (std::all_of(wide.begin(), wide.end(), [](wchar_t c) { return c < 0x80; })) return false;
  return ToWide(ToAnsi(wide)) != wide;
}

std::string Utf8OfWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::wstring WideOfUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

namespace {

class SystemPage final : public IAnsiCodePage {
 public:
  std::string FromUtf8(std::string_view utf8, bool* lossy) const override {
    const std::wstring wide = WideOfUtf8(utf8);
    if (lossy != nullptr) *lossy = AnsiIsLossy(wide);
    return ToAnsi(wide);
  }
  std::string ToUtf8(std::string_view ansi) const override { return Utf8OfWide(ToWide(ansi)); }
};

}  // namespace

const IAnsiCodePage& SystemCodePage() {
  static const SystemPage page;
  return page;
}

}  // namespace platform::win32
