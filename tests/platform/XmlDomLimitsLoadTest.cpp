// Hostile files and honest ones through the parser of each build, under the
// bounds the preferences import loads with: what our check refuses never
// reaches the parser, and what it lets through loads as the check assumed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/Error.h"
#include "support/PrefsFiles.h"
#include "support/XmlDomTestParser.h"

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

  static XmlLimits ImportLimits() {
    XmlLimits limits;
    limits.maxFileBytes = 32ull * 1024 * 1024;
    limits.maxElementDepth = 64;
    limits.maxEntityExpansion = 1024 * 1024;
    return limits;
  }
  std::unique_ptr<IXmlDocument> Load(const std::string& bytes) {
    const fs::path file = folder_ / "test.xml";
    std::ofstream(file, std::ios::binary) << bytes;
    return testsupport::BuildXmlParser().Load(file.string(), ImportLimits());
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
      {"a hundred levels in EBCDIC", ebcdic,
       "The file does not begin like XML written in UTF-8, UTF-16 or a single-byte code page such "
       "as windows-1252; a file in another character encoding cannot be checked and is not read."},
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

}  // namespace
