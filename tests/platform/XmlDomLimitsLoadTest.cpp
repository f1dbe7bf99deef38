// Hostile files and honest ones through the parser of each build, under the
// bounds the preferences import loads with: what our check refuses never
// reaches the parser, and what it lets through loads as the check assumed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/Error.h"
#include "support/HostileFiles.h"
#include "support/PrefsFiles.h"
#include "support/XmlDomTestParser.h"
#include "xmlimport/ImpExpRegXML.h"

namespace {

using testsupport::Repeat;

namespace fs = std::filesystem;
using platform::IXmlDocument;
using platform::XmlLimits;

const std::string kParameterEntities =
    "The file declares or uses parameter entities (<!ENTITY % ...> or %name;), which preferences "
    "files do not use.";
const std::string kTooLarge =
    "The entity references in the file expand to more than 1048576 characters.";
const std::string kTooManyAttributes =
    "An element in the file has more than 256 attributes, counting those it gets from "
    "attribute-list declarations and its namespace declarations.";
const std::string kTooManyPieces =
    "An attribute value, text or entity in the file is split into more than 1000 pieces by "
    "entity references.";
const std::string kTooManyNodes =
    "The file holds more than 1000000 elements, attributes, texts and other nodes.";

std::string Prefs(const std::string& subset, const std::string& general) {
  return "<!DOCTYPE Wrenfold_Preferences" + subset +
         "><Wrenfold_Preferences><Wrenfold><PerUserRoam><General>" + general +
         "</General></PerUserRoam></Wrenfold></Wrenfold_Preferences>";
}

class XmlDomLimitsLoad : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("wf-xmllimits-" +
               std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::unique_ptr<IXmlDocument> Load(const std::string& bytes) {
    const fs::path file = folder_ / "test.xml";
    std::ofstream(file, std::ios::binary) << bytes;
    return testsupport::BuildXmlParser().Load(file.string(), PrefsFileLimits());
  }
  std::string LoadError(const std::string& bytes) {
    try {
      Load(bytes);
    } catch (const EProgramError& error) {
      return error.what();
    }
    return {};
  }
  // The text of the first value element of "General".
  std::string FirstValue(const std::string& bytes) {
    const auto document = Load(bytes);
    auto node = document->DocumentElement();
    for (int level = 0; level < 4 && node; ++level) node = node->FirstChild();
    if (!node) return "(no value element)";
    return node->ElementText().value_or("(not a text element)");
  }

  fs::path folder_;
};

// Each of these loads in at least one parser when nothing stops it first.
TEST_F(XmlDomLimitsLoad, FilesTheCheckCannotCountAreRefused) {
  struct Refused {
    const char* name;
    std::string bytes;
    std::string error;
  };
  std::string ebcdic =
      "\x4C\x6F\xA7\x94\x93\x40\xA5\x85\x99\xA2\x89\x96\x95\x7E\x7F\xF1\x4B\xF0"
      "\x7F\x40\x85\x95\x83\x96\x84\x89\x95\x87\x7E\x7F\xC9\xC2\xD4\xF0\xF3\xF7"
      "\x7F\x6F\x6E";  // <?xml version="1.0" encoding="IBM037"?>
  ebcdic += Repeat("\x4C\x81\x6E", 100) + Repeat("\x4C\x61\x81\x6E", 100);  // <a> </a>
  const Refused cases[] = {
      {"a bomb declared in character references inside a parameter entity",
       Prefs(" [<!ENTITY big \"" + std::string(100000, 'x') +
                 "\"><!ENTITY % p \"&#60;!ENTITY six '" + Repeat("&#38;big;", 12) + "'>\"> %p;]",
             "<Six type=\"string\">&six;</Six>"),
       kParameterEntities},
      {"an entity of a hundred nested elements",
       Prefs(" [<!ENTITY deep \"" + Repeat("<a>", 100) + Repeat("</a>", 100) + "\">]",
             "<Deep type=\"string\">&deep;</Deep>"),
       "The file declares the entity \"deep\" with markup (\"<\") in its text; entities in "
       "preferences files may hold plain text only."},
      {"a long attribute default on many elements",
       Prefs(" [<!ATTLIST v type CDATA \"" + std::string(1000, 'x') + "\">]",
             Repeat("<v>1</v>", 1100)),
       kTooLarge},
      {"150,000 attributes on one element",
       Prefs("", "<V type=\"string\"" + testsupport::EmptyAttributes(150000) + ">1</V>"),
       kTooManyAttributes},
      {"a type of 300,000 pieces",
       Prefs(" [<!ENTITY s \"s\">]", "<V type=\"s" + Repeat("&s;s", 150000) + "\">1</V>"),
       kTooManyPieces},
      {"a million references to an empty entity, through another",
       Prefs(" [<!ENTITY e \"\"><!ENTITY f \"" + Repeat("&e;", 1000) + "\">]",
             Repeat("<V type=\"string\">" + Repeat("&f;", 550) + "</V>", 2)),
       kTooLarge},
      {"32 MB of text split by references to an empty entity",
       Prefs(" [<!ENTITY e \"\">]",
             Repeat("<V type=\"string\">" + Repeat("s&e;", 500) + "</V>", 8000)),
       kTooManyNodes},
      {"2,000 empty defaults on 2,000 elements",
       Prefs(" [" + testsupport::EmptyDefaults("Item", 2000) + "]", Repeat("<Item/>", 2000)),
       kTooManyAttributes},
      {"a million empty elements", Prefs("", Repeat("<b/>", 1000000)), kTooManyNodes},
      {"a hundred levels in EBCDIC", ebcdic,
       "The file does not begin like XML written in UTF-8, UTF-16, US-ASCII, ISO-8859-1 to "
       "ISO-8859-16, windows-1250 to windows-1258 or GBK; a file in another character encoding "
       "is not read."},
  };
  for (const Refused& c : cases) EXPECT_EQ(LoadError(c.bytes), c.error) << c.name;
}

TEST_F(XmlDomLimitsLoad, HonestFilesLoadAsTheCheckAssumed) {
  EXPECT_EQ(FirstValue(Prefs("", "<V type=\"string\">plain</V>")), "plain");
  EXPECT_EQ(LoadError(Prefs(" [<!ENTITY co \"Orlavex\"><!ENTITY product \"&co; Wrenfold\">]",
                            "<Owner type=\"string\">&product;, &co;</Owner>")),
            "");
  EXPECT_EQ(
      FirstValue(Prefs(" [<!ATTLIST Leak type CDATA \"string\">]", Repeat("<Leak>x</Leak>", 5))),
      "x");

  // Every &amp; is one character, whatever the file declares amp as: 250,000
  // of them in 3.5 MB.
  const std::string value = Repeat("Tom&amp;Jerry ", 250);
  EXPECT_EQ(FirstValue("<?xml version=\"1.0\" encoding=\"UTF-8\"?>" +
                       Prefs(" [<!ENTITY amp \"&#38;#38;\">]",
                             Repeat("<V type=\"string\">" + value + "</V>", 1000))),
            Repeat("Tom&Jerry ", 250));

  EXPECT_EQ(FirstValue("<?xml version=\"1.0\" encoding=\"windows-1252\"?>" +
                       Prefs("", "<V type=\"string\">caf\xE9 \x80</V>")),
            "caf\xE9 \x80");
  std::string utf16 = "\xFF\xFE";
  for (char c : "<?xml version=\"1.0\" encoding=\"UTF-16\"?>" +
                    Prefs("", "<V type=\"string\">caf\xE9</V>")) {
    utf16 += c;
    utf16 += '\0';
  }
  EXPECT_EQ(FirstValue(utf16), "caf\xE9");
}

// A redeclared predefined entity is passed over by the parsers, whatever it
// holds, and so by the check.
TEST_F(XmlDomLimitsLoad, PredefinedEntitiesRedeclaredKeepTheirMeaning) {
  EXPECT_EQ(FirstValue(Prefs(" [<!ENTITY lt \"&#60;\"><!ENTITY amp \"<b/>\">]",
                             "<V type=\"string\">&lt;&amp;</V>")),
            "<&");
}

// What each build's parser reads a file as, by the encoding it declares: the
// same text, or the same refusal.
TEST_F(XmlDomLimitsLoad, EncodingsReadAlike) {
  auto file = [](const std::string& encoding, const std::string& text) {
    return "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>" +
           Prefs("", "<V type=\"string\">" + text + "</V>");
  };
  auto utf16 = [](const std::string& single, bool mark) {
    std::string out = mark ? "\xFF\xFE" : "";
    for (char c : single) {
      out += c;
      out += '\0';
    }
    return out;
  };
  struct Read {
    const char* name;
    std::string bytes;
    std::string text;
  };
  const Read cases[] = {
      {"UTF8", file("UTF8", "caf\xC3\xA9"), "caf\xE9"},
      {"ISO-LATIN-1", file("ISO-LATIN-1", "caf\xE9"), "caf\xE9"},
      {"iso-latin-2, e acute", file("iso-latin-2", "caf\xE9"), "caf\xE9"},
      {"windows-1251, short i", file("windows-1251", "\xE9"), "?"},
      {"ISO-8859-15, euro", file("ISO-8859-15", "\xA4"), "\x80"},
      {"GBK, a euro of one byte and a pair", file("GBK", "x\x80y\x81\x5D"), "x\x80y?"},
      {"UTF-16 declaring UTF-8", utf16(file("UTF-8", "caf\xE9"), true), "caf\xE9"},
      {"a UTF-8 mark, declaring windows-1252", "\xEF\xBB\xBF" + file("windows-1252", "caf\xE9"),
       "caf\xE9"},
      {"UTF-16 declaring UTF16, no mark", utf16(file("UTF16", "caf\xE9"), false), "caf\xE9"},
  };
  for (const Read& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string error = LoadError(c.bytes);
    EXPECT_EQ(error, "");
    if (error.empty()) {
      EXPECT_EQ(FirstValue(c.bytes), c.text);
    }
  }
  for (const char* name : {"latin1", "cp1252", "Shift_JIS", "gb2312", "big5"}) {
    EXPECT_EQ(LoadError(file(name, "cafe")),
              "The file declares the character encoding \"" + std::string(name) +
                  "\", which the XML parser does not read; preferences files are written in "
                  "UTF-8, UTF-16, US-ASCII, ISO-8859-1 to ISO-8859-16, windows-1250 to "
                  "windows-1258 or GBK.");
  }
}

// A file that is not well-formed: the parser's text for the user, and the
// place of the fault on both builds (MSXML under Wine gives none itself).
TEST_F(XmlDomLimitsLoad, AFaultHasItsPlace) {
  struct Malformed {
    const char* name;
    std::string bytes;
    std::uint32_t line;
  };
  const Malformed cases[] = {
      {"tags that do not match", "<?xml version=\"1.0\"?>\r\n<a>\r\n  <b>x</c>\r\n</a>", 3},
      {"an attribute written twice", "<a>\n\n <v type='1' type='2'/></a>", 3},
      {"a bare ampersand", "<a>\nTom & Jerry</a>", 2},
  };
  for (const Malformed& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path file = folder_ / "test.xml";
    std::ofstream(file, std::ios::binary) << c.bytes;
    try {
      testsupport::BuildXmlParser().Load(file.string(), PrefsFileLimits());
      ADD_FAILURE() << "loaded";
    } catch (const platform::EXmlParseError& error) {
      EXPECT_EQ(error.Fault().line, c.line);
      EXPECT_GT(error.Fault().column, 0u);
      EXPECT_FALSE(error.Fault().reason.empty());
    }
  }
}

}  // namespace
