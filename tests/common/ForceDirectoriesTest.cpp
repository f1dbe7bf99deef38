#include <gtest/gtest.h>

#include "CommonFakes.h"
#include "common/ForceDirectories.h"
#include "common/SystemMessage.h"

namespace {

using testsupport::CommonFakes;

constexpr const char* kLog = "C:\\Logs\\events.log";

class ForceDirectoriesTest : public testing::Test {
 protected:
  ForceDirectoriesTest() {
    fakes.fileSystem.AddFolder("C:\\Logs");
    EventLogFileName = kLog;
    EventLogTimeFormat = "hh:nn";
    fakes.settings.unusual = true;
  }

  CommonFakes fakes;
};

TEST_F(ForceDirectoriesTest, ExistingFolderWritesNothing) {
  fakes.fileSystem.AddFolder("C:\\Data\\Here");
  EXPECT_TRUE(ForceDirectoriesEx("C:\\Data\\Here"));
  EXPECT_TRUE(ForceDirectoriesEx("C:\\Data\\Here\\"));
  EXPECT_TRUE(ForceDirectoriesEx("c:\\data"));
  EXPECT_EQ(fakes.fileSystem.opens, 0);
}

TEST_F(ForceDirectoriesTest, EmptyTextIsFalseWithoutEntry) {
  EXPECT_FALSE(ForceDirectoriesEx(""));
  EXPECT_EQ(fakes.fileSystem.opens, 0);
}

TEST_F(ForceDirectoriesTest, CreatesEveryMissingLevel) {
  fakes.fileSystem.AddFolder("C:\\Data");
  // The fake refuses a level whose parent is missing, so success means the
  // levels were made outermost first.
  EXPECT_TRUE(ForceDirectoriesEx("C:\\Data\\a\\b\\c\\"));
  for (const char* level : {"C:\\Data\\a", "C:\\Data\\a\\b", "C:\\Data\\a\\b\\c"}) {
    EXPECT_TRUE(fakes.fileSystem.DirectoryExists(level)) << level;
  }
  EXPECT_TRUE(ForceDirectoriesEx("C:\\x\\y"));
  fakes.fileSystem.AddFolder("\\\\server\\share");
  EXPECT_TRUE(ForceDirectoriesEx("\\\\server\\share\\new\\deeper"));
  EXPECT_TRUE(fakes.fileSystem.DirectoryExists("\\\\server\\share\\new\\deeper"));
  EXPECT_EQ(fakes.fileSystem.opens, 0);
}

TEST_F(ForceDirectoriesTest, ALevelThatIsAFileStopsAndIsLogged) {
  fakes.fileSystem.files["C:\\Data"] = "not a folder";
  EXPECT_FALSE(ForceDirectoriesEx("C:\\Data\\sub\\more"));
  EXPECT_FALSE(fakes.fileSystem.DirectoryExists("C:\\Data\\sub"));
  EXPECT_EQ(fakes.fileSystem.Contents(kLog),
            "13:02: ForceDirectoriesEx error: Could not create the directory\r\n"
            "  C:\\Data\\sub\\more\r\n"
            "  ErrCode: 183\r\n"
            "  Cannot create a file when that file already exists\r\n\r\n");
}

TEST_F(ForceDirectoriesTest, MissingDriveIsLoggedWithTheSystemsCodeAndText) {
  EXPECT_FALSE(ForceDirectoriesEx("R:\\Wrenfold\\Data"));
  EXPECT_EQ(fakes.fileSystem.Contents(kLog),
            "13:02: ForceDirectoriesEx error: Could not create the directory\r\n"
            "  R:\\Wrenfold\\Data\r\n"
            "  ErrCode: 2\r\n"
            "  The system cannot find the file specified\r\n\r\n");
}

TEST_F(ForceDirectoriesTest, FailureIsSilentWhileLoggingIsOff) {
  for (bool exists : {true, false}) {
    fakes.settings.exists = exists;
    fakes.settings.unusual = !exists;
    EXPECT_FALSE(ForceDirectoriesEx("R:\\x"));
  }
  EXPECT_EQ(fakes.fileSystem.opens, 0);
  EXPECT_TRUE(fakes.ui.boxes.empty());
}

TEST(SystemMessage, TrailingBlanksControlsAndFullStopsGo) {
  CommonFakes fakes;
  const std::pair<const char*, const char*> cases[] = {
      {"Access is denied.\r\n", "Access is denied"},
      {"Odd. . \t..\r\n", "Odd"},
      {"v1.2 failed", "v1.2 failed"},
      {" . ", ""},
  };
  for (const auto& [raw, trimmed] : cases) {
    fakes.fileSystem.messages[7777] = raw;
    EXPECT_EQ(SystemMessage(7777), trimmed) << raw;
  }
  EXPECT_EQ(SystemMessageWithCode(7777), "System error 7777");
  EXPECT_EQ(SystemMessageWithCode(5), "System error 5: Access is denied");
}

}  // namespace
