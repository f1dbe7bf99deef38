// Files made to hurt: the program neither crashes nor hangs, reads nothing
// from outside the file, and writes nothing from a file it refuses.
#include <string>

#include "ImportEndToEnd.h"
#include "support/HostileFiles.h"
#include "support/PrefsFiles.h"

namespace {

using testsupport::Repeat;

using namespace importe2e;

// A value the file would write if it were read at all.
const std::string kMarker =
    "<PerUserRoam><General><Retype type=\"boolean\">1</Retype></General></PerUserRoam>";

// The user's "General" key after a file whose "Secret" would be read from
// outside it: the marker, and the reference read as an empty text.
const std::string kMarkerAndEmptySecret =
    "Windows Registry Editor Version 5.00\n\n"
    "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\General]\n"
    "\"Retype\"=dword:00000001\n"
    "\"Secret\"=\"\"\n\n";

TEST_F(ImportEndToEnd, AnEntityBombIsRefused) {
  std::string subset = " [<!ENTITY l0 \"lol\">";
  for (int i = 1; i <= 9; ++i) {
    subset += "<!ENTITY l" + std::to_string(i) + " \"" +
              Repeat("&l" + std::to_string(i - 1) + ";", 10) + "\">";
  }
  subset += "]";
  const auto result = ImportFile(
      PrefsFile(kMarker + "<PerUserRoam><General><Bomb type=\"string\">&l9;</Bomb></General>"
                          "</PerUserRoam>",
                subset),
      "bomb.xml");
  ExpectGeneralFailure(result, "bomb.xml",
                       "The entity references in the file expand to more than 1048576 characters.");
  ExpectNothingWritten();
}

TEST_F(ImportEndToEnd, AFileOfFiftyMegabytesIsRefusedUnread) {
  const std::string head = PrefsFile(kMarker);
  const std::string padding = "<!--" + std::string(50 * 1024 * 1024, 'x') + "-->";
  const auto result = ImportFile(head + padding, "huge.xml");
  ExpectGeneralFailure(result, "huge.xml",
                       "The file is " + std::to_string(head.size() + padding.size()) +
                           " bytes long; files above 33554432 bytes are not read.");
  ExpectNothingWritten();
}

TEST_F(ImportEndToEnd, NestingAHundredThousandDeepIsRefused) {
  const int depth = 100000;
  const auto result = ImportFile(
      PrefsFile(kMarker + "<PerUserRoam><General><Deep type=\"string\">" + Repeat("<a>", depth) +
                Repeat("</a>", depth) + "</Deep></General></PerUserRoam>"),
      "deep.xml");
  ExpectGeneralFailure(result, "deep.xml", "The file nests elements more than 64 levels deep.");
  ExpectNothingWritten();
}

// Declared in character references inside a parameter entity, the bomb is
// written nowhere in the file as a declaration.
TEST_F(ImportEndToEnd, AParameterEntityIsRefused) {
  const auto result = ImportFile(
      PrefsFile(kMarker + "<PerUserRoam><General><Six type=\"string\">&six;</Six></General>"
                          "</PerUserRoam>",
                " [<!ENTITY big \"" + std::string(100000, 'x') +
                    "\"><!ENTITY % p \"&#60;!ENTITY six '" + Repeat("&#38;big;", 12) +
                    "'>\"> %p;]"),
      "parameter.xml");
  ExpectGeneralFailure(result, "parameter.xml",
                       "The file declares or uses parameter entities (<!ENTITY % ...> or %name;), "
                       "which preferences files do not use.");
  ExpectNothingWritten();
}

// Elements inside an entity would nest deeper than the file's own tags show.
TEST_F(ImportEndToEnd, AnEntityHoldingElementsIsRefused) {
  const auto result = ImportFile(
      PrefsFile(kMarker + "<PerUserRoam><General>&deep;</General></PerUserRoam>",
                " [<!ENTITY deep \"" + Repeat("<a>", 100) + Repeat("</a>", 100) + "\">]"),
      "markup.xml");
  ExpectGeneralFailure(result, "markup.xml",
                       "The file declares the entity \"deep\" with markup (\"<\") in its text; "
                       "entities in preferences files may hold plain text only.");
  ExpectNothingWritten();
}

// A default copied into every element it names multiplies like an entity.
TEST_F(ImportEndToEnd, AnAttributeDefaultCopiedIntoManyElementsIsRefused) {
  const auto result =
      ImportFile(PrefsFile(kMarker + "<PerUserRoam><General>" + Repeat("<v>1</v>", 1100) +
                               "</General></PerUserRoam>",
                           " [<!ATTLIST v type CDATA \"" + std::string(1000, 'x') + "\">]"),
                 "defaults.xml");
  ExpectGeneralFailure(result, "defaults.xml",
                       "The entity references in the file expand to more than 1048576 characters.");
  ExpectNothingWritten();
}

// Ampersands redeclared as XML recommends are one character each, however
// many: 250,000 of them import.
TEST_F(ImportEndToEnd, ManyAmpersandsUnderARedeclaredAmpImport) {
  std::string values;
  for (int i = 0; i < 100; ++i) {
    values += "<V" + std::to_string(i) + " type=\"string\">" + Repeat("Tom&amp;Jerry ", 2500) +
              "</V" + std::to_string(i) + ">";
  }
  const auto result =
      ImportFile(PrefsFile("<PerUserRoam><General>" + values + "</General></PerUserRoam>",
                           " [<!ENTITY amp \"&#38;#38;\">]"),
                 "ampersands.xml");
  EXPECT_EQ(result.exitCode, 0u);
  EXPECT_TRUE(result.boxes.empty()) << result.boxes.front();
  const std::string exported = testsupport::RegExport(kUserKey + "\\General");
  EXPECT_NE(exported.find("\"V99\"=\"" + Repeat("Tom&Jerry ", 2500) + "\""), std::string::npos);
}

TEST_F(ImportEndToEnd, BytesInvalidInTheDeclaredEncodingAreRefused) {
  const auto result = ImportFile(
      PrefsFile(kMarker + "<PerUserRoam><General><Bad type=\"string\">caf\xE9 \xFF\xFE</Bad>"
                          "</General></PerUserRoam>"),
      "encoding.xml");
  ExpectGeneralFailure(result, "encoding.xml");
  ExpectNothingWritten();
}

// External entities and document type definitions are never fetched: a file
// that uses them still imports, without what they would have supplied.
TEST_F(ImportEndToEnd, ExternalEntitiesAreNotRead) {
  testsupport::WriteFile(folder_ + "secret.txt", "TOPSECRET");
  const std::string local = folder_ + "secret.txt";
  const std::string sources[] = {local, "file:///" + local, "http://127.0.0.1:9/secret.txt"};
  for (const std::string& source : sources) {
    SCOPED_TRACE(source);
    const auto result =
        ImportFile(PrefsFile(kMarker + "<PerUserRoam><General><Secret type=\"string\">&x;</Secret>"
                                       "</General></PerUserRoam>",
                             " [<!ENTITY x SYSTEM \"" + source + "\">]"),
                   "external.xml");
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_TRUE(result.boxes.empty()) << result.boxes.front();
    EXPECT_EQ(WithoutCarriageReturns(testsupport::RegExport(kUserKey + "\\General")),
              kMarkerAndEmptySecret);
    RemoveProductKeys();
  }
}

// A document type definition outside the file would give the untyped value a
// type and the entity a text, were it read.
TEST_F(ImportEndToEnd, AnExternalDocumentTypeDefinitionIsNotRead) {
  testsupport::WriteFile(folder_ + "prefs.dtd",
                         "<!ATTLIST Leak type CDATA \"string\"><!ENTITY secret \"TOPSECRET\">");
  const std::string local = folder_ + "prefs.dtd";
  const std::string sources[] = {local, "file:///" + local, "http://127.0.0.1:9/prefs.dtd"};
  for (const std::string& source : sources) {
    SCOPED_TRACE(source);
    const auto result = ImportFile(PrefsFile(kMarker + "<PerUserRoam><General><Leak>plain</Leak>"
                                                       "<Secret type=\"string\">&secret;</Secret>"
                                                       "</General></PerUserRoam>",
                                             " SYSTEM \"" + source + "\""),
                                   "external dtd.xml");
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_TRUE(result.boxes.empty()) << result.boxes.front();
    EXPECT_EQ(WithoutCarriageReturns(testsupport::RegExport(kUserKey + "\\General")),
              kMarkerAndEmptySecret);
    RemoveProductKeys();
  }
}

}  // namespace

