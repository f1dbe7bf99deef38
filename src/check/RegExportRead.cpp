#include "check/RegExportRead.h"

#include <algorithm>
#include <vector>

#include "check/RegFileSyntax.h"
#include "check/WholeFile.h"
#include "platform/Utf16.h"
#include "prefstore/ProductIdentity.h"
#include "prefstore/RegistryObject.h"

namespace reg = platform::reg;

namespace {

// The file as UTF-16 text, whatever its encoding.
std::u16string TextOf(const std::string& bytes, const platform::IAnsiCodePage& codePage,
                      bool& ansi) {
  ansi = false;
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
    return platform::Utf16OfLeBytes(std::vector<std::uint8_t>(bytes.begin() + 2, bytes.end()));
  }
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0)
    return platform::Utf16OfUtf8(std::string_view(bytes).substr(3));
  ansi = true;
  return platform::Utf16OfUtf8(codePage.ToUtf8(bytes));
}

std::u16string Trimmed(std::u16string_view text) {
  const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::u16string(text);
}

char16_t Fold(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool SameIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char16_t x, char16_t y) { return Fold(x) == Fold(y); });
}

// Whether the product key lies below `path` (a deletion of it removes both).
bool AboveProductKey(const std::string& path) {
  const std::u16string above = platform::Utf16OfUtf8(path);
  const std::u16string product = platform::Utf16OfUtf8(kProductRegistryKey);
  return product.size() > above.size() && product[above.size()] == u'\\' &&
         SameIgnoringCase(std::u16string_view(product).substr(0, above.size()), above);
}

struct Line {
  std::u16string text;
  std::size_t number = 0;
};

// Physical lines joined where hex data goes on after a backslash.
std::vector<Line> LogicalLines(const std::u16string& text) {
  std::vector<Line> lines;
  std::size_t number = 0;
  bool continues = false;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find(u'\n', start);
    if (end == std::u16string::npos) end = text.size();
    std::u16string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == u'\r') line.pop_back();
    start = end + 1;
    ++number;
    if (continues) {
      lines.back().text += Trimmed(line);
    } else {
      lines.push_back({Trimmed(line), number});
    }
    std::u16string& joined = lines.back().text;
    continues =
        !joined.empty() && joined.back() == u'\\' && joined.find(u"=hex") != std::u16string::npos;
    if (continues) joined.pop_back();
  }
  return lines;
}

class Reader {
 public:
  Reader(const platform::IAnsiCodePage& codePage, bool ansi, TProductKeys& keys)
      : codePage_(codePage), ansi_(ansi), keys_(keys) {}

  // False with the reason in `error_`.
  bool Read(const Line& line) {
    const std::u16string& text = line.text;
    if (text.empty() || text.front() == u';') return true;
    if (text.front() == u'[') return KeyLine(text);
    return ValueLine(text);
  }

  std::string error_;

 private:
  bool KeyLine(const std::u16string& text) {
    if (text.back() != u']') return Fail("a key line without its closing bracket");
    std::u16string_view name = std::u16string_view(text).substr(1, text.size() - 2);
    const bool deletion = !name.empty() && name.front() == u'-';
    if (deletion) name.remove_prefix(1);
    const std::size_t slash = name.find(u'\\');
    const std::u16string_view root = name.substr(0, slash);
    const std::string path = slash == std::u16string_view::npos
                                 ? std::string()
                                 : platform::Utf8OfUtf16(name.substr(slash + 1));
    tree_ = nullptr;
    if (SameIgnoringCase(root, u"HKEY_CURRENT_USER") || SameIgnoringCase(root, u"HKCU")) {
      tree_ = &keys_.user;
    } else if (SameIgnoringCase(root, u"HKEY_LOCAL_MACHINE") || SameIgnoringCase(root, u"HKLM")) {
      tree_ = &keys_.machine;
    }
    if (tree_ == nullptr || !BelowProductKey(path)) {
      if (tree_ != nullptr && deletion && AboveProductKey(path)) tree_->clear();
      tree_ = nullptr;
      return true;
    }
    if (deletion) {
      DeleteTree(path);
      tree_ = nullptr;
      return true;
    }
    key_ = FindKey(path);
    return true;
  }

  bool ValueLine(const std::u16string& text) {
    std::size_t at = 0;
    std::u16string name;
    if (text.front() == u'@') {
      at = 1;
    } else if (auto quoted = RegUnquoted(text, at)) {
      name = std::move(*quoted);
    } else {
      return Fail("neither a key, a value nor a comment");
    }
    while (at < text.size() && (text[at] == u' ' || text[at] == u'\t')) ++at;
    if (at == text.size() || text[at] != u'=') return Fail("a value name without \"=\"");
    const std::u16string data = Trimmed(std::u16string_view(text).substr(at + 1));
    platform::RegTreeValue value{platform::Utf8OfUtf16(name), reg::kNone, {}};
    if (data == u"-") {
      if (tree_ != nullptr) Remove(value.name);
      return true;
    }
    if (!Data(data, value)) return false;
    if (tree_ == nullptr) return true;
    Remove(value.name);
    (*tree_)[key_].values.push_back(std::move(value));
    return true;
  }

