// The last line of the unattended log: what a login script reads to learn
// whether the file arrived, since the exit code is always 0.
#include <string>
#include <vector>

#include "ImportEndToEnd.h"
#include "OutcomeRecord.h"

namespace {

using namespace importe2e;

const std::string kThreeValues = PrefsFile(
    "<PerUserRoam><General><Retype type=\"boolean\">1</Retype>"
    "<Prefix type=\"string\">;;</Prefix></General></PerUserRoam>"
    "<PerMachine><Main_Window><Width type=\"integer\">640</Width></Main_Window>"
    "</PerMachine>");

TEST_F(ImportEndToEnd, EachWayARunEndsHasItsRecord) {
  struct Case {
    const char* what;
    std::string contents;  // written as prefs.xml unless empty
    std::string arguments;
    std::string outcome;
    std::string file;  // below the scratch folder; "" for none
    int values;
    int reports;
    int skipped = 0;
  };
  const std::string prefs = "\"" + folder_ + "prefs.xml\"";
  const std::vector<Case> cases = {
      {"an import", kThreeValues, "/IC " + prefs, "imported", "prefs.xml", 3, 0},
      {"values passed over in silence",
       PrefsFile("<PerUserRoam><!-- no value --><General><!-- none --><NoType>1</NoType><Cased "
                 "type=\"Integer\">2</Cased>"
                 "<Odd type=\"binary\">zz</Odd><Bytes type=\"binary\">0A0B</Bytes>"
                 "</General></PerUserRoam>"),
       "/IC " + prefs, "imported", "prefs.xml", 1, 0, 3},
      {"a name beside /IP", kThreeValues, "/IP \"" + folder_ + "setup.exe\" /IC prefs.xml",
       "imported", "prefs.xml", 3, 0},
      {"a foreign file",
       "<?xml version=\"1.0\"?><!DOCTYPE Other_Tool_Preferences><Other_Tool_Preferences>"
       "<Wrenfold><PerUserRoam><General><Retype type=\"boolean\">1</Retype></General>"
       "</PerUserRoam></Wrenfold></Other_Tool_Preferences>",
       "/IC " + prefs, "rejected", "prefs.xml", 0, 1},
      {"a malformed file", PrefsFile("<PerUserRoam><General>"), "/IC " + prefs, "rejected",
       "prefs.xml", 0, 1},
      {"a file without a document type",
       "<?xml version=\"1.0\"?><Wrenfold_Preferences><Wrenfold/></Wrenfold_Preferences>",
       "/IC " + prefs, "rejected", "prefs.xml", 0, 1},
      {"a missing file", "", "/IC \"" + folder_ + "missing.xml\"", "file not found", "missing.xml",
       0, 0},
      {"no switch", "", "", "nothing to import", "", 0, 0},
      {"/IP alone", "", "/IP \"" + folder_ + "setup.exe\"", "nothing to import", "", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RemoveProductKeys();
    DeleteFileA((folder_ + "prefs.xml").c_str());
    if (!c.contents.empty()) testsupport::WriteFile(folder_ + "prefs.xml", c.contents);
    const auto result = testsupport::RunWrenfold(c.arguments);
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.boxes.size(), static_cast<std::size_t>(c.reports));
    ExpectRecord(result.outcome, Record(c.outcome, c.file.empty() ? "" : folder_ + c.file, c.values,
                                        c.reports, c.skipped));
  }
}

// The file's name is ANSI on the command line and UTF-8 in the record.  (The
// name is of no file: this Wine cannot make one, its Unix locale being ASCII.)
TEST_F(ImportEndToEnd, TheRecordNamesTheFileInUtf8) {
  const auto result = testsupport::RunWrenfold("/IC \"" + folder_ +
                                               "pr\xe9"
                                               "f\xe9rences.xml\"");
  EXPECT_TRUE(result.boxes.empty()) << result.boxes.front();
  ExpectRecord(result.outcome, Record("file not found",
                                      folder_ + "pr\xc3\xa9"
                                                "f\xc3\xa9rences.xml",
                                      0, 0));
}

// A value the store refuses is still a value passed to it, and the store's
// box counts among the reports although the import itself reported nothing.
TEST_F(ImportEndToEnd, TheStoresOwnBoxesAreReports) {
  const std::string tooLong(17000, 'N');
  const auto result =
      ImportFile(PrefsFile("<PerUserRoam><General><Retype type=\"boolean\">1</Retype><" + tooLong +
                           " type=\"integer\">1</" + tooLong + "></General></PerUserRoam>"));
  ASSERT_EQ(result.boxes.size(), 1u);
  EXPECT_EQ(result.boxes[0].rfind("{\"caption\":\"Wrenfold.exe", 0), 0u) << result.boxes[0];
  ExpectRecord(result.outcome, Record("imported", folder_ + "prefs.xml", 2, 1));
}

// Without the variable a run leaves nothing behind but what it imported.
TEST_F(ImportEndToEnd, NoRecordAndNoFileWithoutTheVariable) {
  testsupport::WriteFile(folder_ + "prefs.xml", kThreeValues);
  SetEnvironmentVariableA("WRENFOLD_UNATTENDED_LOG", nullptr);
  char saved[MAX_PATH];
  ASSERT_GT(GetCurrentDirectoryA(sizeof saved, saved), 0u);
  ASSERT_TRUE(SetCurrentDirectoryA(folder_.c_str()));
  const DWORD exitCode =
      testsupport::RunCommand(std::string("\"") + WF_PROGRAM_PATH + "\" /IC prefs.xml");
  SetCurrentDirectoryA(saved);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_TRUE(testsupport::KeyExists(HKEY_CURRENT_USER, std::string(kProductKey) + "\\General"));

  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const HANDLE find = FindFirstFileA((folder_ + "*").c_str(), &found);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  do {
    if (found.cFileName[0] != '.') names.push_back(found.cFileName);
  } while (FindNextFileA(find, &found));
  FindClose(find);
  EXPECT_EQ(names, std::vector<std::string>{"prefs.xml"});
}

}  // namespace
