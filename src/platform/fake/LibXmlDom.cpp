#include "platform/fake/LibXmlDom.h"

#include <iconv.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "platform/Error.h"
#include "platform/XmlDomLimits.h"

namespace platform::fake {

namespace {

// libxml2 hands out UTF-8; the core wants the ANSI code page, windows-1252
// here as under Wine.  Characters the code page lacks become "?", as
// WideCharToMultiByte makes them.
class AnsiConverter {
 public:
  AnsiConverter() : cd_(iconv_open("WINDOWS-1252", "UTF-8")) {}
  ~AnsiConverter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  AnsiConverter(const AnsiConverter&) = delete;
  AnsiConverter& operator=(const AnsiConverter&) = delete;

  std::string Convert(const xmlChar* utf8) {
    if (utf8 == nullptr) return {};
    std::string in(reinterpret_cast<const char*>(utf8));
    bool ascii = true;
    for (unsigned char c : in) ascii = ascii && c < 0x80;
    if (ascii) return in;

    std::string out(in.size(), '\0');
    char* source = in.data();
    std::size_t sourceLeft = in.size();
    char* target = out.data();
    std::size_t targetLeft = out.size();
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    while (sourceLeft > 0) {
      if (iconv(cd_, &source, &sourceLeft, &target, &targetLeft) != static_cast<std::size_t>(-1)) {
        break;
      }
      if (errno != EILSEQ || targetLeft == 0) break;
      // One character the code page lacks: skip its UTF-8 bytes.
      *target++ = '?';
      --targetLeft;
      do {
        ++source;
        --sourceLeft;
      } while (sourceLeft > 0 && (static_cast<unsigned char>(*source) & 0xC0) == 0x80);
    }
    out.resize(out.size() - targetLeft);
    return out;
  }

 private:
  iconv_t cd_;
};

AnsiConverter& Ansi() {
  static AnsiConverter converter;
  return converter;
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

class LibXmlNode final : public IXmlNode {
 public:
  explicit LibXmlNode(xmlNodePtr node) : node_(node) {}

  std::string Name() const override {
    switch (node_->type) {
      case XML_TEXT_NODE: return "#text";
      case XML_CDATA_SECTION_NODE: return "#cdata-section";
      case XML_COMMENT_NODE: return "#comment";
      case XML_ELEMENT_NODE:
        if (node_->ns != nullptr && node_->ns->prefix != nullptr) {
          return Ansi().Convert(node_->ns->prefix) + ":" + Ansi().Convert(node_->name);
        }
        return Ansi().Convert(node_->name);
      default: return Ansi().Convert(node_->name);
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
    return Ansi().Convert(text->content);
  }

  std::optional<std::string> Attribute(std::string_view name) const override {
    if (node_->type != XML_ELEMENT_NODE) return std::nullopt;
    for (xmlAttrPtr attribute = node_->properties; attribute != nullptr;
         attribute = attribute->next) {
      std::string qualified;
      if (attribute->ns != nullptr && attribute->ns->prefix != nullptr) {
        qualified = Ansi().Convert(attribute->ns->prefix) + ":";
      }
      qualified += Ansi().Convert(attribute->name);
      if (qualified != name) continue;
      xmlChar* value = xmlNodeListGetString(node_->doc, attribute->children, 1);
      std::string text = Ansi().Convert(value);
      xmlFree(value);
      return text;
    }
    return std::nullopt;
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

struct DocFree {
  void operator()(xmlDocPtr doc) const { xmlFreeDoc(doc); }
};
struct ContextFree {
  void operator()(xmlParserCtxtPtr context) const { xmlFreeParserCtxt(context); }
};

class LibXmlDocument final : public IXmlDocument {
 public:
  explicit LibXmlDocument(std::unique_ptr<xmlDoc, DocFree> doc) : doc_(std::move(doc)) {}

  std::optional<std::string> DocumentTypeName() const override {
    const xmlDtdPtr dtd = xmlGetIntSubset(doc_.get());
    if (dtd == nullptr) return std::nullopt;
    return Ansi().Convert(dtd->name);
  }

  std::unique_ptr<IXmlNode> DocumentElement() const override {
    return LibXmlNode::Wrap(xmlDocGetRootElement(doc_.get()));
  }

 private:
  std::unique_ptr<xmlDoc, DocFree> doc_;
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

std::string ErrorText(xmlParserCtxtPtr context) {
  const xmlError& error = context->lastError;
  std::string text = error.message != nullptr ? error.message : "The file is not valid XML.";
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  if (error.line > 0) {
    text +=
        "\r\nLine " + std::to_string(error.line) + ", position " + std::to_string(error.int2) + ".";
  }
  return text;
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
    std::unique_ptr<xmlParserCtxt, ContextFree> context(xmlNewParserCtxt());
    if (!context) throw EProgramError("Not enough memory to read the file.");
    // An entity reference stays a node of its own, as MSXML keeps it, and an
    // external one is therefore never loaded.  XML_PARSE_HUGE stays off, so
    // libxml2's own bounds on depth and entities hold as well as ours.
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    std::unique_ptr<xmlDoc, DocFree> doc(xmlCtxtReadMemory(
        context.get(), bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr, options));
    if (!doc || !context->wellFormed) throw EProgramError(ErrorText(context.get()));
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

}  // namespace platform::fake
