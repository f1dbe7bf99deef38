#pragma once
#include <map>
#include <string>

#include "platform/ShellFolders.h"

namespace platform::fake {

// Shell folders of a typical user "Ann"; a number missing from `folders`
// cannot be resolved, and an empty `tempPath` makes the temporary-path query
// fail.
class FakeShellFolders final : public IShellFolders {
 public:
  std::map<int, std::string> folders = {
      {csidl::kDesktop, "C:\\Users\\Ann\\Desktop"},
      // The shell may answer with a trailing backslash, as Wine does here.
      {csidl::kPersonal, "C:\\Users\\Ann\\Documents\\"},
      {csidl::kAppData, "C:\\Users\\Ann\\AppData\\Roaming"},
      {csidl::kLocalAppData, "C:\\Users\\Ann\\AppData\\Local"},
      {csidl::kCommonAppData, "C:\\ProgramData"},
      {csidl::kProgramFiles, "C:\\Program Files"},
      {csidl::kProgramFilesCommon, "C:\\Program Files\\Common Files"},
      {csidl::kCommonDocuments, "C:\\Users\\Public\\Documents"},
  };
  std::string tempPath = "C:\\Users\\Ann\\AppData\\Local\\Temp\\";
  // The owner window of the last folder query, and how many were made.
  WindowHandle lastOwner = nullptr;
  int queries = 0;

  std::string SpecialFolderPath(WindowHandle owner, int folder) override {
    lastOwner = owner;
    ++queries;
    const auto found = folders.find(folder);
    return found == folders.end() ? std::string() : found->second;
  }
  // The same folders as SpecialFolderPath: the shell gives one answer to both.
  std::string FolderPath(WindowHandle owner, int folder) override {
    return SpecialFolderPath(owner, folder);
  }
  std::string TempPath() override { return tempPath; }
};

}  // namespace platform::fake
