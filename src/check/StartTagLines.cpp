#include "check/StartTagLines.h"

#include <exception>

#include "platform/XmlScanText.h"

namespace {

bool StartsWith(std::string_view text, std::size_t at, std::string_view prefix) {
  return text.substr(at, prefix.size()) == prefix;
}

}  // namespace

TStartTagLines::TStartTagLines(std::string_view bytes) {
  std::string storage;
  try {
    const std::string_view text = platform::XmlScanText(bytes, storage);
    if (const auto encoding = platform::DeclaredEncoding(text)) encoding_ = std::string(*encoding);
    Scan(text);
  } catch (const std::exception&) {
    // The parser says what is wrong with such a file; lines stay unknown.
    elements_.clear();
  }
}

void TStartTagLines::Scan(std::string_view text) {
  int line = 1;
  std::size_t at = 0;
  // Moves past `end`, counting the lines on the way; to the end of the text
  // when it does not come.
  const auto skipPast = [&](std::string_view end) {
    std::size_t stop = text.find(end, at);
    stop = stop == std::string_view::npos ? text.size() : stop + end.size();
    for (; at < stop; ++at) line += text[at] == '\n' ? 1 : 0;
  };
  // Moves past the ">" that closes a tag, passing over quoted values and,
  // in a document type declaration, the internal subset.
  const auto skipTag = [&] {
    char quote = 0;
    int brackets = 0;
    for (; at < text.size(); ++at) {
      const char c = text[at];
      if (c == '\n') ++line;
      if (quote != 0) {
        if (c == quote) quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '[') {
        ++brackets;
      } else if (c == ']') {
        --brackets;
      } else if (c == '>' && brackets <= 0) {
        ++at;
        return;
      }
    }
  };

  // The elements whose end tag has not come yet, and per element its last
  // child so far.
  std::vector<int> open;
  std::vector<int> lastChild;
  while (at < text.size()) {
    if (text[at] != '<') {
      line += text[at] == '\n' ? 1 : 0;
      ++at;
      continue;
    }
    if (StartsWith(text, at, "<!--")) {
      skipPast("-->");
    } else if (StartsWith(text, at, "<![CDATA[")) {
      skipPast("]]>");
    } else if (StartsWith(text, at, "<?")) {
      if (at == 0 && StartsWith(text, at, "<?xml")) xmlDeclarationLine_ = line;
      skipPast("?>");
    } else if (StartsWith(text, at, "<!")) {
      if (StartsWith(text, at, "<!DOCTYPE")) documentTypeLine_ = line;
      skipTag();
    } else if (StartsWith(text, at, "</")) {
      if (!open.empty()) open.pop_back();
      skipTag();
    } else {
      const int id = static_cast<int>(elements_.size());
      elements_.push_back({line, -1, -1});
      lastChild.push_back(-1);
      if (!open.empty()) {
        const int parent = open.back();
        if (lastChild[parent] < 0) {
          elements_[parent].firstChild = id;
        } else {
          elements_[lastChild[parent]].nextSibling = id;
        }
        lastChild[parent] = id;
      }
      const std::size_t start = at;
      skipTag();
      const bool empty = at >= 2 && at - 2 > start && text[at - 2] == '/';
      if (!empty) open.push_back(id);
    }
  }
}

int TStartTagLines::Enter(std::size_t depth) {
  if (depth == 0 || depth >= kDepths) return 0;
  for (std::size_t deeper = depth + 1; deeper < kDepths; ++deeper) entered_[deeper] = -1;
  const int parent = entered_[depth - 1];
  if (parent < 0 || parent >= static_cast<int>(elements_.size())) return 0;
  const int last = entered_[depth];
  const int next = last < 0 ? elements_[parent].firstChild : elements_[last].nextSibling;
  if (next < 0) return elements_[parent].line;
  entered_[depth] = next;
  return elements_[next].line;
}
