#pragma once
// The text that our limit scan reads a file as.  The scan looks only at
// markup, which is ASCII; so it can read a file only in an encoding where
// every character below 0x80 is that ASCII character and no other character
// looks like one.  A file in any other encoding (EBCDIC, UTF-32, the Asian
// multi-byte code pages) would be read blind, and is refused instead: no
// preferences file needs one.
#include <string>
#include <string_view>

namespace platform {

// The file's markup as ASCII: `bytes` themselves, after any UTF-8 byte order
// mark, for UTF-8 and the single-byte code pages; UTF-16 narrowed into
// `storage`, each character outside ASCII becoming a letter.  Raises
// EProgramError for a file that does not start like XML in one of those
// encodings, or whose XML declaration names an encoding the scan cannot read.
std::string_view XmlScanText(std::string_view bytes, std::string& storage);

}  // namespace platform
