// The document model as the import sees it, the same cases against MSXML
// under Wine and libxml2 on the host: where they differ, the host is wrong.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/Error.h"
#include "support/XmlDomTestParser.h"

namespace {

namespace fs = std::filesystem;
using platform::IXmlDocument;
using platform::IXmlNode;
using platform::XmlLimits;

// A node and what lies below it, as the import can observe it: the name,
// then ="text" for a text element or the children in parentheses.
std::string Tree(const IXmlNode& node) {
  std::string out = node.Name();
  if (const auto text = node.ElementText()) return out + "=\"" + *text + "\"";
  auto child = node.FirstChild();
  if (!child) return out;
  out += "(";
  for (bool first = true; child; child = child->NextSibling(), first = false) {
    if (!first) out += " ";
    out += Tree(*child);
  }
  return out + ")";
}

class XmlDomConformance : public testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() /
        ("wf-xmldom-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Put(const std::string& bytes, const std::string& name = "test.xml") {
    const fs::path file = folder_ / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file.string();
  }
  std::unique_ptr<IXmlDocument> Load(const std::string& bytes, const XmlLimits& limits = {}) {
    return testsupport::BuildXmlParser().Load(Put(bytes), limits);
  }
  // The parser's error text for a file it must refuse; empty if it loads.
  std::string LoadError(const std::string& bytes, const XmlLimits& limits = {}) {
    try {
      Load(bytes, limits);
    } catch (const EProgramError& error) {
      return error.what();
    }
    return {};
  }

  fs::path folder_;
};

struct TreeCase {
  const char* name;
  const char* xml;
  const char* doctype;  // null: no declaration
  const char* tree;
};

const TreeCase kTrees[] = {
    {"InternalSubset",
     "<?xml version=\"1.0\"?>\r\n<!DOCTYPE Wrenfold_Preferences [\r\n"
     "  <!ELEMENT Wrenfold_Preferences ANY>\r\n]>\r\n"
     "<Wrenfold_Preferences><a>1</a></Wrenfold_Preferences>",
     "Wrenfold_Preferences", "Wrenfold_Preferences(a=\"1\")"},
    {"DeclarationWithoutSubset", "<!DOCTYPE Other_Preferences><Root/>", "Other_Preferences",
     "Root"},
    // Neither is fetched: the address is one that no host answers.
    {"ExternalDtdNotRead", "<!DOCTYPE R SYSTEM \"missing.dtd\"><R><a>x</a></R>", "R", "R(a=\"x\")"},
    {"PublicDtdNotRead",
     "<!DOCTYPE R PUBLIC \"-//X//DTD X//EN\" \"http://127.0.0.1:9/x.dtd\"><R><a>x</a></R>", "R",
     "R(a=\"x\")"},
    {"NoDeclaration", "<?xml version=\"1.0\"?><R/>", nullptr, "R"},
    {"CommentsAtEveryLevel",
     "<!--before--><R><!--a--><x>1<!--b--></x><y><!--c--></y></R><!--after-->", nullptr,
     "R(#comment x(#text #comment) y(#comment))"},
    {"CdataIsNoText", "<R><x><![CDATA[a<b]]></x><y>t<![CDATA[c]]></y></R>", nullptr,
     "R(x(#cdata-section) y(#text #cdata-section))"},
    {"MixedContent", "<R><x>a<b/>c</x><y><b>1</b></y></R>", nullptr,
     "R(x(#text b #text) y(b=\"1\"))"},
    {"ProcessingInstruction", "<R><?pi data?><x>1</x></R>", nullptr, "R(pi x=\"1\")"},
    {"WhitespaceOnlyTextDropped",
     "<R>\r\n  <x>1</x>\n\t<y>  \t </y>\r\n<z>  two  words  </z> <w>\r\n</w></R>", nullptr,
     "R(x=\"1\" y z=\"  two  words  \" w)"},
    {"CharacterAndEntityReferences",
     "<R><x>a&amp;b&lt;c&gt;&quot;&apos;&#34;&#x41;&#36;</x><y>&amp;#34;</y></R>", nullptr,
     "R(x=\"a&b<c>\"'\"A$\" y=\"&#34;\")"},
    {"LineEndsNormalised", "<R><x>a\r\nb\rc\n</x></R>", nullptr, "R(x=\"a\nb\nc\n\")"},
    // An entity reference is a node of its own, named after the entity, that
    // splits the text around it; no longer a text element.
    {"EntityReferenceIsANode",
     "<!DOCTYPE R [<!ENTITY e \"E\"><!ENTITY m "
     "\"<b>1</b>\">]><R><x>1&e;2</x><y>&e;</y><z>&m;</z></R>",
     "R", "R(x(#text e #text) y(e) z(m))"},
    {"EntityDeclaredThroughParameterEntity",
     "<!DOCTYPE R [<!ENTITY % p \"<!ENTITY q 'Q'>\"> %p;]><R><x>&q;</x></R>", "R", "R(x(q))"},
    // Undeclared, but the unread external DTD might declare it.
    {"EntityOfAnUnreadDtd", "<!DOCTYPE R SYSTEM \"x.dtd\"><R><x>&u;</x></R>", "R", "R(x(u))"},
    // A text is the value whole: blanks and line ends at its edges stay,
    // however a reference or a line end splits them off; whitespace alone is
    // no text.
    {"TextKeepsItsEdges",
     "<R>\r\n<a>line1\r\nline2\r\n</a>\r\n<b>a&#32;</b><c>&#32;x</c><d>\r\n x</d>"
     "<e>&#32;</e><f> &#10;\r\n</f><g>x&#9;\t</g></R>",
     nullptr, "R(a=\"line1\nline2\n\" b=\"a \" c=\" x\" d=\"\n x\" e f g=\"x\t\t\")"},
    {"SpacePreserved",
     "<R><x xml:space=\"preserve\">  </x><y xml:space=\"preserve\"><z>1</z> <z>2</z></y>"
     "<w xml:space=\"preserve\"><v xml:space=\"default\"> </v></w></R>",
     nullptr, "R(x=\"  \" y(z=\"1\" #text z=\"2\") w(v))"},
};

