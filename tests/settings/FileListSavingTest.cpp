// The file list and the recent files replace their whole section.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <new>

#include "SettingsEnvironment.h"
#include "settings/ConfigManager.h"
#include "support/RegistryProbe.h"

namespace settingstest {
namespace {

using platform::reg::kCurrentUser;
using testsupport::DwordValue;
using testsupport::ReadRegValue;
using testsupport::StringValue;
using testsupport::WriteRegValue;

const std::string kProduct = "Software\\Orlavex\\Wrenfold 4";

// The value names of a key, in the registry's order; nullopt for no key.
std::optional<std::vector<std::string>> ValueNames(platform::IRegistry& registry,
                                                   const std::string& path) {
  platform::RegKey raw = 0;
  if (registry.OpenKey(kCurrentUser, path, platform::reg::kRead, &raw) != 0) return std::nullopt;
  const platform::UniqueRegKey key(registry, raw);
  std::vector<std::string> names;
  std::string name;
  for (std::uint32_t i = 0; registry.EnumValue(key.get(), i, &name) == 0; ++i) {
    names.push_back(name);
  }
  return names;
}

// An earlier, longer list with a subkey of its own.
void PlantOldList(platform::IRegistry& registry, const std::string& section) {
  for (int i = 0; i < 6; ++i) {
    WriteRegValue(registry, kCurrentUser, kProduct + "\\" + section, "file " + std::to_string(i),
                  StringValue("C:\\old" + std::to_string(i)));
  }
  WriteRegValue(registry, kCurrentUser, kProduct + "\\" + section + "\\Nested", "x", DwordValue(1));
}

using Names = std::vector<std::string>;

TEST(SaveFiles, ReplacesTheListKeepingEmptyEntries) {
  SettingsEnvironment env;
  PlantOldList(env.store.registry, "Files");
  TConfigManager manager;
  manager.FileList = {"D:\\a.txt", "", "  D:\\b.txt "};

  manager.saveSettings(cfgFiles);

  const std::string key = kProduct + "\\Files";
  EXPECT_EQ(ValueNames(env.store.registry, key), Names({"file 0", "file 1", "file 2"}));
  EXPECT_EQ(ReadRegValue(env.store.registry, kCurrentUser, key, "file 0"),
            StringValue("D:\\a.txt"));
  EXPECT_EQ(ReadRegValue(env.store.registry, kCurrentUser, key, "file 1"), StringValue(""));
  EXPECT_EQ(ReadRegValue(env.store.registry, kCurrentUser, key, "file 2"),
            StringValue("D:\\b.txt"));
  EXPECT_FALSE(testsupport::RegKeyPresent(env.store.registry, kCurrentUser, key + "\\Nested"));
  EXPECT_TRUE(env.store.ui.boxes.empty());
}

TEST(SaveFiles, EmptyListLeavesAnEmptyKey) {
  SettingsEnvironment env;
  PlantOldList(env.store.registry, "Files");
  TConfigManager manager;

  manager.saveSettings(cfgFiles);

  EXPECT_EQ(ValueNames(env.store.registry, kProduct + "\\Files"), Names{});
  EXPECT_TRUE(env.store.ui.boxes.empty());
}

TEST(SaveMRU, SkipsBlankSlotsAndKeepsSlotNumbers) {
  SettingsEnvironment env;
  PlantOldList(env.store.registry, "MRU");
  TConfigManager manager;
  manager.MRU[0] = "D:\\zero.txt";
  manager.MRU[1] = " D:\\one.txt ";
  manager.MRU[2] = " \t ";
  manager.MRU[4] = "D:\\four.txt";

  manager.saveSettings(cfgMRU);

  const std::string key = kProduct + "\\MRU";
  EXPECT_EQ(ValueNames(env.store.registry, key), Names({"file 0", "file 1", "file 4"}));
  EXPECT_EQ(ReadRegValue(env.store.registry, kCurrentUser, key, "file 1"),
            StringValue("D:\\one.txt"));
  EXPECT_EQ(ReadRegValue(env.store.registry, kCurrentUser, key, "file 4"),
            StringValue("D:\\four.txt"));
}

TEST(SaveMRU, AllSlotsEmptyLeavesAnEmptyKey) {
  SettingsEnvironment env;
  PlantOldList(env.store.registry, "MRU");
  TConfigManager manager;

  manager.saveSettings(cfgMRU);

  EXPECT_EQ(ValueNames(env.store.registry, kProduct + "\\MRU"), Names{});
}

// A failure that the store does not turn into a report of its own reaches
// saveFiles' handler after the old list is gone; the save goes on.
TEST(SaveFiles, FailureAfterTheDeleteShowsOneBoxAndTheSaveGoesOn) {
  SettingsEnvironment env;
  PlantOldList(env.store.registry, "Files");
  env.registry.beforeSetValue = [](const WrittenValue& value) {
    if (value.name == "file 1") throw std::bad_alloc();
  };
  TConfigManager manager;
  manager.FileList = {"D:\\a.txt", "D:\\b.txt", "D:\\c.txt"};
  const auto application = reinterpret_cast<platform::WindowHandle>(0x4321);
  platform::SetApplicationWindow(application);
  env.store.fileSystem.lastError = 8;
  env.store.fileSystem.messages[8] = "Not enough memory resources are available.\r\n";

  manager.saveSettings(cfgAll);
  platform::SetApplicationWindow(nullptr);

  const std::string key = kProduct + "\\Files";
  EXPECT_EQ(ValueNames(env.store.registry, key), Names({"file 0"}));
  ASSERT_EQ(env.store.ui.boxes.size(), 1u);
  const auto& box = env.store.ui.boxes[0];
  EXPECT_EQ(box.caption, "Wrenfold.exe saveFiles Error");
  EXPECT_EQ(box.text,
            "Error saving files (ConfigManager.saveFiles): \r\n"
            "Not enough memory resources are available");
  EXPECT_EQ(box.flags, 0x10010u);
  EXPECT_EQ(box.owner, application);
  // Nothing stays open, and the sections after "Files" were still saved.
  EXPECT_EQ(env.store.registry.OpenHandleCount(), 0u);
  EXPECT_EQ(env.registry.WritesTo(UserKey("Fonts")).size(), 12u);
  EXPECT_EQ(env.registry.WritesTo(UserKey("$Temp\\\\Search History")).size(), 4u);
}

}  // namespace
}  // namespace settingstest
