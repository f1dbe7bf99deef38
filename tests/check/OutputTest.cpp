// What the checker writes: the .reg file, the report's value lines in text
// and JSON, and the command line around them.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "CheckFixture.h"
#include "check/CheckCommand.h"
#include "check/CheckPrefsFile.h"
#include "check/RegFile.h"
#include "check/ReportJson.h"
#include "check/ReportText.h"
#include "platform/Services.h"
#include "platform/Ui.h"

namespace {

using checktest::CheckFixture;
using checktest::ProductFile;

// Every type, the characters .reg strings escape, a text with a line end, a
// character beyond ASCII, a key the import opens without writing into it, and
// values per machine.  The text is written as the program's parser reads it:
// "&#10;" is a line feed, "é" is in the ANSI code page.
const std::string kEveryKind = ProductFile(
    "<PerUserRoam>"
    "<Uses type=\"integer\">-1</Uses>"
    "<General>"
    "<Path type=\"string\">C:\\dir\\&amp;#34;q&amp;#34;</Path>"
    "<Lines type=\"string\">a&#10;b</Lines>"
    "<Caf\xC3\xA9 type=\"string\">\xC3\xA9t\xC3\xA9</Caf\xC3\xA9>"
    "<On type=\"boolean\">1</On>"
    "<Blob type=\"binary\">0A0BFF</Blob>"
    "<Nothing type=\"binary\"></Nothing>"
    "</General>"
    "<Backup><Untyped>1</Untyped></Backup>"
    "</PerUserRoam>"
    "<PerMachine><Updates><Minutes type=\"integer\">15</Minutes></Updates></PerMachine>");

// UTF-16 LE (after its byte-order mark) as UTF-8, for comparing.
std::string Utf8OfUtf16(const std::string& bytes) {
  std::string out;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const unsigned code =
        static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return out;
}

// The file without its comment lines.
std::string WithoutComments(const std::string& text) {
  std::string out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(';', 0) != 0) out += line + "\n";
  }
  return out;
}

class CheckOutput : public CheckFixture {};

TEST_F(CheckOutput, RegFileHoldsEveryKeyOpenedAndEveryValueAsRegistryEditorWritesIt) {
  const TCheckReport report = Check(kEveryKind);
  ASSERT_EQ(report.verdict, TCheckVerdict::kImported) << report.report;
  const std::string bytes = RegFileBytes(report);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  const std::string text = Utf8OfUtf16(bytes);
  EXPECT_EQ(text.rfind("Windows Registry Editor Version 5.00\r\n", 0), 0u);
  EXPECT_NE(text.find("\r\n; "), std::string::npos) << "the comment about per-user values";
  EXPECT_EQ(text.find('\n', 0), text.find("\r\n", 0) + 1);

  EXPECT_EQ(WithoutComments(text),
            "Windows Registry Editor Version 5.00\r\n"
            "\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4]\r\n"
            "\"Uses\"=dword:ffffffff\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\General]\r\n"
            "\"Path\"=\"C:\\\\dir\\\\\\\"q\\\"\"\r\n"
            "\"Lines\"=hex(1):61,00,0a,00,62,00,00,00\r\n"
            "\"Caf\xC3\xA9\"=\"\xC3\xA9t\xC3\xA9\"\r\n"
            "\"On\"=dword:00000001\r\n"
            "\"Blob\"=hex:0a,0b,ff\r\n"
            "\"Nothing\"=hex:\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\Backup]\r\n"
            "\r\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Orlavex\\Wrenfold 4\\Updates]\r\n"
            "\"Minutes\"=dword:0000000f\r\n"
            "\r\n");
}

TEST_F(CheckOutput, LongHexDataWrapsAsRegistryEditorWrapsIt) {
  std::string digits;
  for (int i = 0; i < 40; ++i) digits += "AB";
  const TCheckReport report = Check(ProductFile("<PerUserRoam><General><Blob type=\"binary\">" +
                                                digits + "</Blob></General></PerUserRoam>"));
  const std::string text = Utf8OfUtf16(RegFileBytes(report));
  std::string expected = "\"Blob\"=hex:";
  std::size_t column = expected.size();
  for (int i = 0; i < 40; ++i) {
    expected += "ab";
    column += 2;
    if (i == 39) break;
    expected += ",";
    ++column;
    if (column >= 76) {
      expected += "\\\r\n  ";
      column = 2;
    }
  }
  EXPECT_NE(text.find(expected + "\r\n"), std::string::npos) << text;
}