namespace {

// Shapes inside the size, depth and expansion bounds that would keep the
// parser busy for minutes or take gigabytes (a start tag of 150,000
// attributes took 73 s): each refused before the parser sees it, at once.
TEST_F(ImportEndToEnd, FilesThatWouldKeepTheParserBusyAreRefusedAtOnce) {
  const std::string attributes =
      "An element in the file has more than 256 attributes, counting those it gets from "
      "attribute-list declarations and its namespace declarations.";
  const std::string pieces =
      "An attribute value, text or entity in the file is split into more than 1000 pieces by "
      "entity references.";
  const std::string nodes =
      "The file holds more than 1000000 elements, attributes, texts and other nodes.";
  auto general = [](const std::string& values) {
    return kMarker + "<PerUserRoam><General>" + values + "</General></PerUserRoam>";
  };
  struct Hostile {
    const char* name;
    std::string contents;
    std::string reason;
  };
  const Hostile cases[] = {
      {"150,000 attributes",
       PrefsFile(general("<V type=\"string\"" + testsupport::EmptyAttributes(150000) + ">1</V>")),
       attributes},
      {"150,000 namespace declarations",
       PrefsFile(general("<V type=\"string\"" + testsupport::EmptyAttributes(150000, "xmlns:p") +
                         ">1</V>")),
       attributes},
      {"a type of 300,000 pieces",
       PrefsFile(general("<V type=\"s" + Repeat("&s;s", 150000) + "\">1</V>"),
                 " [<!ENTITY s \"s\">]"),
       pieces},
      {"a type of 300,000 pieces, every other one empty",
       PrefsFile(general("<V type=\"s" + Repeat("&e;s", 150000) + "\">1</V>"),
                 " [<!ENTITY e \"\">]"),
       pieces},
      {"2,000 empty defaults on 2,000 elements",
       PrefsFile(general(Repeat("<Item>1</Item>", 2000)),
                 " [" + testsupport::EmptyDefaults("Item", 2000) + "]"),
       attributes},
      {"8 million empty elements", PrefsFile(general(Repeat("<b/>", 8'000'000))), nodes},
      {"32 MB of text split by references to an empty entity",
       PrefsFile(general(Repeat("<V type=\"string\">" + Repeat("s&e;", 500) + "</V>", 15000)),
                 " [<!ENTITY e \"\">]"),
       nodes},
  };
  for (const Hostile& c : cases) {
    SCOPED_TRACE(c.name);
    const ULONGLONG start = GetTickCount64();
    const auto result = ImportFile(c.contents, "busy.xml");
    const ULONGLONG elapsed = GetTickCount64() - start;
    ExpectGeneralFailure(result, "busy.xml", c.reason);
    ExpectNothingWritten();
    EXPECT_LT(elapsed, 3000u) << c.contents.size() << " bytes";
  }
}

// Parsers pass over a redeclaration of a predefined entity, whatever it holds.
TEST_F(ImportEndToEnd, APredefinedEntityRedeclaredWithMarkupImports) {
  const auto result =
      ImportFile(PrefsFile("<PerUserRoam><General><Sign type=\"string\">&lt;&amp;</Sign></General>"
                           "</PerUserRoam>",
                           " [<!ENTITY lt \"&#60;\"><!ENTITY amp \"<b/>\">]"),
                 "predefined.xml");
  EXPECT_TRUE(result.boxes.empty()) << result.boxes.front();
  EXPECT_NE(testsupport::RegExport(kUserKey + "\\General").find("\"Sign\"=\"<&\""),
            std::string::npos);
}

}  // namespace
