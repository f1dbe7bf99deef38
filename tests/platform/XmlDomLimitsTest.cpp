// Our own scan of a file against the depth and entity limits, before a parser
// sees it: what it counts and what it must not be fooled by.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/Error.h"
#include "platform/XmlDomLimits.h"
#include "support/HostileFiles.h"
#include "support/PrefsFiles.h"
#include "xmlimport/ImpExpRegXML.h"

namespace {

using testsupport::Repeat;

using platform::XmlLimits;

constexpr const char* kFine = "";
constexpr const char* kTooDeep = "levels deep.";
constexpr const char* kTooLarge = "characters.";
constexpr const char* kTooNested = "refer to themselves.";
constexpr const char* kParameterEntities = "which preferences files do not use.";
constexpr const char* kMarkup = "may hold plain text only.";
constexpr const char* kTooManyAttributes = "and its namespace declarations.";
constexpr const char* kTooManyNodes = "texts and other nodes.";
constexpr const char* kTooManyPieces = "pieces by entity references.";
constexpr const char* kUnreadableStart = "a file in another character encoding is not read.";
constexpr const char* kUnreadableDeclared = "windows-1250 to windows-1258 or GBK.";
constexpr const char* kUnreadableInUtf16 = "a UTF-16 file declares UTF-16 or no encoding.";

std::string Outcome(std::string_view bytes, const XmlLimits& limits) {
  try {
    platform::CheckXmlLimits(bytes, limits);
  } catch (const EProgramError& error) {
    const std::string text = error.what();
    for (const char* ending : {kTooDeep, kTooLarge, kTooNested, kParameterEntities, kMarkup,
                               kTooManyAttributes, kTooManyNodes, kTooManyPieces, kUnreadableStart,
                               kUnreadableDeclared, kUnreadableInUtf16}) {
      if (text.size() >= std::strlen(ending) &&
          text.compare(text.size() - std::strlen(ending), std::string::npos, ending) == 0) {
        return ending;
      }
    }
    return text;
  }
  return kFine;
}

std::string Utf16(const std::string& ascii, bool bigEndian, bool byteOrderMark = true) {
  std::string out = !byteOrderMark ? "" : bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : ascii) {
    out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  }
  return out;
}

XmlLimits Depth(std::uint32_t depth) {
  XmlLimits limits;
  limits.maxElementDepth = depth;
  return limits;
}

XmlLimits Expansion(std::uint64_t characters) {
  XmlLimits limits;
  limits.maxEntityExpansion = characters;
  return limits;
}

XmlLimits Attributes(std::uint32_t count) {
  XmlLimits limits;
  limits.maxAttributesPerElement = count;
  return limits;
}

XmlLimits Nodes(std::uint64_t count) {
  XmlLimits limits;
  limits.maxNodes = count;
  return limits;
}

XmlLimits Pieces(std::uint32_t count) {
  XmlLimits limits;
  limits.maxPiecesPerText = count;
  return limits;
}

// The bounds the preferences import loads with.
XmlLimits Import() { return PrefsFileLimits(); }

// Letters, digits and the markup characters in EBCDIC code page 037.
std::string Ebcdic037(const std::string& ascii) {
  const std::string from =
      "<>/?=\". -_abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  const std::string to =
      "\x4C\x6E\x61\x6F\x7E\x7F\x4B\x40\x60\x6D"
      "\x81\x82\x83\x84\x85\x86\x87\x88\x89\x91\x92\x93\x94\x95\x96\x97\x98\x99"
      "\xA2\xA3\xA4\xA5\xA6\xA7\xA8\xA9"
      "\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xD1\xD2\xD3\xD4\xD5\xD6\xD7\xD8\xD9"
      "\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8\xF9";
  std::string out;
  for (char c : ascii) out += to.at(from.find(c));
  return out;
}

struct Case {
  const char* name;
  std::string xml;
  XmlLimits limits;
  const char* outcome;
};

