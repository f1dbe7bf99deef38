// Writes a whole save of the settings, as a settings manager that loaded
// nothing saves them, into the registry; the benchmark exports it and turns
// it into its "whole save" preferences file.
#include <windows.h>

#include "platform/win32/Win32Services.h"
#include "settings/ConfigManager.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  platform::win32::InstallServices();
  CreateConfigMgr();
  ConfigMgr->saveSettings(cfgAll);
  FreeConfigMgr();
  return 0;
}
