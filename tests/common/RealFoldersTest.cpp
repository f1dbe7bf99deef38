// The special folders on the real shell, under Wine.
#ifdef _WIN32
#include <gtest/gtest.h>

#include "common/FolderPlaceholders.h"
#include "common/PathText.h"
#include "common/SpecialFolders.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "platform/ShellFolders.h"
#include "platform/win32/Win32Services.h"
#include "support/ScopedProcessState.h"

namespace {

class RealFolders : public testing::Test {
 protected:
  RealFolders() {
    scope_->ui = &platform::win32::UserInterface();
    scope_->process = &platform::win32::Process();
    scope_->shellFolders = &platform::win32::ShellFolders();
  }

  static void ExpectFolderForm(const std::string& folder) {
    ASSERT_GE(folder.size(), 3u) << folder;
    const bool drive = folder[1] == ':' && folder[2] == '\\';
    const bool unc = folder.rfind("\\\\", 0) == 0;
    EXPECT_TRUE(drive || unc) << folder;
    EXPECT_EQ(folder.back(), '\\') << folder;
    EXPECT_NE(folder.substr(folder.size() - 2), "\\\\") << folder;
  }

 private:
  testsupport::ScopedProcessState scope_;
};

TEST_F(RealFolders, ResolveAbsoluteWithOneTrailingBackslash) {
  for (int folder : {platform::csidl::kDesktop, platform::csidl::kPersonal,
                     platform::csidl::kAppData, platform::csidl::kLocalAppData,
                     platform::csidl::kCommonAppData, platform::csidl::kProgramFiles,
                     platform::csidl::kProgramFilesCommon, platform::csidl::kCommonDocuments}) {
    SCOPED_TRACE(folder);
    ExpectFolderForm(GetSpecialFolderDir(folder));
  }
  ExpectFolderForm(GetMyDocumentsDir());
  ExpectFolderForm(GetTempDir());
  EXPECT_EQ(GetSpecialFolderDir(0x7F), "");
}

TEST_F(RealFolders, RoamingAppDataBecomesItsPlaceholder) {
  const std::string appData = GetSpecialFolderDir(platform::csidl::kAppData);
  EXPECT_EQ(InsertFolderPlaceholders(appData + "Orlavex\\Wrenfold 4\\"),
            "[CSIDL-APPDATA]Orlavex\\Wrenfold 4\\");
  EXPECT_EQ(InsertFolderPlaceholders(GetTempDir() + "a.tmp"), "[TEMP]\\a.tmp");
}

TEST_F(RealFolders, AppExeFolderCollapsesTheDoubledBackslash) {
  platform::IProcess& process = platform::Process();
  const std::string folder = ExtractFilePath(process.ProgramFileName());
  EXPECT_EQ(ExpandAppExeFolder("[AppExeFolder]\\Data\\Temp\\"), folder + "Data\\Temp\\");
  EXPECT_EQ(InsertExeDrivePlaceholder(folder + "x.txt"),
            "[ExeDrive]\\" + folder.substr(ExtractFileDrive(folder).size() + 1) + "x.txt");
}

}  // namespace
#endif
