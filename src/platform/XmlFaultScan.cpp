#include "platform/XmlFaultScan.h"

#include <cctype>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/XmlScanText.h"

namespace platform {

namespace {

bool IsNameStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' ||
         static_cast<unsigned char>(c) >= 0x80;
}

bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }

// Raised inside the scan at the first fault; it never leaves this unit.
struct Fault {
  std::size_t at;
  std::string reason;
};

class FaultScan {
 public:
  struct Use {
    std::string path;
    std::string name;
    std::size_t at;
  };

  explicit FaultScan(std::string_view text, std::vector<Use>* undeclared = nullptr)
      : text_(text), undeclared_(undeclared) {}

  void Document() {
    bool rootSeen = false;
    while (at_ < text_.size()) {
      if (text_[at_] != '<') {
        if (open_.empty()) {
          if (!IsXmlBlank(text_[at_])) {
            Fail(rootSeen ? "text after the document element" : "text before the document element");
          }
          ++at_;
        } else if (text_[at_] == '&') {
          Reference();
        } else {
          ++at_;
        }
      } else if (Starts("<!--")) {
        SkipPast("-->", "a comment that is never closed");
      } else if (Starts("<![CDATA[")) {
        if (open_.empty()) Fail("a CDATA section outside the document element");
        SkipPast("]]>", "a CDATA section that is never closed");
      } else if (Starts("<?")) {
        SkipPast("?>", "a processing instruction that is never closed");
      } else if (Starts("<!DOCTYPE")) {
        if (rootSeen || !open_.empty())
          Fail("a document type declaration after the document element");
        DocumentType();
      } else if (Starts("</")) {
        EndTag();
      } else {
        if (open_.empty() && rootSeen) Fail("a second document element");
        rootSeen = true;
        StartTag();
      }
    }
    if (!open_.empty()) {
      const Open& last = open_.back();
      Fail("the element <" + std::string(last.name) + "> is never closed", text_.size());
    }
    if (!rootSeen) Fail("no document element", text_.size());
  }

 private:
  struct Open {
    std::string_view name;
    std::size_t at;
    // The namespace prefixes its start tag declares.
    std::vector<std::string_view> prefixes;
  };

  // Notes `name` at `at` when its prefix is declared by no element open.
  void CheckPrefix(std::string_view name, std::size_t at) {
    const std::size_t colon = name.find(':');
    if (undeclared_ == nullptr || colon == std::string_view::npos || colon == 0) return;
    const std::string_view prefix = name.substr(0, colon);
    if (prefix == "xml" || prefix == "xmlns") return;
    for (const Open& open : open_) {
      for (std::string_view declared : open.prefixes) {
        if (declared == prefix) return;
      }
    }
    std::string path;
    for (const Open& open : open_) {
      if (!path.empty()) path += '/';
      path.append(open.name);
    }
    undeclared_->push_back({std::move(path), std::string(name), at});
  }

  [[noreturn]] void Fail(std::string reason) { Fail(std::move(reason), at_); }
  [[noreturn]] static void Fail(std::string reason, std::size_t at) {
    throw Fault{at, std::move(reason)};
  }

  bool Starts(std::string_view prefix) const {
    return text_.compare(at_, prefix.size(), prefix) == 0;
  }

  void SkipPast(std::string_view end, const char* unclosed) {
    const std::size_t found = text_.find(end, at_ + 2);
    if (found == std::string_view::npos) Fail(unclosed);
    at_ = found + end.size();
  }

  void SkipBlanks() {
    while (at_ < text_.size() && IsXmlBlank(text_[at_])) ++at_;
  }

  std::string_view Name(const char* what) {
    if (at_ >= text_.size() || !IsNameStart(text_[at_]))
      Fail(std::string("a ") + what + " expected");
    const std::size_t start = at_;
    while (at_ < text_.size() && IsNameChar(text_[at_])) ++at_;
    return text_.substr(start, at_ - start);
  }

