// The XML document model on Windows: MSXML through COM.
#include <windows.h>
// After windows.h, which it needs.
#include <msxml2.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <utility>

#include "platform/Error.h"
#include "platform/FileSystem.h"
#include "platform/XmlDom.h"
#include "platform/XmlDomLimits.h"
#include "platform/XmlFaultScan.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32AnsiText.h"
#include "platform/win32/Win32MsXmlCom.h"
#include "platform/win32/Win32Services.h"

namespace platform::win32 {

namespace {

// The newest document class that is installed serves; the version-independent
// one is the last resort.
constexpr std::array<const wchar_t*, 4> kDocumentClasses = {
    L"Msxml2.DOMDocument.4.0", L"Msxml2.DOMDocument.3.0", L"Msxml2.DOMDocument.2.6",
    L"Msxml2.DOMDocument"};

// IXMLDOMDocument2, which carries setProperty; the import libraries lack it.
constexpr IID kIidDomDocument2 = {
    0x2933BF95, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

void Check(HRESULT result, const char* what) {
  if (FAILED(result)) {
    char code[16];
    wsprintfA(code, "0x%08lX", static_cast<unsigned long>(result));
    throw EProgramError(std::string("The XML parser failed (") + what + ", " + code + ").");
  }
}

// A message as the user is shown it: without the line end it comes with.
std::string WithoutLineEnd(std::string text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
    text.pop_back();
  }
  return text;
}

std::string SystemErrorText(DWORD error) {
  const std::string text = FileSystem().ErrorMessage(error);
  return text.empty() ? "Error " + std::to_string(error) + "." : WithoutLineEnd(text);
}

// SafeArrayAccessData for as long as the bytes are in use.  The array, not
// its data, is the handle: an empty array may have no data yet is locked.
struct ArrayAccessTraits {
  using Type = SAFEARRAY*;
  static Type Invalid() { return nullptr; }
  static void Close(Type array) { SafeArrayUnaccessData(array); }
};
using ArrayAccess = UniqueHandle<ArrayAccessTraits>;

// The bytes of `array`, in place for as long as `access` holds the array.
char* AccessBytes(SAFEARRAY* array, ArrayAccess& access) {
  void* data = nullptr;
  Check(SafeArrayAccessData(array, &data), "SafeArrayAccessData");
  access.reset(array);
  return static_cast<char*>(data);
}

// A byte array of `count` bytes, owned by `owner`.
SAFEARRAY* NewByteArray(ULONG count, Variant& owner) {
  SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, count);
  if (array == nullptr) throw EProgramError("Not enough memory to read the file.");
  owner.get().vt = VT_ARRAY | VT_UI1;
  owner.get().parray = array;
  return array;
}

// Whether the file names xml:space anywhere, in any encoding a file may be in:
// one byte per letter or UTF-16 of either byte order.
bool MentionsSpace(std::string_view bytes) {
  using namespace std::string_view_literals;
  return bytes.find("xml:space") != std::string_view::npos ||
         bytes.find("x\0m\0l\0:\0s\0p\0a\0c\0e"sv) != std::string_view::npos;
}

// The whole file as the byte array that the parser loads, its size checked
// before any of it is read and its content before the parser sees it.  The
// parser gets these bytes rather than the file's name, so it has no location
// to resolve anything against and reads exactly what was checked.  The file
// is read straight into the array: a second copy would add the file's size to
// the peak memory of the load.
// Returns whether the file names xml:space (see MentionsSpace).
bool ReadWholeFile(const std::string& fileName, const XmlLimits& limits, Variant& source) {
  const FileHandle file(CreateFileA(fileName.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw EProgramError(SystemErrorText(GetLastError()));
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) throw EProgramError(SystemErrorText(GetLastError()));
  CheckXmlFileSize(static_cast<std::uint64_t>(size.QuadPart), limits);
  if (static_cast<std::uint64_t>(size.QuadPart) > 0xFFFFFFFFu) {
    throw EProgramError("The file is too large to be read.");
  }

  const auto total = static_cast<ULONG>(size.QuadPart);
  SAFEARRAY* array = NewByteArray(total, source);
  bool mentionsSpace = false;
  ULONG done = 0;
  {
    ArrayAccess access;
    char* const bytes = AccessBytes(array, access);
    while (done < total) {
      DWORD read = 0;
      const DWORD chunk = std::min<ULONG>(total - done, 1u << 24);
      if (!ReadFile(file.get(), bytes + done, chunk, &read, nullptr)) {
        throw EProgramError(SystemErrorText(GetLastError()));
      }
      if (read == 0) break;  // the file shrank meanwhile
      done += read;
    }
    CheckXmlLimits(std::string_view(bytes, done), limits);
    mentionsSpace = MentionsSpace(std::string_view(bytes, done));
    if (done == total) return mentionsSpace;
  }
  // The file shrank meanwhile: the parser gets what was read and checked.
  Variant shorter;
  {
    ArrayAccess fromAccess;
    ArrayAccess toAccess;
    const char* const from = AccessBytes(array, fromAccess);
    char* const to = AccessBytes(NewByteArray(done, shorter), toAccess);
    if (done != 0) std::memcpy(to, from, done);
  }
  std::swap(source.get(), shorter.get());
  return mentionsSpace;
}

// The name of the attribute asked for last, as a BSTR: the import asks every
// value element for the same attribute, and one BSTR per document instead of
// one per value saves a conversion and an allocation each time.
class AttributeName {
 public:
  BSTR For(std::string_view name) {
    if (bstr_.get() == nullptr || name != name_) {
      name_.assign(name);
      bstr_.reset(AllocBstr(ToWide(name)));
    }
    return bstr_.get();
  }

 private:
  std::string name_;
  Bstr bstr_;
};

// What every node of one document shares.
struct DocumentShared {
  AttributeName attributeName;
  // Whether the file says xml:space anywhere; when it does not, no text is
  // kept for it and the ancestors need not be asked.
  bool mentionsSpace = false;
};

bool IsBlank(std::wstring_view text) {
  return text.find_first_not_of(L" \t\r\n") == std::wstring_view::npos;
}

// The document is loaded with whitespace preserved, so that a text keeps the
// blanks and line ends at its edges; MSXML's own dropping also cuts those off
// a text that a character reference or a line end splits.  Whitespace-only
// text between elements is then passed over here instead, except where
// xml:space="preserve" keeps it, as loading without preserving would do.
bool IsDroppedWhitespace(const ComPtr<IXMLDOMNode>& node, DocumentShared& shared) {
  DOMNodeType type = NODE_INVALID;
  Check(node->get_nodeType(&type), "nodeType");
  if (type != NODE_TEXT) return false;
  Variant value;
  Check(node->get_nodeValue(value.Out()), "nodeValue");
  if (!IsBlank(value.View())) return false;
  if (!shared.mentionsSpace) return true;
  ComPtr<IXMLDOMNode> parent;
  Check(node->get_parentNode(parent.Out()), "parentNode");
  while (parent) {
    const ComPtr<IXMLDOMElement> element = As<IXMLDOMElement>(parent, IID_IXMLDOMElement);
    if (!element) break;
    Variant space;
    Check(element->getAttribute(shared.attributeName.For("xml:space"), space.Out()),
          "getAttribute");
    if (space.IsString() && space.View() == L"preserve") return false;
    if (space.IsString() && space.View() == L"default") return true;
    ComPtr<IXMLDOMNode> up;
    Check(parent->get_parentNode(up.Out()), "parentNode");
    parent = std::move(up);
  }
  return true;
}

// `node` or, when it is dropped whitespace, the first sibling after it that
// is not.
ComPtr<IXMLDOMNode> Kept(ComPtr<IXMLDOMNode> node, DocumentShared& shared) {
  while (node && IsDroppedWhitespace(node, shared)) {
    ComPtr<IXMLDOMNode> next;
    Check(node->get_nextSibling(next.Out()), "nextSibling");
    node = std::move(next);
  }
  return node;
}

bool IsLossy(const Variant& value) { return value.IsString() && AnsiIsLossy(value.View()); }

class MsXmlNode final : public IXmlNode {
 public:
  MsXmlNode(ComPtr<IXMLDOMNode> node, DocumentShared& shared)
      : node_(std::move(node)), shared_(shared) {}

  std::string Name() const override {
    Bstr name;
    Check(node_->get_nodeName(name.Out()), "nodeName");
    return ToAnsi(View(name.get()));
  }

  std::unique_ptr<IXmlNode> FirstChild() const override {
    return Wrap(KeptFirstChild(node_), shared_);
  }

  std::unique_ptr<IXmlNode> NextSibling() const override {
    return Wrap(KeptNextSibling(node_), shared_);
  }

  bool IsTextElement() const override { return static_cast<bool>(OnlyTextChild()); }

  std::optional<std::string> ElementText() const override {
    const ComPtr<IXMLDOMNode> text = OnlyTextChild();
    if (!text) return std::nullopt;
    Variant value;
    Check(text->get_nodeValue(value.Out()), "nodeValue");
    return value.IsString() ? ToAnsi(value.View()) : std::string();
  }

  std::optional<std::string> Attribute(std::string_view name) const override {
    const ComPtr<IXMLDOMElement> element = As<IXMLDOMElement>(node_, IID_IXMLDOMElement);
    if (!element) return std::nullopt;
    Variant value;
    Check(element->getAttribute(shared_.attributeName.For(name), value.Out()), "getAttribute");
    if (!value.IsString()) return std::nullopt;  // VT_NULL: no such attribute
    return ToAnsi(value.View());
  }

  bool ConversionIsLossy() const override {
    Bstr name;
    Check(node_->get_nodeName(name.Out()), "nodeName");
    if (AnsiIsLossy(View(name.get()))) return true;
    // Wine fails to hand out the attributes of an element in a default
    // namespace one by one; such an element's attributes are left unasked
    // rather than failing the walk, which reads them by name alone.
    ComPtr<IXMLDOMNamedNodeMap> attributes;
    long count = 0;
    if (FAILED(node_->get_attributes(attributes.Out())) || !attributes ||
        FAILED(attributes->get_length(&count))) {
      count = 0;
    }
    for (long i = 0; i < count; ++i) {
      ComPtr<IXMLDOMNode> attribute;
      if (FAILED(attributes->get_item(i, attribute.Out())) || !attribute) break;
      Bstr attributeName;
      Check(attribute->get_nodeName(attributeName.Out()), "nodeName");
      Variant value;
      Check(attribute->get_nodeValue(value.Out()), "nodeValue");
      if (AnsiIsLossy(View(attributeName.get())) || IsLossy(value)) return true;
    }
    const ComPtr<IXMLDOMNode> text = OnlyTextChild();
    if (!text) return false;
    Variant value;
    Check(text->get_nodeValue(value.Out()), "nodeValue");
    return IsLossy(value);
  }

  static std::unique_ptr<IXmlNode> Wrap(ComPtr<IXMLDOMNode> node, DocumentShared& shared) {
    if (!node) return nullptr;
    return std::make_unique<MsXmlNode>(std::move(node), shared);
  }

 private:
  ComPtr<IXMLDOMNode> KeptFirstChild(const ComPtr<IXMLDOMNode>& node) const {
    ComPtr<IXMLDOMNode> child;
    Check(node->get_firstChild(child.Out()), "firstChild");
    return Kept(std::move(child), shared_);
  }

  ComPtr<IXMLDOMNode> KeptNextSibling(const ComPtr<IXMLDOMNode>& node) const {
    ComPtr<IXMLDOMNode> sibling;
    Check(node->get_nextSibling(sibling.Out()), "nextSibling");
    return Kept(std::move(sibling), shared_);
  }

  ComPtr<IXMLDOMNode> OnlyTextChild() const {
    DOMNodeType type = NODE_INVALID;
    Check(node_->get_nodeType(&type), "nodeType");
    if (type != NODE_ELEMENT) return {};
    ComPtr<IXMLDOMNode> child = KeptFirstChild(node_);
    if (!child) return {};
    Check(child->get_nodeType(&type), "nodeType");
    if (type != NODE_TEXT) return {};
    if (KeptNextSibling(child)) return {};
    return child;
  }

  ComPtr<IXMLDOMNode> node_;
  // Owned by the document, which every node refers into and outlives.
  DocumentShared& shared_;
};

class MsXmlDocument final : public IXmlDocument {
 public:
  MsXmlDocument(ComPtr<IXMLDOMDocument> document, bool mentionsSpace)
      : document_(std::move(document)) {
    shared_.mentionsSpace = mentionsSpace;
  }

  std::optional<std::string> DocumentTypeName() const override {
    ComPtr<IXMLDOMDocumentType> type;
    Check(document_->get_doctype(type.Out()), "doctype");
    if (!type) return std::nullopt;
    Bstr name;
    Check(type->get_name(name.Out()), "doctype name");
    return ToAnsi(View(name.get()));
  }

  std::unique_ptr<IXmlNode> DocumentElement() const override {
    ComPtr<IXMLDOMElement> element;
    Check(document_->get_documentElement(element.Out()), "documentElement");
    return MsXmlNode::Wrap(As<IXMLDOMNode>(element, IID_IXMLDOMNode), shared_);
  }

 private:
  ComPtr<IXMLDOMDocument> document_;
  mutable DocumentShared shared_;
};

ComPtr<IXMLDOMDocument> CreateDocument() {
  for (const wchar_t* progId : kDocumentClasses) {
    CLSID classId;
    if (FAILED(CLSIDFromProgID(progId, &classId))) continue;
    ComPtr<IXMLDOMDocument> document;
    if (SUCCEEDED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                                   reinterpret_cast<void**>(document.Out())))) {
      return document;
    }
  }
  throw EProgramError("No XML parser (MSXML) is installed.");
}

