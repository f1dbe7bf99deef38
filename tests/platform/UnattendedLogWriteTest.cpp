// Where an unattended run's lines go when its log cannot take them: never to
// a box, and to the first place that takes them, without waiting long.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Ui.h"
#include "platform/UnattendedLog.h"
#include "support/FakePlatform.h"
#include "support/ScopedUnattendedLog.h"

namespace {

using platform::winerr::kWriteFault;

constexpr const char* kLog = "C:\\Deploy\\Logs\\import.jsonl";
constexpr const char* kTempLog = "C:\\Users\\Ann\\AppData\\Local\\Temp\\import.jsonl";

class UnattendedLogWrite : public testing::Test {
 protected:
  UnattendedLogWrite() { env.fileSystem.AddFolder("C:\\Users\\Ann\\AppData\\Local\\Temp"); }

  testsupport::FakePlatform env;
};

TEST(UnattendedLogWriteTable, EachLineGoesToTheFirstPlaceThatTakesIt) {
  struct Case {
    const char* what;
    std::string log;
    std::function<void(testsupport::FakePlatform&)> arrange;
    std::string inLog, inTemp, inDebugger;
    std::vector<unsigned> pauses;
  };
  const std::string twoLines = "one\ntwo\n";
  const std::vector<Case> cases = {
      {"a log that can be written",
       kLog,
       [](auto& p) { p.fileSystem.AddFolder("C:\\Deploy\\Logs"); },
       twoLines,
       "",
       "",
       {}},
      {"a log in a missing folder", kLog, [](auto&) {}, "", twoLines, "", {}},
      {"a read-only log",
       kLog,
       [](auto& p) {
         p.fileSystem.AddFolder("C:\\Deploy\\Logs");
         p.fileSystem.SetReadOnly(kLog, true);
       },
       "",
       twoLines,
       "",
       {}},
      {"a log held for a moment",
       kLog,
       [](auto& p) {
         p.fileSystem.AddFolder("C:\\Deploy\\Logs");
         p.fileSystem.HoldAgainstWriters(kLog, 120);
       },
       twoLines,
       "",
       "",
       {50, 100}},
      // The pause is paid once: the second line goes straight to the fallback.
      {"a log held all along",
       kLog,
       [](auto& p) {
         p.fileSystem.AddFolder("C:\\Deploy\\Logs");
         p.fileSystem.HoldAgainstWriters(kLog, 1000000);
       },
       "",
       twoLines,
       "",
       {50, 100, 150, 200}},
      {"a full disk",
       kLog,
       [](auto& p) {
         p.fileSystem.AddFolder("C:\\Deploy\\Logs");
         p.fileSystem.writeError = kWriteFault;
       },
       "",
       "",
       twoLines,
       {}},
      {"no temporary folder",
       kLog,
       [](auto& p) { p.shellFolders.tempPath.clear(); },
       "",
       "",
       twoLines,
       {}},
      {"a read-only log in the temporary folder",
       kTempLog,
       [](auto& p) { p.fileSystem.SetReadOnly(kTempLog, true); },
       "",
       "",
       twoLines,
       {}},
      {"a bare file name", "import.jsonl", [](auto&) {}, "", twoLines, "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testsupport::FakePlatform run;
    run.fileSystem.AddFolder("C:\\Users\\Ann\\AppData\\Local\\Temp");
    c.arrange(run);
    const testsupport::ScopedUnattendedLog unattended(c.log);
    EXPECT_TRUE(platform::AppendUnattendedLine("one"));
    EXPECT_TRUE(platform::AppendUnattendedLine("two"));
    if (c.log != kTempLog) {
      EXPECT_EQ(run.fileSystem.Contents(c.log), c.inLog);
    }
    EXPECT_EQ(run.fileSystem.Contents(kTempLog), c.inTemp);
    std::string debugger;
    for (const std::string& text : run.fileSystem.debugOutput) debugger += text;
    EXPECT_EQ(debugger, c.inDebugger);
    EXPECT_EQ(run.fileSystem.sleeps, c.pauses);
  }
}

TEST_F(UnattendedLogWrite, NothingIsWrittenWithoutTheVariable) {
  EXPECT_FALSE(platform::AppendUnattendedLine("one"));
  EXPECT_TRUE(env.fileSystem.files.empty());
  EXPECT_TRUE(env.fileSystem.debugOutput.empty());
}

TEST_F(UnattendedLogWrite, ABoxIsAnsweredAndNeverShownWhenTheLogFails) {
  const testsupport::ScopedUnattendedLog unattended(kLog);
  env.fileSystem.writeError = kWriteFault;
  EXPECT_EQ(platform::ShowMessageBox(nullptr, "Keep it?", "Register Wrenfold",
                                     platform::mb::kYesNo | platform::mb::kIconExclamation),
            platform::mb::kIdNo);
  EXPECT_EQ(platform::ShowMessageBox(nullptr, "Broken", "Register Wrenfold",
                                     platform::mb::kOk | platform::mb::kIconError),
            platform::mb::kIdOk);
  EXPECT_TRUE(env.ui.boxes.empty());
  ASSERT_EQ(env.fileSystem.debugOutput.size(), 2u);
  EXPECT_EQ(env.fileSystem.debugOutput[0],
            "{\"caption\":\"Register Wrenfold\",\"text\":\"Keep it?\",\"flags\":52,"
            "\"answer\":\"IDNO\"}\n");
}

TEST(UnattendedFallbackName, TheLogsNameInTheTemporaryFolder) {
  testsupport::FakePlatform env;
  EXPECT_EQ(platform::UnattendedFallbackName("\\\\server\\logs$\\wf.jsonl"),
            "C:\\Users\\Ann\\AppData\\Local\\Temp\\wf.jsonl");
  EXPECT_EQ(platform::UnattendedFallbackName("D:wf.jsonl"),
            "C:\\Users\\Ann\\AppData\\Local\\Temp\\wf.jsonl");
  env.shellFolders.tempPath = "C:\\Temp";
  EXPECT_EQ(platform::UnattendedFallbackName("C:/logs/wf.jsonl"), "C:\\Temp\\wf.jsonl");
  EXPECT_EQ(platform::UnattendedFallbackName("C:\\logs\\"), "");
}

}  // namespace
