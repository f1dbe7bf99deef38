// One small file per finding that the product's settings and the format's
// silent damage give: its kind, severity, element path, line, registry
// location and what to write instead.  Each file sets its element on a line
// of its own, so a wrong line number shows.
#include <gtest/gtest.h>

#include <algorithm>

#include "CheckFixture.h"
#include "check/CheckPrefsFile.h"
#include "xmlimport/PrefsFileFormat.h"

namespace {

using checktest::CheckFixture;

constexpr const char* kUser = "HKCU\\Software\\Orlavex\\Wrenfold 4";
constexpr const char* kMachine = "HKLM\\Software\\Orlavex\\Wrenfold 4";

// Line 1 the declaration, line 2 the document type, line 3 the document and
// product elements, line 4 the scope element; `sections` from line 5 on.
std::string File(const std::string& scope, const std::string& sections,
                 const std::string& declaration = "<?xml version=\"1.0\"?>") {
  return declaration + "\n<!DOCTYPE Wrenfold_Preferences>\n<Wrenfold_Preferences><Wrenfold>\n<" +
         scope + ">\n" + sections + "\n</" + scope + "></Wrenfold></Wrenfold_Preferences>\n";
}
std::string Roam(const std::string& sections) { return File("PerUserRoam", sections); }

struct Row {
  const char* name;
  std::string file;
  TSeverity severity;
  std::string kind;
  std::string path;
  int line;
  std::string location;
  std::string valueName;
  std::string fix;        // empty: no fix offered
  std::string textHolds;  // a part of the finding's text
  int exitStatus;
};

const Row kRows[] = {
    {"misspelt setting", Roam("<Backup>\n<Backup_Cont type=\"integer\">3</Backup_Cont>\n</Backup>"),
     TSeverity::kWarning, "unknown-setting", "PerUserRoam/Backup/Backup_Cont", 6,
     std::string(kUser) + "\\Backup", "Backup Cont", "<Backup_Count>",
     "did you mean \"Backup Count\"?", 1},
    {"setting of another section",
     Roam("<Backup>\n\n<Use_Suffix type=\"boolean\">1</Use_Suffix></Backup>"), TSeverity::kWarning,
     "unknown-setting", "PerUserRoam/Backup/Use_Suffix", 7, std::string(kUser) + "\\Backup",
     "Use Suffix", "move it into <General>", "it is a setting of section \"General\"", 1},
    {"unknown value in the product key", File("PerMachine", "<Licence type=\"string\">x</Licence>"),
     TSeverity::kWarning, "unknown-setting", "PerMachine/Licence", 5, kMachine, "Licence", "",
     "not a setting of the product key itself", 1},
    {"integer setting stored as a string",
     Roam("<Backup><Backup_Count type=\"string\">3</Backup_Count></Backup>"), TSeverity::kWarning,
     "setting-type", "PerUserRoam/Backup/Backup_Count", 5, std::string(kUser) + "\\Backup",
     "Backup Count", "type=\"integer\"", "Invalid data type for 'Backup Count'", 1},
    {"string setting stored as an integer",
     Roam("<General>\n<Prefix type=\"integer\">1</Prefix></General>"), TSeverity::kWarning,
     "setting-type", "PerUserRoam/General/Prefix", 6, std::string(kUser) + "\\General", "Prefix",
     "type=\"string\"", "as a string from REG_SZ", 1},
    {"binary where the schema holds none",
     Roam("<Appearance>\n<Visual_Theme type=\"binary\">01</Visual_Theme></Appearance>"),
     TSeverity::kWarning, "setting-type", "PerUserRoam/Appearance/Visual_Theme", 6,
     std::string(kUser) + "\\Appearance", "Visual Theme", "type=\"integer\"", "REG_BINARY", 1},
    {"file list entry stored as an integer",
     Roam("<Files><file_0 type=\"integer\">1</file_0></Files>"), TSeverity::kWarning,
     "setting-type", "PerUserRoam/Files/file_0", 5, std::string(kUser) + "\\Files", "file 0",
     "type=\"string\"", "as a path", 1},
    {"byte setting beyond 255",
     Roam("<Appearance>\n\n<Theme_Retro_Dialog_Button_Alignment type=\"integer\">300"
          "</Theme_Retro_Dialog_Button_Alignment></Appearance>"),
     TSeverity::kWarning, "setting-range",
     "PerUserRoam/Appearance/Theme_Retro_Dialog_Button_Alignment", 7,
     std::string(kUser) + "\\Appearance", "Theme Retro Dialog Button Alignment", "",
     "its low byte, 44", 1},
    {"Boolean setting neither 0 nor 1",
     Roam("<Backup><Backup_On_Start type=\"integer\">2</Backup_On_Start></Backup>"),
     TSeverity::kNote, "setting-range", "PerUserRoam/Backup/Backup_On_Start", 5,
     std::string(kUser) + "\\Backup", "Backup On Start", "1", "reads it as true", 0},
    {"section name close to a known one",
     Roam("<Genral>\n<Use_Suffix type=\"boolean\">1</Use_Suffix></Genral>"), TSeverity::kWarning,
     "unknown-section", "PerUserRoam/Genral", 5, std::string(kUser) + "\\$Unknown\\Genral", "",
     "<General>", "did you mean \"General\"?", 1},
    {"path below one user's documents",
     File("PerUserNonRoam",
          "<File_Paths>\n<Images_Path type=\"string\">C:\\Users\\jdoe\\Documents\\Wrenfold\\"
          "</Images_Path></File_Paths>"),
     TSeverity::kNote, "path-below-user-folder", "PerUserNonRoam/File_Paths/Images_Path", 6,
     std::string(kUser) + "\\File Paths", "Images Path", "[My Documents]\\Wrenfold\\",
     "\"[My Documents]\\\\\"", 0},
    {"path below one user's local application data",
     Roam("<Backup><Backup_Folder type=\"string\">D:\\Documents and Settings\\ann\\Local "
          "Settings\\Application Data\\B\\</Backup_Folder></Backup>"),
     TSeverity::kNote, "path-below-user-folder", "PerUserRoam/Backup/Backup_Folder", 5,
     std::string(kUser) + "\\Backup", "Backup Folder", "[CSIDL-LOCAL-APPDATA]B\\",
     "\"[CSIDL-LOCAL-APPDATA]\"", 0},
    {"settings the product runs",
     File("PerMachine",
          "<Updates>\n<Update_Installer_Path type=\"string\">\\\\srv\\setup.exe"
          "</Update_Installer_Path></Updates>"),
     TSeverity::kNote, "runs-program", "PerMachine/Updates/Update_Installer_Path", 6,
     std::string(kMachine) + "\\Updates", "Update Installer Path", "",
     "\"Update Installer Path\" (line 6) = \"\\\\\\\\srv\\\\setup.exe\"", 0},
    {"underscore in a path",
     Roam("<Backup><Backup_Folder type=\"string\">D:\\Team_Share\\Backups</Backup_Folder>"
          "</Backup>"),
     TSeverity::kWarning, "underscore-as-space", "PerUserRoam/Backup/Backup_Folder", 5,
     std::string(kUser) + "\\Backup", "Backup Folder", "",
     "the product gets \"D:\\\\Team Share\\\\Backups\"", 1},
    {"underscore in an address",
     Roam("<Updates><Update_Key type=\"string\">first_last@example.com</Update_Key></Updates>"),
     TSeverity::kWarning, "underscore-as-space", "PerUserRoam/Updates/Update_Key", 5,
     std::string(kUser) + "\\Updates", "Update Key", "", "reads as an address", 1},
    {"underscore in an identifier",
     Roam("<Updates><Update_Key type=\"string\">ORLX_4F2A</Update_Key></Updates>"),
     TSeverity::kWarning, "underscore-as-space", "PerUserRoam/Updates/Update_Key", 5,
     std::string(kUser) + "\\Updates", "Update Key", "", "cannot carry an underscore", 1},
    {"UTF-8 file declaring a single-byte encoding",
     File("PerUserRoam", "<General><Prefix type=\"string\">Zo\xC3\xAB</Prefix></General>",
          "<?xml version=\"1.0\" encoding=\"windows-1252\"?>"),
     TSeverity::kWarning, "encoding-mismatch", "Wrenfold_Preferences", 1, "", "",
     "encoding=\"UTF-8\"", "the first on line 5", 1},
    {"code page file declaring nothing",
     File("PerUserRoam", "<General><Prefix type=\"string\">Zo\xEB</Prefix></General>", ""),
     TSeverity::kWarning, "encoding-mismatch", "Wrenfold_Preferences", 1, "", "",
     "<?xml version=\"1.0\" encoding=\"windows-1252\"?>", "no UTF-8 sequence (the first on line 5)",
     2},
};

class SettingFindingTable : public CheckFixture {};

TEST_F(SettingFindingTable, EachFileGetsItsFindingWithItsPlaceAndFix) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const TCheckReport report = Check(row.file);
    EXPECT_EQ(ExitStatus(report), row.exitStatus);
    const auto found = std::find_if(report.findings.begin(), report.findings.end(),
                                    [&](const TFinding& f) { return f.kind == row.kind; });
    ASSERT_NE(found, report.findings.end())
        << "kinds: " << testing::PrintToString(Findings(report, row.severity));
    EXPECT_EQ(found->severity, row.severity);
    EXPECT_EQ(found->path, row.path);
    EXPECT_EQ(found->line, row.line);
    EXPECT_EQ(found->location, row.location);
    EXPECT_EQ(found->valueName, row.valueName);
    EXPECT_EQ(found->fix, row.fix);
    EXPECT_NE(found->text.find(row.textHolds), std::string::npos) << found->text;
  }
}

