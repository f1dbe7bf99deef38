#pragma once
// Text between the core's ANSI code page and the UTF-16 of COM and the wide
// Win32 calls.
#include <string>
#include <string_view>

namespace platform::win32 {

// The code page of the conversions: the system's ANSI code page unless
// another was chosen.
unsigned AnsiCodePage();
// Converts with `page` from now on; false, changing nothing, for a code page
// the system does not know.
bool UseAnsiCodePage(unsigned page);
// Whether a code page other than the system's is in use.
bool AnsiCodePageChosen();

std::string ToAnsi(std::wstring_view wide);
std::wstring ToWide(std::string_view ansi);
// Whether ToAnsi replaces a character of `wide` by the default character or
// approximates it by a best fit: what converts back differs.
bool AnsiIsLossy(std::wstring_view wide);

std::string Utf8OfWide(std::wstring_view wide);
std::wstring WideOfUtf8(std::string_view utf8);

}  // namespace platform::win32

namespace platform {
class IAnsiCodePage;
}

namespace platform::win32 {

// The system's ANSI code page (CP_ACP) as a code page object.
const IAnsiCodePage& SystemCodePage();

}  // namespace platform::win32