TEST_F(XmlDomConformance, TreesAsTheImportSeesThem) {
  for (const TreeCase& c : kTrees) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<IXmlDocument> document;
    ASSERT_NO_THROW(document = Load(c.xml));
    const auto doctype = document->DocumentTypeName();
    if (c.doctype == nullptr) {
      EXPECT_FALSE(doctype.has_value()) << *doctype;
    } else {
      EXPECT_EQ(doctype.value_or("(none)"), c.doctype);
    }
    const auto root = document->DocumentElement();
    ASSERT_TRUE(root);
    EXPECT_EQ(Tree(*root), c.tree);
  }
}

TEST_F(XmlDomConformance, AttributeDefaultsOfTheInternalSubsetApply) {
  const auto document = Load(
      "<!DOCTYPE R [<!ATTLIST v type CDATA \"string\" unit CDATA #IMPLIED>]>"
      "<R><v>x</v><v type=\"integer\">1</v><w>y</w></R>");
  auto v = document->DocumentElement()->FirstChild();
  EXPECT_EQ(v->Attribute("type").value_or("(none)"), "string");
  EXPECT_FALSE(v->Attribute("unit").has_value());
  v = v->NextSibling();
  EXPECT_EQ(v->Attribute("type").value_or("(none)"), "integer");
  EXPECT_FALSE(v->NextSibling()->Attribute("type").has_value());
}

// Prefixed names as the file writes them when the prefix is declared; an
// undeclared prefix is dropped, from elements and attributes alike, as Wine's
// MSXML drops it.
TEST_F(XmlDomConformance, PrefixedNames) {
  const auto document =
      Load("<R xmlns:d=\"urn:x\"><d:a d:type=\"string\">1</d:a><p:b p:type=\"string\">2</p:b></R>");
  const auto a = document->DocumentElement()->FirstChild();
  EXPECT_EQ(Tree(*document->DocumentElement()), "R(d:a=\"1\" b=\"2\")");
  EXPECT_EQ(a->Attribute("d:type").value_or("(none)"), "string");
  EXPECT_FALSE(a->Attribute("type").has_value());
  EXPECT_EQ(a->NextSibling()->Attribute("type").value_or("(none)"), "string");
  EXPECT_FALSE(a->NextSibling()->Attribute("p:type").has_value());
}

