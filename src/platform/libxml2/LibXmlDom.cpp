#include "platform/libxml2/LibXmlDom.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "platform/Error.h"
#include "platform/UniqueHandle.h"
#include "platform/XmlDomLimits.h"
#include "platform/memory/CodePages.h"

namespace platform::libxml2 {

namespace {

// libxml2 hands out UTF-8; the core wants the ANSI code page, windows-1252
// here as under Wine, converted as the program's own conversion does it.
std::string Ansi(const xmlChar* utf8, bool* lossy = nullptr) {
  if (utf8 == nullptr) return {};
  return memory::codepage::FromUtf8(reinterpret_cast<const char*>(utf8), lossy);
}

bool IsLossy(const xmlChar* utf8) {
  bool lossy = false;
  Ansi(utf8, &lossy);
  return lossy;
}

// Nothing outside the file is ever read: no DTD, no external entity.
xmlParserInputPtr RefuseExternal(const char*, const char*, xmlParserCtxtPtr) { return nullptr; }

void InitializeOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    xmlInitParser();
    xmlSetExternalEntityLoader(RefuseExternal);
  });
}

bool IsWhitespaceOnly(const xmlChar* text) {
  for (; text != nullptr && *text != 0; ++text) {
    if (*text != ' ' && *text != '\t' && *text != '\r' && *text != '\n') return false;
  }
  return true;
}

template <class T, void (*Free)(T*)>
struct LibXmlTraits {
  using Type = T*;
  static Type Invalid() { return nullptr; }
  static void Close(Type object) { Free(object); }
};
void FreeString(xmlChar* text) { xmlFree(text); }
using XmlString = UniqueHandle<LibXmlTraits<xmlChar, FreeString>>;
using XmlDocument = UniqueHandle<LibXmlTraits<xmlDoc, xmlFreeDoc>>;
using XmlContext = UniqueHandle<LibXmlTraits<xmlParserCtxt, xmlFreeParserCtxt>>;

// An attribute's value with its references expanded.
XmlString AttributeValue(xmlAttrPtr attribute) {
  return XmlString(xmlNodeListGetString(attribute->doc, attribute->children, 1));
}

// preserveWhiteSpace off: text nodes of whitespace alone are not in the tree,
// except where xml:space="preserve" asks to keep them.  Walks the elements
// below `root` in document order, without recursion.
void DropWhitespaceText(xmlNodePtr root) {
  xmlNodePtr node = root->children;
  while (node != nullptr) {
    if (node->type == XML_ELEMENT_NODE && node->children != nullptr) {
      node = node->children;
      continue;
    }
    xmlNodePtr next = node;
    while (next != root && next->next == nullptr) next = next->parent;
    next = next == root ? nullptr : next->next;
    if (node->type == XML_TEXT_NODE && IsWhitespaceOnly(node->content) &&
        xmlNodeGetSpacePreserve(node->parent) != 1) {
      xmlUnlinkNode(node);
      xmlFreeNode(node);
    }
    node = next;
  }
}

// A name as the file writes it when its prefix is declared.  libxml2 keeps an
// undeclared prefix in the name itself; Wine's MSXML drops it, so "p:a" with
// no declaration of p reads as "a" there and here alike.
std::string QualifiedName(xmlNsPtr ns, const xmlChar* name) {
  if (ns != nullptr && ns->prefix != nullptr) return Ansi(ns->prefix) + ":" + Ansi(name);
  std::string local = Ansi(name);
  if (ns == nullptr) local.erase(0, local.find(':') + 1);
  return local;
}

class LibXmlNode final : public IXmlNode {
 public:
  explicit LibXmlNode(xmlNodePtr node) : node_(node) {}

  std::string Name() const override {
    switch (node_->type) {
      case XML_TEXT_NODE: return "#text";
      case XML_CDATA_SECTION_NODE: return "#cdata-section";
      case XML_COMMENT_NODE: return "#comment";
      case XML_ELEMENT_NODE: return QualifiedName(node_->ns, node_->name);
      default: return Ansi(node_->name);
    }
  }

  std::unique_ptr<IXmlNode> FirstChild() const override {
    return Wrap(node_->type == XML_ELEMENT_NODE ? node_->children : nullptr);
  }
  std::unique_ptr<IXmlNode> NextSibling() const override { return Wrap(node_->next); }

  bool IsTextElement() const override { return OnlyTextChild() != nullptr; }

  std::optional<std::string> ElementText() const override {
    const xmlNodePtr text = OnlyTextChild();
    if (text == nullptr) return std::nullopt;
    return Ansi(text->content);
  }

