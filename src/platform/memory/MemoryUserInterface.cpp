#include "platform/memory/MemoryUserInterface.h"

#include <cstdlib>

#include "platform/memory/CodePages.h"

namespace platform::memory {

int MemoryUserInterface::ShowBox(WindowHandle owner, const std::string& text,
                                 const std::string& caption, unsigned flags) {
  boxes.push_back({owner, text, caption, flags});
  if (!answers.empty()) {
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return (flags & mb::kTypeMask) == mb::kYesNo ? mb::kIdNo : mb::kIdOk;
}

unsigned MemoryUserInterface::AnsiCodePage() { return codepage::Current(); }

bool MemoryUserInterface::UseAnsiCodePage(unsigned codePage) { return codepage::Use(codePage); }

std::string MemoryUserInterface::AnsiToUtf8(std::string_view ansi) {
  return codepage::ToUtf8(ansi);
}

std::string MemoryUserInterface::AnsiUpperCase(std::string_view ansi) {
  return codepage::ToUpper(ansi);
}

std::string MemoryUserInterface::AnsiLowerCase(std::string_view ansi) {
  return codepage::ToLower(ansi);
}

WindowHandle MemoryUserInterface::NewWindow(const std::string& title) {
  if (!canCreateWindows) return nullptr;
  auto* handle = reinterpret_cast<WindowHandle>(nextHandle_);
  nextHandle_ += 4;
  windows[handle] = Window{title, 0, false};
  return handle;
}

WindowHandle MemoryUserInterface::CreateApplicationWindow(const std::string& title) {
  return NewWindow(title);
}

WindowHandle MemoryUserInterface::CreateMainWindow(WindowHandle) { return NewWindow(""); }

void MemoryUserInterface::DestroyWindow(WindowHandle window) {
  windows.at(window).destroyed = true;
}

std::string MemoryUserInterface::WindowTitle(WindowHandle window) {
  return windows.at(window).title;
}

long MemoryUserInterface::GetExStyle(WindowHandle window) { return windows.at(window).exStyle; }

void MemoryUserInterface::SetExStyle(WindowHandle window, long style) {
  windows.at(window).exStyle = style;
}

void MemoryUserInterface::RunMessageLoop() {
  // A loop entered without a posted quit would never end on Windows.
  if (!quitPosted) std::abort();
  quitPosted = false;
  ++messageLoops;
}

std::intptr_t MemoryUserInterface::SendMessageTo(WindowHandle window, unsigned message,
                                                 std::uintptr_t wParam, std::intptr_t lParam) {
  sentMessages.push_back({window, message, wParam, lParam});
  return 0;
}

}  // namespace platform::memory
