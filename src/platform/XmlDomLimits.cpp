#include "platform/XmlDomLimits.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/Error.h"
#include "platform/XmlScanText.h"

namespace platform {

namespace {

// Entities whose values refer to entities whose values refer to entities...:
// no honest file needs more than a few levels, and the size of each level is
// computed recursively, so the chain is cut here rather than on the stack.
constexpr int kMaxEntityNesting = 32;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool EndsName(char c) {
  return IsBlank(c) || c == ';' || c == '<' || c == '>' || c == '/' || c == '&' || c == '%' ||
         c == '"' || c == '\'';
}

// The parsers expand these to their one character whatever the file declares,
// so a reference to one adds no more than a character reference does: the
// character stands in the file itself, and the file's size bounds how many.
bool IsPredefined(std::string_view name) {
  return name == "lt" || name == "gt" || name == "amp" || name == "apos" || name == "quot";
}

[[noreturn]] void RefuseParameterEntities() {
  throw EXmlLimitError(
      "The file declares or uses parameter entities (<!ENTITY % ...> or %name;), which "
      "preferences files do not use.");
}

// A position in a text being scanned: the document, or an entity's value.
struct Cursor {
  std::string_view text;
  std::size_t at = 0;

  bool AtEnd() const { return at >= text.size(); }
  char Peek() const { return text[at]; }
  bool StartsWith(std::string_view prefix) const {
    return text.compare(at, prefix.size(), prefix) == 0;
  }
  // Moves past `end`, or to the end of the text when it never comes.
  void SkipPast(std::string_view end) {
    const std::size_t found = text.find(end, at);
    at = found == std::string_view::npos ? text.size() : found + end.size();
  }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(Peek())) ++at;
  }
  std::string_view Name() {
    const std::size_t start = at;
    while (!AtEnd() && !EndsName(Peek())) ++at;
    return text.substr(start, at - start);
  }
  // Moves past the quoted string that starts here.
  std::string_view Quoted() {
    const char quote = text[at++];
    const std::size_t start = at;
    const std::size_t end = text.find(quote, at);
    at = end == std::string_view::npos ? text.size() : end + 1;
    return text.substr(start, (end == std::string_view::npos ? text.size() : end) - start);
  }
  // Moves past the next ">" that is not inside quotes.
  void SkipMarkup() {
    while (!AtEnd()) {
      const char c = Peek();
      if (c == '"' || c == '\'') {
        Quoted();
      } else {
        ++at;
        if (c == '>') return;
      }
    }
  }
};

// The check reads a file under a policy stricter than XML's, one that every
// real preferences file meets and that leaves no construct the counts below
// could misjudge:
//  - no parameter entities: they make the declarations themselves, which a
//    scan that does not expand them cannot see;
//  - no general entity whose replacement text holds "<": none can then add
//    elements or declare anything, so the depth counted over the document's
//    own tags is the depth the parser builds, and each entity is plain text
//    whose size the scan computes;
//  - an attribute-list default is charged to the expansion budget at every
//    start tag of its element, since the parser may copy it into each.
class LimitScan {
 public:
  explicit LimitScan(const XmlLimits& limits) : limits_(limits) {}

  void Document(std::string_view text) {
    Cursor c{text};
    while (!c.AtEnd()) {
      if (c.Peek() == '&') {
        AddExpansion(Reference(c));
      } else if (c.Peek() != '<') {
        ++c.at;
      } else if (c.StartsWith("<!--")) {
        c.at += 4;
        c.SkipPast("-->");
      } else if (c.StartsWith("<![CDATA[")) {
        c.SkipPast("]]>");
      } else if (c.StartsWith("<?")) {
        c.SkipPast("?>");
      } else if (c.StartsWith("<!DOCTYPE")) {
        c.at += 9;
        DocumentType(c);
      } else if (c.StartsWith("</")) {
        if (depth_ > 0) --depth_;
        c.SkipPast(">");
      } else if (c.StartsWith("<!")) {
        c.SkipMarkup();  // not well-formed here: the parser says so
      } else {
        StartTag(c);
      }
    }
  }

 private:
  struct Entity {
    std::string_view value;
    bool external = false;
    bool visiting = false;
    bool sized = false;
    std::uint64_t size = 0;
  };

  [[noreturn]] static void ThrowNested() {
    throw EXmlLimitError("The entity references in the file are nested more than " +
                         std::to_string(kMaxEntityNesting) +
                         " levels deep or refer to themselves.");
  }

  std::uint64_t Cap() const { return limits_.maxEntityExpansion + 1; }

