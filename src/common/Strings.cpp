#include "common/Strings.h"

#include "platform/Services.h"
#include "platform/Ui.h"

namespace {
// DEL is a control character too.
bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' ' || c == '\x7F'; }
}  // namespace

std::string Trim(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsBlankOrControl(text[first])) ++first;
  while (last > first && IsBlankOrControl(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string HexBytes(std::span<const std::uint8_t> bytes, std::string_view separator) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(bytes.size() * (2 + separator.size()));
  for (const std::uint8_t byte : bytes) {
    if (!text.empty()) text += separator;
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
  }
  return text;
}

std::string DeQuote(std::string_view text) {
  if (text.empty() || text.front() != '"') return std::string(text);
  std::string result;
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (text[i] == '"') {
      if (i + 1 < text.size() && text[i + 1] == '"') {
        result += '"';
        ++i;
      } else {
        break;
      }
    } else {
      result += text[i];
    }
  }
  return result;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string result;
  std::size_t pos = 0;
  while (true) {
    const std::size_t hit = text.find(from, pos);
    if (hit == std::string_view::npos) break;
    result.append(text.substr(pos, hit - pos));
    result.append(to);
    pos = hit + from.size();
  }
  result.append(text.substr(pos));
  return result;
}

std::string AnsiUpperCase(std::string_view text) { return platform::Ui().AnsiUpperCase(text); }
std::string AnsiLowerCase(std::string_view text) { return platform::Ui().AnsiLowerCase(text); }
