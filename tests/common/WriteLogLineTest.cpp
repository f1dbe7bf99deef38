#include <gtest/gtest.h>

#include "CommonFakes.h"
#include "common/EventLog.h"

namespace {

using testsupport::CommonFakes;

constexpr const char* kLog = "C:\\Logs\\events.log";
constexpr const char* kHeld =
    "System error 32: The process cannot access the file because it is being used by another "
    "process";

class WriteLogLineTest : public testing::Test {
 protected:
  WriteLogLineTest() {
    fakes.settings.unusual = true;
    fakes.fileSystem.AddFolder("C:\\Logs");
  }

  static std::string Report(const std::string& line, const std::string& file,
                            const std::string& error) {
    std::string text = "LogEvent Error: Could not write message:\r\n  " + line +
                       "\r\n\r\nto the file: " + file +
                       "\r\n\r\ndue to the following error:\r\n  " + error + "\r\n";
    for (int attempt = 1; attempt <= 5; ++attempt) {
      text += "\r\n#" + std::to_string(attempt) + ":    " + error;
    }
    return text;
  }

  CommonFakes fakes;
};

TEST_F(WriteLogLineTest, WritesTheLineWithCrLf) {
  WriteLogLine("first", kLog, 1, "");
  WriteLogLine("", kLog, 1, "");
  EXPECT_EQ(fakes.fileSystem.Contents(kLog), "first\r\n\r\n");
  EXPECT_TRUE(fakes.fileSystem.sleeps.empty());
  EXPECT_EQ(fakes.fileSystem.openFiles, 0);
}

TEST_F(WriteLogLineTest, AShortHoldDelaysTheEntryWithoutAReport) {
  fakes.fileSystem.HoldAgainstWriters(kLog, 40);
  WriteLogLine("late", kLog, 1, "");
  EXPECT_EQ(fakes.fileSystem.Contents(kLog), "late\r\n");
  EXPECT_EQ(fakes.fileSystem.sleeps, (std::vector<unsigned>{10, 20, 30}));
  EXPECT_TRUE(fakes.ui.boxes.empty());
}

TEST_F(WriteLogLineTest, ALongHoldFailsSixTimesAndReports) {
  fakes.fileSystem.HoldAgainstWriters(kLog, 300);
  WriteLogLine("lost", kLog, 1, "");
  EXPECT_EQ(fakes.fileSystem.Contents(kLog), "");
  EXPECT_EQ(fakes.fileSystem.sleeps, (std::vector<unsigned>{10, 20, 30, 40, 50}));
  ASSERT_EQ(fakes.ui.boxes.size(), 1u);
  const auto& box = fakes.ui.boxes[0];
  EXPECT_EQ(box.caption, "RegisterWrenfold.exe LogEvent Error");
  EXPECT_EQ(box.text, Report("lost", kLog, kHeld) +
                          "\r\n\r\nYou may need to disable logging in order to run Wrenfold. "
                          "Disable \"Log Unusual Events\"?");
  EXPECT_EQ(box.flags, 0x10034u);
}

TEST_F(WriteLogLineTest, ALaterAttemptCarriesTheEarlierErrors) {
  fakes.fileSystem.HoldAgainstWriters(kLog, 1000);
  WriteLogLine("x", kLog, 5, "\r\n#1:    old");
  EXPECT_EQ(fakes.fileSystem.sleeps, (std::vector<unsigned>{50}));
  ASSERT_EQ(fakes.ui.boxes.size(), 1u);
  EXPECT_NE(fakes.ui.boxes[0].text.find(
                std::string(kHeld) + "\r\n\r\n#1:    old\r\n#5:    " + kHeld + "\r\n\r\nYou may"),
            std::string::npos)
      << fakes.ui.boxes[0].text;
}

TEST_F(WriteLogLineTest, MissingFolderIsNotCreated) {
  fakes.settings.unusual = false;
  WriteLogLine("x", "C:\\Nowhere\\events.log", 1, "");
  EXPECT_FALSE(fakes.fileSystem.DirectoryExists("C:\\Nowhere"));
  ASSERT_EQ(fakes.ui.boxes.size(), 1u);
  EXPECT_EQ(fakes.ui.boxes[0].text,
            Report("x", "C:\\Nowhere\\events.log",
                   "System error 3: The system cannot find the path specified"));
}

TEST_F(WriteLogLineTest, TheFileIsClosedOnEveryPath) {
  fakes.fileSystem.writeError = platform::winerr::kWriteFault;
  WriteLogLine("x", kLog, 1, "");
  EXPECT_EQ(fakes.fileSystem.opens, 6);
  EXPECT_EQ(fakes.fileSystem.openFiles, 0);
  ASSERT_EQ(fakes.ui.boxes.size(), 1u);
  EXPECT_NE(fakes.ui.boxes[0].text.find("#5:    System error 29: The system cannot write"),
            std::string::npos);

  // A failing close spoils an attempt too.
  fakes.fileSystem.writeError = platform::winerr::kSuccess;
  fakes.fileSystem.closeError = platform::winerr::kAccessDenied;
  WriteLogLine("y", kLog, 1, "");
  EXPECT_EQ(fakes.fileSystem.openFiles, 0);
  ASSERT_EQ(fakes.ui.boxes.size(), 2u);
  EXPECT_NE(fakes.ui.boxes[1].text.find("error:\r\n  System error 5: Access is denied\r\n"),
            std::string::npos);
}

TEST_F(WriteLogLineTest, TheQuestionFollowsTheSwitches) {
  struct QuestionCase {
    bool exists, unusual, debug;
    const char* ending;  // empty: no question
    unsigned flags;
  };
  const QuestionCase cases[] = {
      {true, true, false, "Unusual Events\"?", 0x10034},
      {true, false, true, "Debug Events\"?", 0x10034},
      {true, true, true, "Unusual Events\" and \"Log Debug Events\"?", 0x10034},
      {true, false, false, "", 0x10010},
      {false, true, true, "", 0x10010},
  };
  for (const QuestionCase& c : cases) {
    CommonFakes fresh;
    fresh.settings.exists = c.exists;
    fresh.settings.unusual = c.unusual;
    fresh.settings.debug = c.debug;
    WriteLogLine("x", "C:\\Nowhere\\x.log", 1, "");
    ASSERT_EQ(fresh.ui.boxes.size(), 1u);
    const std::string& text = fresh.ui.boxes[0].text;
    const std::string question = "\r\n\r\nYou may need to disable logging";
    if (*c.ending == '\0') {
      EXPECT_EQ(text.find(question), std::string::npos) << text;
    } else {
      EXPECT_EQ(text.substr(text.size() - std::string(c.ending).size()), c.ending);
      EXPECT_NE(text.find(question + " in order to run Wrenfold. Disable \"Log "),
                std::string::npos);
    }
    EXPECT_EQ(fresh.ui.boxes[0].flags, c.flags);
  }
}

TEST_F(WriteLogLineTest, YesSwitchesLoggingOffAndSavesLogs) {
  fakes.settings.debug = true;
  fakes.ui.answers = {platform::mb::kIdYes};
  WriteLogLine("x", "C:\\Nowhere\\x.log", 1, "");
  EXPECT_FALSE(fakes.settings.unusual);
  EXPECT_FALSE(fakes.settings.debug);
  EXPECT_EQ(fakes.settings.saves, (std::vector<std::pair<bool, bool>>{{false, false}}));

  // Logging is off for the rest of the run.
  EventLogFileName = "C:\\Nowhere\\x.log";
  LogEvent("y", true);
  EXPECT_EQ(fakes.ui.boxes.size(), 1u);
}

TEST_F(WriteLogLineTest, NoLeavesLoggingOnAndTheNextFailureAsksAgain) {
  fakes.ui.answers = {platform::mb::kIdNo};
  EventLogFileName = "C:\\Nowhere\\x.log";
  LogEvent("x", true);
  EXPECT_TRUE(fakes.settings.unusual);
  EXPECT_TRUE(fakes.settings.saves.empty());
  LogEvent("y", true);
  EXPECT_EQ(fakes.ui.boxes.size(), 2u);
}

TEST_F(WriteLogLineTest, LogEventNotifiesAfterAFailure) {
  const platform::WindowHandle saved = platform::MainWindow();
  platform::SetMainWindow(reinterpret_cast<platform::WindowHandle>(0x55));
  EventLogFileName = "C:\\Nowhere\\x.log";
  LogEvent("x", true);
  platform::SetMainWindow(saved);
  EXPECT_EQ(fakes.ui.boxes.size(), 1u);
  ASSERT_EQ(fakes.ui.sentMessages.size(), 1u);
  EXPECT_EQ(fakes.ui.sentMessages[0].message, 0x83ECu);
}

TEST_F(WriteLogLineTest, TheReportIsOwnedByTheApplicationWindow) {
  const platform::WindowHandle saved = platform::ApplicationWindow();
  platform::SetApplicationWindow(reinterpret_cast<platform::WindowHandle>(0x66));
  WriteLogLine("x", "C:\\Nowhere\\x.log", 1, "");
  platform::SetApplicationWindow(saved);
  ASSERT_EQ(fakes.ui.boxes.size(), 1u);
  EXPECT_EQ(fakes.ui.boxes[0].owner, reinterpret_cast<platform::WindowHandle>(0x66));
}

}  // namespace
