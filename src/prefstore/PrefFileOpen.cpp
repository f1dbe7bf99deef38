#include "prefstore/PrefFileOpen.h"

#include <memory>
#include <string>

#include "common/ForceDirectories.h"
#include "common/PathText.h"
#include "common/Strings.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "platform/ShellFolders.h"
#include "platform/Ui.h"
#include "prefstore/IniFileObject.h"
#include "prefstore/PrefBackendFile.h"
#include "prefstore/ProductIdentity.h"

namespace {

// The shell folder that holds a scope's file; -1 for none.
int ScopeFolder(std::uint8_t scope, bool machineWide) {
  if (machineWide || scope == cfgPerMachine) return platform::csidl::kCommonAppData;
  if (scope == cfgPerUserRoam) return platform::csidl::kAppData;
  if (scope == cfgPerUserNonRoam) return platform::csidl::kLocalAppData;
  return -1;
}

void InstallFileBackend(TPrefStoreSlots& store, bool machineWide) {
  store.machineWide = machineWide;
  store.backend = std::make_unique<TPrefBackendFile>(store.iniFile, store.iniFolder);
}

bool UseFileIn(TPrefStoreSlots& store, std::string folder) {
  store.iniFileName = kProductIniFileName;
  store.iniFile = std::make_unique<TIniFileObject>(folder + store.iniFileName);
  store.iniFolder = std::move(folder);
  return true;
}

}  // namespace

bool OpenFilePref(TPrefStoreSlots& store, std::uint8_t scope) {
  const bool machineWide = MachineWidePrefs();
  InstallFileBackend(store, machineWide);
  const int folder = ScopeFolder(scope, machineWide);
  if (folder < 0) return false;
  // Without the shell's folder the path would hang off the current drive's
  // root, somewhere no other run would look: better to say it failed.
  const std::string shellFolder =
      platform::ShellFolders().FolderPath(platform::ApplicationWindow(), folder);
  if (Trim(shellFolder).empty()) return false;
  const std::string iniFolder =
      IncludeTrailingBackslash(shellFolder) + std::string(kProductDataFolder) + "\\";
  // A folder that cannot be made goes to the event log; the user hears of
  // it from the first write, which fails.
  ForceDirectoriesEx(iniFolder);
  return UseFileIn(store, iniFolder);
}

bool OpenOnUSBPref(TPrefStoreSlots& store) {
  InstallFileBackend(store, true);
  const std::string program = platform::Process().ProgramFileName();
  const std::size_t slash = program.rfind('\\');
  if (slash == std::string::npos) return false;
  return UseFileIn(store, program.substr(0, slash + 1));
}
