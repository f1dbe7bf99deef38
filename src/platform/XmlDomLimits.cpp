#include "platform/XmlDomLimits.h"

#include <algorithm>
#include <optional>
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

bool EndsName(char c) {
  return IsXmlBlank(c) || c == ';' || c == '<' || c == '>' || c == '/' || c == '&' || c == '%' ||
         c == '"' || c == '\'';
}

// The parsers expand these to their one character whatever the file declares,
// so a reference to one adds no more than a character reference does: the
// character stands in the file itself, and the file's size bounds how many.
// Neither splits the text it stands in.
bool IsPredefined(std::string_view name) {
  return name == "lt" || name == "gt" || name == "amp" || name == "apos" || name == "quot";
}

// A reference the parser keeps as a node of its own, between the runs of
// text around it: any named one but the predefined five.
bool IsEntityReference(std::string_view name) {
  return !name.empty() && name[0] != '#' && !IsPredefined(name);
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
    while (!AtEnd() && IsXmlBlank(Peek())) ++at;
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
        ContentReference(c);
        continue;
      }
      if (c.Peek() != '<') {
        ContinueText();
        ++c.at;
        continue;
      }
      EndText();
      if (c.StartsWith("<!--")) {
        AddNodes(1);
        c.at += 4;
        c.SkipPast("-->");
      } else if (c.StartsWith("<![CDATA[")) {
        AddNodes(1);
        c.SkipPast("]]>");
      } else if (c.StartsWith("<?")) {
        AddNodes(1);
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
    EndText();
  }

 private:
  struct Entity {
    std::string_view value;
    bool external = false;
    bool visiting = false;
    bool sized = false;
    std::uint64_t size = 0;
  };

  // What the parser copies into each start tag of an element from the
  // attribute-list declarations: how many attributes, and what they expand to.
  struct Defaults {
    std::uint32_t count = 0;
    std::uint64_t expansion = 0;
  };

  // What one attribute value, or an entity's text, holds: the pieces the
  // parser keeps it in and what its references expand to.
  struct TextCost {
    std::uint32_t pieces = 0;
    std::uint64_t expansion = 0;
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

  void AddNodes(std::uint64_t count) {
    nodes_ += count;
    if (limits_.maxNodes != 0 && nodes_ > limits_.maxNodes) {
      throw EXmlLimitError("The file holds more than " + std::to_string(limits_.maxNodes) +
                           " elements, attributes, texts and other nodes.");
    }
  }

  void CheckPieces(std::uint32_t pieces) const {
    if (limits_.maxPiecesPerText != 0 && pieces > limits_.maxPiecesPerText) {
      throw EXmlLimitError(
          "An attribute value, text or entity in the file is split into more "
          "than " +
          std::to_string(limits_.maxPiecesPerText) + " pieces by entity references.");
    }
  }

  // A character of content text: it starts a run unless one is going on.
  void ContinueText() {
    if (inRun_) return;
    inRun_ = true;
    AddTextPiece();
  }

  void AddTextPiece() {
    CheckPieces(++textPieces_);
    AddNodes(1);
  }

  void EndText() {
    inRun_ = false;
    textPieces_ = 0;
  }

  // At "&" in content.
  void ContentReference(Cursor& c) {
    const std::optional<std::string_view> name = EntityReferenceAt(c);
    if (!name) {
      ContinueText();  // text to the parser, or its error
      return;
    }
    AddExpansion(ReferenceSize(*name, 0));
    inRun_ = false;
    AddTextPiece();
  }

  void StartTag(Cursor& c) {
    ++c.at;
    const std::string_view name = c.Name();
    AddNodes(1);
    std::uint64_t attributes = 0;
    while (!c.AtEnd()) {
      const char ch = c.Peek();
      if (ch == '"' || ch == '\'') {
        // Each attribute has one value, and a quote outside one is the
        // parser's error: counting values counts attributes.
        CheckAttributes(++attributes);
        const TextCost value = Text(c.Quoted(), 0);
        CheckPieces(value.pieces);
        AddNodes(1 + value.pieces);
        AddExpansion(value.expansion);
      } else if (ch == '<') {
        return;  // not well-formed: the parser says so
      } else if (ch == '>') {
        const bool empty = c.text[c.at - 1] == '/';
        ++c.at;
        Nest();
        if (empty) --depth_;
        const auto defaults = defaultsPerElement_.find(name);
        if (defaults != defaultsPerElement_.end()) {
          attributes += defaults->second.count;
          AddNodes(defaults->second.count);
          AddExpansion(defaults->second.expansion);
        }
        CheckAttributes(attributes);
        return;
      } else {
        ++c.at;
      }
    }
  }

  void CheckAttributes(std::uint64_t attributes) const {
    if (limits_.maxAttributesPerElement != 0 && attributes > limits_.maxAttributesPerElement) {
      throw EXmlLimitError("An element in the file has more than " +
                           std::to_string(limits_.maxAttributesPerElement) +
                           " attributes, counting those it gets from attribute-list declarations "
                           "and its namespace declarations.");
    }
  }

  void Nest() {
    ++depth_;
    if (limits_.maxElementDepth != 0 && depth_ > limits_.maxElementDepth) {
      throw EXmlLimitError("The file nests elements more than " +
                           std::to_string(limits_.maxElementDepth) + " levels deep.");
    }
  }

  // At "&": moves past the reference that starts here and gives its name
  // when the parser keeps it as a node; otherwise (a character reference, a
  // predefined entity, a stray "&") moves past the "&" alone, which the
  // parser reads as text or refuses.
  static std::optional<std::string_view> EntityReferenceAt(Cursor& c) {
    const std::size_t start = ++c.at;
    if (!c.AtEnd() && c.Peek() == '#') return std::nullopt;
    const std::string_view name = c.Name();
    if (c.AtEnd() || c.Peek() != ';' || !IsEntityReference(name)) {
      c.at = start;
      return std::nullopt;
    }
    ++c.at;
    return name;
  }

  // The pieces the parser keeps `text` in (runs of text and the entity
  // references between them), handing each reference to `onReference`.
  template <typename OnReference>
  static std::uint32_t CountPieces(std::string_view text, OnReference onReference) {
    std::uint32_t pieces = 0;
    bool inRun = false;
    Cursor c{text};
    while (!c.AtEnd()) {
      if (c.Peek() == '&') {
        if (const std::optional<std::string_view> name = EntityReferenceAt(c)) {
          onReference(*name);
          ++pieces;
          inRun = false;
          continue;
        }
      } else {
        ++c.at;
      }
      if (!inRun) ++pieces;
      inRun = true;
    }
    return pieces;
  }

  // What a reference to `name` adds: its entity's size, and at least one.
  std::uint64_t ReferenceSize(std::string_view name, int nesting) {
    return std::max<std::uint64_t>(1, EntitySize(name, nesting));
  }

  // What a reference to `name` expands to; nothing for an undeclared or an
  // external entity.
  std::uint64_t EntitySize(std::string_view name, int nesting) {
    if (limits_.maxEntityExpansion == 0) return 0;
    const auto found = general_.find(name);
    return found == general_.end() ? 0 : Size(found->second, nesting);
  }

  // The pieces of an attribute value or an entity's text, and what its
  // references expand to.
  TextCost Text(std::string_view text, int nesting) {
    TextCost cost;
    cost.pieces = CountPieces(text, [&](std::string_view name) {
      cost.expansion = std::min(cost.expansion + ReferenceSize(name, nesting), Cap());
    });
    return cost;
  }

  // The characters an entity's replacement text expands to, nested references
  // included.  An external entity is never fetched, so it expands to nothing.
  std::uint64_t Size(Entity& entity, int nesting) {
    if (entity.external || entity.sized) return entity.size;
    if (entity.visiting || nesting > kMaxEntityNesting) ThrowNested();
    entity.visiting = true;
    const std::string replacement = ReplacementText(entity.value);
    const std::uint64_t size = replacement.size() + Text(replacement, nesting + 1).expansion;
    entity.visiting = false;
    entity.sized = true;
    entity.size = std::min(size, Cap());
    return entity.size;
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
    if (IsPredefined(name)) {
      // The parsers keep their own meaning of these whatever the file says,
      // at most warning of a declaration they then pass over.
      DeclarationRest(c, [](std::string_view) {});
      return;
    }
    if (!c.AtEnd() && (c.Peek() == '"' || c.Peek() == '\'')) {
      entity.value = c.Quoted();
      // In an entity's value, "%" starts a parameter-entity reference; a "%"
      // written as a character reference is text and stays so.
      if (entity.value.find('%') != std::string_view::npos) RefuseParameterEntities();
      const std::string replacement = ReplacementText(entity.value);
      if (replacement.find('<') != std::string::npos) {
        throw EXmlLimitError("The file declares the entity \"" + std::string(name.substr(0, 40)) +
                             "\" with markup (\"<\") in its text; entities in preferences files "
                             "may hold plain text only.");
      }
      // The parser keeps an entity's text once, in its pieces, however often
      // it is referred to; what its references expand to counts where it is
      // referred to, since the entities they name may be declared later.
      const std::uint32_t pieces = CountPieces(replacement, [](std::string_view) {});
      CheckPieces(pieces);
      AddNodes(pieces);
    } else {
      entity.external = true;
    }
    DeclarationRest(c, [](std::string_view) {});
    general_.emplace(name, entity);  // the first declaration binds
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
  // Each copy counts at least one character, as a reference does.
  void SizeAttributeDefaults() {
    for (const auto& [element, value] : defaults_) {
      const TextCost cost = Text(value, 0);
      CheckPieces(cost.pieces);
      Defaults& defaults = defaultsPerElement_[element];
      ++defaults.count;
      defaults.expansion = std::min(
          defaults.expansion + std::max<std::uint64_t>(1, value.size() + cost.expansion), Cap());
    }
    defaults_.clear();
  }

  const XmlLimits& limits_;
  std::unordered_map<std::string_view, Entity> general_;
  std::vector<std::pair<std::string_view, std::string_view>> defaults_;
  std::unordered_map<std::string_view, Defaults> defaultsPerElement_;
  std::uint64_t expansion_ = 0;
  std::uint64_t nodes_ = 0;
  std::uint32_t depth_ = 0;
  // The content text going on: whether a run of plain text is, and how many
  // pieces the text has had so far.
  bool inRun_ = false;
  std::uint32_t textPieces_ = 0;
};

}  // namespace

void CheckXmlFileSize(std::uint64_t size, const XmlLimits& limits) {
  if (limits.maxFileBytes != 0 && size > limits.maxFileBytes) {
    throw EXmlLimitError("The file is " + std::to_string(size) + " bytes long; files above " +
                         std::to_string(limits.maxFileBytes) + " bytes are not read.");
  }
}

void CheckXmlLimits(std::string_view bytes, const XmlLimits& limits) {
  if (limits.maxElementDepth == 0 && limits.maxEntityExpansion == 0 &&
      limits.maxAttributesPerElement == 0 && limits.maxNodes == 0 && limits.maxPiecesPerText == 0) {
    return;
  }
  std::string storage;
  const std::string_view text = XmlScanText(bytes, storage);
  LimitScan(limits).Document(text);
}

}  // namespace platform
