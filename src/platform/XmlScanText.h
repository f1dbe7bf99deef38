#pragma once
// The text that our limit scan reads a file as.  The scan looks only at
// markup, which is ASCII; so it can read a file only in an encoding where
// every character below 0x80 is that ASCII character and no other character
// looks like one.  A file in any other encoding (EBCDIC, UTF-32, the Asian
// multi-byte code pages) would be read blind, and is refused instead: no
// preferences file needs one.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The file's markup as ASCII: `bytes` themselves, after any UTF-8 byte order
// mark, for UTF-8 and the single-byte code pages; UTF-16 narrowed into
// `storage`, each character outside ASCII becoming a letter.  Raises
// EProgramError for a file that does not start like XML in one of those
// encodings, or whose XML declaration names an encoding the scan cannot read.
std::string_view XmlScanText(std::string_view bytes, std::string& storage);

// The value of the XML declaration's encoding, if `text` (as XmlScanText
// gives it) opens with a declaration that has one.
std::optional<std::string_view> DeclaredEncoding(std::string_view text);

// What an encoding name, in any letter case, stands for, among those in which
// every byte below 0x80 is ASCII and every other character is made of bytes
// above it.
enum class EncodingKind {
  kUtf8,
  kAscii,
  kSingleByte,  // ISO-8859, Latin-1, the Windows code pages 1250 to 1258
  kOther,
};
EncodingKind KindOfEncoding(std::string_view name);

}  // namespace platform