TEST(XmlDomLimits, ElementDepth) {
  const Case cases[] = {
      {"three levels", "<a><b><c/></b></a>", Depth(3), kFine},
      {"four levels", "<a><b><c><d/></c></b></a>", Depth(3), kTooDeep},
      {"an empty element is a level", "<a><b><c/><c><d/></c></b></a>", Depth(3), kTooDeep},
      {"siblings do not add up", "<a><b><c>1</c></b><b><c/></b><b/></a>", Depth(3), kFine},
      {"quotes hide markup", "<a x='>'><b y=\"/>\"><c z='<'/></b></a>", Depth(3), kFine},
      {"comments", "<a><!-- <b><c><d> --><b/></a>", Depth(2), kFine},
      {"CDATA", "<a><![CDATA[<b><c><d>]]></a>", Depth(1), kFine},
      {"processing instructions", "<?xml version=\"1.0\"?><a><?pi <b><c> ?></a>", Depth(1), kFine},
      {"internal subset",
       "<!DOCTYPE a [<!ELEMENT a ANY><!ATTLIST a x CDATA \"<b><c>\"><!-- <x><y> --><?p <z>?>]>"
       "<a/>",
       Depth(1), kFine},
      {"unfinished tag", "<a><b><c><d", Depth(3), kFine},
      {"UTF-16LE", Utf16("<a><b><c><d/></c></b></a>", false), Depth(3), kTooDeep},
      {"UTF-16BE", Utf16("<a><b><c><d/></c></b></a>", true), Depth(3), kTooDeep},
      {"UTF-16 within the limit", Utf16("<a><b><c/></b></a>", false), Depth(3), kFine},
      {"no limit", Repeat("<a>", 10000), XmlLimits{}, kFine},
      {"deep nesting", Repeat("<a>", 100000), Depth(64), kTooDeep},
  };
  for (const Case& c : cases) EXPECT_EQ(Outcome(c.xml, c.limits), c.outcome) << c.name;
}

TEST(XmlDomLimits, EntityExpansion) {
  const std::string ten = "<!DOCTYPE a [<!ENTITY e \"0123456789\">]>";
  std::string laughs = "<!DOCTYPE a [<!ENTITY l0 \"lol\">";
  for (int i = 1; i <= 9; ++i) {
    laughs += "<!ENTITY l" + std::to_string(i) + " \"" +
              Repeat("&l" + std::to_string(i - 1) + ";", 10) + "\">";
  }
  laughs += "]><a>&l9;</a>";
  std::string chain = "<!DOCTYPE a [<!ENTITY c0 \"x\">";
  for (int i = 1; i <= 40; ++i) {
    chain += "<!ENTITY c" + std::to_string(i) + " \"&c" + std::to_string(i - 1) + ";\">";
  }
  chain += "]><a>&c40;</a>";

  const Case cases[] = {
      {"within the budget", ten + "<a>" + Repeat("&e;", 10) + "</a>", Expansion(100), kFine},
      {"one reference too many", ten + "<a>" + Repeat("&e;", 11) + "</a>", Expansion(100),
       kTooLarge},
      {"references in attributes", ten + "<a x=\"" + Repeat("&e;", 11) + "\"/>", Expansion(100),
       kTooLarge},
      {"billion laughs", laughs, Expansion(1024 * 1024), kTooLarge},
      {"billion laughs without a budget", laughs, XmlLimits{}, kFine},
      {"references hidden as character references",
       "<!DOCTYPE a [<!ENTITY e \"0123456789\"><!ENTITY b \"" + Repeat("&#38;e;", 20) +
           "\">]><a>&b;</a>",
       Expansion(150), kTooLarge},
      {"declared through a parameter entity",
       "<!DOCTYPE a [<!ENTITY % p \"<!ENTITY big '" + std::string(80, 'x') +
           "'>\"> %p;]><a>&big;&big;</a>",
       Expansion(150), kParameterEntities},
      {"a reference to itself", "<!DOCTYPE a [<!ENTITY s \"x&s;\">]><a>&s;</a>", Expansion(100),
       kTooNested},
      {"a long chain", chain, Expansion(1000), kTooNested},
      {"external entities are not read, a reference is one character",
       "<!DOCTYPE a [<!ENTITY x SYSTEM \"big.txt\">]><a>" + Repeat("&x;", 100) + "</a>",
       Expansion(100), kFine},
      {"references to an empty entity count one each",
       "<!DOCTYPE a [<!ENTITY e \"\">]><a>" + Repeat("&e;", 101) + "</a>", Expansion(100),
       kTooLarge},
      {"undeclared references count one each", "<a x='" + Repeat("s&u;", 101) + "'/>",
       Expansion(100), kTooLarge},
      {"empty references nested in an entity count one each",
       "<!DOCTYPE a [<!ENTITY e \"\"><!ENTITY f \"" + Repeat("&e;", 40) + "\">]><a>&f;&f;" +
           "<b x='&f;'/></a>",
       Expansion(100), kTooLarge},
      {"comments and CDATA hold no references",
       ten + "<a><!--" + Repeat("&e;", 50) + "--><![CDATA[" + Repeat("&e;", 50) + "]]></a>",
       Expansion(100), kFine},
      {"undeclared and predefined", "<a>" + Repeat("&amp;&lt;&u;&#65;", 100) + "</a>",
       Expansion(100), kFine},
      {"the first declaration binds",
       "<!DOCTYPE a [<!ENTITY e \"x\"><!ENTITY e \"" + std::string(200, 'y') + "\">]><a>&e;</a>",
       Expansion(100), kFine},
  };
  for (const Case& c : cases) EXPECT_EQ(Outcome(c.xml, c.limits), c.outcome) << c.name;
}

