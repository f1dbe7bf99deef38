#pragma once
#include <string>
#include <string_view>

// Windows-1252, the ANSI code page of the fakes: letter case and UTF-8.
namespace platform::fake::cp1252 {

char ToUpper(char c);
char ToLower(char c);
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);
bool EqualIgnoringCase(std::string_view a, std::string_view b);
std::string ToUtf8(std::string_view text);

}  // namespace platform::fake::cp1252