  void StartTag() {
    const std::size_t start = at_++;
    const std::string_view name = Name("element name");
    std::set<std::string_view> attributes;
    std::vector<std::pair<std::string_view, std::size_t>> written;
    for (;;) {
      const std::size_t before = at_;
      SkipBlanks();
      if (at_ >= text_.size())
        Fail("the start tag <" + std::string(name) + "> is never closed", start);
      if (Starts("/>") || text_[at_] == '>') {
        const bool empty = text_[at_] == '/';
        at_ += empty ? 2 : 1;
        open_.push_back({name, start, {}});
        for (const auto& [attribute, at] : written) {
          if (attribute.substr(0, 6) == "xmlns:")
            open_.back().prefixes.push_back(attribute.substr(6));
        }
        CheckPrefix(name, start);
        for (const auto& [attribute, at] : written) {
          if (attribute.substr(0, 6) != "xmlns:") CheckPrefix(attribute, at);
        }
        if (empty) open_.pop_back();
        return;
      }
      if (before == at_) Fail("a blank expected between attributes");
      const std::size_t attributeAt = at_;
      const std::string_view attribute = Name("attribute name");
      SkipBlanks();
      if (at_ >= text_.size() || text_[at_] != '=') Fail("\"=\" expected after an attribute name");
      ++at_;
      SkipBlanks();
      if (at_ >= text_.size() || (text_[at_] != '"' && text_[at_] != '\'')) {
        Fail("an attribute value expected in quotes");
      }
      AttributeValue();
      written.emplace_back(attribute, attributeAt);
      if (!attributes.insert(attribute).second) {
        Fail("the attribute " + std::string(attribute) + " is written twice", attributeAt);
      }
    }
  }

  void AttributeValue() {
    const char quote = text_[at_++];
    while (at_ < text_.size() && text_[at_] != quote) {
      if (text_[at_] == '<') Fail("\"<\" in an attribute value");
      if (text_[at_] == '&') {
        Reference();
      } else {
        ++at_;
      }
    }
    if (at_ >= text_.size()) Fail("an attribute value that is never closed");
    ++at_;
  }

  void EndTag() {
    const std::size_t start = at_;
    at_ += 2;
    const std::string_view name = Name("element name");
    SkipBlanks();
    if (at_ >= text_.size() || text_[at_] != '>') Fail("\">\" expected to close an end tag");
    ++at_;
    if (open_.empty()) Fail("the end tag </" + std::string(name) + "> closes no element", start);
    if (open_.back().name != name) {
      Fail("the end tag </" + std::string(name) + "> does not close the element <" +
               std::string(open_.back().name) + ">",
           start);
    }
    open_.pop_back();
  }

  // At "&": a character reference, or a reference to a predefined or a
  // declared entity.
  void Reference() {
    const std::size_t start = at_++;
    if (at_ < text_.size() && text_[at_] == '#') {
      ++at_;
      const bool hex = at_ < text_.size() && text_[at_] == 'x';
      if (hex) ++at_;
      const std::size_t digits = at_;
      while (at_ < text_.size() && (hex ? std::isxdigit(static_cast<unsigned char>(text_[at_]))
                                        : std::isdigit(static_cast<unsigned char>(text_[at_])))) {
        ++at_;
      }
      if (at_ == digits || at_ >= text_.size() || text_[at_] != ';') {
        Fail("\"&\" that starts no valid character reference", start);
      }
      ++at_;
      return;
    }
    if (at_ >= text_.size() || !IsNameStart(text_[at_])) {
      Fail("\"&\" that starts no reference (write &amp;)", start);
    }
    const std::string_view name = Name("entity name");
    if (at_ >= text_.size() || text_[at_] != ';')
      Fail("\";\" expected after an entity name", start);
    ++at_;
    const bool predefined =
        name == "lt" || name == "gt" || name == "amp" || name == "apos" || name == "quot";
    if (!predefined && !declaresUnknown_ && entities_.count(name) == 0) {
      Fail("the entity " + std::string(name) + " is not declared", start);
    }
  }

