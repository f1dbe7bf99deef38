#include <gtest/gtest.h>

#include "CommonFakes.h"
#include "common/EventLog.h"

namespace {

using testsupport::CommonFakes;

constexpr const char* kDefaultLog =
    "C:\\Users\\Ann\\AppData\\Local\\Orlavex\\RegisterWrenfold.exe_Events.log";
const auto kMainWindow = reinterpret_cast<platform::WindowHandle>(0x77);

class EventLogTest : public testing::Test {
 protected:
  EventLogTest() {
    fakes.settings.unusual = true;
    fakes.fileSystem.AddFolder("C:\\Users\\Ann\\AppData\\Local\\Orlavex");
    fakes.fileSystem.AddFolder("C:\\Logs");
    savedMain_ = platform::MainWindow();
    platform::SetMainWindow(kMainWindow);
  }
  ~EventLogTest() override { platform::SetMainWindow(savedMain_); }

  bool Notified() const {
    return fakes.ui.sentMessages.size() == 1 && fakes.ui.sentMessages[0].window == kMainWindow &&
           fakes.ui.sentMessages[0].message == 0x83EC && fakes.ui.sentMessages[0].wParam == 2 &&
           fakes.ui.sentMessages[0].lParam == 0;
  }

  CommonFakes fakes;

 private:
  platform::WindowHandle savedMain_;
};

TEST_F(EventLogTest, NothingHappensWhileTheGateIsShut) {
  struct Gate {
    bool installed, exists, unusual, debug;
  };
  for (const Gate gate : {Gate{true, true, false, true}, Gate{true, false, true, true},
                          Gate{false, true, true, true}}) {
    CommonFakes fresh;
    fresh.fileSystem.AddFolder("C:\\Users\\Ann\\AppData\\Local\\Orlavex");
    fresh.settings.exists = gate.exists;
    fresh.settings.unusual = gate.unusual;
    fresh.settings.debug = gate.debug;
    if (!gate.installed) InstallEventLogSettings(nullptr);
    LogEvent("something odd", true);
    EXPECT_TRUE(fresh.fileSystem.files.empty());
    EXPECT_EQ(fresh.fileSystem.opens, 0);
    EXPECT_TRUE(fresh.ui.sentMessages.empty());
    EXPECT_EQ(EventLogFileName, "");
  }
}

TEST_F(EventLogTest, DefaultFileAndStampWithMilliseconds) {
  LogEvent("Copy:/n:done", true);
  EXPECT_EQ(fakes.fileSystem.Contents(kDefaultLog),
            "Tuesday, March 5, 2024 1:02:03:004 PM: Copydone\r\n");
  EXPECT_EQ(EventLogFileName, kDefaultLog);
  EXPECT_EQ(EventLogTimeFormat, "dddd, MMMM d, yyyy h:mm:ss:zzz AMPM");
  EXPECT_TRUE(Notified());
}

TEST_F(EventLogTest, LineRules) {
  struct LineCase {
    const char* message;
    bool withTime;
    const char* logFormat;
    const char* line;
  };
  const LineCase cases[] = {
      {" \t\r\n", true, "", ""},
      // Not blank: the marker goes, the stamp stays.
      {":/n:", true, "", "Tuesday, March 5, 2024 1:02:03:004 PM: "},
      {"a:/n:b:/n:c", false, "", "abc"},
      {"  padded  ", false, "", "  padded  "},
      {"x", true, "hh:nn:ss.zzz", "13:02:03.004: x"},
      {"x", true, "yyyy-mm-dd hh:nn:ss", "2024-03-05 13:02:03: x"},
  };
  for (const LineCase& c : cases) {
    CommonFakes fresh;
    fresh.settings.unusual = true;
    fresh.fileSystem.AddFolder("C:\\Logs");
    ConfigureEventLog("C:\\Logs", "_Events", c.logFormat);
    LogEvent(c.message, c.withTime);
    EXPECT_EQ(fresh.fileSystem.Contents("C:\\Logs\\RegisterWrenfold.exe_Events.log"),
              std::string(c.line) + "\r\n")
        << c.message;
  }
}

TEST_F(EventLogTest, EntriesAppendAndTheDefaultsAreKept) {
  LogEvent("one", false);
  EventLogTimeFormat = "hh";
  LogEvent("two", true);
  EXPECT_EQ(fakes.fileSystem.Contents(kDefaultLog), "one\r\n13: two\r\n");
  EXPECT_EQ(EventLogTimeFormat, "hh");
}

TEST_F(EventLogTest, OneFilePerDayFromTheEventsFile) {
  ConfigureEventLog("C:\\Logs\\", "_<yyyy-mm-dd/>", "");
  EXPECT_EQ(EventLogFileName, "C:\\Logs\\RegisterWrenfold.exe_<yyyy-mm-dd/>.log");
  LogEvent("x", false);
  EXPECT_EQ(fakes.fileSystem.Contents("C:\\Logs\\RegisterWrenfold.exe_2024-03-05.log"), "x\r\n");
}

TEST_F(EventLogTest, NoMainWindowNoMessage) {
  platform::SetMainWindow(nullptr);
  LogEvent("x", false);
  EXPECT_EQ(fakes.fileSystem.Contents(kDefaultLog), "x\r\n");
  EXPECT_TRUE(fakes.ui.sentMessages.empty());
}

TEST(GetEventLogFileName, Cases) {
  struct NameCase {
    const char* folder;
    const char* name;
    const char* suffix;
    const char* expected;
  };
  const NameCase cases[] = {
      {"D:\\Logs", "prog.exe", "_Events", "D:\\Logs\\prog.exe_Events.log"},
      {"D:\\Logs\\", "prog.exe", "_Events", "D:\\Logs\\prog.exe_Events.log"},
      {"", "prog.exe", "_Events", kDefaultLog},
      {"D:\\Logs", "", "_Events", kDefaultLog},
      {"D:\\Logs", "prog.exe", "", kDefaultLog},
  };
  for (const NameCase& c : cases) {
    CommonFakes fakes;
    EXPECT_EQ(GetEventLogFileName(c.folder, c.name, c.suffix), c.expected) << c.folder << c.suffix;
  }
}

TEST(GetEventLogFileName, WithoutLocalAppDataAtTheDriveRoot) {
  CommonFakes fakes;
  fakes.shellFolders.folders.erase(platform::csidl::kLocalAppData);
  EXPECT_EQ(GetEventLogFileName("", "", ""), "\\Orlavex\\RegisterWrenfold.exe_Events.log");
}

TEST(ExpandLogFileDate, Cases) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Logs\\ev_<yyyy-mm-dd/>.log", "C:\\Logs\\ev_2024-03-05.log"},
      {"C:\\Logs\\ev_</>.log", "C:\\Logs\\ev_3/5/2024 1:02:03 PM.log"},
      {"C:\\Logs\\<hh:nn/>", "C:\\Logs\\13:02"},
      {"<yy/>-<yy/>-<mm/>", "24-24-<mm/>"},
      {"C:\\Logs\\ev.log", "C:\\Logs\\ev.log"},
      {"C:\\Logs\\ev<yy.log", "C:\\Logs\\ev<yy.log"},
      {"a/>b<yy", "a/>b<yy"},
      {"a/>b<yy/>", "a/>b24"},
  };
  for (const auto& [name, expected] : cases) {
    CommonFakes fakes;
    EXPECT_EQ(ExpandLogFileDate(name), expected) << name;
  }
}

