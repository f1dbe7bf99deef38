#include "platform/XmlScanText.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "platform/Error.h"

namespace platform {

namespace {

enum class Form { kAsciiCompatible, kUtf16LittleEndian, kUtf16BigEndian, kUnreadable };

constexpr const char* kReadableEncodings =
    "UTF-8, UTF-16, US-ASCII, ISO-8859 or a Windows code page such as windows-1252";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

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

std::string NarrowUtf16(std::string_view bytes, bool bigEndian) {
  std::string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
    const auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
    text += (hi == 0 && lo < 0x80) ? static_cast<char>(lo) : 'x';
  }
  return text;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// A UTF-16 file may name UTF-16 itself, or its own byte order; a parser that
// followed a declaration naming the other order would read other text.
bool IsUtf16Name(const std::string& name, Form form) {
  return name == "utf-16" || (name == "utf-16le" && form == Form::kUtf16LittleEndian) ||
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
  throw EProgramError(
      "The file does not begin like XML written in UTF-8, UTF-16 or a single-byte code page such "
      "as windows-1252; a file in another character encoding cannot be checked and is not read.");
}

// The names XML parsers know for encodings in which every byte below 0x80 is
// ASCII and every other character is made of bytes above it.  ISO-8859-12
// was never published.
bool IsAsciiCompatibleEncoding(const std::string& name) {
  static const char* const kNames[] = {"utf-8", "us-ascii", "ascii", "latin1"};
  for (const char* known : kNames) {
    if (name == known) return true;
  }
  for (int part = 1; part <= 16; ++part) {
    if (part != 12 && name == "iso-8859-" + std::to_string(part)) return true;
  }
  for (int page = 1250; page <= 1258; ++page) {
    if (name == "windows-" + std::to_string(page) || name == "cp" + std::to_string(page)) {
      return true;
    }
  }
  return false;
}

}  // namespace

// The value of the XML declaration's encoding, if the text opens with a
// declaration that has one.
std::optional<std::string_view> DeclaredEncoding(std::string_view text) {
  if (!StartsWithBytes(text, "<?xml") || text.size() < 6 || !IsBlank(text[5])) return {};
  const std::string_view declaration = text.substr(0, text.find("?>"));
  std::size_t at = declaration.find("encoding");
  if (at == std::string_view::npos) return {};
  at += 8;
  while (at < declaration.size() && IsBlank(declaration[at])) ++at;
  if (at >= declaration.size() || declaration[at] != '=') return {};
  ++at;
  while (at < declaration.size() && IsBlank(declaration[at])) ++at;
  if (at >= declaration.size() || (declaration[at] != '"' && declaration[at] != '\'')) return {};
  const std::size_t end = declaration.find(declaration[at], at + 1);
  if (end == std::string_view::npos) return {};
  return declaration.substr(at + 1, end - at - 1);
}

EncodingKind KindOfEncoding(std::string_view name) {
  const std::string lower = Lower(name);
  if (!IsAsciiCompatibleEncoding(lower)) return EncodingKind::kOther;
  if (lower == "utf-8") return EncodingKind::kUtf8;
  if (lower == "us-ascii" || lower == "ascii") return EncodingKind::kAscii;
  return EncodingKind::kSingleByte;
}

std::string_view XmlScanText(std::string_view bytes, std::string& storage) {
  std::size_t markLength = 0;
  const Form form = Detect(bytes, &markLength);
  if (form == Form::kUnreadable) RefuseUnreadable();
  std::string_view text = bytes.substr(markLength);
  if (form != Form::kAsciiCompatible) {
    storage = NarrowUtf16(text, form == Form::kUtf16BigEndian);
    text = storage;
  }

  // Blanks may lead a file without a declaration; after them, in an encoding
  // the scan reads, the first character of any XML document is "<".
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
  if (first == text.end()) return text;  // empty: the parser says what that is
  if (*first != '<') RefuseUnreadable();

  const std::optional<std::string_view> declared =
      DeclaredEncoding(text.substr(static_cast<std::size_t>(first - text.begin())));
  if (!declared) return text;
  const std::string name = Lower(*declared);
  if (form == Form::kAsciiCompatible ? !IsAsciiCompatibleEncoding(name)
                                     : !IsUtf16Name(name, form)) {
    throw EProgramError(
        "The file declares the character encoding \"" + Printable(*declared) +
        "\", which the import cannot check and does not read; preferences files are written in " +
        std::string(kReadableEncodings) + ".");
  }
  return text;
}

}  // namespace platform
