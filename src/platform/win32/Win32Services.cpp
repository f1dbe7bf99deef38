#include "platform/win32/Win32Services.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "platform/Services.h"

namespace platform::win32 {

void InstallServices() {
  Services& services = CurrentServices();
  services.ui = &UserInterface();
  services.process = &Process();
  services.fonts = &Fonts();
  services.registry = &Registry();
  services.privateProfile = &PrivateProfile();
  services.shellFolders = &ShellFolders();
  services.locale = &Locale();
  services.fileSystem = &FileSystem();
  services.xml = &XmlParser();
}

void InstallConsoleServices() {
  InstallServices();
  SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace platform::win32
