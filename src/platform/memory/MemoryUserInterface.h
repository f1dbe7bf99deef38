#pragma once
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/Ui.h"

namespace platform::memory {

// Records every box and answers from a script (OK, or No for Yes/No, when the
// script is empty); windows are numbered handles with a title and a style.
class MemoryUserInterface final : public IUserInterface {
 public:
  struct Box {
    WindowHandle owner;
    std::string text;
    std::string caption;
    unsigned flags;
  };
  struct Window {
    std::string title;
    long exStyle = 0;
    bool destroyed = false;
  };
  struct Message {
    WindowHandle window;
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
  };

  std::vector<Box> boxes;
  std::deque<int> answers;
  std::map<WindowHandle, Window> windows;
  std::vector<Message> sentMessages;
  WindowHandle foreground = nullptr;
  bool canCreateWindows = true;
  bool quitPosted = false;
  int messageLoops = 0;

  int ShowBox(WindowHandle owner, const std::string& text, const std::string& caption,
              unsigned flags) override;
  WindowHandle ForegroundWindow() override { return foreground; }
  std::string AnsiToUtf8(std::string_view ansi) override;
  std::string AnsiUpperCase(std::string_view ansi) override;
  std::string AnsiLowerCase(std::string_view ansi) override;
  unsigned AnsiCodePage() override;
  bool UseAnsiCodePage(unsigned codePage) override;
  WindowHandle CreateApplicationWindow(const std::string& title) override;
  WindowHandle CreateMainWindow(WindowHandle application) override;
  void DestroyWindow(WindowHandle window) override;
  std::string WindowTitle(WindowHandle window) override;
  long GetExStyle(WindowHandle window) override;
  void SetExStyle(WindowHandle window, long style) override;
  void PostQuit() override { quitPosted = true; }
  void RunMessageLoop() override;
  std::intptr_t SendMessageTo(WindowHandle window, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;

 private:
  WindowHandle NewWindow(const std::string& title);
  std::uintptr_t nextHandle_ = 0x1000;
};

}  // namespace platform::memory
