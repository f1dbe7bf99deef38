#pragma once
#include <string>
#include <string_view>

// The ANSI code page where no Windows gives one (the in-memory user interface,
// the host's document model): Windows-1252 unless a check chose another
// single-byte Windows code page (874, 1250 to 1258).  1252 converts with the
// best fits Wine's WideCharToMultiByte uses; the others have no best-fit
// table here, so a character such a page lacks becomes "?" where Windows may
// write a look-alike.
namespace platform::memory::codepage {

unsigned Current();
// False, changing nothing, for a code page without a table here.
bool Use(unsigned page);

std::string ToUtf8(std::string_view text);
// `lossy`, when given, tells whether any character was replaced or
// approximated.  The input is well-formed UTF-8.
std::string FromUtf8(std::string_view utf8, bool* lossy = nullptr);
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);

}  // namespace platform::memory::codepage

namespace platform {
class IAnsiCodePage;
}

namespace platform::memory {

// That code page as an object: whichever codepage::Use chose last, so
// that the tools' own conversions follow a check's --codepage.
const IAnsiCodePage& ChosenCodePage();

}  // namespace platform::memory