  void AddExpansion(std::uint64_t size) {
    if (limits_.maxEntityExpansion == 0) return;
    expansion_ = std::min(expansion_ + size, Cap());
    if (expansion_ > limits_.maxEntityExpansion) {
      throw EXmlLimitError("The entity references in the file expand to more than " +
                           std::to_string(limits_.maxEntityExpansion) + " characters.");
    }
  }

  void StartTag(Cursor& c) {
    ++c.at;
    const std::string_view name = c.Name();
    while (!c.AtEnd()) {
      const char ch = c.Peek();
      if (ch == '"' || ch == '\'') {
        AttributeValue(c);
      } else if (ch == '<') {
        return;  // not well-formed: the parser says so
      } else if (ch == '>') {
        const bool empty = c.text[c.at - 1] == '/';
        ++c.at;
        Nest();
        if (empty) --depth_;
        const auto defaults = defaultsPerElement_.find(name);
        if (defaults != defaultsPerElement_.end()) AddExpansion(defaults->second);
        return;
      } else {
        ++c.at;
      }
    }
  }

  void AttributeValue(Cursor& c) {
    Cursor value{c.Quoted()};
    while (!value.AtEnd()) {
      if (value.Peek() == '&') {
        AddExpansion(Reference(value));
      } else {
        ++value.at;
      }
    }
  }

  void Nest() {
    ++depth_;
    if (limits_.maxElementDepth != 0 && depth_ > limits_.maxElementDepth) {
      throw EXmlLimitError("The file nests elements more than " +
                           std::to_string(limits_.maxElementDepth) + " levels deep.");
    }
  }

  // At "&": moves past the reference and gives what it expands to.
  std::uint64_t Reference(Cursor& c) {
    ++c.at;
    if (!c.AtEnd() && c.Peek() == '#') return 0;  // a character reference
    const std::string_view name = c.Name();
    if (c.AtEnd() || c.Peek() != ';') return 0;
    ++c.at;
    return EntitySize(name, 0);
  }

  // What a reference to `name` expands to; nothing for a predefined, an
  // undeclared or an external entity.
  std::uint64_t EntitySize(std::string_view name, int nesting) {
    if (limits_.maxEntityExpansion == 0) return 0;
    const auto found = general_.find(name);
    return found == general_.end() ? 0 : Size(found->second, nesting);
  }

  // The characters an entity's replacement text expands to, nested references
  // included.  An external entity is never fetched, so it expands to nothing.
  std::uint64_t Size(Entity& entity, int nesting) {
    if (entity.external || entity.sized) return entity.size;
    if (entity.visiting || nesting > kMaxEntityNesting) ThrowNested();
    entity.visiting = true;
    const std::string replacement = ReplacementText(entity.value);
    const std::uint64_t size = replacement.size() + ReferencesSize(replacement, nesting + 1);
    entity.visiting = false;
    entity.sized = true;
    entity.size = std::min(size, Cap());
    return entity.size;
  }

  // What the entity references in `text` expand to together.
  std::uint64_t ReferencesSize(std::string_view text, int nesting) {
    std::uint64_t size = 0;
    Cursor c{text};
    while (!c.AtEnd() && size < Cap()) {
      if (c.Peek() != '&') {
        ++c.at;
        continue;
      }
      ++c.at;
      const std::string_view name = c.Name();
      if (c.AtEnd() || c.Peek() != ';') continue;
      size += EntitySize(name, nesting);
    }
    return size;
  }

