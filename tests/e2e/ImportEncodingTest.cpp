// The character encodings a preferences file may be written in: those the
// program's parser reads are imported, the others refused with their name;
// and the checker's verdict is the program's either way.  A file that is not
// well-formed: the checker says where.
#include <string>

#include "ImportEndToEnd.h"
#include "check/CheckPrefsFile.h"
#include "platform/Services.h"
#include "platform/win32/Win32Services.h"

namespace {

using namespace importe2e;

std::string Declared(const std::string& encoding, const std::string& text) {
  return "<?xml version=\"1.0\" encoding=\"" + encoding +
         "\"?>\r\n<!DOCTYPE Wrenfold_Preferences>\r\n<Wrenfold_Preferences><Wrenfold><PerUserRoam>"
         "<General><Text type=\"string\">" +
         text + "</Text></General></PerUserRoam></Wrenfold></Wrenfold_Preferences>\r\n";
}

std::string Utf16(const std::string& single, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : single) {
    out += bigEndian ? '\0' : c;
    out += bigEndian ? c : '\0';
  }
  return out;
}

TCheckVerdict CheckerVerdict(const std::string& file) {
  platform::ScopedServices services;
  platform::win32::InstallServices();
  return CheckPrefsFile(file).verdict;
}

TEST_F(ImportEndToEnd, EncodingsTheParserReadsAreImported) {
  struct Read {
    const char* name;
    std::string contents;
    std::string stored;  // as `reg export` shows the value
  };
  const Read cases[] = {
      {"UTF8", Declared("UTF8", "caf\xC3\xA9"), "caf\xC3\xA9"},
      {"ISO-LATIN-1", Declared("ISO-LATIN-1", "caf\xE9"), "caf\xC3\xA9"},
      {"iso-latin-2", Declared("iso-latin-2", "caf\xE9"), "caf\xC3\xA9"},
      {"Windows-1252", Declared("Windows-1252", "\x80"), "\xE2\x82\xAC"},
      {"ISO-8859-15", Declared("ISO-8859-15", "\xA4"), "\xE2\x82\xAC"},
      {"gbk", Declared("gbk", "x\x80y"), "x\xE2\x82\xACy"},
      {"UTF-16 declaring UTF16", Utf16(Declared("UTF16", "caf\xE9"), false), "caf\xC3\xA9"},
      {"UTF-16 declaring UTF-8", Utf16(Declared("UTF-8", "caf\xE9"), true), "caf\xC3\xA9"},
  };
  for (const Read& c : cases) {
    SCOPED_TRACE(c.name);
    const auto result = ImportFile(c.contents, "encoded.xml");
    EXPECT_TRUE(result.boxes.empty()) << result.boxes.front();
    EXPECT_NE(testsupport::RegExport(kUserKey + "\\General").find("\"Text\"=\"" + c.stored + "\""),
              std::string::npos)
        << testsupport::RegExport(kUserKey + "\\General");
    EXPECT_EQ(CheckerVerdict(folder_ + "encoded.xml"), TCheckVerdict::kImported);
    RemoveProductKeys();
  }
}

TEST_F(ImportEndToEnd, EncodingsTheParserRefusesAreRefusedByName) {
  for (const char* name : {"latin1", "cp1252", "Shift_JIS", "gb2312", "big5", "UCS-2"}) {
    SCOPED_TRACE(name);
    const auto result = ImportFile(Declared(name, "cafe"), "encoded.xml");
    ExpectGeneralFailure(result, "encoded.xml",
                         "The file declares the character encoding \"" + std::string(name) +
                             "\", which the XML parser does not read;");
    ExpectNothingWritten();
    EXPECT_EQ(CheckerVerdict(folder_ + "encoded.xml"), TCheckVerdict::kRejected);
  }
  const auto result = ImportFile(Utf16(Declared("windows-1252", "cafe"), false), "encoded.xml");
  ExpectGeneralFailure(result, "encoded.xml",
                       "The file is written in UTF-16 but declares the character encoding "
                       "\"windows-1252\"");
  ExpectNothingWritten();
  EXPECT_EQ(CheckerVerdict(folder_ + "encoded.xml"), TCheckVerdict::kRejected);
}

// The program's message keeps the parser's own text, which under Wine says
// only "error"; the checker places the fault itself.
TEST_F(ImportEndToEnd, TheCheckerPlacesAFaultTheParserDoesNot) {
  const std::string file = Declared("UTF-8", "x</Txt>");
  const auto result = ImportFile(file, "broken.xml");
  ExpectGeneralFailure(result, "broken.xml", "error");
  ExpectNothingWritten();

  platform::ScopedServices services;
  platform::win32::InstallServices();
  const TCheckReport report = CheckPrefsFile(folder_ + "broken.xml");
  EXPECT_EQ(report.verdict, TCheckVerdict::kRejected);
  EXPECT_EQ(report.fault.line, 3u);
  EXPECT_EQ(report.fault.column, 76u);
  EXPECT_EQ(report.fault.reason, "the end tag </Txt> does not close the element <Text>");
}

}  // namespace