// Parameter entities and entities holding markup are refused outright: the
// first could declare what the scan never sees, the second add elements the
// depth count never sees.  Plain-text abbreviations stay fine.
TEST(XmlDomLimits, EntitiesHoldPlainTextOnly) {
  const std::string doctype = "<!DOCTYPE Wrenfold_Preferences";
  const std::string root = "<Wrenfold_Preferences><Wrenfold/></Wrenfold_Preferences>";
  // 12 references to 100,000 characters, declared in character references
  // that only the parameter entity's expansion turns into a declaration.
  const std::string hiddenBomb = doctype + " [<!ENTITY big \"" + std::string(100000, 'x') +
                                 "\"><!ENTITY % p \"&#60;!ENTITY six '" + Repeat("&#38;big;", 12) +
                                 "'>\"> %p;]><Wrenfold_Preferences><s><v>&six;</v></s>"
                                 "</Wrenfold_Preferences>";
  const std::string deepEntity = doctype + " [<!ENTITY deep \"" + Repeat("<a>", 100) +
                                 Repeat("</a>", 100) +
                                 "\">]><Wrenfold_Preferences><Wrenfold><PerUserRoam><General>"
                                 "&deep;</General></PerUserRoam></Wrenfold></Wrenfold_Preferences>";
  const Case cases[] = {
      {"parameter entity declaring a bomb in character references", hiddenBomb, Import(),
       kParameterEntities},
      {"parameter entity declared, never used", doctype + " [<!ENTITY % p \"x\">]>" + root,
       Import(), kParameterEntities},
      {"parameter entity in an entity's value", doctype + " [<!ENTITY e \"a%p;b\">]>" + root,
       Import(), kParameterEntities},
      {"parameter-entity reference between declarations", doctype + " [ %p; ]>" + root, Import(),
       kParameterEntities},
      {"parameter-entity reference inside a declaration",
       doctype + " [<!ELEMENT Wrenfold_Preferences %p;>]>" + root, Import(), kParameterEntities},
      {"entity of a hundred nested elements", deepEntity, Import(), kMarkup},
      {"entity with one element, never used", doctype + " [<!ENTITY m \"<b/>\">]>" + root, Import(),
       kMarkup},
      {"markup as a character reference", doctype + " [<!ENTITY m \"&#60;b/>\">]>" + root, Import(),
       kMarkup},
      {"markup as a hexadecimal reference", doctype + " [<!ENTITY m \"&#x3C;b/>\">]>" + root,
       Import(), kMarkup},
      {"a comment", doctype + " [<!ENTITY m \"a<!-- b -->\">]>" + root, Import(), kMarkup},
      {"the depth bound alone refuses them too", deepEntity, Depth(64), kMarkup},

      {"bare declaration", doctype + ">" + root, Import(), kFine},
      {"abbreviations, one in another",
       doctype + " [<!ENTITY co \"Orlavex\"><!ENTITY product '&co; Wrenfold'>]>"
                 "<Wrenfold_Preferences><Wrenfold><PerUserRoam><General><Owner type=\"string\">"
                 "&product; by &co;</Owner></General></PerUserRoam></Wrenfold>"
                 "</Wrenfold_Preferences>",
       Import(), kFine},
      {"a per cent sign as text",
       doctype + " [<!ENTITY pc \"100&#37;\"><!ATTLIST v x CDATA \"50%\">"
                 "<!ENTITY x SYSTEM \"my%20file.txt\"><!-- 10% --><?p %q;?>]>"
                 "<Wrenfold_Preferences>%p; &pc;</Wrenfold_Preferences>",
       Import(), kFine},
      {"a less-than sign as text", doctype + " [<!ENTITY lt2 \"&#38;#60;\">]>" + root, Import(),
       kFine},
      {"no bound, no policy", hiddenBomb, XmlLimits{}, kFine},
  };
  for (const Case& c : cases) EXPECT_EQ(Outcome(c.xml, c.limits), c.outcome) << c.name;
}

