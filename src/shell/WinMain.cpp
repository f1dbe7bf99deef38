#include <windows.h>

#include <cstdlib>

#include "platform/UnattendedLog.h"
#include "platform/win32/Win32Services.h"
#include "shell/Main.h"

namespace {

// Boxes the system or the C runtime would show on their own (a drive without
// its disk, a crash, an abort) would hang an unattended run as surely as ours.
void SilenceSystemBoxes() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  _set_error_mode(_OUT_TO_STDERR);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (!platform::UnattendedLogName().empty()) SilenceSystemBoxes();
  platform::win32::InstallServices();
  return RunProgram();
}
