#include <windows.h>

#include "platform/win32/Win32Services.h"
#include "shell/Main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  platform::win32::InstallServices();
  return RunProgram();
}