  std::optional<std::string> Attribute(std::string_view name) const override {
    if (node_->type != XML_ELEMENT_NODE) return std::nullopt;
    for (xmlAttrPtr attribute = node_->properties; attribute != nullptr;
         attribute = attribute->next) {
      if (QualifiedName(attribute->ns, attribute->name) != name) continue;
      return Ansi(AttributeValue(attribute).get());
    }
    return std::nullopt;
  }

  bool ConversionIsLossy() const override {
    if (IsLossy(node_->name)) return true;
    if (node_->type == XML_ELEMENT_NODE && node_->ns != nullptr && IsLossy(node_->ns->prefix)) {
      return true;
    }
    if (node_->type == XML_ELEMENT_NODE) {
      for (xmlAttrPtr attribute = node_->properties; attribute != nullptr;
           attribute = attribute->next) {
        if (IsLossy(attribute->name)) return true;
        if (IsLossy(AttributeValue(attribute).get())) return true;
      }
    }
    const xmlNodePtr text = OnlyTextChild();
    return text != nullptr && IsLossy(text->content);
  }

  static std::unique_ptr<IXmlNode> Wrap(xmlNodePtr node) {
    if (node == nullptr) return nullptr;
    return std::make_unique<LibXmlNode>(node);
  }

 private:
  xmlNodePtr OnlyTextChild() const {
    if (node_->type != XML_ELEMENT_NODE) return nullptr;
    const xmlNodePtr child = node_->children;
    if (child == nullptr || child->type != XML_TEXT_NODE || child->next != nullptr) return nullptr;
    return child;
  }

  xmlNodePtr node_;
};

class LibXmlDocument final : public IXmlDocument {
 public:
  explicit LibXmlDocument(XmlDocument doc) : doc_(std::move(doc)) {}

  std::optional<std::string> DocumentTypeName() const override {
    const xmlDtdPtr dtd = xmlGetIntSubset(doc_.get());
    if (dtd == nullptr) return std::nullopt;
    return Ansi(dtd->name);
  }

  std::unique_ptr<IXmlNode> DocumentElement() const override {
    return LibXmlNode::Wrap(xmlDocGetRootElement(doc_.get()));
  }

 private:
  XmlDocument doc_;
};

std::string ReadWholeFile(const std::string& fileName, const XmlLimits& limits) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(fileName, error);
  if (error) throw EProgramError(error.message());
  CheckXmlFileSize(size, limits);
  std::ifstream in(fileName, std::ios::binary);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
    bytes.resize(static_cast<std::size_t>(in.gcount()));
  }
  return bytes;
}

EXmlParseError ParseError(xmlParserCtxtPtr context) {
  const xmlError& error = context->lastError;
  std::string reason = error.message != nullptr ? error.message : "";
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == ' ')) reason.pop_back();
  std::string text = reason.empty() ? "The file is not valid XML." : reason;
  XmlParseFault fault;
  if (error.line > 0) {
    text +=
        "\r\nLine " + std::to_string(error.line) + ", position " + std::to_string(error.int2) + ".";
    fault = {static_cast<std::uint32_t>(error.line), static_cast<std::uint32_t>(error.int2),
             reason};
  }
  return EXmlParseError(text, fault);
}

class LibXml2Parser final : public IXmlParser {
 public:
  std::unique_ptr<IXmlDocument> Load(const std::string& fileName,
                                     const XmlLimits& limits) override {
    const std::string bytes = ReadWholeFile(fileName, limits);
    CheckXmlLimits(bytes, limits);
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
      throw EProgramError("The file is too large to be read.");
    }

    InitializeOnce();
    const XmlContext context(xmlNewParserCtxt());
    if (!context) throw EProgramError("Not enough memory to read the file.");
    // An entity reference stays a node of its own, as MSXML keeps it, and an
    // external one is therefore never loaded.  XML_PARSE_HUGE stays off, so
    // libxml2's own bounds on depth and entities hold as well as ours.
    // Attribute defaults of the internal subset reach the elements, as MSXML
    // gives them; the limit check has counted them at every element.
    const int options =
        XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_DTDATTR;
    XmlDocument doc(xmlCtxtReadMemory(context.get(), bytes.data(), static_cast<int>(bytes.size()),
                                      nullptr, nullptr, options));
    if (!doc || !context->wellFormed) throw ParseError(context.get());
    if (xmlDocGetRootElement(doc.get()) == nullptr)
      throw EProgramError("The file has no root element.");
    DropWhitespaceText(xmlDocGetRootElement(doc.get()));
    return std::make_unique<LibXmlDocument>(std::move(doc));
  }
};

}  // namespace

IXmlParser& LibXmlParser() {
  static LibXml2Parser parser;
  return parser;
}

}  // namespace platform::libxml2
