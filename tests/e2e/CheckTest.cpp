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
       PrefsFile("<PerUserRoam><General><A type=\"integer\">5</A></General>"
                 "</PerUserRoam>"),
       0},
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