void SetProperty(const ComPtr<IXMLDOMDocument>& document, const wchar_t* name, long value) {
  const ComPtr<IXMLDOMDocument2> document2 = As<IXMLDOMDocument2>(document, kIidDomDocument2);
  if (!document2) return;
  const Bstr property(AllocBstr(name));
  Variant variant;
  variant.get().vt = VT_I4;
  variant.get().lVal = value;
  // Not every version knows every property (Wine rejects MaxXMLSize); our own
  // checks stand in for a bound the parser refuses.
  document2->setProperty(property.get(), variant.get());
}

std::string ParseErrorText(const ComPtr<IXMLDOMDocument>& document) {
  ComPtr<IXMLDOMParseError> error;
  if (FAILED(document->get_parseError(error.Out())) || !error) return "The file is not valid XML.";
  Bstr reason;
  error->get_reason(reason.Out());
  std::string text = WithoutLineEnd(ToAnsi(View(reason.get())));
  if (text.empty()) text = "The file is not valid XML.";
  long line = 0;
  long position = 0;
  error->get_line(&line);
  error->get_linepos(&position);
  if (line > 0) {
    text += "\r\nLine " + std::to_string(line) + ", position " + std::to_string(position) + ".";
  }
  return text;
}

// Where the file stops being well-formed: as the parser says, or, where it
// does not (Wine's gives line 0), as our own scan of the bytes finds it.
XmlParseFault Fault(const ComPtr<IXMLDOMDocument>& document, Variant& source) {
  ComPtr<IXMLDOMParseError> error;
  long line = 0;
  long position = 0;
  if (SUCCEEDED(document->get_parseError(error.Out())) && error) {
    error->get_line(&line);
    error->get_linepos(&position);
  }
  if (line > 0) {
    Bstr reason;
    error->get_reason(reason.Out());
    return {static_cast<std::uint32_t>(line), static_cast<std::uint32_t>(position),
            WithoutLineEnd(ToAnsi(View(reason.get())))};
  }
  ArrayAccess access;
  const char* const bytes = AccessBytes(source.get().parray, access);
  return FindXmlFault(std::string_view(bytes, source.get().parray->rgsabound[0].cElements));
}

