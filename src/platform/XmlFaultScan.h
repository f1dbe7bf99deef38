#pragma once
// Where a file that the parser refused stops being well-formed, for a parser
// that does not say (MSXML under Wine gives "error" and line 0).  A small
// scan of the text the parser read: tags that do not match, attributes
// written twice or badly, references to entities never declared, markup left
// open at the end.  It finds the common faults, not every one.  The same
// scan names what a parser on Windows refuses and Wine's reads: names with
// an undeclared namespace prefix.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/XmlDom.h"

namespace platform {

// The first fault the scan sees in the file's bytes, decoded as the limit
// check decodes them; line 0 when it sees none.
XmlParseFault FindXmlFault(std::string_view bytes);

// An element or attribute name whose namespace prefix no enclosing element
// declares: Windows' MSXML refuses the file, Wine's drops the prefix.
struct XmlPrefixUse {
  // The names of the elements down to the element it names or stands in,
  // "/" between them, as in the file (UTF-8 beyond ASCII).
  std::string path;
  std::string name;
  std::uint32_t line = 0;
  std::uint32_t column = 0;
};

// Every such name up to the first fault the scan sees.
std::vector<XmlPrefixUse> FindUndeclaredPrefixes(std::string_view bytes);

}  // namespace platform
