// A whole save against the fake registry: every section's key, value names,
// types and order, and what a new manager holds.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "SettingsEnvironment.h"
#include "StoredLayout.h"
#include "settings/ConfigManager.h"
#include "support/RegistryProbe.h"

namespace settingstest {
namespace {

using testing::ElementsAreArray;

constexpr const char* kMainWindowSection = "Windows\\RegisterWrenfold_MainWin";

// "key|name|type", comparable and readable in a failure message.
std::vector<std::string> Describe(const std::vector<WrittenValue>& writes) {
  std::vector<std::string> lines;
  for (const WrittenValue& value : writes) {
    lines.push_back(value.path + "|" + value.name + "|" + std::to_string(value.type));
  }
  return lines;
}

std::vector<std::string> Describe(const std::vector<ExpectedValue>& layout) {
  std::vector<std::string> lines;
  for (const ExpectedValue& value : layout) {
    lines.push_back(UserKey(value.key) + "|" + value.name + "|" + std::to_string(value.type));
  }
  return lines;
}

TEST(WholeSave, WritesEverySectionInOrderWithItsTypes) {
  for (const bool advanced : {false, true}) {
    SCOPED_TRACE(advanced ? "with advanced settings" : "without advanced settings");
    SettingsEnvironment env;
    TConfigManager manager;
    manager.ShowAdvancedSettings = advanced;

    manager.saveSettings(cfgAll);

    EXPECT_EQ(env.registry.writes.size(), advanced ? 209u : 204u);
    EXPECT_THAT(Describe(env.registry.writes),
                ElementsAreArray(Describe(WholeSaveLayout(advanced, kMainWindowSection))));
    EXPECT_TRUE(env.store.ui.boxes.empty());
    EXPECT_EQ(env.store.registry.OpenHandleCount(), 0u);
  }
}

TEST(WholeSave, NewManagerWritesEmptyValuesAndTheDefaultFont) {
  SettingsEnvironment env;
  env.fonts.defaultGuiFont = {"Tahoma", 9};
  TConfigManager manager;

  manager.saveSettings(cfgAll);

  ASSERT_EQ(env.registry.writes.size(), 204u);
  for (const WrittenValue& value : env.registry.writes) {
    SCOPED_TRACE(value.path + " | " + value.name);
    const bool fonts = value.path == UserKey("Fonts");
    if (fonts && value.name.ends_with("Size")) {
      EXPECT_EQ(value.Integer(), 9);
    } else if (fonts && value.name.ends_with("Color")) {
      EXPECT_EQ(value.Integer(), -16777208);
    } else if (fonts && value.type == platform::reg::kSz) {
      EXPECT_EQ(value.Text(), "Tahoma");
    } else if (value.type == platform::reg::kSz) {
      EXPECT_EQ(value.Text(), "");
    } else {
      EXPECT_EQ(value.Integer(), 0);
    }
  }
  // The file list and the recent files are left as empty keys.
  EXPECT_TRUE(testsupport::RegKeyPresent(env.store.registry, platform::reg::kCurrentUser,
                                         "Software\\Orlavex\\Wrenfold 4\\Files"));
  EXPECT_TRUE(testsupport::RegKeyPresent(env.store.registry, platform::reg::kCurrentUser,
                                         "Software\\Orlavex\\Wrenfold 4\\MRU"));
}

TEST(WholeSave, SectionWhoseKeyCannotBeOpenedIsSkipped) {
  SettingsEnvironment env;
  env.registry.createKeyResult = [](const std::string& path) {
    return path == UserKey("Backup") ? platform::reg::kAccessDenied : platform::reg::kSuccess;
  };
  TConfigManager manager;

  manager.saveSettings(cfgAll);

  std::vector<ExpectedValue> expected;
  for (const ExpectedValue& value : WholeSaveLayout(false, kMainWindowSection)) {
    if (value.key != "Backup") expected.push_back(value);
  }
  EXPECT_THAT(Describe(env.registry.writes), ElementsAreArray(Describe(expected)));
  ASSERT_EQ(env.store.ui.boxes.size(), 1u);
  EXPECT_EQ(env.store.ui.boxes[0].caption, "Wrenfold.exe OpenPref Error");
  EXPECT_NE(env.store.ui.boxes[0].text.find("Key: Software\\Orlavex\\Wrenfold 4\\Backup"),
            std::string::npos);
}

}  // namespace
}  // namespace settingstest
