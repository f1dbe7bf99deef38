#include "platform/XmlDomLimits.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "platform/Error.h"

namespace platform {

namespace {

// Entities whose values refer to entities whose values refer to entities...:
// no honest file needs more than a few levels, and the size of each level is
// computed recursively, so the chain is cut here rather than on the stack.
constexpr int kMaxEntityNesting = 32;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool EndsName(char c) {
  return IsBlank(c) || c == ';' || c == '<' || c == '>' || c == '&' || c == '%' || c == '"' ||
         c == '\'';
}

// UTF-16 reduced to what the scan looks at: markup is ASCII, every other code
// unit becomes a letter.  Other encodings are scanned as they are.
bool IsUtf16(std::string_view bytes, bool* bigEndian) {
  if (bytes.size() < 2) return false;
  const auto b0 = static_cast<unsigned char>(bytes[0]);
  const auto b1 = static_cast<unsigned char>(bytes[1]);
  if ((b0 == 0xFF && b1 == 0xFE) || (b0 == '<' && b1 == 0)) {
    *bigEndian = false;
    return true;
  }
  if ((b0 == 0xFE && b1 == 0xFF) || (b0 == 0 && b1 == '<')) {
    *bigEndian = true;
    return true;
  }
  return false;
}

std::string NarrowUtf16(std::string_view bytes, bool bigEndian) {
  std::string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
    const auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
    text += (hi == 0 && lo < 0x80) ? static_cast<char>(lo) : 'x';
  }
  return text;
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

class LimitScan {
 public:
  explicit LimitScan(const XmlLimits& limits) : limits_(limits) {}

  void Document(std::string_view text) {
    Cursor c{text};
    while (!c.AtEnd()) {
      if (c.Peek() == '&') {
        AddExpansion(Reference(c, general_));
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
        c.SkipMarkup();
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
  using Entities = std::unordered_map<std::string_view, Entity>;

  [[noreturn]] static void ThrowNested() {
    throw EProgramError("The entity references in the file are nested more than " +
                        std::to_string(kMaxEntityNesting) + " levels deep or refer to themselves.");
  }

  std::uint64_t Cap() const { return limits_.maxEntityExpansion + 1; }

  void AddExpansion(std::uint64_t size) {
    if (limits_.maxEntityExpansion == 0) return;
    expansion_ = std::min(expansion_ + size, Cap());
    if (expansion_ > limits_.maxEntityExpansion) {
      throw EProgramError("The entity references in the file expand to more than " +
                          std::to_string(limits_.maxEntityExpansion) + " characters.");
    }
  }

  void StartTag(Cursor& c) {
    ++c.at;
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
        AddExpansion(Reference(value, general_));
      } else {
        ++value.at;
      }
    }
  }

  void Nest() {
    ++depth_;
    if (limits_.maxElementDepth != 0 && depth_ > limits_.maxElementDepth) {
      throw EProgramError("The file nests elements more than " +
                          std::to_string(limits_.maxElementDepth) + " levels deep.");
    }
  }

  // At "&" or "%": moves past the reference and gives what it expands to.
  std::uint64_t Reference(Cursor& c, Entities& entities) {
    ++c.at;
    if (!c.AtEnd() && c.Peek() == '#') return 0;  // a character reference
    const std::string_view name = c.Name();
    if (c.AtEnd() || c.Peek() != ';') return 0;
    ++c.at;
    if (limits_.maxEntityExpansion == 0) return 0;
    const auto found = entities.find(name);
    return found == entities.end() ? 0 : Size(found->second, entities, 0);
  }

  // The characters an entity's replacement text expands to, nested references
  // included.  An external entity is never fetched, so it expands to nothing.
  std::uint64_t Size(Entity& entity, Entities& entities, int nesting) {
    if (entity.external || entity.sized) return entity.size;
    if (entity.visiting || nesting > kMaxEntityNesting) ThrowNested();
    entity.visiting = true;
    const std::string replacement = ReplacementText(entity.value);
    std::uint64_t size = replacement.size();
    Cursor c{replacement};
    while (!c.AtEnd() && size < Cap()) {
      if (c.Peek() != '&') {
        ++c.at;
        continue;
      }
      ++c.at;
      const std::string_view name = c.Name();
      if (c.AtEnd() || c.Peek() != ';') continue;
      const auto found = entities.find(name);
      if (found != entities.end()) size += Size(found->second, entities, nesting + 1);
    }
    entity.visiting = false;
    entity.sized = true;
    entity.size = std::min(size, Cap());
    return entity.size;
  }

  // An entity's value with its character references resolved, as the parser
  // stores it: "&#38;a;" in a value is a reference to "a" once declared.
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
        InternalSubset(c, 0);
        c.SkipPast(">");
        return;
      } else {
        ++c.at;
        if (ch == '>') return;
      }
    }
  }

  // Declarations up to the closing "]" (or the end of a parameter entity's
  // value, which may itself declare entities).
  void InternalSubset(Cursor& c, int nesting) {
    while (!c.AtEnd()) {
      if (c.Peek() == ']') {
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
      } else if (c.StartsWith("<!")) {
        c.SkipMarkup();
      } else if (c.Peek() == '%') {
        ParameterReference(c, nesting);
      } else {
        ++c.at;
      }
    }
  }

  // A parameter entity's text is read as declarations where it is referenced,
  // and may declare the entities of a bomb, so it is scanned as such; each
  // scan is charged to the expansion budget, which bounds the work.
  void ParameterReference(Cursor& c, int nesting) {
    ++c.at;
    const std::string_view name = c.Name();
    if (c.AtEnd() || c.Peek() != ';') return;
    ++c.at;
    if (limits_.maxEntityExpansion == 0) return;
    const auto found = parameter_.find(name);
    if (found == parameter_.end() || found->second.external) return;
    if (nesting >= kMaxEntityNesting) ThrowNested();
    AddExpansion(found->second.value.size());
    Cursor value{found->second.value};
    InternalSubset(value, nesting + 1);
  }

  void EntityDeclaration(Cursor& c) {
    c.SkipBlanks();
    Entities* entities = &general_;
    if (!c.AtEnd() && c.Peek() == '%') {
      ++c.at;
      entities = &parameter_;
      c.SkipBlanks();
    }
    const std::string_view name = c.Name();
    c.SkipBlanks();
    Entity entity;
    if (!c.AtEnd() && (c.Peek() == '"' || c.Peek() == '\'')) {
      entity.value = c.Quoted();
    } else {
      entity.external = true;
    }
    c.SkipMarkup();
    entities->emplace(name, entity);  // the first declaration binds
  }

  const XmlLimits& limits_;
  Entities general_;
  Entities parameter_;
  std::uint64_t expansion_ = 0;
  std::uint32_t depth_ = 0;
};

}  // namespace

void CheckXmlFileSize(std::uint64_t size, const XmlLimits& limits) {
  if (limits.maxFileBytes != 0 && size > limits.maxFileBytes) {
    throw EProgramError("The file is " + std::to_string(size) + " bytes long; files above " +
                        std::to_string(limits.maxFileBytes) + " bytes are not read.");
  }
}

void CheckXmlLimits(std::string_view bytes, const XmlLimits& limits) {
  if (limits.maxElementDepth == 0 && limits.maxEntityExpansion == 0) return;
  LimitScan scan(limits);
  bool bigEndian = false;
  if (IsUtf16(bytes, &bigEndian)) {
    const std::string text = NarrowUtf16(bytes, bigEndian);
    scan.Document(text);
  } else {
    scan.Document(bytes);
  }
}

}  // namespace platform