TEST_F(CheckOutput, TextReportShowsDataAsStored) {
  const TCheckReport report = Check(kEveryKind);
  std::ostringstream out;
  WriteTextReport(report, out);
  const std::string text = out.str();
  for (const char* line : {
           "Verdict: imported: the program writes 8 values into 4 keys\n",
           "Code page: 1252 ",
           "  HKCU\\Software\\Orlavex\\Wrenfold 4 (cfgPerUserRoam):\n"
           "    \"Uses\" = integer -1 (0xFFFFFFFF)  (line 3)\n",
           "    \"Path\" = string \"C:\\\\dir\\\\\\\"q\\\"\"  (line 3)\n",
           "    \"Lines\" = string \"a\\nb\"  (line 3)\n",
           "    \"Caf\xC3\xA9\" = string \"\xC3\xA9t\xC3\xA9\"  (line 3)\n",
           "    \"On\" = boolean true (1)  (line 3)\n",
           "    \"Blob\" = binary, 3 bytes: 0A 0B FF  (line 3)\n",
           "    \"Nothing\" = binary, 0 bytes  (line 3)\n",
           "  HKCU\\Software\\Orlavex\\Wrenfold 4\\Backup (cfgPerUserRoam):\n"
           "    (opened and created, no value)\n",
           "  HKLM\\Software\\Orlavex\\Wrenfold 4\\Updates (cfgPerMachine):\n"
           "    \"Minutes\" = integer 15 (0x0000000F)  (line 3)\n",
           "  PerUserRoam/Backup/Untyped  [value-without-type]  line 3\n"
           "    HKCU\\Software\\Orlavex\\Wrenfold 4\\Backup, value \"Untyped\"\n",
           "  PerMachine/Updates/Minutes  [unknown-setting]  line 3\n"
           "    HKLM\\Software\\Orlavex\\Wrenfold 4\\Updates, value \"Minutes\"\n"
           "    not a setting of section \"Updates\": the product never reads \"Minutes\"; it is a "
           "setting of section \"Network\"\n"
           "    write instead: move it into <Network>\n",
           "Result: 8 warnings, 1 note; exit status 1\n",
       }) {
    EXPECT_NE(text.find(line), std::string::npos) << line << "\nin:\n" << text;
  }
}

TEST_F(CheckOutput, JsonLinesCarryTheSameRecords) {
  const TCheckReport report = Check(kEveryKind);
  std::ostringstream out;
  WriteJsonReport(report, out);
  std::vector<std::string> lines;
  std::istringstream in(out.str());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front().rfind("{\"record\":\"verdict\",\"file\":", 0), 0u) << lines.front();
  EXPECT_NE(
      lines.front().find(",\"verdict\":\"imported\",\"reason\":\"\",\"codepage\":1252,\"report\":"
                         "\"\",\"values\":8,\"keys\":4}"),
      std::string::npos)
      << lines.front();
  EXPECT_EQ(lines.back(), "{\"record\":\"summary\",\"warnings\":8,\"notes\":1,\"exit\":1}");
  for (const char* expected : {
           "{\"record\":\"key\",\"root\":\"HKEY_CURRENT_USER\",\"scope\":\"cfgPerUserRoam\","
           "\"key\":\"Software\\\\Orlavex\\\\Wrenfold 4\\\\Backup\",\"section\":\"Backup\"}",
           "{\"record\":\"value\",\"path\":\"PerUserRoam/General/Lines\",\"line\":3,"
           "\"location\":\"HKCU\\\\Software\\\\Orlavex\\\\Wrenfold 4\\\\General\",\"root\":"
           "\"HKEY_CURRENT_USER\",\"scope\":\"cfgPerUserRoam\",\"key\":\"Software\\\\Orlavex\\\\"
           "Wrenfold 4\\\\General\",\"section\":\"General\",\"name\":\"Lines\",\"type\":\"string\","
           "\"data\":\"a\\nb\"}",
           "{\"record\":\"value\",\"path\":\"PerUserRoam/Uses\",\"line\":3,\"location\":"
           "\"HKCU\\\\Software\\\\Orlavex\\\\Wrenfold 4\",\"root\":\"HKEY_CURRENT_USER\","
           "\"scope\":\"cfgPerUserRoam\",\"key\":\"Software\\\\Orlavex\\\\Wrenfold 4\","
           "\"section\":\"\",\"name\":\"Uses\",\"type\":\"integer\",\"data\":-1}",
           "\"name\":\"On\",\"type\":\"boolean\",\"data\":true}",
           "\"name\":\"Blob\",\"type\":\"binary\",\"data\":\"0A0BFF\"}",
           "{\"record\":\"finding\",\"severity\":\"warning\",\"kind\":\"value-without-type\","
           "\"path\":\"PerUserRoam/Backup/Untyped\",\"line\":3,\"location\":\"HKCU\\\\Software\\\\"
           "Orlavex\\\\Wrenfold 4\\\\Backup\",\"name\":\"Untyped\",\"text\":",
           "\"kind\":\"unknown-setting\",\"path\":\"PerMachine/Updates/Minutes\",\"line\":3,"
           "\"location\":\"HKLM\\\\Software\\\\Orlavex\\\\Wrenfold "
           "4\\\\Updates\",\"name\":\"Minutes\","
           "\"text\":\"not a setting of section \\\"Updates\\\": the product never reads "
           "\\\"Minutes\\\"; "
           "it is a setting of section \\\"Network\\\"\",\"fix\":\"move it into <Network>\"}",
       }) {
    bool found = false;
    for (const std::string& line : lines) found = found || line.find(expected) != std::string::npos;
    EXPECT_TRUE(found) << expected << "\nin:\n" << out.str();
  }
}

