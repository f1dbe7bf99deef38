// Our own scan for where a refused file stops being well-formed: the place
// and the reason, for the faults a hand-edited preferences file has.
#include <gtest/gtest.h>

#include "platform/XmlFaultScan.h"

namespace {

TEST(XmlFaultScan, PlacesTheFirstFault) {
  struct Case {
    const char* name;
    std::string xml;
    std::uint32_t line;
    std::uint32_t column;
    std::string reason;
  };
  const Case cases[] = {
      {"tags that do not match", "<?xml version=\"1.0\"?>\r\n<a>\r\n  <b>x</c>\r\n</a>", 3, 7,
       "the end tag </c> does not close the element <b>"},
      {"an element never closed", "<a>\n<b>\n</b>\n", 4, 1, "the element <a> is never closed"},
      {"an attribute written twice", "<a>\n <v type='1' x='' type='2'/></a>", 2, 19,
       "the attribute type is written twice"},
      {"an unquoted attribute value", "<a x=1/>", 1, 6, "an attribute value expected in quotes"},
      {"a bare ampersand", "<a>Tom & Jerry</a>", 1, 8,
       "\"&\" that starts no reference (write &amp;)"},
      {"an undeclared entity", "<!DOCTYPE a [<!ENTITY co 'x'>]>\n<a>&co;&pos;</a>", 2, 8,
       "the entity pos is not declared"},
      {"a less-than in an attribute", "<a x='<'/>", 1, 7, "\"<\" in an attribute value"},
      {"a second document element", "<a/>\n<b/>", 2, 1, "a second document element"},
      {"a comment never closed", "<a><!-- x</a>", 1, 4, "a comment that is never closed"},
      {"columns count characters", "<a>caf\xC3\xA9\xC3\xA9</b>", 1, 9,
       "the end tag </b> does not close the element <a>"},
      {"UTF-16 with a mark", std::string("\xFF\xFE<\0a\0>\0\n\0<\0/\0b\0>\0", 18), 2, 1,
       "the end tag </b> does not close the element <a>"},
      {"CR alone ends a line", "<a>\r\r<b></a>", 3, 4,
       "the end tag </a> does not close the element <b>"},
  };
  for (const Case& c : cases) {
    const platform::XmlParseFault fault = platform::FindXmlFault(c.xml);
    EXPECT_EQ(fault.line, c.line) << c.name;
    EXPECT_EQ(fault.column, c.column) << c.name;
    EXPECT_EQ(fault.reason, c.reason) << c.name;
  }
}

// Where the scan sees nothing wrong it places nothing: a well-formed file, or
// one whose entities may come from outside it.
TEST(XmlFaultScan, PlacesNothingItCannotSee) {
  for (const char* xml :
       {"<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY e 'x'>]><a x='&e;&#38;'>&e;&lt;<!-- < -->"
        "<![CDATA[<]]><?p <?></a>",
        "<!DOCTYPE a SYSTEM 'a.dtd'><a>&outside;</a>"}) {
    EXPECT_EQ(platform::FindXmlFault(xml).line, 0u) << xml;
  }
}

// Prefixes are declared for the element that declares them and everything in
// it; xml: needs no declaration.
TEST(XmlFaultScan, NamesUndeclaredPrefixes) {
  const std::string xml =
      "<a xmlns:p='urn:p'><p:b xml:space='preserve'/>\n<c><q:d p:x='1' r:y='2'/></c>"
      "<e xmlns:q='urn:q'><q:f/></e><q:g/></a>";
  std::vector<std::string> found;
  for (const platform::XmlPrefixUse& use : platform::FindUndeclaredPrefixes(xml)) {
    found.push_back(use.path + " " + use.name + " " + std::to_string(use.line) + ":" +
                    std::to_string(use.column));
  }
  const std::vector<std::string> expected = {"a/c/q:d q:d 2:4", "a/c/q:d r:y 2:17",
                                             "a/q:g q:g 2:59"};
  EXPECT_EQ(found, expected);
}

}  // namespace