// The fixes the checker offers clear the finding: the same files written as
// it says give none of their kind.
TEST_F(SettingFindingTable, FilesWrittenAsSuggestedPass) {
  const std::string files[] = {
      Roam("<Backup><Backup_Count type=\"integer\">3</Backup_Count>"
           "<Backup_On_Start type=\"integer\">1</Backup_On_Start>"
           "<Backup_Folder type=\"string\">[My Documents]\\Backups\\</Backup_Folder></Backup>"
           "<General><Use_Suffix type=\"boolean\">1</Use_Suffix>"
           "<Prefix type=\"string\">;;</Prefix></General>"
           "<Appearance><Theme_Retro_Dialog_Button_Alignment type=\"integer\">255"
           "</Theme_Retro_Dialog_Button_Alignment></Appearance>"
           "<Editor><Hello type=\"string\">Hello_World</Hello></Editor>"),
      File("PerUserRoam", "<General><Prefix type=\"string\">Zo\xC3\xAB</Prefix></General>",
           "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"),
      File("PerUserRoam", "<General><Prefix type=\"string\">Zo\xEB</Prefix></General>",
           "<?xml version=\"1.0\" encoding=\"windows-1252\"?>"),
  };
  for (const std::string& file : files) {
    const TCheckReport report = Check(file);
    EXPECT_EQ(ExitStatus(report), 0)
        << testing::PrintToString(Findings(report, TSeverity::kWarning));
    EXPECT_EQ(report.Count(TSeverity::kWarning), 0u);
  }
}

// Values carry their line and registry key as findings do.
TEST_F(SettingFindingTable, ValuesCarryTheirLine) {
  const TCheckReport report =
      Check(Roam("<General>\n<!-- <Prefix type=\"string\">x</Prefix> -->\n"
                 "<Prefix type=\"string\"><![CDATA[<a>]]></Prefix>\n"
                 "<Punctuation type=\"boolean\">1</Punctuation></General>"));
  ASSERT_EQ(report.keys.size(), 1u);
  ASSERT_EQ(report.keys.front().values.size(), 2u);
  EXPECT_EQ(report.keys.front().values[0].line, 7);
  EXPECT_EQ(report.keys.front().values[1].line, 8);
  EXPECT_EQ(LocationOf(report.keys.front().key.scope, report.keys.front().key.keyPath),
            std::string(kUser) + "\\General");
}

}  // namespace