  // Collects the names of the general entities the internal subset declares;
  // with an external subset or parameter entities any name may be declared.
  void DocumentType() {
    const std::size_t start = at_;
    at_ += 9;
    char quote = 0;
    bool inSubset = false;
    for (; at_ < text_.size(); ++at_) {
      const char c = text_[at_];
      if (quote != 0) {
        if (c == quote) quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (!inSubset && (Starts("SYSTEM") || Starts("PUBLIC"))) {
        declaresUnknown_ = true;
      } else if (c == '[') {
        inSubset = true;
      } else if (inSubset && Starts("<!--")) {
        const std::size_t end = text_.find("-->", at_ + 4);
        if (end == std::string_view::npos) break;
        at_ = end + 2;
      } else if (c == '%') {
        declaresUnknown_ = true;
      } else if (inSubset && Starts("<!ENTITY")) {
        at_ += 8;
        SkipBlanks();
        if (at_ < text_.size() && IsNameStart(text_[at_])) entities_.insert(Name("entity name"));
        --at_;
      } else if (c == ']') {
        inSubset = false;
      } else if (c == '>' && !inSubset) {
        ++at_;
        return;
      }
    }
    Fail("a document type declaration that is never closed", start);
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::vector<Open> open_;
  std::set<std::string_view> entities_;
  bool declaresUnknown_ = false;
  std::vector<Use>* undeclared_;
};

// Lines and columns of places in a text, in the order of the text, counting
// characters rather than the bytes of UTF-8, and each of CR LF, CR and LF as
// one line end.  Each place is counted on from the one before, so placing
// many costs one pass over the text.
class Places {
 public:
  explicit Places(std::string_view text) : text_(text) {}

  XmlParseFault At(std::size_t at, std::string reason) {
    for (; next_ < at && next_ < text_.size(); ++next_) {
      const char c = text_[next_];
      if (c == '\n' || (c == '\r' && (next_ + 1 >= text_.size() || text_[next_ + 1] != '\n'))) {
        ++line_;
        column_ = 1;
      } else if (c != '\r' && (static_cast<unsigned char>(c) & 0xC0) != 0x80) {
        ++column_;
      }
    }
    return {line_, column_, std::move(reason)};
  }

 private:
  std::string_view text_;
  std::size_t next_ = 0;
  std::uint32_t line_ = 1;
  std::uint32_t column_ = 1;
};

// The text the parser reads; none for a file the limit check already refuses
// for its encoding, which says so itself.
std::optional<std::string_view> ScannableText(std::string_view bytes, std::string& storage) {
  try {
    return XmlScanText(bytes, storage);
  } catch (const EProgramError&) {
    return std::nullopt;
  }
}

}  // namespace

XmlParseFault FindXmlFault(std::string_view bytes) {
  std::string storage;
  const std::optional<std::string_view> text = ScannableText(bytes, storage);
  if (!text) return {};
  try {
    FaultScan(*text).Document();
  } catch (const Fault& fault) {
    return Places(*text).At(fault.at, fault.reason);
  }
  return {};
}

std::vector<XmlPrefixUse> FindUndeclaredPrefixes(std::string_view bytes) {
  std::string storage;
  const std::optional<std::string_view> text = ScannableText(bytes, storage);
  if (!text) return {};
  std::vector<FaultScan::Use> uses;
  try {
    FaultScan(*text, &uses).Document();
  } catch (const Fault&) {
  }
  std::vector<XmlPrefixUse> found;
  Places places(*text);
  for (FaultScan::Use& use : uses) {
    const XmlParseFault place = places.At(use.at, {});
    found.push_back({std::move(use.path), std::move(use.name), place.line, place.column});
  }
  return found;
}

}  // namespace platform
