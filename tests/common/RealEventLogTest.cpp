// The event log and directory creation on the real file system, under Wine.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <thread>

#include "CommonFakes.h"
#include "common/EventLog.h"
#include "common/ForceDirectories.h"
#include "common/SystemMessage.h"
#include "platform/win32/Win32Services.h"
#include "support/ProgramRun.h"

namespace {

using testsupport::CommonFakes;

// Real files, folders, clock and locale; boxes still go to the fake so that
// nothing modal appears.
class RealEventLog : public testing::Test {
 protected:
  RealEventLog() {
    fakes.scope->fileSystem = &platform::win32::FileSystem();
    fakes.scope->locale = &platform::win32::Locale();
    fakes.scope->process = &platform::win32::Process();
    fakes.scope->shellFolders = &platform::win32::ShellFolders();
    fakes.settings.unusual = true;
    folder = testsupport::ScratchFolder("eventlog");
    log = folder + "events.log";
  }

  // Another process's handle on the log, released after `ms` from a thread.
  class Holder {
   public:
    Holder(const std::string& file, DWORD access, DWORD share, unsigned ms)
        : handle_(CreateFileA(file.c_str(), access, share, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr)),
          releaser_([this, ms] {
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            CloseHandle(handle_);
          }) {}
    ~Holder() { releaser_.join(); }
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

   private:
    HANDLE handle_;
    std::thread releaser_;
  };

  CommonFakes fakes;
  std::string folder;
  std::string log;
};

TEST_F(RealEventLog, AShortHoldDelaysTheEntryWithoutAReport) {
  const auto start = std::chrono::steady_clock::now();
  {
    Holder holder(log, GENERIC_WRITE, FILE_SHARE_READ, 40);
    ASSERT_TRUE(holder.Held());
    WriteLogLine("late entry", log, 1, "");
  }
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(testsupport::ReadFile(log), "late entry\r\n");
  EXPECT_TRUE(fakes.ui.boxes.empty());
  EXPECT_GE(elapsed, std::chrono::milliseconds(35));
}

TEST_F(RealEventLog, ReadersDoNotHoldUpTheWriter) {
  // Held longer than all six attempts take: only a first-time success
  // avoids the report.
  Holder reader(log, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, 300);
  ASSERT_TRUE(reader.Held());
  WriteLogLine("while read", log, 1, "");
  EXPECT_EQ(testsupport::ReadFile(log), "while read\r\n");
  EXPECT_TRUE(fakes.ui.boxes.empty());
}

TEST_F(RealEventLog, ALongHoldFailsSixTimesAndReports) {
  {
    Holder holder(log, GENERIC_WRITE, FILE_SHARE_READ, 300);
    ASSERT_TRUE(holder.Held());
    WriteLogLine("lost entry", log, 1, "");
  }
  EXPECT_EQ(testsupport::ReadFile(log), "");
  ASSERT_EQ(fakes.ui.boxes.size(), 1u);
  const std::string error = SystemMessageWithCode(platform::winerr::kSharingViolation);
  std::string expected =
      "LogEvent Error: Could not write message:\r\n  lost entry\r\n\r\nto the file: " + log +
      "\r\n\r\ndue to the following error:\r\n  " + error + "\r\n";
  for (int attempt = 1; attempt <= 5; ++attempt) {
    expected += "\r\n#" + std::to_string(attempt) + ":    " + error;
  }
  expected +=
      "\r\n\r\nYou may need to disable logging in order to run Wrenfold. Disable \"Log "
      "Unusual Events\"?";
  EXPECT_EQ(fakes.ui.boxes[0].text, expected);
}

TEST_F(RealEventLog, LogEventStampsWithTheRealClock) {
  EventLogFileName = folder + "day_<yyyy/>.log";
  EventLogTimeFormat = "yyyy-mm-dd hh:nn:ss.zzz";
  LogEvent("Copy:/n:done", true);
  const platform::LocalDateTime now = platform::win32::Locale().Now();
  const std::string text =
      testsupport::ReadFile(folder + "day_" + std::to_string(now.year) + ".log");
  ASSERT_EQ(text.size(), std::string("2024-03-05 13:02:03.004: Copydone\r\n").size()) << text;
  EXPECT_EQ(text.substr(0, 5), std::to_string(now.year) + "-");
  EXPECT_EQ(text.substr(23), ": Copydone\r\n");
}

class RealForceDirectories : public RealEventLog {
 protected:
  RealForceDirectories() {
    EventLogFileName = log;
    EventLogTimeFormat = "hh:nn:ss";
  }

  // The entry after its eight-character time stamp.
  std::string Entry() {
    const std::string text = testsupport::ReadFile(log);
    return text.size() > 8 ? text.substr(8) : text;
  }
};

TEST_F(RealForceDirectories, ExistingFolderAndEmptyText) {
  EXPECT_TRUE(ForceDirectoriesEx(folder));
  EXPECT_TRUE(ForceDirectoriesEx(folder.substr(0, folder.size() - 1)));
  EXPECT_FALSE(ForceDirectoriesEx(""));
  EXPECT_EQ(GetFileAttributesA(log.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(RealForceDirectories, SeveralMissingLevels) {
  const std::string deep = folder + "a\\b\\c";
  EXPECT_TRUE(ForceDirectoriesEx(deep + "\\"));
  const DWORD attributes = GetFileAttributesA(deep.c_str());
  EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(GetFileAttributesA(log.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(RealForceDirectories, ALevelThatIsAFile) {
  testsupport::WriteFile(folder + "plain", "x");
  const std::string target = folder + "plain\\sub";
  EXPECT_FALSE(ForceDirectoriesEx(target));
  EXPECT_EQ(Entry(), ": ForceDirectoriesEx error: Could not create the directory\r\n  " + target +
                         "\r\n  ErrCode: 183\r\n  " + SystemMessage(183) + "\r\n\r\n");
}

TEST_F(RealForceDirectories, DriveThatDoesNotExist) {
  EXPECT_FALSE(ForceDirectoriesEx("R:\\Wrenfold\\Data"));
  const std::string message = SystemMessage(platform::winerr::kFileNotFound);
  EXPECT_FALSE(message.empty());
  EXPECT_EQ(Entry(),
            ": ForceDirectoriesEx error: Could not create the directory\r\n  R:\\Wrenfold\\Data\r\n"
            "  ErrCode: 2\r\n  " +
                message + "\r\n\r\n");
}

}  // namespace
#endif
