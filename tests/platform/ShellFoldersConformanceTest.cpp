// One set of cases for every implementation of the shell-folder seam: the
// fake, and under Wine the real shell.
#include <gtest/gtest.h>

#include <functional>

#include "platform/ShellFolders.h"
#include "platform/fake/FakeShellFolders.h"
#ifdef _WIN32
#include "platform/win32/Win32Services.h"
#endif

namespace {

using Factory = std::function<platform::IShellFolders&()>;

class ShellFoldersConformance : public testing::TestWithParam<Factory> {
 protected:
  platform::IShellFolders& folders = GetParam()();
};

bool IsAbsolute(const std::string& path) {
  return (path.size() >= 3 && path[1] == ':' && path[2] == '\\') || path.rfind("\\\\", 0) == 0;
}

TEST_P(ShellFoldersConformance, KnownFoldersAreAbsoluteWithoutDoubledBackslash) {
  for (int folder : {platform::csidl::kDesktop, platform::csidl::kPersonal,
                     platform::csidl::kAppData, platform::csidl::kLocalAppData,
                     platform::csidl::kCommonAppData, platform::csidl::kProgramFiles,
                     platform::csidl::kProgramFilesCommon, platform::csidl::kCommonDocuments}) {
    const std::string path = folders.SpecialFolderPath(nullptr, folder);
    EXPECT_TRUE(IsAbsolute(path)) << folder << ": " << path;
    // Some folders come with a trailing backslash (Wine's documents folder),
    // most without; never with two.
    EXPECT_EQ(path.find("\\\\", 2), std::string::npos) << folder << ": " << path;
  }
}

TEST_P(ShellFoldersConformance, UnknownFolderNumberIsEmpty) {
  EXPECT_EQ(folders.SpecialFolderPath(nullptr, 0x7F), "");
}

// The two ways of asking name the same application-data folders.
TEST_P(ShellFoldersConformance, FolderPathAgreesWithSpecialFolderPath) {
  const auto withoutBackslash = [](std::string path) {
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
  };
  for (int folder : {platform::csidl::kAppData, platform::csidl::kLocalAppData,
                     platform::csidl::kCommonAppData}) {
    const std::string path = folders.FolderPath(nullptr, folder);
    EXPECT_TRUE(IsAbsolute(path)) << folder << ": " << path;
    EXPECT_EQ(withoutBackslash(path), withoutBackslash(folders.SpecialFolderPath(nullptr, folder)))
        << folder;
  }
  EXPECT_EQ(folders.FolderPath(nullptr, 0x7F), "");
}

TEST_P(ShellFoldersConformance, TempPathIsAbsoluteWithTrailingBackslash) {
  const std::string path = folders.TempPath();
  EXPECT_TRUE(IsAbsolute(path)) << path;
  EXPECT_EQ(path.back(), '\\') << path;
}

platform::IShellFolders& Fake() {
  static platform::fake::FakeShellFolders fake;
  return fake;
}

INSTANTIATE_TEST_SUITE_P(Fake, ShellFoldersConformance, testing::Values(Factory(Fake)));
#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(Win32, ShellFoldersConformance,
                         testing::Values(Factory(platform::win32::ShellFolders)));
#endif

}  // namespace
