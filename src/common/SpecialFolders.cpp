#include "common/SpecialFolders.h"

#include "common/PathText.h"
#include "common/PrefLocation.h"
#include "common/Strings.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "platform/ShellFolders.h"
#include "platform/Ui.h"

bool PrefsOnUSB() { return PrefLocation == plOnUSB; }

std::string GetSpecialFolderDir(int folder) {
  const std::string path =
      platform::ShellFolders().SpecialFolderPath(platform::ApplicationWindow(), folder);
  return IncludeTrailingBackslash(path);
}

std::string GetDesktopDir() { return GetSpecialFolderDir(platform::csidl::kDesktop); }

// A blank answer is judged before the backslash is added: blanks with a
// backslash behind them would otherwise pass for a folder.
std::string GetMyDocumentsDir() {
  if (PrefsOnUSB()) return ExpandAppExeFolder("[AppExeFolder]\\Data\\Documents\\");
  const std::string path = platform::ShellFolders().SpecialFolderPath(platform::ApplicationWindow(),
                                                                      platform::csidl::kPersonal);
  return Trim(path).empty() ? "C:\\My Documents\\" : IncludeTrailingBackslash(path);
}

std::string GetTempDir() {
  if (PrefsOnUSB()) return ExpandAppExeFolder("[AppExeFolder]\\Data\\Temp\\");
  const std::string path = platform::ShellFolders().TempPath();
  const std::string folder = Trim(path).empty() ? "C:\\Temp\\" : IncludeTrailingBackslash(path);
  return platform::Process().FullPathName(folder);
}

std::string ExpandAppExeFolder(const std::string& text) {
  platform::IProcess& process = platform::Process();
  const std::string folder = ExtractFilePath(process.FullPathName(process.ProgramFileName()));
  return process.FullPathName(ReplaceAll(text, "[AppExeFolder]", folder));
}
