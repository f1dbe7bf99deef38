// Our own scan of a file against the depth and entity limits, before a parser
// sees it: what it counts and what it must not be fooled by.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/Error.h"
#include "platform/XmlDomLimits.h"

namespace {

using platform::XmlLimits;

constexpr const char* kFine = "";
constexpr const char* kTooDeep = "levels deep.";
constexpr const char* kTooLarge = "characters.";
constexpr const char* kTooNested = "refer to themselves.";

std::string Outcome(std::string_view bytes, const XmlLimits& limits) {
  try {
    platform::CheckXmlLimits(bytes, limits);
  } catch (const EProgramError& error) {
    const std::string text = error.what();
    for (const char* ending : {kTooDeep, kTooLarge, kTooNested}) {
      if (text.size() >= std::strlen(ending) &&
          text.compare(text.size() - std::strlen(ending), std::string::npos, ending) == 0) {
        return ending;
      }
    }
    return text;
  }
  return kFine;
}

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

std::string Utf16(const std::string& ascii, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
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
       "<!DOCTYPE a [<!ELEMENT a ANY><!ENTITY e \"<b><c><d>\"><!-- <x><y> -->]><a/>", Depth(1),
       kFine},
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
       Expansion(150), kTooLarge},
      {"a reference to itself", "<!DOCTYPE a [<!ENTITY s \"x&s;\">]><a>&s;</a>", Expansion(100),
       kTooNested},
      {"a long chain", chain, Expansion(1000), kTooNested},
      {"external entities are not read",
       "<!DOCTYPE a [<!ENTITY x SYSTEM \"big.txt\">]><a>" + Repeat("&x;", 1000) + "</a>",
       Expansion(100), kFine},
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

TEST(XmlDomLimits, FileSize) {
  XmlLimits limits;
  limits.maxFileBytes = 100;
  EXPECT_NO_THROW(platform::CheckXmlFileSize(100, limits));
  EXPECT_THROW(platform::CheckXmlFileSize(101, limits), EProgramError);
  EXPECT_NO_THROW(platform::CheckXmlFileSize(1ull << 40, XmlLimits{}));
}

}  // namespace
