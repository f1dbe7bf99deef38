#include "check/RegFile.h"

#include <cstdio>
#include <map>
#include <vector>

#include "common/Strings.h"
#include "platform/Services.h"
#include "platform/Ui.h"

namespace {

// Registry Editor wraps hex data before this column.
constexpr std::size_t kHexLineWidth = 76;

const char* const kHeader[] = {
    "Windows Registry Editor Version 5.00",
    "",
    "; The values of a Wrenfold preferences file, as CheckWrenfoldPrefs read them.",
    "; A .reg file writes every value it holds; the program leaves out a per-user value",
    "; that equals the machine's, so that the machine's value keeps applying to the user.",
};

std::u16string Utf16OfUtf8(const std::string& utf8) {
  std::u16string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1   ? lead
                    : length == 2 ? lead & 0x1Fu
                    : length == 3 ? lead & 0x0Fu
                                  : lead & 0x07u;
    for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
    }
    i += length;
    if (code >= 0x10000) {
      code -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (code >> 10));
      out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
  }
  return out;
}

std::u16string Wide(const std::string& ansi) {
  return Utf16OfUtf8(platform::Ui().AnsiToUtf8(ansi));
}

std::u16string Ascii(std::string_view text) { return std::u16string(text.begin(), text.end()); }

// A name or text between the double quotes of a .reg line.
std::u16string Quoted(const std::u16string& text) {
  std::u16string out = u"\"";
  for (const char16_t c : text) {
    if (c == u'\\' || c == u'"') out += u'\\';
    out += c;
  }
  return out + u"\"";
}

// "hex:" or "hex(1):" and the bytes, wrapped as Registry Editor wraps them.
std::u16string HexData(std::u16string line, const std::vector<std::uint8_t>& bytes) {
  std::u16string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char buffer[4];
    std::snprintf(buffer, sizeof buffer, "%02x", bytes[i]);
    line += Ascii(buffer);
    if (i + 1 == bytes.size()) break;
    line += u',';
    if (line.size() >= kHexLineWidth) {
      out += line + u"\\\r\n";
      line = u"  ";
    }
  }
  return out + line;
}

// The value's line: its name, "=" and its data.
std::u16string ValueLine(const TImportedValue& value) {
  const std::u16string line = (value.name.empty() ? u"@" : Quoted(Wide(value.name))) + u"=";
  switch (value.type) {
    case PrefValueType::kInteger:
    case PrefValueType::kBoolean: {
      char buffer[16];
      std::snprintf(buffer, sizeof buffer, "dword:%08x", static_cast<std::uint32_t>(value.integer));
      return line + Ascii(buffer);
    }
    case PrefValueType::kString: {
      const std::u16string text = Wide(value.text);
      if (text.find_first_of(u"\r\n") == std::u16string::npos) return line + Quoted(text);
      // The string syntax cannot hold a line end: REG_SZ as its UTF-16 bytes
      // with the terminating null.
      std::vector<std::uint8_t> bytes;
      for (const char16_t c : text + u'\0') {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
      }
      return HexData(line + u"hex(1):", bytes);
    }
    case PrefValueType::kBinary: return HexData(line + u"hex:", value.bytes);
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
      blocks.push_back(
          {u"[" + Ascii(RootName(key.key.scope)) + u"\\" + Wide(KeyName(key.key)) + u"]", {}});
    }
    for (const TCheckedValue& value : key.values) {
      blocks[at->second].lines.push_back(ValueLine(value.value));
    }
  }

  std::u16string text;
  for (const char* line : kHeader) text += Ascii(line) + u"\r\n";
  for (const Block& block : blocks) {
    text += u"\r\n" + block.header + u"\r\n";
    for (const std::u16string& line : block.lines) text += line + u"\r\n";
  }
  text += u"\r\n";

  std::string bytes = "\xFF\xFE";
  for (const char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}
