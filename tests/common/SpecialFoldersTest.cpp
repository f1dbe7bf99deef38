#include <gtest/gtest.h>

#include "CommonFakes.h"
#include "common/SpecialFolders.h"
#include "platform/ShellFolders.h"

namespace {

using testsupport::CommonFakes;

TEST(GetSpecialFolderDir, AddsOneBackslashOrStaysEmpty) {
  CommonFakes fakes;
  fakes.shellFolders.folders[7] = "D:\\";
  EXPECT_EQ(GetSpecialFolderDir(platform::csidl::kAppData), "C:\\Users\\Ann\\AppData\\Roaming\\");
  EXPECT_EQ(GetSpecialFolderDir(7), "D:\\");
  EXPECT_EQ(GetSpecialFolderDir(0x7F), "");
}

TEST(GetSpecialFolderDir, ApplicationWindowOwnsTheQuery) {
  CommonFakes fakes;
  const platform::WindowHandle saved = platform::ApplicationWindow();
  platform::SetApplicationWindow(reinterpret_cast<platform::WindowHandle>(0x4242));
  GetSpecialFolderDir(platform::csidl::kAppData);
  platform::SetApplicationWindow(saved);
  EXPECT_EQ(fakes.shellFolders.lastOwner, reinterpret_cast<platform::WindowHandle>(0x4242));
}

TEST(GetDesktopDir, HasNoFallback) {
  CommonFakes fakes;
  EXPECT_EQ(GetDesktopDir(), "C:\\Users\\Ann\\Desktop\\");
  fakes.shellFolders.folders.erase(platform::csidl::kDesktop);
  EXPECT_EQ(GetDesktopDir(), "");
}

TEST(GetMyDocumentsDir, FallsBackWhenTheShellGivesNothingOrBlanks) {
  CommonFakes fakes;
  EXPECT_EQ(GetMyDocumentsDir(), "C:\\Users\\Ann\\Documents\\");
  fakes.shellFolders.folders[platform::csidl::kPersonal] = "  ";
  EXPECT_EQ(GetMyDocumentsDir(), "C:\\My Documents\\");
  fakes.shellFolders.folders.erase(platform::csidl::kPersonal);
  EXPECT_EQ(GetMyDocumentsDir(), "C:\\My Documents\\");
}

TEST(GetTempDir, NormalisesAndFallsBack) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Users\\Ann\\AppData\\Local\\Temp\\", "C:\\Users\\Ann\\AppData\\Local\\Temp\\"},
      {"C:\\Users\\Ann\\..\\Tmp", "C:\\Users\\Tmp\\"},
      {"Scratch\\", "C:\\Work\\Scratch\\"},
      {" ", "C:\\Temp\\"},
      {"", "C:\\Temp\\"},
  };
  for (const auto& [temp, expected] : cases) {
    CommonFakes fakes;
    fakes.shellFolders.tempPath = temp;
    EXPECT_EQ(GetTempDir(), expected) << "'" << temp << "'";
  }
}

TEST(SpecialFolders, OnUSBPutsDocumentsAndTempBesideTheProgram) {
  CommonFakes fakes;
  fakes.process.programFileName = "E:\\Wrenfold\\Wrenfold.exe";
  PrefLocation = plOnUSB;
  EXPECT_EQ(GetMyDocumentsDir(), "E:\\Wrenfold\\Data\\Documents\\");
  EXPECT_EQ(GetTempDir(), "E:\\Wrenfold\\Data\\Temp\\");
  // The other folders do not move.
  EXPECT_EQ(GetDesktopDir(), "C:\\Users\\Ann\\Desktop\\");
}

struct ExpandCase {
  const char* input;
  const char* expected;
};

class ExpandAppExeFolderTest : public testing::TestWithParam<ExpandCase> {};

TEST_P(ExpandAppExeFolderTest, Expands) {
  CommonFakes fakes;
  fakes.process.programFileName = "E:\\Wrenfold\\bin\\..\\Wrenfold.exe";
  EXPECT_EQ(ExpandAppExeFolder(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExpandAppExeFolderTest,
    testing::Values(ExpandCase{"[AppExeFolder]\\Data\\Temp\\", "E:\\Wrenfold\\Data\\Temp\\"},
                    ExpandCase{"[AppExeFolder]..\\ProgramData\\", "E:\\ProgramData\\"},
                    ExpandCase{"[AppExeFolder]", "E:\\Wrenfold\\"},
                    // The word is matched in its exact spelling only.
                    ExpandCase{"[appexefolder]x", "C:\\Work\\[appexefolder]x"},
                    ExpandCase{"D:\\a\\.\\b\\", "D:\\a\\b\\"}));

}  // namespace
