#include "platform/fake/FakeUserInterface.h"

#include <cstdlib>

namespace platform::fake {

namespace {

// Windows-1252 0x80-0x9F as Unicode code points (0 where the code page has no
// character); the rest of the page is Latin-1.
constexpr unsigned kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The case pairs of windows-1252 beyond ASCII: Š/š, Œ/œ, Ž/ž, Ÿ/ÿ and the
// Latin-1 letters (without × and ÷, and ß, which has no capital here).
unsigned char Upper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
  }
}

unsigned char Lower(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
  }
}

}  // namespace

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

std::string FakeUserInterface::AnsiToUtf8(std::string_view ansi) {
  std::string out;
  for (unsigned char c : ansi) {
    unsigned code = c;
    if (c >= 0x80 && c < 0xA0) code = kCp1252High[c - 0x80] != 0 ? kCp1252High[c - 0x80] : c;
    AppendUtf8(out, code);
  }
  return out;
}

std::string FakeUserInterface::AnsiUpperCase(std::string_view ansi) {
  std::string out(ansi);
  for (char& c : out) c = static_cast<char>(Upper(static_cast<unsigned char>(c)));
  return out;
}

std::string FakeUserInterface::AnsiLowerCase(std::string_view ansi) {
  std::string out(ansi);
  for (char& c : out) c = static_cast<char>(Lower(static_cast<unsigned char>(c)));
  return out;
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