TEST_F(CheckOutput, TheForeignFileVerdictQuotesTheProgramsMessage) {
  const TCheckReport report =
      Check("<?xml version=\"1.0\"?><!DOCTYPE Wrenfold_Preferences><Other_Tool_Preferences/>");
  EXPECT_EQ(report.report,
            "This configuration file belongs to Other Tool\r\nand is not compatible with "
            "Wrenfold.");
  std::ostringstream out;
  WriteTextReport(report, out);
  EXPECT_NE(out.str().find("Verdict: rejected (foreign): another product's file; the program "
                           "shows this message and writes nothing\n"
                           "    This configuration file belongs to Other Tool\n"
                           "    and is not compatible with Wrenfold.\n"),
            std::string::npos)
      << out.str();
}

TEST_F(CheckOutput, ACheckWritesNothingAndShowsNothing) {
  const TCheckReport report = Check(kEveryKind);
  ASSERT_EQ(report.ValueCount(), 8u);
  // The services installed around the check are untouched.
  std::uint32_t subKeys = 1;
  std::uint32_t values = 1;
  ASSERT_EQ(env.registry.QueryInfoKey(platform::reg::kCurrentUser, &subKeys, &values), 0);
  EXPECT_EQ(subKeys, 0u);
  ASSERT_EQ(env.registry.QueryInfoKey(platform::reg::kLocalMachine, &subKeys, &values), 0);
  EXPECT_EQ(subKeys, 0u);
  EXPECT_TRUE(env.ui.boxes.empty());
}

struct CommandCase {
  std::vector<std::string> arguments;
  int status;
};

TEST_F(CheckOutput, CommandLine) {
  WriteFile("good.xml", kEveryKind);
  WriteFile("foreign.xml",
            "<?xml version=\"1.0\"?><!DOCTYPE Other_Preferences><Other_Preferences/>");
  const std::string good = PathIn("good.xml");
  const std::string reg = PathIn("out.reg");
  const CommandCase cases[] = {
      {{}, 64},
      {{"--json"}, 64},
      {{"--bogus", good}, 64},
      {{good, good}, 64},
      {{good, "--reg"}, 64},
      {{"--reg", reg, "--reg", reg, good}, 64},
      {{good}, 1},
      {{"--json", good}, 1},
      {{PathIn("absent.xml")}, 2},
      {{PathIn("foreign.xml")}, 2},
      {{"/?"}, 0},
      {{"-h", good}, 0},
      {{"--help"}, 0},
  };
  for (const CommandCase& c : cases) {
    std::string line;
    for (const std::string& argument : c.arguments) line += argument + " ";
    SCOPED_TRACE(line);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCheckCommand(c.arguments, out, err, machine), c.status);
    if (c.status == 64) {
      EXPECT_TRUE(out.str().empty());
      EXPECT_NE(err.str().find("usage: CheckWrenfoldPrefs [--json] [--reg OUT.reg] [--strict] "
                               "[--codepage N]\n"),
                std::string::npos)
          << err.str();
    } else {
      EXPECT_FALSE(out.str().empty());
    }
  }

  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCheckCommand({PathIn("absent.xml")}, out, err, machine), 2);
  EXPECT_NE(out.str().find("Verdict: file not found: "), std::string::npos) << out.str();

  std::ostringstream help;
  EXPECT_EQ(RunCheckCommand({"--help"}, help, err, machine), 0);
  EXPECT_EQ(help.str().rfind("usage: CheckWrenfoldPrefs", 0), 0u) << help.str();
}

