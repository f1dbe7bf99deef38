#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// An opaque window handle, HWND-shaped; null where no window exists.
using WindowHandle = void*;

// Message-box flags and answers, with the values the Win32 constants have.  The
// core cannot see <windows.h>, and these names must not collide with its macros.
namespace mb {
constexpr unsigned kOk = 0x0;
constexpr unsigned kYesNo = 0x4;
constexpr unsigned kTypeMask = 0xF;
constexpr unsigned kIconError = 0x10;
constexpr unsigned kIconExclamation = 0x30;
constexpr unsigned kSetForeground = 0x10000;
constexpr int kIdOk = 1;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
}  // namespace mb

constexpr long kWsExToolWindow = 0x80;

class IUserInterface {
 public:
  virtual ~IUserInterface() = default;

  // MessageBoxA: modal, returns the button pressed.
  virtual int ShowBox(WindowHandle owner, const std::string& text, const std::string& caption,
                      unsigned flags) = 0;
  virtual WindowHandle ForegroundWindow() = 0;
  // ANSI code page text to UTF-8, for the unattended log.
  virtual std::string AnsiToUtf8(std::string_view ansi) = 0;
  // Locale-aware case mapping of ANSI text (CharUpperBuffA, CharLowerBuffA).
  virtual std::string AnsiUpperCase(std::string_view ansi) = 0;
  virtual std::string AnsiLowerCase(std::string_view ansi) = 0;
  // The ANSI code page of the conversions and case mapping, here and in the
  // XML document model: the system's (GetACP) unless another was chosen.
  virtual unsigned AnsiCodePage() { return 1252; }
  // Converts with another code page from now on, as a check for a machine of
  // another ANSI code page does; false, changing nothing, when this build
  // cannot convert with it.
  virtual bool UseAnsiCodePage(unsigned codePage) { return codePage == AnsiCodePage(); }

  // The hidden application window and main window; null when none can be made.
  virtual WindowHandle CreateApplicationWindow(const std::string& title) = 0;
  virtual WindowHandle CreateMainWindow(WindowHandle application) = 0;
  virtual void DestroyWindow(WindowHandle window) = 0;
  virtual std::string WindowTitle(WindowHandle window) = 0;
  virtual long GetExStyle(WindowHandle window) = 0;
  virtual void SetExStyle(WindowHandle window, long style) = 0;
  // Asks the message loop to end (PostQuitMessage); RunMessageLoop returns
  // once it sees that request.
  virtual void PostQuit() = 0;
  virtual void RunMessageLoop() = 0;
  virtual std::intptr_t SendMessageTo(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                      std::intptr_t lParam) = 0;
};

// The program's two windows, set by the run sequence; null before and after.
WindowHandle ApplicationWindow();
void SetApplicationWindow(WindowHandle window);
WindowHandle MainWindow();
void SetMainWindow(WindowHandle window);

// Every message box of the program goes through here.  When the environment
// variable WRENFOLD_UNATTENDED_LOG names a file, the box is appended to it as
// one JSON line and answered (OK, or No for a Yes/No box) instead of shown
// (platform/UnattendedLog.h).
int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                   unsigned flags);

// A message box with an OK button, an error icon and the owner brought to the
// foreground: how the programs report a failure.
void ShowErrorBox(WindowHandle owner, const std::string& text, const std::string& caption);

// How many boxes ShowMessageBox was asked for since the process started,
// shown or logged.
unsigned MessageBoxesRaised();

}  // namespace platform
