// ConfigMgr's logging switches as the event log sees them: they open the
// gate, and a failed write that the user answers with Yes switches both off
// and stores them.
#include <gtest/gtest.h>

#include "common/EventLog.h"
#include "settings/ConfigManager.h"
#include "support/FakePlatform.h"
#include "support/RegistryProbe.h"

namespace {

const std::string kLogs = "Software\\Orlavex\\Wrenfold 4\\Logs";

class EventLogSwitches : public testing::Test {
 protected:
  EventLogSwitches() {
    CreateConfigMgr();
    ConfigMgr->LogUnusualEvents = true;
    ConfigMgr->LogDebugEvents = true;
    EventLogFileName = "C:\\Logs\\events.log";
    EventLogTimeFormat = "hh:nn";
  }
  ~EventLogSwitches() override { FreeConfigMgr(); }

  std::optional<testsupport::RegValue> Stored(const std::string& name) {
    return testsupport::ReadRegValue(env.registry, platform::reg::kCurrentUser, kLogs, name);
  }

  testsupport::FakePlatform env;
};

TEST_F(EventLogSwitches, TheManagersSwitchOpensTheGate) {
  env.fileSystem.AddFolder("C:\\Logs");
  LogEvent("noted", false);
  EXPECT_EQ(env.fileSystem.Contents("C:\\Logs\\events.log"), "noted\r\n");

  ConfigMgr->LogUnusualEvents = false;
  LogEvent("not noted", false);
  EXPECT_EQ(env.fileSystem.Contents("C:\\Logs\\events.log"), "noted\r\n");

  FreeConfigMgr();
  LogEvent("no manager, no log", false);
  EXPECT_EQ(env.fileSystem.Contents("C:\\Logs\\events.log"), "noted\r\n");
  CreateConfigMgr();
}

TEST_F(EventLogSwitches, YesSwitchesLoggingOffAndSavesTheLogsSection) {
  env.ui.answers.push_back(platform::mb::kIdYes);
  LogEvent("lost", false);  // C:\Logs does not exist: every attempt fails

  ASSERT_EQ(env.ui.boxes.size(), 1u);
  EXPECT_EQ(env.ui.boxes[0].flags,
            platform::mb::kYesNo | platform::mb::kIconExclamation | platform::mb::kSetForeground);
  EXPECT_FALSE(ConfigMgr->LogUnusualEvents);
  EXPECT_FALSE(ConfigMgr->LogDebugEvents);
  EXPECT_EQ(Stored("Log Unusual Events"), testsupport::DwordValue(0));
  EXPECT_EQ(Stored("Log Debug Events"), testsupport::DwordValue(0));
  // "Logs" alone was saved.
  EXPECT_FALSE(testsupport::RegKeyPresent(env.registry, platform::reg::kCurrentUser,
                                          "Software\\Orlavex\\Wrenfold 4\\General"));
}

TEST_F(EventLogSwitches, NoLeavesLoggingOnAndStoresNothing) {
  LogEvent("lost", false);
  ASSERT_EQ(env.ui.boxes.size(), 1u);
  EXPECT_TRUE(ConfigMgr->LogUnusualEvents);
  EXPECT_TRUE(ConfigMgr->LogDebugEvents);
  EXPECT_FALSE(testsupport::RegKeyPresent(env.registry, platform::reg::kCurrentUser, kLogs));
}

}  // namespace