  bool Data(const std::u16string& data, platform::RegTreeValue& value) {
    if (!data.empty() && data.front() == u'"') {
      std::size_t at = 0;
      const auto text = RegUnquoted(data, at);
      if (!text || at != data.size()) return Fail("a text without its closing quote");
      value.type = reg::kSz;
      value.data = platform::LeBytesOf(*text + u'\0');
      return true;
    }
    if (data.rfind(u"dword:", 0) == 0) {
      const auto number = RegHexNumber(std::u16string_view(data).substr(6), 8);
      if (!number) return Fail("a dword that is not 1 to 8 hex digits");
      value.type = reg::kDword;
      const auto bytes = RegDwordBytes(*number);
      value.data.assign(bytes.begin(), bytes.end());
      return true;
    }
    std::size_t colon = data.find(u':');
    if (data.rfind(u"hex", 0) != 0 || colon == std::u16string::npos) {
      return Fail("data that is neither a text, a dword nor hex bytes");
    }
    std::u16string_view kind = std::u16string_view(data).substr(3, colon - 3);
    value.type = reg::kBinary;
    if (!kind.empty()) {
      const auto type = kind.size() >= 3 && kind.front() == u'(' && kind.back() == u')'
                            ? RegHexNumber(kind.substr(1, kind.size() - 2), 8)
                            : std::nullopt;
      if (!type) return Fail("a hex type that is not \"hex(N)\"");
      value.type = *type;
    }
    auto bytes = RegHexBytes(std::u16string_view(data).substr(colon + 1));
    if (!bytes) return Fail("hex data that is not comma-separated bytes");
    value.data = std::move(*bytes);
    // In an ANSI file the string types hold their text in the code page.
    if (ansi_ &&
        (value.type == reg::kSz || value.type == reg::kExpandSz || value.type == reg::kMultiSz)) {
      const std::string text(value.data.begin(), value.data.end());
      value.data = platform::LeBytesOf(platform::Utf16OfUtf8(codePage_.ToUtf8(text)));
    }
    return true;
  }

  std::size_t FindKey(const std::string& path) {
    const std::u16string wanted = platform::Utf16OfUtf8(path);
    for (std::size_t i = 0; i < tree_->size(); ++i) {
      if (SameIgnoringCase(platform::Utf16OfUtf8((*tree_)[i].path), wanted)) return i;
    }
    tree_->push_back({path, {}});
    return tree_->size() - 1;
  }

  void DeleteTree(const std::string& path) {
    const std::u16string gone = platform::Utf16OfUtf8(path);
    std::erase_if(*tree_, [&](const platform::RegTreeKey& key) {
      const std::u16string candidate = platform::Utf16OfUtf8(key.path);
      return SameIgnoringCase(candidate, gone) ||
             (candidate.size() > gone.size() && candidate[gone.size()] == u'\\' &&
              SameIgnoringCase(std::u16string_view(candidate).substr(0, gone.size()), gone));
    });
  }

  void Remove(const std::string& name) {
    auto& values = (*tree_)[key_].values;
    const std::u16string gone = platform::Utf16OfUtf8(name);
    std::erase_if(values, [&](const platform::RegTreeValue& value) {
      return SameIgnoringCase(platform::Utf16OfUtf8(value.name), gone);
    });
  }

  bool Fail(const char* what) {
    error_ = what;
    return false;
  }

  const platform::IAnsiCodePage& codePage_;
  bool ansi_;
  TProductKeys& keys_;
  platform::RegTree* tree_ = nullptr;
  std::size_t key_ = 0;
};

}  // namespace

bool ReadRegExport(const std::string& bytes, const platform::IAnsiCodePage& codePage,
                   TProductKeys& keys, std::string& error) {
  bool ansi = false;
  const std::vector<Line> lines = LogicalLines(TextOf(bytes, codePage, ansi));
  const auto header =
      std::find_if(lines.begin(), lines.end(), [](const Line& line) { return !line.text.empty(); });
  if (header == lines.end() ||
      (header->text != kRegEditor5Header && header->text != kRegEdit4Header)) {
    error = "not a registry file: its first line is neither \"" +
            platform::Utf8OfUtf16(kRegEditor5Header) + "\" nor \"" +
            platform::Utf8OfUtf16(kRegEdit4Header) + "\"";
    return false;
  }
  Reader reader(codePage, ansi && header->text == kRegEdit4Header, keys);
  for (auto line = header + 1; line != lines.end(); ++line) {
    if (!reader.Read(*line)) {
      error = "line " + std::to_string(line->number) + ": " + reader.error_;
      return false;
    }
  }
  return true;
}

bool LoadProductKeys(const std::vector<std::string>& regFiles, const TMachineAccess& machine,
                     TProductKeys& keys, std::string& error) {
  if (regFiles.empty()) {
    if (machine.registry == nullptr) {
      error = "this build cannot read the live registry";
      return false;
    }
    return ReadLiveProductKeys(*machine.registry, keys, error);
  }
  for (const std::string& regFile : regFiles) {
    const std::optional<std::string> bytes = ReadWhole(regFile);
    if (!bytes) {
      error = "cannot read " + regFile;
      return false;
    }
    if (!ReadRegExport(*bytes, *machine.codePage, keys, error)) {
      error = regFile + ": " + error;
      return false;
    }
  }
  return true;
}
