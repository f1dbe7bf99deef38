#include "check/RegFile.h"

#include <cstdio>
#include <map>
#include <vector>

#include "check/RegFileSyntax.h"
#include "common/Strings.h"
#include "platform/Registry.h"
#include "platform/Services.h"
#include "platform/Ui.h"
#include "platform/Utf16.h"

namespace {

const char* const kHeader[] = {
    "",
    "; The values of a Wrenfold preferences file, as CheckWrenfoldPrefs read them.",
    "; A .reg file writes every value it holds; the program leaves out a per-user value",
    "; that equals the machine's, so that the machine's value keeps applying to the user.",
};

std::u16string Wide(const std::string& ansi) {
  return platform::Utf16OfUtf8(platform::Ui().AnsiToUtf8(ansi));
}

std::u16string Ascii(std::string_view text) { return std::u16string(text.begin(), text.end()); }

// The value's line: its name, "=" and its data.
std::u16string ValueLine(const TImportedValue& value) {
  const std::u16string line = (value.name.empty() ? u"@" : RegQuoted(Wide(value.name))) + u"=";
  switch (value.type) {
    case PrefValueType::kInteger:
    case PrefValueType::kBoolean: {
      return line + RegDwordData(static_cast<std::uint32_t>(value.integer));
    }
    case PrefValueType::kString: {
      const std::u16string text = Wide(value.text);
      if (text.find_first_of(u"\r\n") == std::u16string::npos) return line + RegQuoted(text);
      // The string syntax cannot hold a line end: REG_SZ as its UTF-16 bytes
      // with the terminating null.
      return RegHexData(line + RegHexPrefix(platform::reg::kSz), platform::LeBytesOf(text + u'\0'));
    }
    case PrefValueType::kBinary:
      return RegHexData(line + RegHexPrefix(platform::reg::kBinary), value.bytes);
    case PrefValueType::kNone: break;
  }
  return line;
}

}  // namespace

std::string RegFileBytes(const TCheckReport& report) {
  // One block per registry key in the order the import first opens it; a key
  // opened again adds its values to the block.
  struct Block {
    std::u16string header;
    std::vector<std::u16string> lines;
  };
  std::vector<Block> blocks;
  std::map<std::string, std::size_t> blockOf;
  for (const TCheckedKey& key : report.keys) {
    const std::string id = std::string(RootName(key.key.scope)) + "\\" + KeyName(key.key);
    auto [at, inserted] = blockOf.emplace(AnsiLowerCase(id), blocks.size());
    if (inserted) {
      // Appended rather than concatenated: GCC 12 warns wrongly about u"[" + text.
      std::u16string header = u"[";
      header += Ascii(RootName(key.key.scope));
      header += u'\\';
      header += Wide(KeyName(key.key));
      header += u']';
      blocks.push_back({header, {}});
    }
    for (const TCheckedValue& value : key.values) {
      blocks[at->second].lines.push_back(ValueLine(value.value));
    }
  }

  std::u16string text;
  text += std::u16string(kRegEditor5Header) + u"\r\n";
  for (const char* line : kHeader) text += Ascii(line) + u"\r\n";
  for (const Block& block : blocks) {
    text += u"\r\n" + block.header + u"\r\n";
    for (const std::u16string& line : block.lines) text += line + u"\r\n";
  }
  text += u"\r\n";

  const std::vector<std::uint8_t> bytes = platform::LeBytesOf(text);
  return "\xFF\xFE" + std::string(bytes.begin(), bytes.end());
}
