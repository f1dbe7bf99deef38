// One small file per finding and per verdict: what the checker says about it
// and the exit status it ends with.
#include <gtest/gtest.h>

#include "CheckFixture.h"
#include "check/CheckPrefsFile.h"

namespace {

using checktest::CheckFixture;
using checktest::PrefsFile;
using checktest::ProductFile;

std::string Roam(const std::string& sections) {
  return ProductFile("<PerUserRoam>" + sections + "</PerUserRoam>");
}
std::string General(const std::string& values) { return Roam("<General>" + values + "</General>"); }
// A section whose values the schema does not list: names and types go unchecked.
std::string MainWindow(const std::string& values) {
  return Roam("<Main_Window>" + values + "</Main_Window>");
}

// Elements nested `depth` deep.
std::string Nested(int depth) {
  std::string deep;
  for (int i = 0; i < depth; ++i) deep += "<d>";
  for (int i = 0; i < depth; ++i) deep += "</d>";
  return deep;
}

const std::string kGood = "<Case_Sensitive type=\"integer\">5</Case_Sensitive>";

struct Row {
  const char* name;
  std::string file;
  TCheckVerdict verdict;
  int exitStatus;
  std::vector<std::string> warnings;  // kind@path, in order
  std::vector<std::string> notes;
};

const Row kRows[] = {
    {"clean", General(kGood), TCheckVerdict::kImported, 0, {}, {}},
    {"no type",
     General("<Case_Sensitive>5</Case_Sensitive>"),
     TCheckVerdict::kImported,
     1,
     {"value-without-type@PerUserRoam/General/Case_Sensitive"},
     {}},
    // ē has a look-alike in the code page, a CJK ideograph none.
    {"characters the ANSI code page lacks",
     Roam("<Gen\xC4\x93ral><Prefix type=\"string\">x\xE4\xB8\xAD</Prefix>"
          "<Invalid_Chars type=\"string\">\xC3\xA9</Invalid_Chars>"
          "</Gen\xC4\x93ral>"),
     TCheckVerdict::kImported,
     1,
     {"ansi-conversion@PerUserRoam/General", "ansi-conversion@PerUserRoam/General/Prefix"},
     {}},
    {"type word in another letter case",
     General("<Case_Sensitive type=\"Integer\">5</Case_Sensitive>"),
     TCheckVerdict::kImported,
     1,
     {"unknown-type@PerUserRoam/General/Case_Sensitive"},
     {}},
    {"integer not a number in full",
     General("<Case_Sensitive type=\"integer\">12a</Case_Sensitive>"),
     TCheckVerdict::kImported,
     1,
     {"not-a-number@PerUserRoam/General/Case_Sensitive"},
     {}},
    {"boolean word",
     General("<Case_Sensitive type=\"boolean\">true</Case_Sensitive>"),
     TCheckVerdict::kImported,
     1,
     {"not-a-number@PerUserRoam/General/Case_Sensitive"},
     {}},
    {"empty integer",
     General("<Case_Sensitive type=\"integer\"/>"),
     TCheckVerdict::kImported,
     1,
     {"not-a-number@PerUserRoam/General/Case_Sensitive"},
     {}},
    {"integer out of range",
     General("<Case_Sensitive type=\"integer\">2147483648</Case_Sensitive>"),
     TCheckVerdict::kImported,
     1,
     {"out-of-range@PerUserRoam/General/Case_Sensitive"},
     {}},
    {"binary failing the length rule",
     General("<Case_Sensitive type=\"binary\">0A,0B,0C</Case_Sensitive>"),
     TCheckVerdict::kImported,
     1,
     {"binary-length@PerUserRoam/General/Case_Sensitive"},
     {}},
    {"binary with a separator",
     MainWindow("<Placement type=\"binary\">0A,0B</Placement>"),
     TCheckVerdict::kImported,
     1,
     {"binary-stray@PerUserRoam/Main_Window/Placement"},
     {"unlisted-section@PerUserRoam/Main_Window"}},
    {"binary with an unpaired digit",
     MainWindow("<Placement type=\"binary\">0A0B0</Placement>"),
     TCheckVerdict::kImported,
     1,
     {"binary-unpaired@PerUserRoam/Main_Window/Placement"},
     {"unlisted-section@PerUserRoam/Main_Window"}},
    {"CDATA value",
     General("<Invalid_Chars type=\"string\"><![CDATA[text]]></Invalid_Chars>"),
     TCheckVerdict::kImported,
     1,
     {"not-text-element@PerUserRoam/General/Invalid_Chars"},
     {}},
    {"value with a comment in its text",
     General("<Invalid_Chars type=\"string\">a<!-- x -->b</Invalid_Chars>"),
     TCheckVerdict::kImported,
     1,
     {"not-text-element@PerUserRoam/General/Invalid_Chars"},
     {}},
    {"value with child elements",
     General("<Case_Sensitive type=\"integer\"><B>5</B></Case_Sensitive>"),
     TCheckVerdict::kImported,
     1,
     {"not-text-element@PerUserRoam/General/Case_Sensitive"},
     {}},
    {"misspelt scope",
     ProductFile("<perUserRoam><General>" + kGood + "</General></perUserRoam>"),
     TCheckVerdict::kImported,
     1,
     {"unknown-scope@perUserRoam"},
     {}},
    {"other element beside the product",
     PrefsFile("<Options/><Wrenfold><PerUserRoam><General>" + kGood +
               "</General></PerUserRoam></Wrenfold>"),
     TCheckVerdict::kImported,
     1,
     {"ignored-element@Wrenfold_Preferences/Options"},
     {}},
    {"text directly in the document element",
     PrefsFile("stray<Wrenfold><PerUserRoam><General>" + kGood +
               "</General></PerUserRoam></Wrenfold>"),
     TCheckVerdict::kImported,
     1,
     {"ignored-text@Wrenfold_Preferences/#text"},
     {}},
    {"product element that is a text element",
     PrefsFile("<Wrenfold>5</Wrenfold>"),
     TCheckVerdict::kImported,
     1,
     {"ignored-element@Wrenfold_Preferences/Wrenfold", "no-product@Wrenfold_Preferences"},
     {}},
    {"no product element",
     PrefsFile("<!-- nothing yet -->"),
     TCheckVerdict::kImported,
     1,
     {"no-product@Wrenfold_Preferences"},
     {}},
    {"value directly in the product element",
     ProductFile("<Uses type=\"integer\">5</Uses><PerUserRoam><General>" + kGood +
                 "</General></PerUserRoam>"),
     TCheckVerdict::kImported,
     1,
     {"ignored-element@Wrenfold/Uses"},
     {}},
    {"text directly in the product element",
     ProductFile("stray<PerUserRoam><General>" + kGood + "</General></PerUserRoam>"),
     TCheckVerdict::kImported,
     1,
     {"ignored-text@Wrenfold/#text"},
     {}},
    {"text directly in a scope element",
     Roam("stray<General>" + kGood + "</General>"),
     TCheckVerdict::kImported,
     1,
     {"ignored-text@PerUserRoam/#text"},
     {}},
    {"text directly in a section element",
     General("stray" + kGood),
     TCheckVerdict::kImported,
     1,
     {"ignored-text@PerUserRoam/General/#text"},
     {}},
    {"empty value directly in a scope",
     Roam("<Licence type=\"string\"/>"),
     TCheckVerdict::kImported,
     1,
     {"value-read-as-section@PerUserRoam/Licence"},
     {}},
    {"same value twice in a section",
     General("<Case_Sensitive type=\"integer\">1</Case_Sensitive><case_sensitive "
             "type=\"integer\">2</case_sensitive>"),
     TCheckVerdict::kImported,
     1,
     {"duplicate-value@PerUserRoam/General/case_sensitive"},
     {}},
    {"same value in both per-user scopes",
     ProductFile("<PerUserRoam><General>" + kGood + "</General></PerUserRoam><PerUserNonRoam>" +
                 "<general>" + kGood + "</general></PerUserNonRoam>"),
     TCheckVerdict::kImported,
     1,
     {"duplicate-value@PerUserNonRoam/general/Case_Sensitive"},
     {}},
    {"same value per user and per machine",
     ProductFile("<PerUserRoam><General>" + kGood + "</General></PerUserRoam><PerMachine>" +
                 "<General>" + kGood + "</General></PerMachine>"),
     TCheckVerdict::kImported,
     0,
     {},
     {"per-machine@PerMachine/General"}},
    {"comments everywhere",
     PrefsFile("<!--1--><Wrenfold><!--2--><PerUserRoam><!--3--><General><!--4-->" + kGood +
               "</General></PerUserRoam></Wrenfold>"),
     TCheckVerdict::kImported,
     0,
     {},
     {}},
    {"skipped sections",
     Roam("<Schedules>" + kGood + "</Schedules><x_0x24_temp_y>" + kGood + "</x_0x24_temp_y>" +
          "<_0x24_Unknown_Old>" + kGood + "</_0x24_Unknown_Old>"),
     TCheckVerdict::kImported,
     0,
     {},
     {"skipped-section@PerUserRoam/Schedules", "skipped-section@PerUserRoam/x_0x24_temp_y",
      "skipped-section@PerUserRoam/_0x24_Unknown_Old"}},
    {"section the product does not have",
     Roam("<My_Stuff>" + kGood + "</My_Stuff>"),
     TCheckVerdict::kImported,
     0,
     {},
     {"unknown-section@PerUserRoam/My_Stuff"}},
    {"empty section",
     Roam("<General/><Backup><Backup_Count type=\"integer\">5</Backup_Count></Backup>"),
     TCheckVerdict::kImported,
     0,
     {},
     {"empty-section@PerUserRoam/General"}},
    {"empty scope",
     ProductFile("<PerMachine/>"),
     TCheckVerdict::kImported,
     0,
     {},
     {"empty-scope@PerMachine"}},
    {"per-machine values",
     ProductFile("<PerMachine><Uses type=\"integer\">1</Uses><Updates>"
                 "<Update_Key type=\"string\">k</Update_Key></Updates></PerMachine>"),
     TCheckVerdict::kImported,
     0,
     {},
     {"per-machine@PerMachine/Uses", "per-machine@PerMachine/Updates"}},
    {"another product's file",
     "<?xml version=\"1.0\"?><!DOCTYPE Wrenfold_Preferences><Other_Tool_Preferences>"
     "<Wrenfold/></Other_Tool_Preferences>",
     TCheckVerdict::kForeign,
     2,
     {},
     {}},
    {"no document type declaration",
     "<?xml version=\"1.0\"?><Wrenfold_Preferences><Wrenfold/></Wrenfold_Preferences>",
     TCheckVerdict::kRejected,
     2,
     {},
     {}},
    {"not well-formed",
     "<?xml version=\"1.0\"?><!DOCTYPE Wrenfold_Preferences><Wrenfold_Pref",
     TCheckVerdict::kRejected,
     2,
     {},
     {}},
    {"nested beyond the limit", PrefsFile(Nested(100)), TCheckVerdict::kRejected, 2, {}, {}},
};

class FindingTable : public CheckFixture {};

TEST_F(FindingTable, EachFileGetsItsFindingsAndExitStatus) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const TCheckReport report = Check(row.file);
    EXPECT_EQ(report.verdict, row.verdict);
    EXPECT_EQ(ExitStatus(report), row.exitStatus);
    EXPECT_EQ(Findings(report, TSeverity::kWarning), row.warnings);
    EXPECT_EQ(Findings(report, TSeverity::kNote), row.notes);
    // The program's own message exactly when it would show one.
    EXPECT_EQ(report.report.empty(), row.verdict == TCheckVerdict::kImported) << report.report;
  }
}

TEST_F(FindingTable, AMissingFileIsNotFound) {
  const TCheckReport report = CheckPrefsFile(PathIn("absent.xml"));
  EXPECT_EQ(report.verdict, TCheckVerdict::kNotFound);
  EXPECT_EQ(ExitStatus(report), 2);
  EXPECT_TRUE(report.findings.empty());
}

}  // namespace