// The parser may copy an attribute-list default into every element it names.
TEST(XmlDomLimits, AttributeDefaultsCountAtEveryElement) {
  const std::string ten = "<!ENTITY e \"0123456789\">";
  const Case cases[] = {
      {"a reference in a default, 7 elements",
       "<!DOCTYPE a [" + ten + "<!ATTLIST v d CDATA \"&e;\">]><a>" + Repeat("<v/>", 7) + "</a>",
       Expansion(100), kFine},
      {"a reference in a default, 8 elements",
       "<!DOCTYPE a [" + ten + "<!ATTLIST v d CDATA \"&e;\">]><a>" + Repeat("<v/>", 8) + "</a>",
       Expansion(100), kTooLarge},
      {"a long default",
       "<!DOCTYPE a [<!ATTLIST v d CDATA \"" + std::string(50, 'x') + "\">]><a>" +
           Repeat("<v></v>", 3) + "</a>",
       Expansion(100), kTooLarge},
      {"every default of the element",
       "<!DOCTYPE a [<!ATTLIST v d CDATA \"" + std::string(30, 'x') + "\" f CDATA #FIXED '" +
           std::string(30, 'y') + "'><!ATTLIST v g (p|q) \"p\" h CDATA #IMPLIED>]><a>" +
           Repeat("<v x='1'>t</v>", 2) + "</a>",
       Expansion(100), kTooLarge},
      {"an entity declared after the default",
       "<!DOCTYPE a [<!ATTLIST v d CDATA \"&e;&e;\">" + ten + "]><a>" + Repeat("<v/>", 5) + "</a>",
       Expansion(100), kTooLarge},
      {"empty defaults count one per copy",
       "<!DOCTYPE a [<!ATTLIST v a0 CDATA \"\" a1 CDATA ''>]><a>" + Repeat("<v/>", 51) + "</a>",
       Expansion(100), kTooLarge},
      {"two thousand empty defaults on two thousand elements",
       "<!DOCTYPE a [" + testsupport::EmptyDefaults("Item", 2000) + "]><a>" +
           Repeat("<Item/>", 2000) + "</a>",
       Import(), kTooManyAttributes},
      {"other elements get nothing",
       "<!DOCTYPE a [<!ATTLIST w d CDATA \"" + std::string(500, 'x') + "\">]><a>" +
           Repeat("<v/><wx/><v/>", 10) + "</a>",
       Expansion(100), kFine},
      {"a type on a few values",
       "<!DOCTYPE Wrenfold_Preferences [<!ATTLIST Leak type CDATA \"string\">]>"
       "<Wrenfold_Preferences><Wrenfold><PerUserRoam><General>" +
           Repeat("<Leak>x</Leak>", 5) +
           "</General></PerUserRoam></Wrenfold></Wrenfold_Preferences>",
       Import(), kFine},
  };
  for (const Case& c : cases) EXPECT_EQ(Outcome(c.xml, c.limits), c.outcome) << c.name;
}