  // An entity's value with its character references resolved, as the parser
  // stores it: "&#38;a;" in a value is a reference to "a" once declared, and
  // "&#60;" is markup.
  static std::string ReplacementText(std::string_view value) {
    std::string text;
    text.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
      if (value.compare(i, 2, "&#") != 0) {
        text += value[i];
        continue;
      }
      const std::size_t end = value.find(';', i);
      if (end == std::string_view::npos) {
        text += value[i];
        continue;
      }
      const std::string_view digits = value.substr(i + 2, end - i - 2);
      unsigned long code = 0;
      try {
        code = (!digits.empty() && (digits[0] == 'x'))
                   ? std::stoul(std::string(digits.substr(1)), nullptr, 16)
                   : std::stoul(std::string(digits), nullptr, 10);
      } catch (const std::exception&) {
        code = 'x';
      }
      text += code < 0x80 ? static_cast<char>(code) : 'x';
      i = end;
    }
    return text;
  }

  void DocumentType(Cursor& c) {
    while (!c.AtEnd()) {
      const char ch = c.Peek();
      if (ch == '"' || ch == '\'') {
        c.Quoted();
      } else if (ch == '[') {
        ++c.at;
        InternalSubset(c);
        c.SkipPast(">");
        break;
      } else {
        ++c.at;
        if (ch == '>') break;
      }
    }
    SizeAttributeDefaults();
  }

  // Declarations up to the closing "]".
  void InternalSubset(Cursor& c) {
    while (!c.AtEnd()) {
      const char ch = c.Peek();
      if (ch == ']') {
        ++c.at;
        return;
      }
      if (c.StartsWith("<!--")) {
        c.at += 4;
        c.SkipPast("-->");
      } else if (c.StartsWith("<?")) {
        c.SkipPast("?>");
      } else if (c.StartsWith("<!ENTITY")) {
        c.at += 8;
        EntityDeclaration(c);
      } else if (c.StartsWith("<!ATTLIST")) {
        c.at += 9;
        AttributeListDeclaration(c);
      } else if (c.StartsWith("<!")) {
        DeclarationRest(c, [](std::string_view) {});
      } else if (ch == '%') {
        RefuseParameterEntities();
      } else if (ch == '"' || ch == '\'') {
        c.Quoted();  // not well-formed: the parser says so
      } else {
        ++c.at;
      }
    }
  }

  // Moves past the next ">" that is not inside quotes, handing each quoted
  // string on the way to `literal`.  Between the quotes, "%" can only start a
  // parameter-entity reference.
  template <typename OnLiteral>
  void DeclarationRest(Cursor& c, OnLiteral literal) {
    while (!c.AtEnd()) {
      const char ch = c.Peek();
      if (ch == '"' || ch == '\'') {
        literal(c.Quoted());
      } else if (ch == '%') {
        RefuseParameterEntities();
      } else {
        ++c.at;
        if (ch == '>') return;
      }
    }
  }

  void EntityDeclaration(Cursor& c) {
    c.SkipBlanks();
    if (!c.AtEnd() && c.Peek() == '%') RefuseParameterEntities();
    const std::string_view name = c.Name();
    c.SkipBlanks();
    Entity entity;
    if (!c.AtEnd() && (c.Peek() == '"' || c.Peek() == '\'')) {
      entity.value = c.Quoted();
      // In an entity's value, "%" starts a parameter-entity reference; a "%"
      // written as a character reference is text and stays so.
      if (entity.value.find('%') != std::string_view::npos) RefuseParameterEntities();
      // Checked for the predefined names too: XML has lt and amp redeclared
      // doubly escaped, so no honest redeclaration holds a "<" either.
      if (ReplacementText(entity.value).find('<') != std::string::npos) {
        throw EXmlLimitError("The file declares the entity \"" + std::string(name.substr(0, 40)) +
                             "\" with markup (\"<\") in its text; entities in preferences files "
                             "may hold plain text only.");
      }
    } else {
      entity.external = true;
    }
    DeclarationRest(c, [](std::string_view) {});
    if (!IsPredefined(name)) general_.emplace(name, entity);  // the first declaration binds
  }

  // The quoted strings of an attribute-list declaration are its defaults.
  void AttributeListDeclaration(Cursor& c) {
    c.SkipBlanks();
    if (!c.AtEnd() && c.Peek() == '%') RefuseParameterEntities();
    const std::string_view element = c.Name();
    DeclarationRest(c, [&](std::string_view value) { defaults_.emplace_back(element, value); });
  }

  // Once every entity is declared: what the defaults of each element add to
  // one of its start tags, at most.  An element that gives the attribute
  // itself does not get the default, so this is an upper bound.
  void SizeAttributeDefaults() {
    if (limits_.maxEntityExpansion == 0) return;
    for (const auto& [element, value] : defaults_) {
      std::uint64_t& size = defaultsPerElement_[element];
      size = std::min(size + value.size() + ReferencesSize(value, 0), Cap());
    }
    defaults_.clear();
  }

  const XmlLimits& limits_;
  std::unordered_map<std::string_view, Entity> general_;
  std::vector<std::pair<std::string_view, std::string_view>> defaults_;
  std::unordered_map<std::string_view, std::uint64_t> defaultsPerElement_;
  std::uint64_t expansion_ = 0;
  std::uint32_t depth_ = 0;
};

}  // namespace

void CheckXmlFileSize(std::uint64_t size, const XmlLimits& limits) {
  if (limits.maxFileBytes != 0 && size > limits.maxFileBytes) {
    throw EXmlLimitError("The file is " + std::to_string(size) + " bytes long; files above " +
                         std::to_string(limits.maxFileBytes) + " bytes are not read.");
  }
}

void CheckXmlLimits(std::string_view bytes, const XmlLimits& limits) {
  if (limits.maxElementDepth == 0 && limits.maxEntityExpansion == 0) return;
  std::string storage;
  const std::string_view text = XmlScanText(bytes, storage);
  LimitScan(limits).Document(text);
}

}  // namespace platform
