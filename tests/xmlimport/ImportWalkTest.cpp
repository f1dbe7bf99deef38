// The import's walk over a preferences file, into the in-memory registry
// through the real store: where each value lands, what is passed over, and
// what the user is told.
#include <gtest/gtest.h>

#include <fstream>

#include "ImportFixture.h"
#include "platform/Error.h"
#include "platform/Services.h"
#include "prefstore/ProductIdentity.h"
#include "settings/ConfigManager.h"
#include "support/FailingXmlParser.h"
#include "support/XmlDomTestParser.h"
#include "xmlimport/ImpExpRegXML.h"

namespace {

using importtest::ImportFixture;
using importtest::PrefsFile;
using importtest::ProductFile;
using testsupport::BinaryValue;
using testsupport::DwordValue;
using testsupport::StringValue;

const std::string kProduct(kProductRegistryKey);
constexpr const char* kCaption = "Register Wrenfold";
constexpr const char* kFailurePrefix =
    "Could not import the program configuration due to the following error:\r\n";

class ImportWalk : public ImportFixture {};

TEST_F(ImportWalk, EveryTypeLandsInItsSectionKey) {
  ASSERT_TRUE(
      Import(ProductFile("<PerUserRoam><Activation>"
                         "<Use_Notification_Area type=\"boolean\">1</Use_Notification_Area>"
                         "<Count type=\"integer\">-5</Count>"
                         "<Hex type=\"integer\">$10</Hex>"
                         "<Name type=\"string\">a_b $lt;b$gt; a&amp;amp;b</Name>"
                         "<Blob type=\"binary\">0A 0b FF</Blob>"
                         "<Off type=\"boolean\">true</Off>"
                         "<_0x5B_Odd_0x5D__Name type=\"string\">x</_0x5B_Odd_0x5D__Name>"
                         "</Activation></PerUserRoam>")));
  EXPECT_EQ(User("Activation", "Use Notification Area"), DwordValue(1));
  EXPECT_EQ(User("Activation", "Count"), DwordValue(static_cast<std::uint32_t>(-5)));
  EXPECT_EQ(User("Activation", "Hex"), DwordValue(16));
  EXPECT_EQ(User("Activation", "Name"), StringValue("a b <b> a&b"));
  EXPECT_EQ(User("Activation", "Blob"), BinaryValue({0x0A, 0x0B, 0xFF}));
  EXPECT_EQ(User("Activation", "Off"), DwordValue(0));
  EXPECT_EQ(User("Activation", "[Odd] Name"), StringValue("x"));
  EXPECT_TRUE(Boxes().empty()) << Boxes().front();
  EXPECT_EQ(store.registry.OpenHandleCount(), 0u);
}

TEST_F(ImportWalk, SectionNamesMapToTheTableOrBelowUnknown) {
  ASSERT_TRUE(
      Import(ProductFile("<PerUserRoam>"
                         "<files><a type=\"integer\">1</a></files>"
                         "<CUST_COMMANDS><b type=\"integer\">2</b></CUST_COMMANDS>"
                         "<My_Stuff><c type=\"integer\">3</c></My_Stuff>"
                         "<cfgAll><d type=\"integer\">4</d></cfgAll>"
                         "<CFGALL><e type=\"integer\">5</e></CFGALL>"
                         "<_0x5B_x_0x5D_><f type=\"integer\">6</f></_0x5B_x_0x5D_>"
                         "</PerUserRoam>")));
  EXPECT_EQ(User("Files", "a"), DwordValue(1));
  EXPECT_EQ(User("Cust Commands", "b"), DwordValue(2));
  EXPECT_EQ(User("$Unknown\\My Stuff", "c"), DwordValue(3));
  EXPECT_EQ(User("", "d"), DwordValue(4));
  EXPECT_EQ(User("$Unknown\\CFGALL", "e"), DwordValue(5));
  EXPECT_EQ(User("$Unknown\\[x]", "f"), DwordValue(6));
  EXPECT_TRUE(Boxes().empty()) << Boxes().front();
}

TEST_F(ImportWalk, SkippedSectionsWriteNothing) {
  ASSERT_TRUE(
      Import(ProductFile("<PerUserRoam>"
                         "<Schedules><a type=\"integer\">1</a></Schedules>"
                         "<_0x24_Temp><a type=\"integer\">1</a></_0x24_Temp>"
                         "<x_0x24_unknownY><a type=\"integer\">1</a></x_0x24_unknownY>"
                         "<_0x24_UNKNOWN><a type=\"integer\">1</a></_0x24_UNKNOWN>"
                         "<schedules><a type=\"integer\">2</a></schedules>"
                         "</PerUserRoam>")));
  EXPECT_EQ(User("$Unknown\\schedules", "a"), DwordValue(2));
  // (Key names ignore case, so "$Unknown\Schedules" is the key just written.)
  for (const char* key :
       {"$Temp", "$Unknown\\$Temp", "$Unknown\\x$unknownY", "$Unknown\\$UNKNOWN"}) {
    EXPECT_FALSE(User(key, "a").has_value()) << key;
  }
  // Only the one section that is read opened a key of its own.
  EXPECT_EQ(registry.userKeysCreated, std::vector<std::string>{kProduct + "\\$Unknown\\schedules"});
}

TEST_F(ImportWalk, ScopesInDocumentOrderTheLastValueWinning) {
  ASSERT_TRUE(Import(PrefsFile(
      "<Wrenfold>"
      "<PerUserRoam><General><v type=\"integer\">1</v><w "
      "type=\"integer\">1</w></General></PerUserRoam>"
      "<PerMachine><General><v type=\"integer\">2</v></General></PerMachine>"
      "<PerUserNonRoam><General><w type=\"integer\">3</w></General></PerUserNonRoam>"
      "</Wrenfold>"
      "<wrenfold><perUserRoam><General><x type=\"integer\">4</x></General></perUserRoam></wrenfold>"
      "<WRENFOLD><Elsewhere><General><x type=\"integer\">5</x><y type=\"integer\">6</y></General>"
      "<General><y type=\"integer\">7</y></General></Elsewhere></WRENFOLD>")));
  EXPECT_EQ(User("General", "v"), DwordValue(1));
  EXPECT_EQ(Machine("General", "v"), DwordValue(2));
  EXPECT_EQ(User("General", "w"), DwordValue(3));
  EXPECT_FALSE(Machine("General", "w").has_value());
  EXPECT_EQ(User("General", "x"), DwordValue(5));
  EXPECT_EQ(User("General", "y"), DwordValue(7));
  EXPECT_TRUE(Boxes().empty()) << Boxes().front();
}

TEST_F(ImportWalk, ValuesInAScopeGoToTheProductKeyEachWithItsOwnOpen) {
  ASSERT_TRUE(
      Import(ProductFile("<PerUserRoam>"
                         "<Direct_One type=\"string\">1</Direct_One>"
                         "<General><g type=\"integer\">1</g></General>"
                         "<Direct_Two type=\"integer\">2</Direct_Two>"
                         "</PerUserRoam>")));
  EXPECT_EQ(User("", "Direct One"), StringValue("1"));
  EXPECT_EQ(User("", "Direct Two"), DwordValue(2));
  EXPECT_EQ(User("General", "g"), DwordValue(1));
  const std::string product = kProduct;
  EXPECT_EQ(registry.userKeysCreated,
            (std::vector<std::string>{product + "\\", product + "\\General", product + "\\"}));
  EXPECT_EQ(store.registry.OpenHandleCount(), 0u);
}

TEST_F(ImportWalk, WhatTheFormatIgnores) {
  ASSERT_TRUE(Import(PrefsFile(
      "<!-- a comment -->"
      "<Note>text at the top</Note>"
      "<Other><PerUserRoam><General><o type=\"integer\">1</o></General></PerUserRoam></Other>"
      "<Wrenfold attr=\"x\">"
      "<!-- c --><Note>a text element among the scopes</Note>"
      "<PerUserRoam ignored=\"yes\">"
      "<!-- c -->"
      "<General><!-- c -->"
      "<NoType>1</NoType>"
      "<CapitalType type=\"String\">1</CapitalType>"
      "<Children type=\"string\"><x>1</x></Children>"
      "<Empty type=\"integer\"/>"
      "<Blank type=\"string\">   </Blank>"
      "<Cdata type=\"string\"><![CDATA[kept?]]></Cdata>"
      "<Commented type=\"integer\">5<!-- c --></Commented>"
      "<BadBinary type=\"binary\">0A,0B,0C</BadBinary>"
      "<EmptyBinary type=\"binary\"></EmptyBinary>"
      "</General>"
      "<Hollow></Hollow>"
      "</PerUserRoam></Wrenfold>")));
  EXPECT_FALSE(User("General", "o").has_value());
  EXPECT_FALSE(User("General", "NoType").has_value());
  EXPECT_FALSE(User("General", "CapitalType").has_value());
  EXPECT_EQ(User("General", "Children"), StringValue(""));
  EXPECT_EQ(User("General", "Empty"), DwordValue(0));
  EXPECT_EQ(User("General", "Blank"), StringValue(""));
  EXPECT_EQ(User("General", "Cdata"), StringValue(""));
  EXPECT_EQ(User("General", "Commented"), DwordValue(0));
  EXPECT_FALSE(User("General", "BadBinary").has_value());
  EXPECT_EQ(User("General", "EmptyBinary"), BinaryValue({}));
  EXPECT_FALSE(UserKey("$Unknown\\Hollow"));
  EXPECT_FALSE(UserKey("$Unknown\\Note"));
  EXPECT_TRUE(Boxes().empty()) << Boxes().front();
}

TEST_F(ImportWalk, MergesWithWhatIsThere) {
  testsupport::WriteRegValue(store.registry, platform::reg::kCurrentUser, kProduct + "\\General",
                             "Kept", StringValue("old"));
  testsupport::WriteRegValue(store.registry, platform::reg::kCurrentUser, kProduct + "\\General",
                             "Replaced", StringValue("old"));
  ASSERT_TRUE(Import(ProductFile(
      "<PerUserRoam><General><Replaced type=\"string\">new</Replaced></General></PerUserRoam>")));
  EXPECT_EQ(User("General", "Kept"), StringValue("old"));
  EXPECT_EQ(User("General", "Replaced"), StringValue("new"));
}

TEST_F(ImportWalk, BinaryBeyondThirtyTwoKilobytesIsStoredWhole) {
  std::string text;
  std::vector<std::uint8_t> bytes;
  for (int i = 0; i < 50000; ++i) {
    static const char kHex[] = "0123456789abcdef";
    bytes.push_back(static_cast<std::uint8_t>(i * 31 + 7));
    text += kHex[bytes.back() >> 4];
    text += kHex[bytes.back() & 15];
    text += i % 32 == 31 ? "_" : "";
  }
  ASSERT_TRUE(Import(ProductFile("<PerUserRoam><General><Big type=\"binary\">" + text +
                                 "</Big></General></PerUserRoam>")));
  EXPECT_EQ(User("General", "Big"), BinaryValue(bytes));
  EXPECT_TRUE(Boxes().empty()) << Boxes().front();
}

TEST_F(ImportWalk, AFailedOpenSkipsOnlyItsValues) {
  registry.deniedSuffix = "\\Denied";
  ASSERT_TRUE(
      Import(ProductFile("<PerUserRoam>"
                         "<Denied><a type=\"integer\">1</a><b type=\"integer\">2</b></Denied>"
                         "<General><c type=\"integer\">3</c></General>"
                         "</PerUserRoam>")));
  EXPECT_FALSE(User("$Unknown\\Denied", "a").has_value());
  EXPECT_EQ(User("General", "c"), DwordValue(3));
  // The store's one report for the open; the close after it says nothing.
  ASSERT_EQ(store.ui.boxes.size(), 1u);
  EXPECT_EQ(store.ui.boxes[0].caption, "Wrenfold.exe OpenPref Error");
  EXPECT_EQ(store.registry.OpenHandleCount(), 0u);
}

TEST_F(ImportWalk, AFailedOpenForAValueInAScopeSkipsThatValue) {
  registry.deniedSuffix = kProduct + "\\";
  ASSERT_TRUE(Import(ProductFile(
      "<PerUserRoam><a type=\"integer\">1</a><General><c type=\"integer\">3</c></General>"
      "<b type=\"integer\">2</b></PerUserRoam>")));
  EXPECT_FALSE(User("", "a").has_value());
  EXPECT_FALSE(User("", "b").has_value());
  EXPECT_EQ(User("General", "c"), DwordValue(3));
  ASSERT_EQ(store.ui.boxes.size(), 2u);
  for (const auto& box : store.ui.boxes) EXPECT_EQ(box.caption, "Wrenfold.exe OpenPref Error");
}

TEST_F(ImportWalk, NoProductOrEmptyElementsWriteNothingSilently) {
  for (const std::string& file :
       {PrefsFile(""), PrefsFile("<Other/>"), PrefsFile("<Wrenfold/>"),
        PrefsFile("<Wrenfold><PerUserRoam/><PerMachine></PerMachine></Wrenfold>"),
        PrefsFile("<Wrenfold><PerUserRoam><General/></PerUserRoam></Wrenfold>")}) {
    EXPECT_TRUE(Import(file)) << file;
  }
  EXPECT_TRUE(Boxes().empty()) << Boxes().front();
  EXPECT_TRUE(registry.userKeysCreated.empty());
  EXPECT_FALSE(UserKey(""));
}

// The foreign-file message names the product from the offending name; the
// declaration's name counts over the document element's.
TEST_F(ImportWalk, ForeignFilesAreReportedAndLeftAlone) {
  const struct {
    const char* doctype;
    const char* root;
    const char* product;
  } cases[] = {
      {"Wrenfold_Preferences", "Other_Tool_Preferences", "Other Tool"},
      {"Wrenfold_Preferences", "wrenfold_preferences", "wrenfold"},
      {"Foo_Preferences", "Wrenfold_Preferences", "Foo"},
      {"Foo_Preferences", "Bar_Preferences", "Foo"},
      {"A_Preferences_B_PREFERENCES", "Wrenfold_Preferences", "A B"},
      {"Wrenfold_Preferences", "Wrenfold_Prefs", "Wrenfold Prefs"},
  };
  store.ui.foreground = reinterpret_cast<platform::WindowHandle>(0x4242);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.root);
    store.ui.boxes.clear();
    EXPECT_TRUE(Import(std::string("<!DOCTYPE ") + c.doctype + "><" + c.root +
                       "><Wrenfold><PerUserRoam><General><a type=\"integer\">1</a></General>"
                       "</PerUserRoam></Wrenfold></" +
                       c.root + ">"));
    ASSERT_EQ(store.ui.boxes.size(), 1u);
    const auto& box = store.ui.boxes[0];
    EXPECT_EQ(box.text, std::string("This configuration file belongs to ") + c.product +
                            "\r\nand is not compatible with Wrenfold.");
    EXPECT_EQ(box.caption, kCaption);
    EXPECT_EQ(box.flags, 0x10010u);
    EXPECT_EQ(box.owner, store.ui.foreground);
  }
  EXPECT_TRUE(registry.userKeysCreated.empty());
}

