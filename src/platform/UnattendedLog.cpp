#include "platform/UnattendedLog.h"

#include <cstdio>
#include <cstdlib>

#include "platform/Ui.h"
#include "platform/UniqueHandle.h"

namespace platform {

namespace {

struct StdFileTraits {
  using Type = std::FILE*;
  static Type Invalid() { return nullptr; }
  static void Close(Type file) { std::fclose(file); }
};
using StdFile = UniqueHandle<StdFileTraits>;

}  // namespace

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

bool AppendUnattendedLine(const std::string& line) {
  const std::string name = UnattendedLogName();
  if (name.empty()) return false;
  const StdFile log(std::fopen(name.c_str(), "ab"));
  if (!log) return false;
  const std::string text = line + "\n";
  return std::fwrite(text.data(), 1, text.size(), log.get()) == text.size() &&
         std::fflush(log.get()) == 0;
}

std::string UnattendedLogLine(const std::string& captionUtf8, const std::string& textUtf8,
                              unsigned flags, int answer) {
  return "{\"caption\":" + JsonString(captionUtf8) + ",\"text\":" + JsonString(textUtf8) +
         ",\"flags\":" + std::to_string(flags) + ",\"answer\":\"" +
         (answer == mb::kIdNo ? "IDNO" : "IDOK") + "\"}";
}

std::string UnattendedOutcomeLine(const std::string& outcome, const std::string& fileUtf8,
                                  std::size_t values, unsigned reports) {
  return "{\"outcome\":" + JsonString(outcome) + ",\"file\":" + JsonString(fileUtf8) +
         ",\"values\":" + std::to_string(values) + ",\"reports\":" + std::to_string(reports) + "}";
}

}  // namespace platform
