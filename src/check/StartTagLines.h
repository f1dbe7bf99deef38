#pragma once
// Line numbers for a preferences file's elements.  Neither parser tells where
// a node stands, but the import walks elements in the order their start tags
// stand in the file: a scan of the raw markup numbers every start tag, and a
// cursor follows the walk through that tree to the line of each element it
// enters.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TStartTagLines {
 public:
  // Scans the file's bytes (UTF-8, UTF-16 or a single-byte code page);
  // markup that cannot be read leaves the tree empty and every line 0.
  explicit TStartTagLines(std::string_view bytes);

  // The line of the XML declaration and of the document type declaration;
  // 0 when the file has none.
  int XmlDeclarationLine() const { return xmlDeclarationLine_; }
  int DocumentTypeLine() const { return documentTypeLine_; }
  // The encoding the XML declaration names, as written; none without one.
  const std::optional<std::string>& DeclaredEncoding() const { return encoding_; }

  // The element the walk enters at `depth` (1 for a child of the document
  // element), the next one after the last entered at that depth under the
  // same parent; returns its line (its parent's when the markup has no such
  // element, as for an element an entity brought in).
  int Enter(std::size_t depth);

 private:
  struct Element {
    int line = 0;
    int firstChild = -1;
    int nextSibling = -1;
  };
  static constexpr std::size_t kDepths = 6;

  void Scan(std::string_view text);

  std::vector<Element> elements_;
  int xmlDeclarationLine_ = 0;
  int documentTypeLine_ = 0;
  std::optional<std::string> encoding_;
  // Per depth: the element entered last, or -1.
  int entered_[kDepths] = {0, -1, -1, -1, -1, -1};
};