TEST_F(ImportWalk, UnreadableFilesGetTheGeneralFailure) {
  const struct {
    const char* name;
    std::string contents;
    const char* reason;  // a part of the error text, or "" for the parser's own
  } cases[] = {
      {"no declaration",
       "<Wrenfold_Preferences><Wrenfold><PerUserRoam><General><a type=\"integer\">1</a>"
       "</General></PerUserRoam></Wrenfold></Wrenfold_Preferences>",
       "no document type declaration"},
      {"not well-formed", PrefsFile("<Wrenfold><PerUserRoam>"), ""},
      {"empty", "", ""},
      {"bad UTF-8",
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?><!DOCTYPE Wrenfold_Preferences>"
       "<Wrenfold_Preferences>\xFF\xFE</Wrenfold_Preferences>",
       ""},
  };
  store.ui.foreground = reinterpret_cast<platform::WindowHandle>(0x4343);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    store.ui.boxes.clear();
    EXPECT_FALSE(Import(c.contents));
    ASSERT_EQ(store.ui.boxes.size(), 1u);
    const auto& box = store.ui.boxes[0];
    EXPECT_EQ(box.text.rfind(kFailurePrefix, 0), 0u) << box.text;
    EXPECT_NE(box.text.find(c.reason), std::string::npos) << box.text;
    const std::string tail = "\r\n\r\nFilename: " + FileName();
    ASSERT_GT(box.text.size(), std::string(kFailurePrefix).size() + tail.size()) << box.text;
    EXPECT_EQ(box.text.substr(box.text.size() - tail.size()), tail);
    EXPECT_EQ(box.caption, kCaption);
    EXPECT_EQ(box.flags, 0x10010u);
    EXPECT_EQ(box.owner, store.ui.foreground);
  }
  EXPECT_TRUE(registry.userKeysCreated.empty());
}

