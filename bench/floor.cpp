// The start-up floor: the least a Windows program costs that makes the two
// hidden windows RegisterWrenfold.exe makes (an application window with the
// tool-window style added and later restored, and a main window that it
// owns) and runs a message loop.
#include <windows.h>

namespace {

HWND MakeWindow(HINSTANCE instance, const char* className, DWORD style, HWND owner) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, className, "Floor", style, 0, 0, 0, 0, owner, nullptr, instance,
                         nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HWND application =
      MakeWindow(instance, "BenchFloorApplication",
                 WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, nullptr);
  const LONG saved = GetWindowLongA(application, GWL_EXSTYLE);
  SetWindowLongA(application, GWL_EXSTYLE, saved | WS_EX_TOOLWINDOW);
  HWND main = MakeWindow(instance, "BenchFloorMain", WS_OVERLAPPEDWINDOW, application);
  PostQuitMessage(0);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  SetWindowLongA(application, GWL_EXSTYLE, saved);
  if (main != nullptr) DestroyWindow(main);
  if (application != nullptr) DestroyWindow(application);
  return 0;
}
