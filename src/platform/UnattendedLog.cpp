#include "platform/UnattendedLog.h"

#include <cstdio>
#include <cstdlib>

#include "platform/Ui.h"

namespace platform {

std::string JsonString(const std::string& utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
          out += buffer;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string UnattendedLogName() {
  const char* name = std::getenv("WRENFOLD_UNATTENDED_LOG");
  return name != nullptr ? name : "";
}

std::string UnattendedLogLine(const std::string& captionUtf8, const std::string& textUtf8,
                              unsigned flags, int answer) {
  return "{\"caption\":" + JsonString(captionUtf8) + ",\"text\":" + JsonString(textUtf8) +
         ",\"flags\":" + std::to_string(flags) + ",\"answer\":\"" +
         (answer == mb::kIdNo ? "IDNO" : "IDOK") + "\"}";
}

std::string UnattendedOutcomeLine(const UnattendedOutcome& record) {
  return "{\"outcome\":" + JsonString(record.outcome) + ",\"file\":" + JsonString(record.file) +
         ",\"values\":" + std::to_string(record.values) +
         ",\"reports\":" + std::to_string(record.reports) +
         ",\"skipped\":" + std::to_string(record.skipped) +
         ",\"version\":" + JsonString(record.version) + ",\"time\":" + JsonString(record.time) +
         "}";
}

}  // namespace platform
