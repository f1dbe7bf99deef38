#pragma once
// The Windows shell's special folders and the temporary folder, as the shell
// reports them: no trailing backslash added, nothing cached.
#include <string>

#include "platform/Ui.h"

namespace platform {

// Shell folder numbers, with their Win32 values, under names that cannot
// collide with <windows.h> macros.
namespace csidl {
constexpr int kDesktop = 0x00;
constexpr int kPersonal = 0x05;
constexpr int kAppData = 0x1A;
constexpr int kLocalAppData = 0x1C;
constexpr int kCommonAppData = 0x23;
constexpr int kProgramFiles = 0x26;
constexpr int kProgramFilesCommon = 0x2B;
constexpr int kCommonDocuments = 0x2E;
}  // namespace csidl

class IShellFolders {
 public:
  virtual ~IShellFolders() = default;

  // SHGetSpecialFolderLocation + SHGetPathFromIDListA: the folder's path as
  // the shell spells it, or empty when the shell cannot resolve the number.
  virtual std::string SpecialFolderPath(WindowHandle owner, int folder) = 0;
  // SHGetFolderPathA with no user token, for the folder's current path: the
  // path as the shell spells it, or empty when the call fails.
  virtual std::string FolderPath(WindowHandle owner, int folder) = 0;
  // GetTempPathA: the temporary folder as the system gives it (normally with
  // its trailing backslash), or empty when the call fails.
  virtual std::string TempPath() = 0;
};

}  // namespace platform
