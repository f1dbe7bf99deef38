#pragma once
// The user interface of a check: every message box is handed to a listener
// instead of being shown; text conversions and letter case come from the
// interface underneath, so names compare as the program compares them.
#include <functional>
#include <string>

#include "platform/Ui.h"

class TCollectingUi final : public platform::IUserInterface {
 public:
  using Listener = std::function<void(const std::string& caption, const std::string& text)>;

  TCollectingUi(platform::IUserInterface& inner, Listener listener)
      : inner_(inner), listener_(std::move(listener)) {}

  // Answered as an unattended run answers: OK, or No to a question.
  int ShowBox(platform::WindowHandle owner, const std::string& text, const std::string& caption,
              unsigned flags) override;
  platform::WindowHandle ForegroundWindow() override { return nullptr; }
  std::string AnsiToUtf8(std::string_view ansi) override { return inner_.AnsiToUtf8(ansi); }
  std::string AnsiUpperCase(std::string_view ansi) override { return inner_.AnsiUpperCase(ansi); }
  std::string AnsiLowerCase(std::string_view ansi) override { return inner_.AnsiLowerCase(ansi); }
  unsigned AnsiCodePage() override { return inner_.AnsiCodePage(); }
  bool UseAnsiCodePage(unsigned codePage) override { return inner_.UseAnsiCodePage(codePage); }

  // A check makes no windows and runs no message loop.
  platform::WindowHandle CreateApplicationWindow(const std::string&) override { return nullptr; }
  platform::WindowHandle CreateMainWindow(platform::WindowHandle) override { return nullptr; }
  void DestroyWindow(platform::WindowHandle) override {}
  std::string WindowTitle(platform::WindowHandle) override { return {}; }
  long GetExStyle(platform::WindowHandle) override { return 0; }
  void SetExStyle(platform::WindowHandle, long) override {}
  void PostQuit() override {}
  void RunMessageLoop() override {}
  std::intptr_t SendMessageTo(platform::WindowHandle, unsigned, std::uintptr_t,
                              std::intptr_t) override {
    return 0;
  }

 private:
  platform::IUserInterface& inner_;
  Listener listener_;
};
