#include "check/RegFileSyntax.h"

#include <cstdio>

#include "common/Strings.h"

namespace {

// Registry Editor wraps hex data before this column.
constexpr std::size_t kHexLineWidth = 76;

std::u16string Ascii(std::string_view text) { return std::u16string(text.begin(), text.end()); }

int HexValue(char16_t c) { return c < 0x80 ? HexDigitValue(static_cast<char>(c)) : -1; }

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

std::u16string RegQuoted(std::u16string_view text) {
  std::u16string out = u"\"";
  for (const char16_t c : text) {
    if (c == u'\\' || c == u'"') out += u'\\';
    out += c;
  }
  return out + u"\"";
}

std::optional<std::u16string> RegUnquoted(std::u16string_view line, std::size_t& at) {
  if (at >= line.size() || line[at] != u'"') return std::nullopt;
  std::u16string text;
  for (std::size_t i = at + 1; i < line.size(); ++i) {
    const char16_t c = line[i];
    if (c == u'"') {
      at = i + 1;
      return text;
    }
    if (c != u'\\' || i + 1 == line.size()) {
      text += c;
      continue;
    }
    const char16_t next = line[++i];
    switch (next) {
      case u'r': text += u'\r'; break;
      case u'n': text += u'\n'; break;
      case u'0': text += u'\0'; break;
      case u'\\':
      case u'"': text += next; break;
      // Registry Editor keeps an unknown escape as it stands.
      default: text += u'\\', text += next;
    }
  }
  return std::nullopt;
}

std::u16string RegDwordData(std::uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "dword:%08x", value);
  return Ascii(buffer);
}

std::u16string RegHexPrefix(std::uint32_t type) {
  if (type == 3) return u"hex:";
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "hex(%x):", type);
  return Ascii(buffer);
}

std::u16string RegHexData(std::u16string line, const std::vector<std::uint8_t>& bytes) {
  std::u16string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char buffer[4];
    std::snprintf(buffer, sizeof buffer, "%02x", bytes[i]);
    line += Ascii(buffer);
    if (i + 1 == bytes.size()) break;
    line += u',';
    if (line.size() >= kHexLineWidth) {
      out += line + u"\\\r\n";
      line = u"  ";
    }
  }
  return out + line;
}

std::optional<std::uint32_t> RegHexNumber(std::u16string_view digits, std::size_t maxDigits) {
  if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
  std::uint32_t number = 0;
  for (const char16_t c : digits) {
    const int digit = HexValue(c);
    if (digit < 0) return std::nullopt;
    number = number * 16 + static_cast<std::uint32_t>(digit);
  }
  return number;
}

std::optional<std::vector<std::uint8_t>> RegHexBytes(std::u16string_view text) {
  std::vector<std::uint8_t> bytes;
  std::size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < text.size() && IsBlank(text[i])) ++i;
  };
  skipBlanks();
  if (i == text.size()) return bytes;
  while (true) {
    skipBlanks();
    std::size_t digits = 0;
    int value = 0;
    while (i < text.size() && HexValue(text[i]) >= 0 && digits < 2) {
      value = value * 16 + HexValue(text[i++]);
      ++digits;
    }
    if (digits == 0) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(value));
    skipBlanks();
    if (i == text.size()) return bytes;
    if (text[i] != u',') return std::nullopt;
    ++i;
    skipBlanks();
    // A trailing comma before the end of the data is allowed.
    if (i == text.size()) return bytes;
  }
}