// What the conversion to the ANSI code page makes of characters the page
// lacks, in names, texts and attributes, and whether it says so.
TEST_F(XmlDomConformance, CharactersTheAnsiCodePageLacks) {
  struct Case {
    const char* utf8;
    const char* ansi;
    bool lossy;
  };
  const Case cases[] = {
      {"plain", "plain", false},
      {"\xC3\xA9\xE2\x82\xAC\xC5\xA0", "\xE9\x80\x8A", false},  // é € Š
      {"\xC4\x81", "a", true},                                  // ā
      {"\xEF\xBC\xA1", "A", true},                              // fullwidth A
      {"\xE2\x88\x92", "-", true},                              // minus sign
      {"\xC5\x81", "L", true},                                  // Ł
      {"\xE4\xB8\xAD", "?", true},                              // a CJK ideograph
      {"\xF0\x9F\x98\x80", "??", true},  // beyond the BMP: one "?" per UTF-16 unit
      {"?", "?", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    const std::string u = c.utf8;
    const bool nameable =
        u != "?" && u.find("\xF0") == std::string::npos && u.find("\xE2\x88") == std::string::npos;
    const std::string element = nameable ? "n" + u : "n";
    const auto document = Load("<?xml version=\"1.0\" encoding=\"UTF-8\"?><R><t>" + u +
                               "</t><a v=\"" + u + "\"/><" + element + "/></R>");
    auto t = document->DocumentElement()->FirstChild();
    EXPECT_EQ(t->ElementText().value_or("(none)"), c.ansi);
    EXPECT_EQ(t->ConversionIsLossy(), c.lossy);
    const auto a = t->NextSibling();
    EXPECT_EQ(a->Attribute("v").value_or("(none)"), c.ansi);
    EXPECT_EQ(a->ConversionIsLossy(), c.lossy);
    const auto n = a->NextSibling();
    if (nameable) {
      EXPECT_EQ(n->Name(), "n" + std::string(c.ansi));
      EXPECT_EQ(n->ConversionIsLossy(), c.lossy);
    }
  }
  EXPECT_FALSE(Load("<R/>")->DocumentElement()->ConversionIsLossy());
  // An element in a default namespace can still be asked.
  EXPECT_FALSE(Load("<R><c xmlns=\"urn:d\" a=\"1\">x</c></R>")
                   ->DocumentElement()
                   ->FirstChild()
                   ->ConversionIsLossy());
}

TEST_F(XmlDomConformance, TextElementTestOnEveryKindOfContent) {
  const auto document = Load("<R><t>x</t><e/><c><!--x--></c><d><![CDATA[x]]></d><m>x<b/></m></R>");
  auto node = document->DocumentElement()->FirstChild();
  const bool expected[] = {true, false, false, false, false};
  for (bool textElement : expected) {
    ASSERT_TRUE(node);
    EXPECT_EQ(node->IsTextElement(), textElement) << node->Name();
    EXPECT_EQ(node->ElementText().has_value(), textElement) << node->Name();
    node = node->NextSibling();
  }
  EXPECT_FALSE(node);
  // A text node itself is no text element.
  EXPECT_FALSE(document->DocumentElement()->FirstChild()->FirstChild()->IsTextElement());
}

TEST_F(XmlDomConformance, AttributesByExactName) {
  const auto document = Load(
      "<!DOCTYPE R [<!ENTITY e \"E\">]>"
      "<R a=\"root\"><v type=\"integer\" empty=\"\" ref=\"a&amp;b&#34;&lt;&e;\" Type='X'/></R>");
  const auto root = document->DocumentElement();
  EXPECT_EQ(root->Attribute("a").value_or("(none)"), "root");
  const auto v = root->FirstChild();
  EXPECT_EQ(v->Attribute("type").value_or("(none)"), "integer");
  EXPECT_EQ(v->Attribute("Type").value_or("(none)"), "X");
  EXPECT_EQ(v->Attribute("empty").value_or("(none)"), "");
  EXPECT_EQ(v->Attribute("ref").value_or("(none)"), "a&b\"<E");
  EXPECT_FALSE(v->Attribute("TYPE").has_value());
  EXPECT_FALSE(v->Attribute("missing").has_value());
}

// The same document in four encodings: names and texts reach the core in
// windows-1252, and a character that code page lacks and has no look-alike
// in it becomes "?".
TEST_F(XmlDomConformance, EncodingsArriveInTheAnsiCodePage) {
  const std::string expected = "R(\xE9t\xE9=\"\x80 5 \xFC ?\")";
  const std::string utf8Body =
      "<R><\xC3\xA9t\xC3\xA9>\xE2\x82\xAC 5 \xC3\xBC \xE4\xB8\xAD</\xC3\xA9t\xC3\xA9></R>";
  struct Encoded {
    const char* name;
    std::string bytes;
  };
  std::u16string utf16 =
      u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><R><\u00E9t\u00E9>\u20AC 5 \u00FC "
      u"\u4E2D</\u00E9t\u00E9></R>";
  std::string utf16le = "\xFF\xFE";
  for (char16_t unit : utf16) {
    utf16le += static_cast<char>(unit & 0xFF);
    utf16le += static_cast<char>(unit >> 8);
  }
  const Encoded files[] = {
      {"windows-1252",
       "<?xml version=\"1.0\" encoding=\"windows-1252\"?><R><\xE9t\xE9>\x80 5 \xFC "
       "&#x4E2D;</\xE9t\xE9></R>"},
      {"UTF-8", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + utf8Body},
      {"UTF-8 with BOM", "\xEF\xBB\xBF" + utf8Body},
      {"UTF-16LE with BOM", utf16le},
  };
  for (const Encoded& file : files) {
    SCOPED_TRACE(file.name);
    std::unique_ptr<IXmlDocument> document;
    ASSERT_NO_THROW(document = Load(file.bytes));
    EXPECT_EQ(Tree(*document->DocumentElement()), expected);
  }
}

TEST_F(XmlDomConformance, FilesThatDoNotParseRaiseTheParsersText) {
  const std::string kCases[] = {
      "<R><a></R>",
      "",
      "<R>&pos;</R>",
      "<!DOCTYPE R><R>&pos;</R>",
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><R>\xFF\xFE</R>",
      "<R/><S/>",
      // "&#38;" becomes a bare "&" in the entity's text, which then does not parse.
      "<!DOCTYPE R [<!ENTITY e \"E&#38;\">]><R><x>&e;</x></R>",
      "not xml at all",
  };
  for (const std::string& bytes : kCases) {
    SCOPED_TRACE(bytes);
    EXPECT_NE(LoadError(bytes), "");
  }
  EXPECT_THROW(testsupport::BuildXmlParser().Load((folder_ / "missing.xml").string(), {}),
               EProgramError);
  // A folder is no file either.
  EXPECT_THROW(testsupport::BuildXmlParser().Load(folder_.string(), {}), EProgramError);
}

TEST_F(XmlDomConformance, ExternalEntitiesAreNeverRead) {
  const std::string secret = Put("SECRET", "secret.txt");
  const std::string url = "file:///" + secret;
  for (const std::string& system :
       {std::string("secret.txt"), secret, url, std::string("http://127.0.0.1:9/secret.txt")}) {
    SCOPED_TRACE(system);
    const std::string xml =
        "<!DOCTYPE R [<!ENTITY x SYSTEM \"" + system + "\">]><R><a>&x;</a><b>after</b></R>";
    std::unique_ptr<IXmlDocument> document;
    ASSERT_NO_THROW(document = Load(xml));
    EXPECT_EQ(Tree(*document->DocumentElement()), "R(a(x) b=\"after\")");
  }
}

TEST_F(XmlDomConformance, LimitsAreEnforcedOnEveryParser) {
  XmlLimits size;
  size.maxFileBytes = 20;
  EXPECT_EQ(LoadError("<R>0123456789012</R>", size), "");  // 20 bytes
  EXPECT_NE(LoadError("<R>01234567890123</R>", size), "");

  XmlLimits depth;
  depth.maxElementDepth = 3;
  EXPECT_EQ(LoadError("<a><b><c/><c>x</c></b><b/></a>", depth), "");
  EXPECT_NE(LoadError("<a><b><c><d/></c></b></a>", depth), "");

  XmlLimits expansion;
  expansion.maxEntityExpansion = 20;
  const std::string subset = "<!DOCTYPE R [<!ENTITY e \"0123456789\">]>";
  EXPECT_EQ(LoadError(subset + "<R>&e;&e;</R>", expansion), "");
  EXPECT_NE(LoadError(subset + "<R>&e;&e;<a>&e;</a></R>", expansion), "");
}

}  // namespace
