#include <gtest/gtest.h>

#include "support/ProgramRun.h"

namespace {

using testsupport::kProductKey;

class ShellEndToEnd : public testing::Test {
 protected:
  void SetUp() override {
    testsupport::DeleteKeyTree(HKEY_CURRENT_USER, kProductKey);
    testsupport::DeleteKeyTree(HKEY_LOCAL_MACHINE, kProductKey);
  }
  void TearDown() override { SetUp(); }

  void ExpectNothingWritten(const testsupport::ProgramResult& result) {
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_TRUE(result.boxes.empty()) << result.boxes.front();
    EXPECT_FALSE(testsupport::KeyExists(HKEY_CURRENT_USER, kProductKey));
    EXPECT_FALSE(testsupport::KeyExists(HKEY_LOCAL_MACHINE, kProductKey));
  }
};

TEST_F(ShellEndToEnd, NoArgumentsExitsZeroAndTouchesNothing) {
  ExpectNothingWritten(testsupport::RunWrenfold(""));
}

TEST_F(ShellEndToEnd, MissingFileOrFolderIsIgnoredSilently) {
  const std::string folder = testsupport::ScratchFolder("shell");
  ExpectNothingWritten(testsupport::RunWrenfold("/IC \"" + folder + "missing.xml\""));
  ExpectNothingWritten(testsupport::RunWrenfold("/IP" + folder + " /ICmissing.xml"));
  // A folder is not a file to import.
  ExpectNothingWritten(testsupport::RunWrenfold("/IC " + folder.substr(0, folder.size() - 1)));
  ExpectNothingWritten(testsupport::RunWrenfold("/IPC:\\windows\\"));
  ExpectNothingWritten(testsupport::RunWrenfold("/ICC:/dir/prefs.xml"));
}

TEST_F(ShellEndToEnd, RunsToTheEndWithoutADisplay) {
  // A service account or a headless machine has no display: no window can be
  // created, and the run must still end normally.
  char display[256] = "";
  const DWORD length = GetEnvironmentVariableA("DISPLAY", display, sizeof display);
  SetEnvironmentVariableA("DISPLAY", nullptr);
  const std::string folder = testsupport::ScratchFolder("headless");
  const testsupport::ProgramResult result =
      testsupport::RunWrenfold("/IC \"" + folder + "missing.xml\"");
  if (length > 0 && length < sizeof display) SetEnvironmentVariableA("DISPLAY", display);
  ExpectNothingWritten(result);
}

}  // namespace