TEST_F(ImportWalk, AQuotedNameIsDeQuotedAndAMissingFileReported) {
  std::ofstream(FileName(), std::ios::binary)
      << ProductFile("<PerUserRoam><General><a type=\"integer\">1</a></General></PerUserRoam>");
  EXPECT_EQ(ImportPrefsXML("\"" + FileName() + "\""), TImportVerdict::kImported);
  EXPECT_EQ(User("General", "a"), DwordValue(1));

  const std::string missing = FileName() + ".missing";
  EXPECT_EQ(ImportPrefsXML("\"" + missing + "\"\"\""), TImportVerdict::kRejected);
  ASSERT_EQ(store.ui.boxes.size(), 1u);
  const std::string& text = store.ui.boxes[0].text;
  EXPECT_EQ(text.substr(text.size() - missing.size() - 11), "Filename: " + missing + "\"");
}

// Values written before the error stay; the open key is closed on the way out
// rather than left open, and the user gets the general failure alone.
TEST_F(ImportWalk, AnErrorInTheMiddleKeepsWhatWasWrittenAndClosesTheKey) {
  testsupport::FailingXmlParser parser;
  store.scope->xml = &parser;
  EXPECT_FALSE(
      Import(ProductFile("<PerUserRoam>"
                         "<Files><Before type=\"integer\">1</Before></Files>"
                         "<General><First type=\"integer\">2</First><Boom type=\"integer\">3</Boom>"
                         "<After type=\"integer\">4</After></General>"
                         "<Startup><Later type=\"integer\">5</Later></Startup>"
                         "</PerUserRoam>")));
  EXPECT_EQ(User("Files", "Before"), DwordValue(1));
  EXPECT_EQ(User("General", "First"), DwordValue(2));
  EXPECT_FALSE(User("General", "After").has_value());
  EXPECT_FALSE(UserKey("Startup"));
  EXPECT_EQ(store.registry.OpenHandleCount(), 0u);
  ASSERT_EQ(store.ui.boxes.size(), 1u);
  EXPECT_EQ(store.ui.boxes[0].text,
            std::string(kFailurePrefix) + "the DOM gave up" + "\r\n\r\nFilename: " + FileName());
  // The store is closed: closing again is the store's own complaint.
  ConfigMgr->ClosePref();
  ASSERT_EQ(store.ui.boxes.size(), 2u);
  EXPECT_EQ(store.ui.boxes[1].text, "ClosePref: Error: ClosePref");
}