// The parsers expand lt, gt, amp, apos and quot to their one character
// whatever the file declares them as, in the form XML recommends or another.
TEST(XmlDomLimits, PredefinedEntitiesAreTheirCharacter) {
  const std::string recommended =
      "<!DOCTYPE a [<!ENTITY lt \"&#38;#60;\"><!ENTITY gt \"&#62;\"><!ENTITY amp \"&#38;#38;\">"
      "<!ENTITY apos \"&#39;\"><!ENTITY quot \"&#34;\">]>";
  const Case cases[] = {
      {"redeclared as XML recommends",
       recommended + "<a x='" + Repeat("&amp;", 30) + "'>" +
           Repeat("&lt;&gt;&amp;&apos;&quot;", 30) + "</a>",
       Expansion(100), kFine},
      {"redeclared otherwise",
       "<!DOCTYPE a [<!ENTITY amp \"" + std::string(100, 'x') + "\">]><a>" + Repeat("&amp;", 30) +
           "</a>",
       Expansion(100), kFine},
      {"redeclared with markup, which the parsers pass over",
       "<!DOCTYPE a [<!ENTITY lt \"&#60;\"><!ENTITY amp \"<b/>\"><!ENTITY gt '&#38;#62;'>]><a>" +
           Repeat("&lt;&amp;&gt;", 30) + "</a>",
       Expansion(100), kFine},
      {"inside other entities",
       recommended + "<!ENTITY and \"&amp;&amp;&amp;\">]><a>" + Repeat("&and;", 5) + "</a>",
       Expansion(100), kFine},
  };
  for (const Case& c : cases) EXPECT_EQ(Outcome(c.xml, c.limits), c.outcome) << c.name;

  // 3.5 MB with 250,000 ampersands under the recommended declaration of amp.
  const std::string big = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n" + recommended + "<a>" +
                          Repeat("<v>" + Repeat("Tom&amp;Jerry ", 250) + "</v>", 1000) + "</a>";
  EXPECT_GT(big.size(), 3'500'000u);
  EXPECT_EQ(Outcome(big, Import()), kFine);
}

// The scan reads markup as ASCII; a file it could not read so is refused.
TEST(XmlDomLimits, EncodingsTheScanReads) {
  const std::string deep = Repeat("<a>", 100) + Repeat("</a>", 100);
  const std::string shallow = "<a><b>caf\xE9</b></a>";
  const std::string plain = "<a><b>cafe</b></a>";
  auto declared = [](const std::string& encoding, const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>" + body;
  };
  std::string utf32le = "\xFF\xFE";
  utf32le.append("\0\0", 2);
  for (char c : shallow) utf32le += std::string{c, '\0', '\0', '\0'};
  std::string utf32be;
  for (char c : shallow) utf32be += std::string{'\0', '\0', '\0', c};

  const Case cases[] = {
      {"EBCDIC, a hundred deep", Ebcdic037(declared("IBM037", deep)), Import(), kUnreadableStart},
      {"EBCDIC without a declaration", Ebcdic037(plain), Import(), kUnreadableStart},
      {"EBCDIC named in ASCII", declared("IBM037", shallow), Import(), kUnreadableDeclared},
      {"UTF-32LE", utf32le, Import(), kUnreadableStart},
      {"UTF-32BE without a mark", utf32be, Import(), kUnreadableStart},
      {"Shift_JIS", declared("Shift_JIS", shallow), Import(), kUnreadableDeclared},
      {"UTF-16 named in single bytes", declared("UTF-16", shallow), Import(), kUnreadableDeclared},
      {"UTF-16 naming a code page", Utf16(declared("ISO-8859-1", shallow), false), Import(),
       kUnreadableInUtf16},
      {"UTF-16LE naming the other order", Utf16(declared("UTF-16BE", shallow), false), Import(),
       kUnreadableInUtf16},
      {"text before the markup", "hello" + shallow, Import(), kUnreadableStart},
      {"the depth bound alone refuses them too", Ebcdic037(plain), Depth(64), kUnreadableStart},

      {"UTF-8 with a mark", "\xEF\xBB\xBF" + declared("UTF-8", deep), Depth(64), kTooDeep},
      {"windows-1252", declared("windows-1252", shallow), Import(), kFine},
      {"windows-1252 in capitals, a hundred deep", declared("WINDOWS-1252", deep), Import(),
       kTooDeep},
      {"ISO-8859-15, single quotes, blanks",
       "<?xml version='1.0' encoding = 'iso-8859-15' ?>" + shallow, Import(), kFine},
      {"GBK hides no markup in its second bytes",
       declared("GBK", "<a><b>\x81<!--" + deep + "--></b></a>"), Import(), kTooDeep},
      {"GBK's second bytes are no markup",
       declared("gbk", "<a><b x='\x81'>" + Repeat("\x81<c>", 100) + "</b></a>"), Import(), kFine},
      {"US-ASCII", declared("US-ASCII", shallow), Import(), kFine},
      {"no declaration, blanks first", "\r\n  " + shallow, Import(), kFine},
      {"UTF-16LE naming itself", Utf16(declared("UTF-16", shallow), false), Import(), kFine},
      {"UTF-16BE naming UTF-8, which the parser passes over",
       Utf16(declared("UTF-8", shallow), true), Import(), kFine},
      {"UTF-16BE naming its order", Utf16(declared("utf-16be", shallow), true), Import(), kFine},
      {"UTF-16LE without a mark, a hundred deep", Utf16(declared("UTF-16", deep), false, false),
       Import(), kTooDeep},
      {"an empty file is the parser's to refuse", "", Import(), kFine},
      {"no bound, no check", Ebcdic037(deep), XmlLimits{}, kFine},
  };
  for (const Case& c : cases) EXPECT_EQ(Outcome(c.xml, c.limits), c.outcome) << c.name;
}

