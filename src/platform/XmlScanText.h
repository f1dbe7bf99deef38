#pragma once
// The text that our limit scan reads a file as: the characters the parser
// will read, decoded by the byte order mark or the declared encoding into one
// form in which every ASCII byte is that ASCII character, no other character
// contains one, and different characters stay different.  Markup, which is
// ASCII, then reads the same whatever the file's encoding was, and so do
// names: an entity the scan takes for another cannot hide its size.
//
// The encodings read are the ones the program's parser reads (MSXML as we
// run it), names compared without regard to letter case:
//  - UTF-8 ("UTF-8", "UTF8"), with or without a byte order mark, and any
//    file without a declared encoding;
//  - UTF-16 of either byte order, with or without a mark, declaring
//    "UTF-16", "UTF16", its own order ("UTF-16LE", "UTF-16BE") or "UTF-8"
//    (which the parser then passes over);
//  - "US-ASCII", "ASCII", "ISO-8859-1" to "ISO-8859-16" except 12,
//    "ISO-LATIN-1", "ISO-LATIN-2" and "windows-1250" to "windows-1258";
//  - "GBK", the one multi-byte code page it reads.
// A name outside that list, or a file that starts like none of them (EBCDIC,
// UTF-32), is refused with the name in the message.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The file's text in that form: `bytes` themselves after any UTF-8 byte
// order mark when they are in it already (UTF-8 and the single-byte code
// pages), otherwise decoded into `storage`.  Raises EProgramError for a file
// in an encoding the parser does not read.
std::string_view XmlScanText(std::string_view bytes, std::string& storage);

// XML's white space, which every scan of markup passes over.
inline bool IsXmlBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The value of the XML declaration's encoding, if `text` (as XmlScanText
// gives it) opens with a declaration that has one.
std::optional<std::string_view> DeclaredEncoding(std::string_view text);

// What an encoding name, in any letter case, stands for among those in which
// every byte below 0x80 is ASCII and every other character is one byte above
// it (or, for UTF-8, several).
enum class EncodingKind {
  kUtf8,
  kAscii,
  kSingleByte,  // ISO-8859, Latin-1 and Latin-2, the Windows code pages 1250 to 1258
  kOther,
};
EncodingKind KindOfEncoding(std::string_view name);

}  // namespace platform
