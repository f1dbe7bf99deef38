// Under Wine: a whole save lands in the real registry, read back through the
// registry API and `reg export`.
#ifdef _WIN32
#include <gtest/gtest.h>

#include "platform/Fonts.h"
#include "platform/Registry.h"
#include "platform/Services.h"
#include "platform/memory/MemoryUserInterface.h"
#include "platform/win32/Win32Services.h"
#include "settings/ConfigManager.h"
#include "support/ProgramRun.h"
#include "support/RealPlatform.h"
#include "support/RegistryProbe.h"

namespace settingstest {
namespace {

using platform::reg::kCurrentUser;

const std::string kProduct = "Software\\Orlavex\\Wrenfold 4";

// Values in the key and every key below it.
std::size_t CountValues(platform::IRegistry& registry, const std::string& path) {
  platform::RegKey raw = 0;
  if (registry.OpenKey(kCurrentUser, path, platform::reg::kRead, &raw) != 0) return 0;
  const platform::UniqueRegKey key(registry, raw);
  std::uint32_t subKeys = 0;
  std::uint32_t values = 0;
  registry.QueryInfoKey(key.get(), &subKeys, &values);
  std::size_t total = values;
  std::string name;
  for (std::uint32_t i = 0; registry.EnumKey(key.get(), i, &name) == 0; ++i) {
    total += CountValues(registry, path + "\\" + name);
  }
  return total;
}

class RealRegistrySave : public testing::Test {
 protected:
  RealRegistrySave() { testsupport::DeleteRegTree(registry(), kCurrentUser, kProduct); }
  ~RealRegistrySave() override { testsupport::DeleteRegTree(registry(), kCurrentUser, kProduct); }

  static platform::IRegistry& registry() { return platform::win32::Registry(); }

  testsupport::RealPlatform real;
  platform::memory::MemoryUserInterface& ui = real.ui;
};

TEST_F(RealRegistrySave, WholeSaveWritesTheStoredLayout) {
  TConfigManager manager;
  manager.ThemeWFPlaybackBarColor[thCurrent] = clWindowText;
  manager.ThemeDialogButtonAlignment[thFlat] = 200;
  manager.Uses = 3;
  manager.EditorSearchHistory = "alpha";
  manager.UpdateInstallerPath = " D:\\setup.exe ";
  manager.MRU[4] = "D:\\four.txt";
  testsupport::WriteRegValue(registry(), kCurrentUser, kProduct + "\\Files", "file 9",
                             testsupport::StringValue("old"));

  manager.saveSettings(cfgAll);

  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(CountValues(registry(), kProduct), 204u + 1u);  // with one recent file

  const std::string exported = testsupport::RegExport("HKEY_CURRENT_USER\\" + kProduct);
  for (const char* expected : {
           "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4]\r\n\"Uses\"=dword:00000003",
           "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\Appearance]",
           "\"Theme Current WF Playback Bar Color\"=dword:ff000008",
           "\"Theme Flat Dialog Button Alignment\"=dword:000000c8",
           "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\Startup]",
           "\"First Time\"=dword:00000000",
           "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\Windows\\test_settings_MainWin]",
           "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\$Temp\\Search History]",
           "\"Editor Search History\"=\"alpha\"",
           "\"Update Installer Path\"=\" D:\\\\setup.exe \"",
           "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\Files]\r\n\r\n",
           "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\MRU]\r\n\"file "
           "4\"=\"D:\\\\four.txt\"",
       }) {
    EXPECT_NE(exported.find(expected), std::string::npos) << expected;
  }
  EXPECT_EQ(exported.find("file 9"), std::string::npos);

  const platform::FontDescription font = platform::Fonts().DefaultGuiFont();
  EXPECT_EQ(
      testsupport::ReadRegValue(registry(), kCurrentUser, kProduct + "\\Fonts", "Grid Font Name"),
      testsupport::StringValue(font.faceName));
  EXPECT_EQ(testsupport::ReadRegValue(registry(), kCurrentUser, kProduct + "\\Fonts",
                                      "Category Font Size"),
            testsupport::DwordValue(static_cast<std::uint32_t>(font.pointSize)));
}

}  // namespace
}  // namespace settingstest
#endif