// The names MSXML reads under Wine, in any letter case, and names it refuses
// although other parsers know them.
TEST(XmlDomLimits, EncodingNamesAreTheParsers) {
  auto declared = [](const std::string& encoding) {
    return "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?><a>caf\xE9</a>";
  };
  for (const char* name :
       {"UTF-8", "utf8", "US-ASCII", "ascii", "ISO-8859-1", "iso-8859-11", "ISO-8859-16",
        "ISO-LATIN-1", "iso-latin-2", "windows-1250", "WINDOWS-1252", "windows-1258", "gbk"}) {
    EXPECT_EQ(Outcome(declared(name), Import()), kFine) << name;
  }
  for (const char* name :
       {"latin1", "l1", "cp1252", "windows1252", "ISO8859-1", "ISO_8859-1", "ISO-LATIN-3",
        "iso-8859-12", "windows-874", "windows-1259", "cp936", "gb2312", "Shift_JIS", "big5",
        "euc-kr", "koi8-r", "UCS-2", "UTF-32", "utf-16le"}) {
    EXPECT_EQ(Outcome(declared(name), Import()), kUnreadableDeclared) << name;
  }
  for (const char* name : {"UTF-16", "utf16", "UTF-8", "utf8", "UTF-16LE"}) {
    EXPECT_EQ(Outcome(Utf16(declared(name), false), Import()), kFine) << name;
  }
  for (const char* name : {"UCS-2", "unicode", "windows-1252", "ISO-10646-UCS-2"}) {
    EXPECT_EQ(Outcome(Utf16(declared(name), false), Import()), kUnreadableInUtf16) << name;
  }
}

// Characters beyond ASCII stay apart in the scan: an entity whose name
// differs from another's only there is sized as itself.
TEST(XmlDomLimits, NamesBeyondAsciiStayApart) {
  std::string file = "\xFF\xFE";
  auto add = [&file](const std::u16string& text) {
    for (char16_t c : text) {
      file += static_cast<char>(c & 0xFF);
      file += static_cast<char>(c >> 8);
    }
  };
  add(u"<!DOCTYPE a [<!ENTITY a\u00E0 \"x\"><!ENTITY a\u00E9 \"" + std::u16string(50, u'y') +
      u"\">]><a>");
  for (int i = 0; i < 3; ++i) add(u"&a\u00E9;");
  add(u"</a>");
  EXPECT_EQ(Outcome(file, Expansion(100)), kTooLarge);
}

