#pragma once
// The syntax of Registry Editor files, for the .reg file the checker writes
// and the `reg export` files the tools read: one place that knows how names,
// texts and data are written between the brackets, quotes and commas.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::u16string_view kRegEditor5Header = u"Windows Registry Editor Version 5.00";
// The older, ANSI form: texts in the system's code page.
inline constexpr std::u16string_view kRegEdit4Header = u"REGEDIT4";

// A name or text between double quotes, backslash and quote escaped.
std::u16string RegQuoted(std::u16string_view text);
// The quoted text that starts at `at` (its opening quote); `at` moves past
// the closing quote.  Besides the two escapes RegQuoted writes, reads "\r",
// "\n" and "\0", which `reg export` writes for those characters.  None when
// the quote is not closed.
std::optional<std::u16string> RegUnquoted(std::u16string_view line, std::size_t& at);

// "dword:" and eight hex digits.
std::u16string RegDwordData(std::uint32_t value);
// The prefix of hex data: "hex:" for REG_BINARY, "hex(N):" for any other type.
std::u16string RegHexPrefix(std::uint32_t type);
// `line` (a value line up to its data) followed by the bytes in hex, wrapped
// as Registry Editor wraps them: a backslash and a new line indented by two.
std::u16string RegHexData(std::u16string line, const std::vector<std::uint8_t>& bytes);
// At most `maxDigits` hex digits (of either case) and nothing else, as in
// "dword:0000002a" and "hex(7):"; none for anything else.
std::optional<std::uint32_t> RegHexNumber(std::u16string_view digits, std::size_t maxDigits);
// Comma-separated hex bytes, blanks allowed around them; none when anything
// else stands there.  The line's continuations must be joined already.
std::optional<std::vector<std::uint8_t>> RegHexBytes(std::u16string_view text);
