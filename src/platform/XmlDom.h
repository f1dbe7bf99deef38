#pragma once
// The XML document model the preferences import reads a file through: MSXML
// on Windows, libxml2 in the host build.  Both give the same model: loaded
// with validation off and external resources never fetched; attribute
// defaults of the internal subset applied; a text whole, with the blanks and
// line ends at its edges (line ends read as LF, as XML has them); text nodes
// of whitespace alone dropped, except under xml:space="preserve"; and names
// and texts in the ANSI code page as WideCharToMultiByte converts them, a
// character the page lacks becoming its best fit or "?".
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Error.h"

namespace platform {

// Bounds a load enforces before and after parsing; 0 switches a bound off.
// A parser that honours a bound itself is told it too, but each bound is
// checked by our own code as well, because not every parser honours them.
struct XmlLimits {
  // The file's size on disk, checked before a byte of it is read.
  std::uint64_t maxFileBytes = 0;
  // Elements nested in elements, the document element counting as 1.
  std::uint32_t maxElementDepth = 0;
  // Characters that entity references, and attribute defaults declared in
  // the file, may expand to in total; every reference and every copy of a
  // default counts at least one, however short its text.
  std::uint64_t maxEntityExpansion = 0;
  // Attributes of one element: written, copied from a default or declaring a
  // namespace.  Parsers look for a duplicate among those before each one.
  std::uint32_t maxAttributesPerElement = 0;
  // Nodes of the whole document: elements, attributes, text runs, entity
  // references, comments, CDATA sections and processing instructions.
  std::uint64_t maxNodes = 0;
  // Pieces of one attribute value, one text or one entity's text: the runs of
  // plain text and the entity references between them, which the parser
  // joins again on every read.
  std::uint32_t maxPiecesPerText = 0;
};

// Where a file stops being well-formed XML, and why; line 0 when unknown.
// Lines and columns count from 1, columns in characters.
struct XmlParseFault {
  std::uint32_t line = 0;
  std::uint32_t column = 0;
  std::string reason;
};

// What a load raises for a file that is not well-formed: the text for the
// user, as the parser gives it, and the fault as far as it is known.
class EXmlParseError : public EProgramError {
 public:
  EXmlParseError(const std::string& message, XmlParseFault fault)
      : EProgramError(message), fault_(std::move(fault)) {}
  const XmlParseFault& Fault() const { return fault_; }

 private:
  XmlParseFault fault_;
};

// One node of a loaded document.  A node refers into its document and must not
// outlive it.
class IXmlNode {
 public:
  virtual ~IXmlNode() = default;

  // The DOM's nodeName: an element's tag name, or "#text", "#comment",
  // "#cdata-section" and the like for other kinds of node.
  virtual std::string Name() const = 0;

  // Document order; null past the last.  Walking siblings costs the same per
  // node however long the list is.
  virtual std::unique_ptr<IXmlNode> FirstChild() const = 0;
  virtual std::unique_ptr<IXmlNode> NextSibling() const = 0;

  // An element whose only child is one text node (not CDATA, not a comment).
  virtual bool IsTextElement() const = 0;
  // The text of that one text node when this is a text element; otherwise none.
  virtual std::optional<std::string> ElementText() const = 0;
  // An attribute of an element, by its exact name; none when absent.
  virtual std::optional<std::string> Attribute(std::string_view name) const = 0;

  // Whether the conversion to the ANSI code page replaced a character of the
  // node's name, of an attribute's name or value or, for a text element, of
  // its text by "?" or approximated it by a look-alike: what the core reads
  // is then not what the file says.
  virtual bool ConversionIsLossy() const = 0;
};

class IXmlDocument {
 public:
  virtual ~IXmlDocument() = default;

  // The name of the document type declaration; none when the file has none.
  virtual std::optional<std::string> DocumentTypeName() const = 0;
  // The document element; a loaded document always has one.
  virtual std::unique_ptr<IXmlNode> DocumentElement() const = 0;
};

class IXmlParser {
 public:
  virtual ~IXmlParser() = default;

  // Reads and parses a file.  Raises EProgramError with a text for the user
  // when the file cannot be read or breaks a limit, EXmlParseError when it is
  // not well-formed.
  virtual std::unique_ptr<IXmlDocument> Load(const std::string& fileName,
                                             const XmlLimits& limits) = 0;
};

}  // namespace platform
