// Single sections: which routine an ordinal runs, where each section lands,
// and that each value is written as its member holds it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "SettingsEnvironment.h"
#include "StoredLayout.h"
#include "settings/ConfigManager.h"
#include "settings/SectionKeys.h"
#include "support/RegistryProbe.h"

namespace settingstest {
namespace {

using platform::reg::kCurrentUser;
using platform::reg::kDword;
using platform::reg::kSz;
using testsupport::DwordValue;
using testsupport::ReadRegValue;
using testsupport::StringValue;

const std::string kProduct = "Software\\Orlavex\\Wrenfold 4";

std::vector<std::string> Names(const std::vector<WrittenValue>& writes) {
  std::vector<std::string> names;
  for (const WrittenValue& value : writes) names.push_back(value.name);
  return names;
}

TEST(SaveSettings, OrdinalsWithoutARoutineTouchNothing) {
  for (const int ordinal : {8, 10, 22, 24, 25, 26, 28, 255}) {
    SCOPED_TRACE(ordinal);
    SettingsEnvironment env;
    TConfigManager manager;
    manager.saveSettings(static_cast<cfgSection>(ordinal));
    EXPECT_EQ(env.registry.callCount, 0u);
    EXPECT_TRUE(env.store.ui.boxes.empty());
  }
}

TEST(SaveSettings, OneOrdinalSavesOnlyItsSection) {
  struct Case {
    cfgSection section;
    std::string key;
    std::size_t values;
  };
  const Case cases[] = {
      {cfgAdvOptions, "AdvOptions", 12},
      {cfgAppearance, "Appearance", 66},
      {cfgLogs, "Logs", 8},
      {cfgFilePaths, "File Paths", 6},
      {cfgWindows, "Windows\\RegisterWrenfold_MainWin", 8},
      {cfgTemp, "$Temp\\\\Search History", 4},
      {cfgRoot, "", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    SettingsEnvironment env;
    TConfigManager manager;
    manager.saveSettings(c.section);
    EXPECT_EQ(env.registry.writes.size(), c.values);
    EXPECT_EQ(env.registry.WritesTo(UserKey(c.key)).size(), c.values);
  }
}

TEST(SaveSettings, AppearanceWritesItsOwnValuesThenEveryTheme) {
  SettingsEnvironment env;
  TConfigManager manager;
  manager.saveSettings(cfgAppearance);

  std::vector<std::string> expected;
  for (const ExpectedValue& value : AppearanceLayout()) expected.push_back(value.name);
  ASSERT_EQ(expected.size(), 66u);
  EXPECT_THAT(Names(env.registry.writes), testing::ElementsAreArray(expected));
  EXPECT_EQ(env.registry.writes[21].name, "Theme Custom Menus and Toolbars Style");
  EXPECT_EQ(env.registry.writes[65].name, "Theme Current WF Playback Bar Color");
}

// Members whose declaration order differs from the stored order, or that sit
// in arrays and font objects, each given a value of its own.
TEST(SaveSettings, EachValueComesFromItsOwnMember) {
  SettingsEnvironment env;
  TConfigManager manager;
  manager.TextDelay = 1;
  manager.DelayAfterKeyUp = true;
  manager.ClipboardDelay = 3;
  manager.InsertCommandDelay = 4;
  manager.BeforeBackspaceDelay = 5;
  manager.WaitForKeyPressLoopDelayTime = 6;
  manager.PrinterName = "Courier";
  manager.PrinterSize = 11;
  manager.PrinterColor = 255;
  manager.PrinterItalics = true;
  manager.ShowEditor = true;
  manager.StartupDelay = 12;
  manager.FirstTime = true;
  manager.CheckForUpdatesMethod = 2;
  manager.InsiderUpgradeTrack = true;
  manager.UpdateAvailableNotificationBackgroundColor = 0x00FF00;
  manager.UpdateKey = "K-1";
  manager.CheckForUpdatesTime = 77;
  manager.CustCommands[ccMS365] = "cmd365";
  manager.CustScripts[ccMS365] = "script365";
  manager.CustCommands[ccMSO] = "cmdMSO";
  manager.CustScripts[ccMSO] = "scriptMSO";
  manager.ScriptFont = {"Consolas", 10, 0x123456, {.Bold = true, .Underline = true}};
  manager.GridFont.Size = 13;
  manager.GridFont.Color = 0x654321;
  manager.CategoryFont.Style.StrikeOut = true;
  manager.ThemeMenusAndToolbarsStyle[thBlueGradient] = 3;
  manager.ThemeDialogButtonAlignment[thRetro] = 200;
  manager.ThemeWFPlaybackBarColor[thCurrent] = clWindowText;
  manager.Col7 = 70;
  manager.CategoriesWidth = 180;
  manager.Uses = 42;
  manager.CaseSensitive = 2;
  manager.EventNotificationColor = clWindowText;
  manager.BackupMessageColor = 0x000000FF;
  manager.SymbolsLastFont = "Wingdings";
  manager.Prefix = "abc";

  manager.saveSettings(cfgAll);

  struct Expect {
    std::string key;
    std::string name;
    testsupport::RegValue value;
  };
  const Expect expected[] = {
      {"Delays", "Text Delay", DwordValue(1)},
      {"Delays", "Delay After Key Up", DwordValue(1)},
      {"Delays", "High Speed Timer", DwordValue(0)},
      {"Delays", "Clipboard Delay", DwordValue(3)},
      {"Delays", "Insert Command Delay", DwordValue(4)},
      {"Delays", "Before Backspace Delay", DwordValue(5)},
      {"Delays", "Wait For Key Press Loop Delay Time", DwordValue(6)},
      {"Printer", "Name", StringValue("Courier")},
      {"Printer", "Size", DwordValue(11)},
      {"Printer", "Color", DwordValue(255)},
      {"Printer", "Italics", DwordValue(1)},
      {"Printer", "Strikeout", DwordValue(0)},
      {"Startup", "Show Editor", DwordValue(1)},
      {"Startup", "Use Start Delay", DwordValue(0)},
      {"Startup", "Startup Delay", DwordValue(12)},
      {"Startup", "First Time", DwordValue(1)},
      {"Updates", "Check for Updates Method", DwordValue(2)},
      {"Updates", "Insider Upgrade Track", DwordValue(1)},
      {"Updates", "Internal Upgrade Track", DwordValue(0)},
      {"Updates", "Update Available Notification Background Color", DwordValue(0x00FF00)},
      {"Updates", "Update Key", StringValue("K-1")},
      {"Updates", "Check for Updates Time", DwordValue(77)},
      {"Cust Commands", "Insert Image into MS365 Script", StringValue("script365")},
      {"Cust Commands", "Insert Image into MS365", StringValue("cmd365")},
      {"Cust Commands", "Insert Image MSO Script", StringValue("scriptMSO")},
      {"Cust Commands", "Insert Image MSO", StringValue("cmdMSO")},
      {"Fonts", "Script Font", StringValue("Consolas")},
      {"Fonts", "Script Font Color", DwordValue(0x123456)},
      {"Fonts", "Script Font Size", DwordValue(10)},
      {"Fonts", "Script Font Style", DwordValue(3)},
      {"Fonts", "Grid Font Size", DwordValue(13)},
      {"Fonts", "Grid Font Color", DwordValue(0x654321)},
      {"Fonts", "Grid Font Style", DwordValue(0)},
      {"Fonts", "Category Font Style", DwordValue(8)},
      {"Appearance", "Theme Blue Gradient Menus and Toolbars Style", DwordValue(3)},
      {"Appearance", "Theme Custom Menus and Toolbars Style", DwordValue(0)},
      {"Appearance", "Theme Retro Dialog Button Alignment", DwordValue(200)},
      {"Appearance", "Theme Current WF Playback Bar Color", DwordValue(0xFF000008u)},
      {"Windows\\RegisterWrenfold_MainWin", "Col 7", DwordValue(70)},
      {"Windows\\RegisterWrenfold_MainWin", "Categories Width", DwordValue(180)},
      {"", "Uses", DwordValue(42)},
      {"General", "Case Sensitive", DwordValue(2)},
      {"General", "Prefix", StringValue("ab")},
      {"Logs", "Event Notification Color", DwordValue(static_cast<std::uint32_t>(-16777208))},
      {"Backup", "Backup Message Color", DwordValue(255)},
      {"Miscellaneous", "Symbols - Last Font", StringValue("Wingdings")},
  };
  for (const Expect& e : expected) {
    SCOPED_TRACE(e.key + " | " + e.name);
    EXPECT_EQ(ReadRegValue(env.store.registry, kCurrentUser, kProduct + "\\" + e.key, e.name),
              e.value);
  }
}

TEST(SaveSettings, PathsAreTrimmedButTheInstallerPathIsStoredAsHeld) {
  SettingsEnvironment env;
  TConfigManager manager;
  manager.ImagesPath = "  D:\\Images\\ \t";
  manager.LogsPath = " D:\\Logs\\";
  manager.EventsFile = "events.log  ";
  manager.BackupFolder = "\tE:\\Backup ";
  manager.UpdateInstallerPath = "  D:\\Setup\\installer.exe  ";
  manager.UpdateLogFile = "D:\\update.log";

  manager.saveSettings(cfgAll);

  const auto read = [&](const std::string& key, const std::string& name) {
    return ReadRegValue(env.store.registry, kCurrentUser, kProduct + "\\" + key, name);
  };
  EXPECT_EQ(read("File Paths", "Images Path"), StringValue("D:\\Images\\"));
  EXPECT_EQ(read("File Paths", "Logs Path"), StringValue("D:\\Logs\\"));
  EXPECT_EQ(read("File Paths", "Events File"), StringValue("events.log"));
  EXPECT_EQ(read("File Paths", "Update Log File"), StringValue("D:\\update.log"));
  EXPECT_EQ(read("Backup", "Backup Folder"), StringValue("E:\\Backup"));
  EXPECT_EQ(read("Updates", "Update Installer Path"), StringValue("  D:\\Setup\\installer.exe  "));
}

TEST(SaveSettings, DbgHookValuesOnlyWithAdvancedSettings) {
  SettingsEnvironment env;
  const std::string key = kProduct + "\\AdvOptions";
  testsupport::WriteRegValue(env.store.registry, kCurrentUser, key, "DbgHook DisableKeyHook",
                             DwordValue(1));
  TConfigManager manager;
  manager.DbgHookDisableMsgHook = true;

  manager.saveSettings(cfgAdvOptions);
  EXPECT_EQ(ReadRegValue(env.store.registry, kCurrentUser, key, "DbgHook DisableKeyHook"),
            DwordValue(1));
  EXPECT_EQ(ReadRegValue(env.store.registry, kCurrentUser, key, "DbgHook DisableMsgHook"),
            std::nullopt);

  manager.ShowAdvancedSettings = true;
  manager.saveSettings(cfgAdvOptions);
  const std::vector<WrittenValue> second = env.registry.WritesTo(UserKey("AdvOptions"));
  ASSERT_EQ(second.size(), 12u + 17u);
  EXPECT_EQ(second.back().name, "DbgHook DisableSetLowLTFMap");
  EXPECT_EQ(ReadRegValue(env.store.registry, kCurrentUser, key, "DbgHook DisableKeyHook"),
            DwordValue(0));
  EXPECT_EQ(ReadRegValue(env.store.registry, kCurrentUser, key, "DbgHook DisableMsgHook"),
            DwordValue(1));
}

TEST(SaveSettings, FirstTimeGoesBesideStartupAndUsesIntoTheProductKey) {
  SettingsEnvironment env;
  TConfigManager manager;
  manager.FirstTime = true;
  manager.Uses = 5;

  manager.saveSettings(cfgStartup);
  manager.saveSettings(cfgRoot);

  EXPECT_EQ(ReadRegValue(env.store.registry, kCurrentUser, kProduct + "\\Startup", "First Time"),
            DwordValue(1));
  EXPECT_EQ(ReadRegValue(env.store.registry, kCurrentUser, kProduct, "First Time"), std::nullopt);
  EXPECT_EQ(ReadRegValue(env.store.registry, kCurrentUser, kProduct, "Uses"), DwordValue(5));
}

TEST(SaveSettings, MainWindowLayoutIsKeptPerProgramFileName) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\Tools\\Wrenfold.exe", "Windows\\Wrenfold_MainWin"},
      {"C:\\Tools\\my.tool.exe", "Windows\\my.tool_MainWin"},
      {"C:\\Tools\\noext", "Windows\\noext_MainWin"},
      {"D:\\dotted.dir\\prog", "Windows\\prog_MainWin"},
  };
  for (const auto& [program, section] : cases) {
    SCOPED_TRACE(program);
    EXPECT_EQ(MainWindowSection(program), section);

    SettingsEnvironment env;
    env.store.process.programFileName = program;
    TConfigManager manager;
    manager.saveSettings(cfgWindows);
    EXPECT_EQ(env.registry.WritesTo(UserKey(section)).size(), 8u);
  }
}

TEST(SaveSettings, SearchHistoryKeyHoldsTwoBackslashes) {
  SettingsEnvironment env;
  TConfigManager manager;
  manager.EditorSearchText = "find me";

  manager.saveSettings(cfgTemp);

  EXPECT_EQ(SearchHistorySection(), "$Temp\\\\Search History");
  EXPECT_THAT(env.registry.createdKeys, testing::Contains(UserKey("$Temp\\\\Search History")));
  EXPECT_EQ(ReadRegValue(env.store.registry, kCurrentUser, kProduct + "\\$Temp\\Search History",
                         "Editor Search Text"),
            StringValue("find me"));
}

TEST(FontStyleToInt, BoldOneUnderlineTwoItalicFourStrikeOutEight) {
  const std::pair<TFontStyles, std::int32_t> cases[] = {
      {{}, 0},
      {{.Italic = true}, 4},
      {{.Underline = true}, 2},
      {{.Bold = true, .StrikeOut = true}, 9},
      {{.Bold = true, .Italic = true, .Underline = true, .StrikeOut = true}, 15},
  };
  for (const auto& [style, expected] : cases) {
    EXPECT_EQ(TConfigManager::fontStyleToInt(style), expected);
  }
}

}  // namespace
}  // namespace settingstest
