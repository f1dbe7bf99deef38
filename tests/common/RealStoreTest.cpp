// The common services together with the real preference store and settings
// manager, under Wine: placeholders in stored paths, and switching the event
// log off for good.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "CommonFakes.h"
#include "common/EventLog.h"
#include "common/SpecialFolders.h"
#include "platform/ShellFolders.h"
#include "platform/win32/Win32Services.h"
#include "prefstore/ConfigCommon.h"
#include "settings/ConfigManager.h"
#include "settings/Sections.h"
#include "support/ProgramRun.h"

namespace {

using testsupport::CommonFakes;

const std::string kTestKey = std::string(testsupport::kProductKey) + "\\CommonTests";
const std::string kLogsKey = std::string(testsupport::kProductKey) + "\\Logs";

std::optional<std::string> UserString(const std::string& key, const std::string& name) {
  char buffer[1024] = {};
  DWORD size = sizeof buffer;
  if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, buffer,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::string(buffer);
}

std::optional<DWORD> UserDword(const std::string& key, const std::string& name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_DWORD, nullptr, &value,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

class RealStore : public testing::Test {
 protected:
  RealStore() {
    fakes.scope->registry = &platform::win32::Registry();
    fakes.scope->fonts = &platform::win32::Fonts();
    fakes.scope->fileSystem = &platform::win32::FileSystem();
    fakes.scope->locale = &platform::win32::Locale();
    fakes.scope->process = &platform::win32::Process();
    fakes.scope->shellFolders = &platform::win32::ShellFolders();
  }

  CommonFakes fakes;
};

TEST_F(RealStore, PathUnderRoamingAppDataIsStoredWithItsPlaceholder) {
  testsupport::DeleteKeyTree(HKEY_CURRENT_USER, kTestKey);
  const std::string appData = GetSpecialFolderDir(platform::csidl::kAppData);
  TConfigBase store;
  ASSERT_TRUE(store.OpenPref(cfgPerUserRoam, kTestKey, true, PrefAccess::readWrite));
  store.SetPrefPath("CommonTests", "Folder", "  " + appData + "Orlavex\\Wrenfold 4\\ \t");
  store.ClosePref();
  EXPECT_EQ(UserString(kTestKey, "Folder"), "[CSIDL-APPDATA]Orlavex\\Wrenfold 4\\");
  EXPECT_TRUE(fakes.ui.boxes.empty());
  testsupport::DeleteKeyTree(HKEY_CURRENT_USER, kTestKey);
}

// ConfigMgr for one test, connected to the event log as the program does.
struct ManagerForTheTest {
  ManagerForTheTest() { CreateConfigMgr(); }
  ~ManagerForTheTest() { FreeConfigMgr(); }
  ManagerForTheTest(const ManagerForTheTest&) = delete;
  ManagerForTheTest& operator=(const ManagerForTheTest&) = delete;
};

TEST_F(RealStore, YesSwitchesLoggingOffAndStoresBothSwitchesOff) {
  const ManagerForTheTest manager;
  ConfigMgr->LogUnusualEvents = true;
  ConfigMgr->LogDebugEvents = true;
  ConfigMgr->saveSettings(cfgLogs);
  ASSERT_EQ(UserDword(kLogsKey, "Log Unusual Events"), 1u);
  ASSERT_EQ(UserDword(kLogsKey, "Log Debug Events"), 1u);

  EventLogFileName = testsupport::ScratchFolder("storelog") + "missing\\events.log";
  fakes.ui.answers = {platform::mb::kIdYes};
  LogEvent("cannot be written", true);

  ASSERT_EQ(fakes.ui.boxes.size(), 1u);
  EXPECT_EQ(fakes.ui.boxes[0].flags, 0x10034u);
  EXPECT_FALSE(ConfigMgr->LogUnusualEvents);
  EXPECT_FALSE(ConfigMgr->LogDebugEvents);
  EXPECT_EQ(UserDword(kLogsKey, "Log Unusual Events"), 0u);
  EXPECT_EQ(UserDword(kLogsKey, "Log Debug Events"), 0u);

  // Off for the rest of the run: nothing more is tried or asked.
  LogEvent("again", true);
  EXPECT_EQ(fakes.ui.boxes.size(), 1u);
  testsupport::DeleteKeyTree(HKEY_CURRENT_USER, kLogsKey);
}

}  // namespace
#endif
