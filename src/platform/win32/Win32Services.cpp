#include "platform/win32/Win32Services.h"

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

}  // namespace platform::win32
