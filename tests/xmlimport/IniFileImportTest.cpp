// Under Wine: an import with the preferences in INI files, through the real
// parser, shell folders and private-profile functions, read back from the files.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Services.h"
#include "platform/memory/MemoryUserInterface.h"
#include "platform/win32/Win32Services.h"
#include "settings/ConfigManager.h"
#include "support/ProductIniFiles.h"
#include "support/ProgramRun.h"
#include "support/RealPlatform.h"
#include "xmlimport/ImpExpRegXML.h"

namespace importtest {
namespace {

using testsupport::ProductIniFile;
using testsupport::ReadFile;

class IniFileImport : public testing::Test {
 protected:
  IniFileImport() {
    PrefLocation = plFile;
    testsupport::RemoveProductIniFiles();
    CreateConfigMgr();
  }
  ~IniFileImport() override {
    FreeConfigMgr();
    testsupport::RemoveProductIniFiles();
    std::filesystem::remove_all(folder);
  }

  testsupport::RealPlatform real;
  platform::memory::MemoryUserInterface& ui = real.ui;
  const std::string folder = testsupport::ScratchFolder("ini-import");
};

TEST_F(IniFileImport, EachScopesValuesLandInItsFileMergedWithWhatIsThere) {
  const std::string prefs = folder + "prefs.xml";
  testsupport::WriteFile(
      prefs,
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!DOCTYPE Wrenfold_Preferences>\r\n"
      "<Wrenfold_Preferences><Wrenfold>"
      "<PerUserRoam><Uses type=\"integer\">42</Uses>"
      "<General><Use_Suffix type=\"boolean\">1</Use_Suffix><Prefix type=\"string\">;;</Prefix>"
      "<Hot_Key type=\"integer\">$0357</Hot_Key></General>"
      "<Appearance><Colours type=\"binary\">0aff10</Colours></Appearance></PerUserRoam>"
      "<PerUserNonRoam><File_Paths><Logs_Path type=\"string\">C:\\Logs\\</Logs_Path>"
      "</File_Paths></PerUserNonRoam>"
      "<PerMachine><General><Site type=\"string\">Main_office</Site></General></PerMachine>"
      "</Wrenfold></Wrenfold_Preferences>\r\n");
  std::filesystem::create_directories(testsupport::ProductIniFolder("APPDATA"));
  testsupport::WriteFile(ProductIniFile("APPDATA"), "[General]\r\nKeep=1\r\nPrefix=old\r\n");

  EXPECT_EQ(ImportPrefsXML(prefs), TImportVerdict::kImported);

  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(ReadFile(ProductIniFile("APPDATA")),
            "[General]\r\nKeep=1\r\nPrefix=;;\r\nUse Suffix=1\r\nHot Key=855\r\n"
            "[Wrenfold]\r\nUses=42\r\n[Appearance]\r\nColours=0AFF10\r\n");
  EXPECT_EQ(ReadFile(ProductIniFile("LOCALAPPDATA")), "[File Paths]\r\nLogs Path=C:\\Logs\\\r\n");
  EXPECT_EQ(ReadFile(ProductIniFile("ProgramData")), "[General]\r\nSite=Main office\r\n");
}

}  // namespace
}  // namespace importtest
#endif
