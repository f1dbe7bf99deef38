#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Removes blanks and control characters (everything up to and including ' ',
// and DEL) from both ends.
std::string Trim(std::string_view text);

// A value that begins with a double quote becomes the quoted text: the
// characters up to the closing quote, each doubled quote standing for one;
// what follows the closing quote is dropped.  Without a closing quote the
// rest of the text is taken, as if the line had closed it.
std::string DeQuote(std::string_view text);

// Every occurrence of `from` replaced by `to`, scanning left to right without
// rescanning what was inserted.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// The value of a hexadecimal digit of either case; -1 for any other character.
int HexDigitValue(char c);
// Each byte as two upper-case hexadecimal digits, `separator` between them.
std::string HexBytes(std::span<const std::uint8_t> bytes, std::string_view separator = {});

// Locale-aware case mapping through the platform.
std::string AnsiUpperCase(std::string_view text);
std::string AnsiLowerCase(std::string_view text);
