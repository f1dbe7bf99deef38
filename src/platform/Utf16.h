#pragma once
// UTF-16, the text of .reg files and of the registry's wide data, beside the
// UTF-8 that the rest of the tools speak.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One code point onto UTF-8 text.
void AppendUtf8(std::string& out, char32_t code);
// The next code point of well-formed UTF-8 at `at`, which moves past it.
char32_t NextUtf8Code(std::string_view utf8, std::size_t& at);

std::u16string Utf16OfUtf8(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Utf8OfUtf16(std::u16string_view utf16);

// Little-endian bytes, as the registry stores wide texts; an odd last byte is
// dropped.
std::u16string Utf16OfLeBytes(const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> LeBytesOf(std::u16string_view utf16);

}  // namespace platform
