#include "check/TextQuote.h"

#include <cstdio>

std::string QuoteText(std::string_view text, std::size_t maxChars) {
  const bool shortened = maxChars != 0 && text.size() > maxChars;
  if (shortened) text = text.substr(0, maxChars);
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (byte < 0x20 || byte == 0x7F) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\x%02X", byte);
          out += buffer;
        } else {
          out += c;
        }
    }
  }
  out += '"';
  if (shortened) out += "...";
  return out;
}

std::string Counted(std::size_t count, std::string_view one, std::string_view many) {
  std::string text = std::to_string(count) + " ";
  if (count == 1) return text.append(one);
  return many.empty() ? text.append(one).append("s") : text.append(many);
}
