#include "check/PrefsFileEncoding.h"

#include "platform/Services.h"
#include "platform/Ui.h"
#include "platform/Utf16.h"
#include "xmlimport/PrefsFileFormat.h"

namespace {

// XML 1.0's name characters, the colon left out: a prefix would be read as
// an undeclared namespace and dropped.
bool IsNameStart(char32_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || (c >= 0xC0 && c <= 0xD6) ||
         (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D) ||
         (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) ||
         (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF) ||
         (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF) ||
         (c >= 0xFDF0 && c <= 0xFFFD);
}

bool IsNameChar(char32_t c) {
  return IsNameStart(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7 ||
         (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

bool IsXmlName(std::string_view ansi) {
  const std::u16string name = platform::Utf16OfUtf8(platform::Ui().AnsiToUtf8(ansi));
  if (name.empty()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (i == 0 ? !IsNameStart(name[i]) : !IsNameChar(name[i])) return false;
  }
  return true;
}

bool StartsWith(std::string_view text, std::size_t at, std::string_view part) {
  return text.compare(at, part.size(), part) == 0;
}

}  // namespace

TEncoded EncodeName(std::string_view name) {
  if (name.empty()) return {{}, "no name: an element needs one"};
  if (name.find('_') != std::string_view::npos) {
    return {{}, "an underscore in the name: a preferences file reads every \"_\" as a blank"};
  }
  std::string encoded;
  for (const char c : name) {
    switch (c) {
      case '[': encoded += "_0x5B_"; break;
      case ']': encoded += "_0x5D_"; break;
      case '$': encoded += "_0x24_"; break;
      case ' ': encoded += '_'; break;
      default: encoded += c;
    }
  }
  if (!IsXmlName(encoded)) {
    return {{}, "the name holds characters an XML element name cannot (or starts with one)"};
  }
  if (DecodeName(encoded) != name) return {{}, "the name does not read back as it is"};
  return {encoded, {}};
}

TEncoded EncodeText(std::string_view text) {
  if (text.find('_') != std::string_view::npos) {
    return {{}, "an underscore in the text: a preferences file reads every \"_\" as a blank"};
  }
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 && c != '\t' && c != '\r' && c != '\n') {
      return {{}, "control characters in the text, which XML cannot hold"};
    }
  }
  // The decoding turns "&#34;", "&pos;" and "&amp;" into one character, and
  // then "$lt;", "$gt;" and "&#36;": an "&" or "$" that would start one is
  // written as the sequence that decodes to it.
  std::string encoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && (StartsWith(text, i + 1, "#34;") || StartsWith(text, i + 1, "pos;") ||
                           StartsWith(text, i + 1, "amp;"))) {
      encoded += "&amp;";
    } else if (text[i] == '$' &&
               (StartsWith(text, i + 1, "lt;") || StartsWith(text, i + 1, "gt;"))) {
      encoded += "&#36;";
    } else {
      encoded += text[i];
    }
  }
  if (DecodeText(encoded) != text) {
    return {{}, "the text holds a sequence the import always decodes (\"&#36;\")"};
  }
  return {encoded, {}};
}

std::string XmlContent(std::string_view utf8) {
  std::string out;
  for (const char c : utf8) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '\r': out += "&#13;"; break;
      case '\n': out += "&#10;"; break;
      case '\t': out += "&#9;"; break;
      default: out += c;
    }
  }
  return out;
}

bool IsBlankText(std::string_view text) {
  return !text.empty() && text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}
