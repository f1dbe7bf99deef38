#include <windows.h>

#include <vector>

#include "platform/Ui.h"
#include "platform/win32/Win32AnsiText.h"
#include "platform/win32/Win32Services.h"

namespace platform::win32 {

namespace {

constexpr UINT kMainWindowNotification = 0x83EC;  // WM_APP + 1004, from the event log
constexpr const char* kApplicationClass = "TRegisterWrenfoldApplication";
constexpr const char* kMainClass = "TRegisterWrenfoldMainWin";

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The main window is told about every log entry; this program has nothing to
  // show for it.
  if (message == kMainWindowNotification) return 0;
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterClassOnce(const char* name, WNDPROC procedure) {
  WNDCLASSA windowClass{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &windowClass)) return true;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = name;
  return RegisterClassA(&windowClass) != 0;
}

// Letter case of ANSI text through its UTF-16 form.
std::string MapCase(std::string_view ansi, DWORD(WINAPI* map)(LPWSTR, DWORD)) {
  std::wstring wide = ToWide(ansi);
  if (!wide.empty()) map(wide.data(), static_cast<DWORD>(wide.size()));
  return ToAnsi(wide);
}

class Win32UserInterface final : public IUserInterface {
 public:
  int ShowBox(WindowHandle owner, const std::string& text, const std::string& caption,
              unsigned flags) override {
    return MessageBoxA(static_cast<HWND>(owner), text.c_str(), caption.c_str(), flags);
  }

  WindowHandle ForegroundWindow() override { return GetForegroundWindow(); }

  std::string AnsiToUtf8(std::string_view ansi) override { return Utf8OfWide(ToWide(ansi)); }

  // The ANSI calls map letter case in the system's code page; another one
  // chosen maps it through UTF-16.
  std::string AnsiUpperCase(std::string_view ansi) override {
    if (AnsiCodePageChosen()) return MapCase(ansi, CharUpperBuffW);
    std::string text(ansi);
    if (!text.empty()) CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
  }

  std::string AnsiLowerCase(std::string_view ansi) override {
    if (AnsiCodePageChosen()) return MapCase(ansi, CharLowerBuffW);
    std::string text(ansi);
    if (!text.empty()) CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
  }

  unsigned AnsiCodePage() override { return platform::win32::AnsiCodePage(); }
  bool UseAnsiCodePage(unsigned codePage) override {
    return platform::win32::UseAnsiCodePage(codePage);
  }

  WindowHandle CreateApplicationWindow(const std::string& title) override {
    if (!RegisterClassOnce(kApplicationClass, DefWindowProcA)) return nullptr;
    // A zero-sized popup that is never shown: it owns the message boxes and
    // keeps the program off the task bar with the tool-window style.
    return CreateWindowExA(0, kApplicationClass, title.c_str(),
                           WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0,
                           0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }

  WindowHandle CreateMainWindow(WindowHandle application) override {
    if (!RegisterClassOnce(kMainClass, MainWindowProc)) return nullptr;
    return CreateWindowExA(0, kMainClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 0, 0,
                           static_cast<HWND>(application), nullptr, GetModuleHandleA(nullptr),
                           nullptr);
  }

  void DestroyWindow(WindowHandle window) override { ::DestroyWindow(static_cast<HWND>(window)); }

  std::string WindowTitle(WindowHandle window) override {
    const int length = GetWindowTextLengthA(static_cast<HWND>(window));
    std::string title(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(static_cast<HWND>(window), title.data(), length + 1);
    title.resize(static_cast<std::size_t>(copied));
    return title;
  }

  long GetExStyle(WindowHandle window) override {
    return GetWindowLongA(static_cast<HWND>(window), GWL_EXSTYLE);
  }

  void SetExStyle(WindowHandle window, long style) override {
    SetWindowLongA(static_cast<HWND>(window), GWL_EXSTYLE, style);
  }

  void PostQuit() override { PostQuitMessage(0); }

  void RunMessageLoop() override {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }

  std::intptr_t SendMessageTo(WindowHandle window, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) override {
    return SendMessageA(static_cast<HWND>(window), message, wParam, lParam);
  }
};

}  // namespace

IUserInterface& UserInterface() {
  static Win32UserInterface ui;
  return ui;
}

}  // namespace platform::win32