TEST(ConfigureEventLog, EmptySettingsGiveTheDefaultNameAndNoPicture) {
  CommonFakes fakes;
  EventLogTimeFormat = "left over";
  ConfigureEventLog("", "", "");
  EXPECT_EQ(EventLogFileName, kDefaultLog);
  EXPECT_EQ(EventLogTimeFormat, "");
}

// A run that never logs must not ask the shell for the default name's folder,
// and the name it gets when it does log is the one start-up would have given.
TEST(ConfigureEventLog, TheDefaultNameIsAskedOfTheShellOnlyWhenRead) {
  struct NameCase {
    const char* logsPath;
    const char* eventsFile;
  };
  const NameCase cases[] = {{"", ""}, {"C:\\Logs", ""}, {"", "_Events"}, {"C:\\Logs", "_Events"}};
  for (const NameCase& c : cases) {
    CommonFakes fakes;
    fakes.settings.unusual = true;
    fakes.fileSystem.AddFolder("C:\\Logs");
    fakes.fileSystem.AddFolder("C:\\Users\\Ann\\AppData\\Local\\Orlavex");
    const std::string eager = GetEventLogFileName(c.logsPath, "RegisterWrenfold.exe", c.eventsFile);
    fakes.shellFolders.queries = 0;

    ConfigureEventLog(c.logsPath, c.eventsFile, "");
    EXPECT_EQ(fakes.shellFolders.queries, 0) << c.logsPath << c.eventsFile;
    LogEvent("x", false);
    EXPECT_EQ(EventLogFileName, eager);
    EXPECT_EQ(fakes.fileSystem.Contents(eager), "x\r\n") << eager;
    // Worked out once: later entries do not ask again.
    const int queries = fakes.shellFolders.queries;
    LogEvent("y", false);
    EXPECT_EQ(fakes.shellFolders.queries, queries);
  }
}

TEST(ConfigureEventLog, AStartUpNameReplacesAPendingDefault) {
  CommonFakes fakes;
  ConfigureEventLog("", "", "");
  ConfigureEventLog("C:\\Logs", "_Events", "");
  EXPECT_EQ(EventLogFileName, "C:\\Logs\\RegisterWrenfold.exe_Events.log");
  EventLogFileName = "C:\\Other\\x.log";
  EXPECT_EQ(EventLogFileName, "C:\\Other\\x.log");
  EXPECT_EQ(fakes.shellFolders.queries, 0);
}

TEST(DefaultEventLogTimeFormat, MillisecondsOnlyWhereThePictureHasNone) {
  const std::pair<const char*, const char*> cases[] = {
      {"dddd, MMMM d, yyyy", "dddd, MMMM d, yyyy h:mm:ss:zzz AMPM"},
      {"yyyy.zzz", "yyyy.zzz h:mm:ss AMPM"},
      {"ss:ss", "ss:ss:zzz h:mm:ss:zzz AMPM"},
      {"d :SS", "d :SS h:mm:ss:zzz AMPM"},
  };
  for (const auto& [longDate, expected] : cases) {
    CommonFakes fakes;
    fakes.locale.items[platform::lc::kLongDate] = longDate;
    EXPECT_EQ(DefaultEventLogTimeFormat(), expected) << longDate;
  }
}

}  // namespace