// What a caller of the import learns besides the boxes: how it ended, and
// every value exactly as the store received it.
struct Heard final : IImportObserver {
  std::vector<TImportedValue> values;
  void ValuePassed(const TImportedValue& value) override { values.push_back(value); }
};

TEST_F(ImportWalk, TheResultSaysHowTheImportEnded) {
  const struct {
    std::string file;
    TImportVerdict verdict;
    bool reported;
  } cases[] = {
      {ProductFile("<PerMachine><General><A type=\"integer\">1</A></General></PerMachine>"),
       TImportVerdict::kImported, false},
      {"<!DOCTYPE Other_Preferences><Other_Preferences/>", TImportVerdict::kForeign, true},
      {"<!DOCTYPE Wrenfold_Preferences><Wrenfold_Preferences>", TImportVerdict::kRejected, true},
      {"<Wrenfold_Preferences/>", TImportVerdict::kRejected, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    std::ofstream(FileName(), std::ios::binary) << c.file;
    const TImportResult result = ImportPrefsFile(FileName(), *ConfigMgr);
    EXPECT_EQ(result.verdict, c.verdict);
    EXPECT_EQ(!result.report.empty(), c.reported);
  }
  EXPECT_TRUE(store.ui.boxes.empty());  // the caller shows the report, not ImportPrefsFile

  testsupport::FailingXmlParser parser;
  store.scope->xml = &parser;
  std::ofstream(FileName(), std::ios::binary) << ProductFile(
      "<PerUserRoam><General><Boom type=\"integer\">3</Boom></General>"
      "</PerUserRoam>");
  const TImportResult failed = ImportPrefsFile(FileName(), *ConfigMgr);
  EXPECT_EQ(failed.verdict, TImportVerdict::kFailed);
  EXPECT_EQ(failed.report,
            std::string(kFailurePrefix) + "the DOM gave up" + "\r\n\r\nFilename: " + FileName());
}

TEST_F(ImportWalk, TheObserverHearsEachValueAsTheStoreReceivesIt) {
  Heard heard;
  std::ofstream(FileName(), std::ios::binary) << ProductFile(
      "<PerMachine><General><Count type=\"integer\">$10</Count></General></PerMachine>"
      "<PerUserNonRoam><My_Stuff><On type=\"boolean\">7</On><B type=\"binary\">0A 0b</B>"
      "<Bad type=\"binary\">0A,0B,0C</Bad><None>x</None></My_Stuff>"
      "<Text type=\"string\">a_b</Text></PerUserNonRoam>");
  ASSERT_EQ(ImportPrefsXML(FileName(), heard), TImportVerdict::kImported);
  ASSERT_EQ(heard.values.size(), 4u);
  const TImportedValue& count = heard.values[0];
  EXPECT_EQ(count.scope, cfgPerMachine);
  EXPECT_EQ(count.keyPath, kProduct + "\\General");
  EXPECT_EQ(count.section, "General");
  EXPECT_EQ(count.name, "Count");
  EXPECT_EQ(count.type, PrefValueType::kInteger);
  EXPECT_EQ(count.integer, 16);
  EXPECT_EQ(heard.values[1].type, PrefValueType::kBoolean);
  EXPECT_EQ(heard.values[1].integer, 1);
  EXPECT_EQ(heard.values[1].keyPath, kProduct + "\\$Unknown\\My Stuff");
  EXPECT_EQ(heard.values[1].scope, cfgPerUserNonRoam);
  EXPECT_EQ(heard.values[2].bytes, (std::vector<std::uint8_t>{0x0A, 0x0B}));
  const TImportedValue& text = heard.values[3];
  EXPECT_EQ(text.keyPath, kProduct + "\\");
  EXPECT_EQ(text.section, "");
  EXPECT_EQ(text.text, "a b");
  // Each value heard is a value written.
  EXPECT_EQ(User("$Unknown\\My Stuff", "B"), BinaryValue({0x0A, 0x0B}));
  EXPECT_EQ(User("", "Text"), StringValue("a b"));
}

}  // namespace
