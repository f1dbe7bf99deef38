#include "common/ReplaceIgnoreCase.h"

#include <algorithm>

#include "common/Strings.h"

namespace {

std::string AsciiUpper(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
  return result;
}

}  // namespace

std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view from,
                                 std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string upperText = AnsiUpperCase(text);
  std::string upperFrom = AnsiUpperCase(from);
  // Positions in the upper-cased copy must be positions in the text; a code
  // page whose case mapping changes lengths falls back to ASCII letters.
  if (upperText.size() != text.size() || upperFrom.size() != from.size()) {
    upperText = AsciiUpper(text);
    upperFrom = AsciiUpper(from);
  }
  std::string result;
  std::size_t pos = 0;
  while (true) {
    const std::size_t hit = upperText.find(upperFrom, pos);
    if (hit == std::string::npos) break;
    result.append(text.substr(pos, hit - pos));
    result.append(to);
    pos = hit + from.size();
  }
  result.append(text.substr(pos));
  return result;
}
