// The start-up floor: the least a Windows program that makes one hidden
// window and runs a message loop can cost.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "BenchFloor";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "BenchFloor", "Floor", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                instance, nullptr);
  PostQuitMessage(0);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  if (window != nullptr) DestroyWindow(window);
  return 0;
}
