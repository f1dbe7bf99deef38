#include "platform/Services.h"
#include "platform/Ui.h"
#include "platform/UnattendedLog.h"

namespace platform {

namespace {
WindowHandle applicationWindow = nullptr;
WindowHandle mainWindow = nullptr;
unsigned boxesRaised = 0;
}  // namespace

WindowHandle ApplicationWindow() { return applicationWindow; }
void SetApplicationWindow(WindowHandle window) { applicationWindow = window; }
WindowHandle MainWindow() { return mainWindow; }
void SetMainWindow(WindowHandle window) { mainWindow = window; }

unsigned MessageBoxesRaised() { return boxesRaised; }

int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                   unsigned flags) {
  ++boxesRaised;
  if (!UnattendedLogName().empty()) {
    // An installer or agent must never hang on a modal box: answer it here.
    const int answer = (flags & mb::kTypeMask) == mb::kYesNo ? mb::kIdNo : mb::kIdOk;
    // Nobody may be there to answer: a log that cannot be written sends the
    // line elsewhere, never to the screen.
    IUserInterface& ui = Ui();
    AppendUnattendedLine(
        UnattendedLogLine(ui.AnsiToUtf8(caption), ui.AnsiToUtf8(text), flags, answer));
    return answer;
  }
  return Ui().ShowBox(owner, text, caption, flags);
}

void ShowErrorBox(WindowHandle owner, const std::string& text, const std::string& caption) {
  ShowMessageBox(owner, text, caption, mb::kOk | mb::kIconError | mb::kSetForeground);
}

}  // namespace platform
