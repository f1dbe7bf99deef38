#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform::memory {

// The byte a code page writes for a character beyond ASCII, and whether that
// byte stands for the character itself rather than a look-alike.
struct ByteFor {
  char byte;
  bool exact;
};
// Well-formed UTF-8 into a single-byte code page: `byteOf` gives the byte for
// each character beyond ASCII, or none for "?"; `lossy`, when given, tells
// whether any character was replaced or approximated.
std::string FromUtf8Using(std::string_view utf8, bool* lossy,
                          const std::function<std::optional<ByteFor>(unsigned code)>& byteOf);

}  // namespace platform::memory

// Windows-1252, the ANSI code page where no Windows gives one: letter case and
// UTF-8.
namespace platform::memory::cp1252 {

char ToUpper(char c);
char ToLower(char c);
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);
std::string ToUtf8(std::string_view text);
// UTF-8 into the code page as WideCharToMultiByte(CP_ACP, 0, ...) converts
// it under Wine: a character the page lacks becomes its best fit or "?", one
// "?" per UTF-16 unit.  `lossy`, when given, tells whether any character was
// replaced or approximated.  The input is well-formed UTF-8.
std::string FromUtf8(std::string_view utf8, bool* lossy = nullptr);

}  // namespace platform::memory::cp1252
