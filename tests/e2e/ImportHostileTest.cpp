// Files made to hurt: the program neither crashes nor hangs, reads nothing
// from outside the file, and writes nothing from a file it refuses.
#include <string>

#include "ImportEndToEnd.h"
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
