#include "platform/XmlScanText.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Error.h"
#include "platform/Utf16.h"

namespace platform {

namespace {

enum class Form { kAsciiCompatible, kUtf16LittleEndian, kUtf16BigEndian, kUnreadable };

// How the characters of a declared encoding are made of bytes.
enum class Bytes { kAsIs, kDoubleByte, kUnread };

constexpr const char* kReadableEncodings =
    "UTF-8, UTF-16, US-ASCII, ISO-8859-1 to ISO-8859-16, windows-1250 to windows-1258 or GBK";

bool StartsWithBytes(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

// The encoding family the first bytes show, as XML's own rules for detecting
// an encoding read them, and how many bytes of byte order mark lead it.
Form Detect(std::string_view bytes, std::size_t* markLength) {
  using namespace std::string_view_literals;
  *markLength = 0;
  // UTF-32 in either byte order, with or without a mark: "<" is 4 bytes wide.
  for (std::string_view utf32 : {"\0\0\xFE\xFF"sv, "\xFF\xFE\0\0"sv, "\0\0\0<"sv, "<\0\0\0"sv}) {
    if (StartsWithBytes(bytes, utf32)) return Form::kUnreadable;
  }
  if (StartsWithBytes(bytes, "\xFF\xFE"sv)) {
    *markLength = 2;
    return Form::kUtf16LittleEndian;
  }
  if (StartsWithBytes(bytes, "\xFE\xFF"sv)) {
    *markLength = 2;
    return Form::kUtf16BigEndian;
  }
  if (StartsWithBytes(bytes, "<\0"sv)) return Form::kUtf16LittleEndian;
  if (StartsWithBytes(bytes, "\0<"sv)) return Form::kUtf16BigEndian;
  if (StartsWithBytes(bytes, "\xEF\xBB\xBF"sv)) *markLength = 3;
  return Form::kAsciiCompatible;
}

// UTF-16 as UTF-8; a surrogate without its partner keeps its own number, so
// it stays a character of its own.  An odd last byte is the parser's to
// refuse.
std::string Utf16AsUtf8(std::string_view bytes, bool bigEndian) {
  std::string text;
  text.reserve(bytes.size() / 2);
  auto unit = [&](std::size_t i) -> std::uint32_t {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (first << 8u) | second : (second << 8u) | first;
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    std::uint32_t code = unit(i);
    if (code >= 0xD800 && code < 0xDC00 && i + 3 < bytes.size()) {
      const std::uint32_t low = unit(i + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    AppendUtf8(text, code);
  }
  return text;
}

// A double-byte code page as MultiByteToWideChar reads it: a lead byte takes
// the byte after it along, whatever that byte is, so a "<" or "]" there is
// part of a character and no markup.  Each pair becomes a character of its
// own beyond the 16-bit range, so that different pairs stay different.
std::string DoubleByteAsUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x81 || lead == 0xFF) {
      AppendUtf8(text, lead);
    } else if (i + 1 < bytes.size()) {
      AppendUtf8(text, 0x10000u + (lead << 8u) + static_cast<unsigned char>(bytes[++i]));
    } else {
      AppendUtf8(text, 0xFFFD);  // a lead byte at the end: the parser refuses it
    }
  }
  return text;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return out;
}

// How the parser reads a file that starts in an ASCII-compatible form and
// declares `name` (lower case).  ISO-8859-12 was never published.
Bytes DeclaredBytes(const std::string& name) {
  static const char* const kNames[] = {"utf-8", "utf8",        "us-ascii",
                                       "ascii", "iso-latin-1", "iso-latin-2"};
  for (const char* known : kNames) {
    if (name == known) return Bytes::kAsIs;
  }
  for (int part = 1; part <= 16; ++part) {
    if (part != 12 && name == "iso-8859-" + std::to_string(part)) return Bytes::kAsIs;
  }
  for (int page = 1250; page <= 1258; ++page) {
    if (name == "windows-" + std::to_string(page)) return Bytes::kAsIs;
  }
  return name == "gbk" ? Bytes::kDoubleByte : Bytes::kUnread;
}

// A UTF-16 file may name UTF-16 itself or its own byte order; the parser
// passes over a UTF-8 declaration in it, and refuses every other name.
bool IsReadInUtf16(const std::string& name, Form form) {
  return name == "utf-16" || name == "utf16" || name == "utf-8" || name == "utf8" ||
         (name == "utf-16le" && form == Form::kUtf16LittleEndian) ||
         (name == "utf-16be" && form == Form::kUtf16BigEndian);
}

// The name as the message can show it: the file's bytes may be anything.
std::string Printable(std::string_view name) {
  std::string out;
  for (char c : name.substr(0, 40)) {
    out += (c >= 0x20 && c < 0x7F) ? c : '?';
  }
  return name.size() > 40 ? out + "..." : out;
}

[[noreturn]] void RefuseUnreadable() {
  throw EProgramError(std::string("The file does not begin like XML written in ") +
                      kReadableEncodings + "; a file in another character encoding is not read.");
}

[[noreturn]] void RefuseDeclared(std::string_view name) {
  throw EProgramError("The file declares the character encoding \"" + Printable(name) +
                      "\", which the XML parser does not read; preferences files are written in " +
                      kReadableEncodings + ".");
}

[[noreturn]] void RefuseDeclaredInUtf16(std::string_view name) {
  throw EProgramError("The file is written in UTF-16 but declares the character encoding \"" +
                      Printable(name) +
                      "\", which the XML parser does not read a UTF-16 file in; a UTF-16 file "
                      "declares UTF-16 or no encoding.");
}

}  // namespace

// The value of the XML declaration's encoding, if the text opens with a
// declaration that has one.
std::optional<std::string_view> DeclaredEncoding(std::string_view text) {
  if (!StartsWithBytes(text, "<?xml") || text.size() < 6 || !IsXmlBlank(text[5])) return {};
  const std::string_view declaration = text.substr(0, text.find("?>"));
  std::size_t at = declaration.find("encoding");
  if (at == std::string_view::npos) return {};
  at += 8;
  while (at < declaration.size() && IsXmlBlank(declaration[at])) ++at;
  if (at >= declaration.size() || declaration[at] != '=') return {};
  ++at;
  while (at < declaration.size() && IsXmlBlank(declaration[at])) ++at;
  if (at >= declaration.size() || (declaration[at] != '"' && declaration[at] != '\'')) return {};
  const std::size_t end = declaration.find(declaration[at], at + 1);
  if (end == std::string_view::npos) return {};
  return declaration.substr(at + 1, end - at - 1);
}

EncodingKind KindOfEncoding(std::string_view name) {
  const std::string lower = Lower(name);
  if (lower == "utf-8" || lower == "utf8") return EncodingKind::kUtf8;
  if (lower == "us-ascii" || lower == "ascii") return EncodingKind::kAscii;
  return DeclaredBytes(lower) == Bytes::kAsIs ? EncodingKind::kSingleByte : EncodingKind::kOther;
}

std::string_view XmlScanText(std::string_view bytes, std::string& storage) {
  std::size_t markLength = 0;
  const Form form = Detect(bytes, &markLength);
  if (form == Form::kUnreadable) RefuseUnreadable();
  std::string_view text = bytes.substr(markLength);
  if (form != Form::kAsciiCompatible) {
    storage = Utf16AsUtf8(text, form == Form::kUtf16BigEndian);
    text = storage;
  }

  // Blanks may lead a file without a declaration; after them, in an encoding
  // the parser reads, the first character of any XML document is "<".
  const auto first = std::find_if_not(text.begin(), text.end(), IsXmlBlank);
  if (first == text.end()) return text;  // empty: the parser says what that is
  if (*first != '<') RefuseUnreadable();

  const std::optional<std::string_view> declared =
      DeclaredEncoding(text.substr(static_cast<std::size_t>(first - text.begin())));
  if (!declared) return text;
  const std::string name = Lower(*declared);
  if (form != Form::kAsciiCompatible) {
    if (!IsReadInUtf16(name, form)) RefuseDeclaredInUtf16(*declared);
    return text;
  }
  switch (DeclaredBytes(name)) {
    case Bytes::kAsIs: return text;
    case Bytes::kDoubleByte: storage = DoubleByteAsUtf8(text); return storage;
    case Bytes::kUnread: break;
  }
  RefuseDeclared(*declared);
}

}  // namespace platform
