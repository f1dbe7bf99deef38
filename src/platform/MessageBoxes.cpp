#include <cstdio>
#include <cstdlib>

#include "platform/Services.h"
#include "platform/Ui.h"
#include "platform/UniqueHandle.h"

namespace platform {

namespace {
WindowHandle applicationWindow = nullptr;
WindowHandle mainWindow = nullptr;

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

WindowHandle ApplicationWindow() { return applicationWindow; }
void SetApplicationWindow(WindowHandle window) { applicationWindow = window; }
WindowHandle MainWindow() { return mainWindow; }
void SetMainWindow(WindowHandle window) { mainWindow = window; }

std::string UnattendedLogLine(const std::string& captionUtf8, const std::string& textUtf8,
                              unsigned flags, int answer) {
  return "{\"caption\":" + JsonString(captionUtf8) + ",\"text\":" + JsonString(textUtf8) +
         ",\"flags\":" + std::to_string(flags) + ",\"answer\":\"" +
         (answer == mb::kIdNo ? "IDNO" : "IDOK") + "\"}";
}

int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                   unsigned flags) {
  const char* logName = std::getenv("WRENFOLD_UNATTENDED_LOG");
  if (logName != nullptr && *logName != '\0') {
    // An installer or agent must never hang on a modal box: answer it here.
    const int answer = (flags & mb::kTypeMask) == mb::kYesNo ? mb::kIdNo : mb::kIdOk;
    const StdFile log(std::fopen(logName, "ab"));
    if (log) {
      IUserInterface& ui = Ui();
      const std::string line =
          UnattendedLogLine(ui.AnsiToUtf8(caption), ui.AnsiToUtf8(text), flags, answer) + "\n";
      if (std::fwrite(line.data(), 1, line.size(), log.get()) == line.size() &&
          std::fflush(log.get()) == 0) {
        return answer;
      }
    }
    // A log that cannot be written must not swallow the report: show the box.
  }
  return Ui().ShowBox(owner, text, caption, flags);
}

}  // namespace platform
