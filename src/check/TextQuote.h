#pragma once
// Texts of the file as a report quotes them: in double quotes, with the quote,
// the backslash and control characters escaped, so that a line end or a
// trailing blank in a value shows.
#include <cstddef>
#include <string>
#include <string_view>

// `maxChars` shortens a long text to its start and "..." after the quote;
// 0 keeps it whole.
std::string QuoteText(std::string_view text, std::size_t maxChars = 0);

// "1 warning", "2 warnings": a count and its noun; `many` for a plural not
// made with "s".
std::string Counted(std::size_t count, std::string_view one, std::string_view many = {});
