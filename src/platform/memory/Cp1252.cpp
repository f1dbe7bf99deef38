#include "platform/memory/Cp1252.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>

#include "platform/Utf16.h"

namespace platform::memory {

std::string FromUtf8Using(std::string_view utf8, bool* lossy,
                          const std::function<std::optional<ByteFor>(unsigned code)>& byteOf) {
  std::string out;
  out.reserve(utf8.size());
  bool replaced = false;
  for (std::size_t at = 0; at < utf8.size();) {
    const unsigned code = NextUtf8Code(utf8, at);
    if (code < 0x80) {
      out += static_cast<char>(code);
      continue;
    }
    if (code > 0xFFFF) {
      // A surrogate pair: each half alone has no byte.
      out += "??";
      replaced = true;
      continue;
    }
    const std::optional<ByteFor> byte = byteOf(code);
    out += byte ? byte->byte : '?';
    replaced = replaced || !byte || !byte->exact;
  }
  if (lossy != nullptr) *lossy = replaced;
  return out;
}

namespace cp1252 {

namespace {

// 0x80-0x9F as Unicode code points (0 where the code page has no character);
// the rest of the page is Latin-1.
constexpr unsigned kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// What each character beyond ASCII becomes, in code point order; a character
// not listed becomes the default character "?".
struct BestFit {
  std::uint16_t code;
  std::uint8_t ansi;
};
constexpr BestFit kBestFit[] = {
#include "platform/memory/AnsiBestFit.inc"
};

// The code point a byte of the page stands for; the five bytes the page
// leaves undefined stand for the C1 controls of the same number, as
// MultiByteToWideChar reads them.
unsigned CodeOf(unsigned char c) {
  if (c >= 0x80 && c < 0xA0 && kHigh[c - 0x80] != 0) return kHigh[c - 0x80];
  return c;
}

}  // namespace

// The case pairs beyond ASCII: Š/š, Œ/œ, Ž/ž, Ÿ/ÿ and the Latin-1 letters
// (not × and ÷; ß has no capital in this code page).
char ToUpper(char ch) {
  const auto c = static_cast<unsigned char>(ch);
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char>(c - 32);
  switch (c) {
    case 0x9A: return static_cast<char>(0x8A);
    case 0x9C: return static_cast<char>(0x8C);
    case 0x9E: return static_cast<char>(0x8E);
    case 0xFF: return static_cast<char>(0x9F);
    default: return ch;
  }
}

char ToLower(char ch) {
  const auto c = static_cast<unsigned char>(ch);
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char>(c + 32);
  switch (c) {
    case 0x8A: return static_cast<char>(0x9A);
    case 0x8C: return static_cast<char>(0x9C);
    case 0x8E: return static_cast<char>(0x9E);
    case 0x9F: return static_cast<char>(0xFF);
    default: return ch;
  }
}

std::string ToUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = ToUpper(c);
  return out;
}

std::string ToLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = ToLower(c);
  return out;
}

std::string ToUtf8(std::string_view text) {
  std::string out;
  for (unsigned char c : text) {
    AppendUtf8(out, CodeOf(c));
  }
  return out;
}

std::string FromUtf8(std::string_view utf8, bool* lossy) {
  return FromUtf8Using(utf8, lossy, [](unsigned code) -> std::optional<ByteFor> {
    const auto* found =
        std::lower_bound(std::begin(kBestFit), std::end(kBestFit), code,
                         [](const BestFit& entry, unsigned wanted) { return entry.code < wanted; });
    if (found == std::end(kBestFit) || found->code != code) return std::nullopt;
    return ByteFor{static_cast<char>(found->ansi), CodeOf(found->ansi) == code};
  });
}

}  // namespace cp1252

}  // namespace platform::memory