class MsXmlParser final : public IXmlParser {
 public:
  std::unique_ptr<IXmlDocument> Load(const std::string& fileName,
                                     const XmlLimits& limits) override {
    Variant source;
    const bool mentionsSpace = ReadWholeFile(fileName, limits, source);

    EnsureComInitialized();
    ComPtr<IXMLDOMDocument> document = CreateDocument();
    Check(document->put_async(VARIANT_FALSE), "async");
    Check(document->put_validateOnParse(VARIANT_FALSE), "validateOnParse");
    Check(document->put_resolveExternals(VARIANT_FALSE), "resolveExternals");
    Check(document->put_preserveWhiteSpace(VARIANT_TRUE), "preserveWhiteSpace");
    if (limits.maxElementDepth != 0) {
      SetProperty(document, L"MaxElementDepth", static_cast<long>(limits.maxElementDepth));
    }
    if (limits.maxFileBytes != 0) {
      // In blocks of 1024 characters; a character takes at least one byte.
      SetProperty(document, L"MaxXMLSize", static_cast<long>(limits.maxFileBytes / 1024 + 1));
    }

    VARIANT_BOOL loaded = VARIANT_FALSE;
    const HRESULT result = document->load(source.get(), &loaded);
    if (FAILED(result) || loaded != VARIANT_TRUE) {
      throw EXmlParseError(ParseErrorText(document), Fault(document, source));
    }
    return std::make_unique<MsXmlDocument>(std::move(document), mentionsSpace);
  }
};

}  // namespace

IXmlParser& XmlParser() {
  static MsXmlParser parser;
  return parser;
}

}  // namespace platform::win32
