// Under Wine: a whole save with the preferences in INI files, written with the
// platform's own private-profile functions and read back from the files.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "platform/Fonts.h"
#include "platform/Services.h"
#include "platform/memory/MemoryUserInterface.h"
#include "platform/win32/Win32Services.h"
#include "settings/ConfigManager.h"
#include "support/ProductIniFiles.h"
#include "support/ProgramRun.h"
#include "support/RealPlatform.h"

namespace settingstest {
namespace {

using testsupport::ProductIniFile;

// The value lines of an INI text: every line but headers and blank ones.
std::size_t CountValues(const std::string& ini) {
  std::istringstream lines(ini);
  std::size_t count = 0;
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line != "\r" && line.front() != '[') ++count;
  }
  return count;
}

class IniFileSave : public testing::Test {
 protected:
  IniFileSave() {
    PrefLocation = plFile;
    testsupport::RemoveProductIniFiles();
  }
  ~IniFileSave() override { testsupport::RemoveProductIniFiles(); }

  testsupport::RealPlatform real;
  platform::memory::MemoryUserInterface& ui = real.ui;
};

TEST_F(IniFileSave, WholeSaveWritesEverySectionIntoTheScopesFiles) {
  TConfigManager manager;
  manager.ThemeWFPlaybackBarColor[thCurrent] = clWindowText;
  manager.ThemeDialogButtonAlignment[thFlat] = 200;
  manager.Uses = 3;
  manager.EditorSearchHistory = "alpha";
  manager.LeaveFilesOpen = true;
  manager.MRU[4] = "D:\\four.txt";
  // A file list of an earlier save: the new save replaces the section.
  std::filesystem::create_directories(testsupport::ProductIniFolder("APPDATA"));
  testsupport::WriteFile(ProductIniFile("APPDATA"), "[Files]\r\nfile 0=a\r\nfile 9=old\r\n");

  manager.saveSettings(cfgAll);

  EXPECT_TRUE(ui.boxes.empty());
  const std::string roaming = testsupport::ReadFile(ProductIniFile("APPDATA"));
  const std::string local = testsupport::ReadFile(ProductIniFile("LOCALAPPDATA"));
  EXPECT_FALSE(std::filesystem::exists(ProductIniFile("ProgramData")));
  // The file paths stay on this machine; everything else roams.
  EXPECT_EQ(CountValues(local), 6u);
  EXPECT_EQ(CountValues(roaming), 204u - 6u + 1u);  // with one recent file
  EXPECT_EQ(local.rfind("[File Paths]\r\n", 0), 0u) << local;
  EXPECT_NE(local.find("\r\nLeave Files Open=1\r\n"), std::string::npos);

  const platform::FontDescription font = platform::Fonts().DefaultGuiFont();
  for (const std::string& expected : std::vector<std::string>{
           "[Wrenfold]\r\nFirst Time=0\r\nUses=3\r\n",
           "\r\nTheme Current WF Playback Bar Color=-16777208\r\n",
           "\r\nTheme Flat Dialog Button Alignment=200\r\n",
           "[Startup]\r\n",
           "[Windows\\test_settings_MainWin]\r\n",
           // The search history's section holds two backslashes in a row.
           "[$Temp\\\\Search History]\r\n",
           "\r\nEditor Search History=alpha\r\n",
           "[Files]\r\n[",
           "[MRU]\r\nfile 4=D:\\four.txt\r\n",
           "\r\nGrid Font Name=" + font.faceName + "\r\n",
           "\r\nCategory Font Size=" + std::to_string(font.pointSize) + "\r\n",
       }) {
    EXPECT_NE(roaming.find(expected), std::string::npos) << expected;
  }
  EXPECT_EQ(roaming.find("file 9"), std::string::npos);
  EXPECT_EQ(roaming.find("File Paths"), std::string::npos);
}

}  // namespace
}  // namespace settingstest
#endif
