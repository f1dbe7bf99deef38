#include "platform/fake/FakeUserInterface.h"

#include <cstdlib>

#include "platform/fake/CodePages.h"

namespace platform::fake {

int FakeUserInterface::ShowBox(WindowHandle owner, const std::string& text,
                               const std::string& caption, unsigned flags) {
  boxes.push_back({owner, text, caption, flags});
  if (!answers.empty()) {
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return (flags & mb::kTypeMask) == mb::kYesNo ? mb::kIdNo : mb::kIdOk;
}

unsigned FakeUserInterface::AnsiCodePage() { return codepage::Current(); }

bool FakeUserInterface::UseAnsiCodePage(unsigned codePage) { return codepage::Use(codePage); }

std::string FakeUserInterface::AnsiToUtf8(std::string_view ansi) { return codepage::ToUtf8(ansi); }

std::string FakeUserInterface::AnsiUpperCase(std::string_view ansi) {
  return codepage::ToUpper(ansi);
}

std::string FakeUserInterface::AnsiLowerCase(std::string_view ansi) {
  return codepage::ToLower(ansi);
}

WindowHandle FakeUserInterface::NewWindow(const std::string& title) {
  if (!canCreateWindows) return nullptr;
  auto* handle = reinterpret_cast<WindowHandle>(nextHandle_);
  nextHandle_ += 4;
  windows[handle] = Window{title, 0, false};
  return handle;
}

WindowHandle FakeUserInterface::CreateApplicationWindow(const std::string& title) {
  return NewWindow(title);
}

WindowHandle FakeUserInterface::CreateMainWindow(WindowHandle) { return NewWindow(""); }

void FakeUserInterface::DestroyWindow(WindowHandle window) { windows.at(window).destroyed = true; }

std::string FakeUserInterface::WindowTitle(WindowHandle window) { return windows.at(window).title; }

long FakeUserInterface::GetExStyle(WindowHandle window) { return windows.at(window).exStyle; }

void FakeUserInterface::SetExStyle(WindowHandle window, long style) {
  windows.at(window).exStyle = style;
}

void FakeUserInterface::RunMessageLoop() {
  // A loop entered without a posted quit would never end on Windows.
  if (!quitPosted) std::abort();
  quitPosted = false;
  ++messageLoops;
}

std::intptr_t FakeUserInterface::SendMessageTo(WindowHandle window, unsigned message,
                                               std::uintptr_t wParam, std::intptr_t lParam) {
  sentMessages.push_back({window, message, wParam, lParam});
  return 0;
}

}  // namespace platform::fake