// Bounds on what grows faster than the file: attributes of one element, nodes
// of the whole document, pieces of one text.
TEST(XmlDomLimits, WorkIsBounded) {
  const std::string empty = "<!DOCTYPE a [<!ENTITY e \"\">]>";
  const auto attributes = testsupport::EmptyAttributes;
  const Case cases[] = {
      {"three attributes", "<a" + attributes(3, "a") + "/>", Attributes(3), kFine},
      {"four attributes", "<a><b" + attributes(4, "a") + "></b></a>", Attributes(3),
       kTooManyAttributes},
      {"namespace declarations are attributes", "<a" + attributes(4, "xmlns:p") + "/>",
       Attributes(3), kTooManyAttributes},
      {"defaults are attributes",
       "<!DOCTYPE a [<!ATTLIST a d CDATA 'x' f CDATA #FIXED 'y' g CDATA #IMPLIED>]><a" +
           attributes(2, "a") + "/>",
       Attributes(3), kTooManyAttributes},
      {"defaults of other elements are not",
       "<!DOCTYPE a [<!ATTLIST b d CDATA 'x'>]><a" + attributes(3, "a") + "/>", Attributes(3),
       kFine},
      {"150,000 attributes", "<a" + attributes(150000, "a") + "/>", Import(), kTooManyAttributes},

      // Elements, attributes, text runs, references, comments, CDATA, PIs.
      {"ten nodes", empty + "<a x='1'>t&e;t<!--c--><![CDATA[d]]><?p?><b/></a>", Nodes(10), kFine},
      {"eleven nodes", empty + "<a x='1'>t&e;t<!--c--><![CDATA[d]]><?p?><b/>t</a>", Nodes(10),
       kTooManyNodes},
      {"a default is a node at every element",
       "<!DOCTYPE a [<!ATTLIST b d CDATA 'x'>]><a>" + Repeat("<b/>", 4) + "t</a>", Nodes(10),
       kFine},
      {"a default is a node at every element, one more",
       "<!DOCTYPE a [<!ATTLIST b d CDATA 'x'>]><a>" + Repeat("<b/>", 5) + "</a>", Nodes(10),
       kTooManyNodes},
      {"a million empty elements in one", "<a>" + Repeat("<b/>", 1'000'000) + "</a>", Import(),
       kTooManyNodes},

      {"five pieces of text", empty + "<a>s&e;s&e;s</a>", Pieces(5), kFine},
      {"six pieces of text", empty + "<a>s&e;s&e;s&e;</a>", Pieces(5), kTooManyPieces},
      {"predefined and character references do not split a text",
       "<a>" + Repeat("s&amp;&#65;&lt;", 100) + "</a>", Pieces(1), kFine},
      {"texts apart are counted apart", empty + "<a>s&e;s<b/>s&e;s<!---->s&e;s</a>", Pieces(3),
       kFine},
      {"six pieces of an attribute value", empty + "<a x='s&e;s&e;s&e;'/>", Pieces(5),
       kTooManyPieces},
      {"six pieces of an entity's text, never used",
       empty + "<!DOCTYPE a [<!ENTITY f \"s&e;s&#38;e;s&e;\">]><a/>", Pieces(5), kTooManyPieces},
      {"six pieces of a default",
       "<!DOCTYPE a [<!ENTITY e ''><!ATTLIST a d CDATA 's&e;s&e;s&e;'>]><a/>", Pieces(5),
       kTooManyPieces},
      {"300,000 pieces of an attribute value",
       empty + "<a type=\"" + Repeat("s&e;", 150000) + "\"/>", Import(), kTooManyPieces},
  };
  for (const Case& c : cases) EXPECT_EQ(Outcome(c.xml, c.limits), c.outcome) << c.name;
}

TEST(XmlDomLimits, FileSize) {
  XmlLimits limits;
  limits.maxFileBytes = 100;
  EXPECT_NO_THROW(platform::CheckXmlFileSize(100, limits));
  EXPECT_THROW(platform::CheckXmlFileSize(101, limits), EProgramError);
  EXPECT_NO_THROW(platform::CheckXmlFileSize(1ull << 40, XmlLimits{}));
}

}  // namespace
