// Creating the manager, and the process-wide ConfigMgr.
#include <gtest/gtest.h>

#include "SettingsEnvironment.h"
#include "prefstore/PrefBackend.h"
#include "settings/ConfigManager.h"

namespace settingstest {
namespace {

TEST(ConfigManager, NewManagerHoldsEmptyValuesAndDefaultFontsWithoutTouchingTheStore) {
  SettingsEnvironment env;
  env.fonts.defaultGuiFont = {"Segoe UI", 9};

  const TConfigManager manager;

  EXPECT_EQ(env.registry.callCount, 0u);
  for (const TFont* font : {&manager.ScriptFont, &manager.GridFont, &manager.CategoryFont}) {
    EXPECT_EQ(font->Name, "Segoe UI");
    EXPECT_EQ(font->Size, 9);
    EXPECT_EQ(font->Color, -16777208);
    EXPECT_EQ(font->Style, TFontStyles{});
  }
  EXPECT_EQ(manager.Uses, 0);
  EXPECT_FALSE(manager.MachineWidePrefs);
  EXPECT_TRUE(manager.FileList.empty());
  EXPECT_TRUE(manager.FileNames.empty());
  EXPECT_EQ(manager.Prefix, "");
  for (const std::string& slot : manager.MRU) EXPECT_EQ(slot, "");
  EXPECT_EQ(manager.ThemeDialogButtonAlignment[thCurrent], 0);
}

TEST(ConfigManager, PrefixKeepsAtMostTwoCharacters) {
  SettingsEnvironment env;
  TConfigManager manager;
  const std::pair<std::string, std::string> cases[] = {
      {"", ""}, {";", ";"}, {";;", ";;"}, {"abc", "ab"}, {"    ", "  "}};
  for (const auto& [assigned, kept] : cases) {
    manager.Prefix = assigned;
    EXPECT_EQ(manager.Prefix.str(), kept);
  }
}

TEST(ConfigManager, ConfigMgrSuppliesMachineWidePrefsToTheStore) {
  SettingsEnvironment env;
  CreateConfigMgr();
  ASSERT_NE(ConfigMgr, nullptr);
  const TConfigBase& store = *ConfigMgr;
  EXPECT_FALSE(store.WantsMachineWidePrefs());
  ConfigMgr->MachineWidePrefs = true;
  EXPECT_TRUE(store.WantsMachineWidePrefs());
  // The manager's own opens follow it: a per-user scope lands machine-wide.
  ASSERT_TRUE(ConfigMgr->OpenPref(cfgPerUserRoam, "Software\\Orlavex\\Wrenfold 4\\General", true,
                                  PrefAccess::readWrite));
  EXPECT_TRUE(ConfigMgr->Backend()->MachineWide());
  ConfigMgr->ClosePref();

  FreeConfigMgr();
  EXPECT_EQ(ConfigMgr, nullptr);
}

}  // namespace
}  // namespace settingstest
