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
#include "prefstore/DataScope.h"
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

std::unique_ptr<TPrefBackend> FileIn(std::string folder, bool machineWide) {
  return std::make_unique<TPrefBackendFile>(std::move(folder), std::string(kProductIniFileName),
                                            machineWide);
}

}  // namespace

std::unique_ptr<TPrefBackend> FilePrefBackend(std::uint8_t scope, bool machineWidePrefs) {
  const int folder = ScopeFolder(scope, machineWidePrefs);
  if (folder < 0) return std::make_unique<TPrefBackendFile>(machineWidePrefs);
  // Without the shell's folder the path would hang off the current drive's
  // root, somewhere no other run would look: better to say it failed.
  const std::string shellFolder =
      platform::ShellFolders().FolderPath(platform::ApplicationWindow(), folder);
  if (Trim(shellFolder).empty()) return std::make_unique<TPrefBackendFile>(machineWidePrefs);
  const std::string iniFolder =
      IncludeTrailingBackslash(shellFolder) + std::string(kProductDataFolder) + "\\";
  // A folder that cannot be made goes to the event log; the user hears of
  // it from the first write, which fails.
  ForceDirectoriesEx(iniFolder);
  return FileIn(iniFolder, machineWidePrefs);
}

std::unique_ptr<TPrefBackend> OnUSBPrefBackend() {
  const std::string program = platform::Process().ProgramFileName();
  const std::size_t slash = program.rfind('\\');
  if (slash == std::string::npos) return std::make_unique<TPrefBackendFile>(true);
  return FileIn(program.substr(0, slash + 1), true);
}
