// CheckWrenfoldPrefs.exe under Wine: what it says and how it ends, as the
// in-process checks of tests/check/ expect; and its .reg file, imported with
// `reg import` into empty product keys, leaves the registry exactly as the
// program's own import of the same file does.
#include <sstream>

#include "ImportEndToEnd.h"
#include "check/CheckPrefsFile.h"
#include "check/ReportJson.h"
#include "platform/Services.h"
#include "platform/win32/Win32Services.h"

namespace {

using namespace importe2e;

using CheckerRun = testsupport::ConsoleRun;

CheckerRun RunChecker(const std::string& arguments) {
  return testsupport::RunConsoleProgram("CheckWrenfoldPrefs.exe", arguments);
}

// Every type, .reg's escapes, a text over two lines, a character beyond ASCII,
// a key opened without a value landing in it, and values per machine.
std::string EveryKindFile() {
  std::string scopes =
      "<PerUserRoam>"
      "<Uses type=\"integer\">-1</Uses>"
      "<General>"
      "<Path type=\"string\">C:\\dir\\&amp;#34;q&amp;#34;</Path>"
      "<Lines type=\"string\">first&#13;&#10;second&#10;third</Lines>"
      "<Caf\xC3\xA9 type=\"string\">\xC3\xA9t\xC3\xA9</Caf\xC3\xA9>"
      "<Tab type=\"string\">a&#9;b</Tab>"
      "<On type=\"boolean\">7</On>"
      "<Blob type=\"binary\">0A0BFF</Blob>"
      "<Nothing type=\"binary\"></Nothing>"
      "<Long type=\"binary\">";
  scopes.append(200, 'C');
  scopes.append(
      "</Long>"
      "<Empty type=\"string\"></Empty>"
      "</General>"
      "<Backup><Untyped>1</Untyped></Backup>"
      "<My_Stuff><x type=\"integer\">$10</x></My_Stuff>"
      "</PerUserRoam>"
      "<PerUserNonRoam><File_Paths><Logs_Path type=\"string\">\\\\server\\logs\\</Logs_Path>"
      "</File_Paths></PerUserNonRoam>"
      "<PerMachine><Licence type=\"string\">Site</Licence>"
      "<Updates><Minutes type=\"integer\">15</Minutes></Updates></PerMachine>");
  return PrefsFile(scopes);
}

class CheckerEndToEnd : public ImportEndToEnd {
 protected:
  // The registry the program's import leaves, and the one the checker's
  // .reg file leaves, each from empty product keys; both as `reg export`
  // shows them, the user's key and then the machine's.
  void ExpectSameRegistry(const std::string& file) {
    const auto imported = testsupport::RunWrenfold("/IC " + Quoted(file));
    EXPECT_TRUE(imported.boxes.empty()) << imported.boxes.front();
    const std::string byProgram =
        testsupport::RegExport(kUserKey) + testsupport::RegExport(kMachineKey);
    RemoveProductKeys();

    const std::string reg = folder_ + "values.reg";
    const CheckerRun checked = RunChecker("--reg " + Quoted(reg) + " " + Quoted(file));
    EXPECT_LE(checked.exitCode, 1u) << checked.out << checked.err;
    ASSERT_EQ(testsupport::RunCommand("reg import " + Quoted(reg)), 0u)
        << testsupport::ReadFile(reg);
    const std::string byRegFile =
        testsupport::RegExport(kUserKey) + testsupport::RegExport(kMachineKey);

    EXPECT_NE(byProgram.find("[HKEY_CURRENT_USER"), std::string::npos) << byProgram;
    EXPECT_NE(byProgram.find("[HKEY_LOCAL_MACHINE"), std::string::npos) << byProgram;
    EXPECT_EQ(byRegFile, byProgram);
  }
};

TEST_F(CheckerEndToEnd, RegFileOfTheExampleGivesTheProgramsRegistry) {
  ExpectSameRegistry(SourceFile("examples\\Wrenfold-Preferences.xml"));
}

TEST_F(CheckerEndToEnd, RegFileOfEveryKindOfValueGivesTheProgramsRegistry) {
  testsupport::WriteFile(folder_ + "every.xml", EveryKindFile());
  ExpectSameRegistry(folder_ + "every.xml");
}

TEST_F(CheckerEndToEnd, TheExampleFilePasses) {
  const CheckerRun run = RunChecker(Quoted(SourceFile("examples\\Wrenfold-Preferences.xml")));
  EXPECT_EQ(run.exitCode, 0u) << run.out;
  EXPECT_NE(run.out.find("Result: 0 warnings"), std::string::npos) << run.out;
  EXPECT_TRUE(run.err.empty()) << run.err;
}

// The program says what the in-process check says, byte for byte, and ends
// with the status it gives.
TEST_F(CheckerEndToEnd, TheProgramSaysWhatTheCheckSays) {
  const struct {
    const char* name;
    std::string contents;
    DWORD exitCode;
  } cases[] = {
      {"clean.xml",
       PrefsFile("<PerUserRoam><General><Case_Sensitive type=\"integer\">5</Case_Sensitive>"
                 "</General></PerUserRoam>"),
       0},
      {"schema.xml",
       PrefsFile("<PerUserRoam><Genral><Use_Suffix type=\"boolean\">1</Use_Suffix></Genral>"
                 "<Backup><Backup_Count type=\"string\">3</Backup_Count></Backup></PerUserRoam>"),
       1},
      {"warned.xml",
       PrefsFile("<perUserRoam><General><A type=\"Integer\">5</A>"
                 "<B type=\"string\"><![CDATA[x]]></B></General></perUserRoam>"),
       1},
      {"foreign.xml", "<?xml version=\"1.0\"?><!DOCTYPE Other_Preferences><Other_Preferences/>", 2},
      {"broken.xml", "<?xml version=\"1.0\"?><!DOCTYPE Wrenfold_Preferences><Wrenfold_Pre", 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = folder_ + c.name;
    testsupport::WriteFile(file, c.contents);
    const CheckerRun run = RunChecker("--json " + Quoted(file));
    EXPECT_EQ(run.exitCode, c.exitCode) << run.out;

    platform::ScopedServices services;
    platform::win32::InstallServices();
    std::ostringstream expected;
    WriteJsonReport(CheckPrefsFile(file), expected);
    EXPECT_EQ(run.out, expected.str());
  }
}

// The findings the host build's checker gives for the same files (see
// tests/check/SettingFindingTest.cpp), with their lines, keys and fixes.
TEST_F(CheckerEndToEnd, FindingsOfTheSettingsAndOfSilentDamage) {
  const struct {
    const char* name;
    std::string contents;
    std::string arguments;
    DWORD exitCode;
    std::string finding;  // a part of its JSON record
  } cases[] = {
      {"misspelt.xml",
       "<?xml version=\"1.0\"?>\n<!DOCTYPE Wrenfold_Preferences>\n<Wrenfold_Preferences>"
       "<Wrenfold>\n<PerUserRoam>\n<Backup>\n<Backup_Cont type=\"integer\">3</Backup_Cont>\n"
       "</Backup></PerUserRoam></Wrenfold></Wrenfold_Preferences>\n",
       "", 1,
       "\"kind\":\"unknown-setting\",\"path\":\"PerUserRoam/Backup/Backup_Cont\",\"line\":6,"
       "\"location\":\"HKCU\\\\Software\\\\Orlavex\\\\Wrenfold 4\\\\Backup\",\"name\":\"Backup "
       "Cont\",\"text\":\"not a setting of section \\\"Backup\\\": the product never reads "
       "\\\"Backup Cont\\\"; did you mean \\\"Backup Count\\\"?\",\"fix\":\"<Backup_Count>\"}"},
      {"underscore.xml",
       PrefsFile("<PerUserRoam><Backup><Backup_Folder type=\"string\">D:\\Team_Share\\B"
                 "</Backup_Folder></Backup></PerUserRoam>"),
       "", 1, "\"kind\":\"underscore-as-space\",\"path\":\"PerUserRoam/Backup/Backup_Folder\""},
      {"encoding.xml",
       "<?xml version=\"1.0\" encoding=\"windows-1252\"?><!DOCTYPE Wrenfold_Preferences>"
       "<Wrenfold_Preferences><Wrenfold><PerUserRoam><General><Prefix type=\"string\">Zo\xC3\xAB"
       "</Prefix></General></PerUserRoam></Wrenfold></Wrenfold_Preferences>",
       "", 1, "\"kind\":\"encoding-mismatch\",\"path\":\"Wrenfold_Preferences\",\"line\":1,"},
      // "Ł" is in code page 1250 and not in 1252.
      {"codepage.xml",
       PrefsFile("<PerUserRoam><General><Prefix type=\"string\">\xC5\x81</Prefix></General>"
                 "</PerUserRoam>"),
       "--codepage 1250 ", 0, "\"name\":\"Prefix\",\"type\":\"string\",\"data\":\"\xC5\x81\"}"},
      {"strict.xml",
       PrefsFile(
           "<PerMachine><Network><Minutes type=\"integer\">5</Minutes></Network></PerMachine>"),
       "--strict ", 1, "\"kind\":\"per-machine\",\"path\":\"PerMachine/Network\","},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = folder_ + c.name;
    testsupport::WriteFile(file, c.contents);
    const CheckerRun run = RunChecker("--json " + c.arguments + Quoted(file));
    EXPECT_EQ(run.exitCode, c.exitCode) << run.out << run.err;
    EXPECT_NE(run.out.find(c.finding), std::string::npos) << run.out;
  }
  // Without the code page it was written for, "Ł" cannot be carried.
  const CheckerRun acp = RunChecker("--json " + Quoted(folder_ + "codepage.xml"));
  EXPECT_EQ(acp.exitCode, 1u) << acp.out;
  EXPECT_NE(acp.out.find("\"kind\":\"ansi-conversion\""), std::string::npos) << acp.out;
}

// The usage on request; and no .reg file of an earlier check stays beside a
// verdict that writes none.
TEST_F(CheckerEndToEnd, HelpAndAStaleRegFile) {
  for (const char* asked : {"/?", "-h", "--help"}) {
    const CheckerRun help = RunChecker(asked);
    EXPECT_EQ(help.exitCode, 0u) << asked;
    EXPECT_EQ(help.out.rfind("usage: CheckWrenfoldPrefs", 0), 0u) << help.out;
  }
  const std::string reg = folder_ + "stale.reg";
  testsupport::WriteFile(reg, "older");
  testsupport::WriteFile(folder_ + "foreign.xml",
                         "<?xml version=\"1.0\"?><!DOCTYPE Other_Preferences><Other_Preferences/>");
  const CheckerRun foreign =
      RunChecker("--reg " + Quoted(reg) + " " + Quoted(folder_ + "foreign.xml"));
  EXPECT_EQ(foreign.exitCode, 2u);
  EXPECT_NE(foreign.out.find("Verdict: rejected (foreign)"), std::string::npos) << foreign.out;
  EXPECT_EQ(GetFileAttributesA(reg.c_str()), INVALID_FILE_ATTRIBUTES);

  testsupport::WriteFile(reg, "older");
  const CheckerRun good = RunChecker("--reg " + Quoted(reg) + " " +
                                     Quoted(SourceFile("examples\\Wrenfold-Preferences.xml")));
  EXPECT_EQ(good.exitCode, 0u) << good.out;
  EXPECT_EQ(testsupport::ReadFile(reg).rfind("\xFF\xFE", 0), 0u);
}

TEST_F(CheckerEndToEnd, AMissingFileAndAWrongCommandLine) {
  const CheckerRun missing = RunChecker(Quoted(folder_ + "absent.xml"));
  EXPECT_EQ(missing.exitCode, 2u);
  EXPECT_NE(missing.out.find("file not found"), std::string::npos) << missing.out;

  const CheckerRun wrong = RunChecker("--what " + Quoted(folder_ + "absent.xml"));
  EXPECT_EQ(wrong.exitCode, 64u);
  EXPECT_TRUE(wrong.out.empty()) << wrong.out;
  EXPECT_NE(wrong.err.find("usage: CheckWrenfoldPrefs"), std::string::npos) << wrong.err;
}

}  // namespace