// Notes alone pass, unless they are to count as warnings.
TEST_F(CheckOutput, StrictCountsNotesAsWarnings) {
  WriteFile("notes.xml", ProductFile("<PerMachine><Network><Minutes type=\"integer\">5</Minutes>"
                                     "</Network></PerMachine>"));
  for (const bool strict : {false, true}) {
    std::vector<std::string> arguments = {PathIn("notes.xml")};
    if (strict) arguments.insert(arguments.begin(), "--strict");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCheckCommand(arguments, out, err, machine), strict ? 1 : 0);
    EXPECT_NE(out.str().find(std::string("Result: 0 warnings, 1 note") +
                             (strict ? " (strict: notes count as warnings)" : "") +
                             "; exit status " + (strict ? "1" : "0") + "\n"),
              std::string::npos)
        << out.str();
  }
}

// The report's last line gives the status the command ends with, also when
// the .reg file cannot be written.
TEST_F(CheckOutput, AnUnwritableRegFileEndsWithTheStatusTheReportGives) {
  WriteFile("good.xml", kEveryKind);
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(
      RunCheckCommand({"--json", "--reg", PathIn("no such folder/out.reg"), PathIn("good.xml")},
                      out, err, machine),
      2);
  EXPECT_NE(out.str().find("\"exit\":2}\n"), std::string::npos) << out.str();
  EXPECT_NE(err.str().find("cannot write"), std::string::npos) << err.str();
}

TEST_F(CheckOutput, RegFileOnlyForAFileTheProgramImports) {
  WriteFile("good.xml", kEveryKind);
  WriteFile("foreign.xml",
            "<?xml version=\"1.0\"?><!DOCTYPE Other_Preferences><Other_Preferences/>");
  // A .reg file of an earlier check must not look like this file's.
  WriteFile("foreign.reg", "older");
  WriteFile("absent.reg", "older");
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(
      RunCheckCommand({"--reg", PathIn("foreign.reg"), PathIn("foreign.xml")}, out, err, machine),
      2);
  EXPECT_FALSE(std::filesystem::exists(PathIn("foreign.reg")));
  EXPECT_EQ(
      RunCheckCommand({"--reg", PathIn("absent.reg"), PathIn("absent.xml")}, out, err, machine), 2);
  EXPECT_FALSE(std::filesystem::exists(PathIn("absent.reg")));
  EXPECT_NE(err.str().find("no .reg file written"), std::string::npos) << err.str();

  // An older file is replaced whole, and no temporary file stays behind.
  WriteFile("good.reg", "older");
  EXPECT_EQ(RunCheckCommand({"--reg", PathIn("good.reg"), PathIn("good.xml")}, out, err, machine),
            1);
  EXPECT_FALSE(std::filesystem::exists(PathIn("good.reg.partial")));
  std::ifstream in(PathIn("good.reg"), std::ios::binary);
  std::ostringstream written;
  written << in.rdbuf();
  EXPECT_EQ(written.str(), RegFileBytes(CheckPrefsFile(PathIn("good.xml"))));
}

}  // namespace

namespace {

// The check converts as a machine of the code page asked for does, and the
// code page in use afterwards is the one before.
TEST_F(CheckOutput, CodePageAskedFor) {
  // "Łódź" is in code page 1250; in 1252 only "ó" is.
  WriteFile("polish.xml",
            ProductFile("<PerUserRoam><General><Prefix type=\"string\">\xC5\x81\xC3\xB3"
                        "d\xC5\xBA</Prefix></General></PerUserRoam>"));
  for (const char* wrong : {"932", "x", ""}) {
    std::ostringstream out;
    std::ostringstream usage;
    EXPECT_EQ(RunCheckCommand({"--codepage", wrong, PathIn("polish.xml")}, out, usage, machine), 64)
        << wrong;
    EXPECT_TRUE(out.str().empty());
  }
#ifdef _WIN32
  // Here the document model is MSXML's with Windows' own conversion, and the
  // user interface a fake: the two meet only in the real program, whose code
  // page is checked end to end (tests/e2e/CheckTest.cpp).
  GTEST_SKIP() << "the code page of the real conversion is checked end to end";
#endif
  const unsigned before = platform::Ui().AnsiCodePage();
  std::ostringstream plain;
  std::ostringstream err;
  EXPECT_EQ(RunCheckCommand({"--json", PathIn("polish.xml")}, plain, err, machine), 1);
  EXPECT_NE(plain.str().find("\"kind\":\"ansi-conversion\""), std::string::npos) << plain.str();

  std::ostringstream polish;
  EXPECT_EQ(
      RunCheckCommand({"--json", "--codepage", "1250", PathIn("polish.xml")}, polish, err, machine),
      0);
  EXPECT_NE(polish.str().find("\"codepage\":1250,"), std::string::npos) << polish.str();
  EXPECT_NE(polish.str().find("\"data\":\"\xC5\x81\xC3\xB3"
                              "d\xC5\xBA\"}"),
            std::string::npos)
      << polish.str();
  EXPECT_EQ(platform::Ui().AnsiCodePage(), before);
}

}  // namespace
