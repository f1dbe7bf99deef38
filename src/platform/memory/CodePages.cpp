#include "platform/memory/CodePages.h"

#include <cstdint>
#include <optional>

#include "platform/AnsiCodePage.h"
#include "platform/Utf16.h"
#include "platform/memory/Cp1252.h"

namespace platform::memory::codepage {

namespace {

constexpr unsigned kDefaultPage = 1252;

struct Table {
  unsigned page;
  std::uint16_t codes[128];  // 0x80-0xFF; 0 where the page leaves a byte undefined
  std::uint8_t upper[128];
  std::uint8_t lower[128];
};

constexpr Table kTables[] = {
#include "platform/memory/CodePageTables.inc"
};

unsigned current = kDefaultPage;

const Table* TableOf(unsigned page) {
  for (const Table& table : kTables) {
    if (table.page == page) return &table;
  }
  return nullptr;
}

// An undefined byte stands for the C1 control of the same number, as
// MultiByteToWideChar reads it.
unsigned CodeOf(const Table& table, unsigned char c) {
  if (c < 0x80 || table.codes[c - 0x80] == 0) return c;
  return table.codes[c - 0x80];
}

// The byte that stands for a code point beyond ASCII; none when the page
// lacks it.
std::optional<char> ByteOf(const Table& table, unsigned code) {
  for (unsigned c = 0x80; c < 0x100; ++c) {
    if (CodeOf(table, static_cast<unsigned char>(c)) == code) return static_cast<char>(c);
  }
  return std::nullopt;
}

template <class Map>
std::string MapBytes(std::string_view text, Map map) {
  std::string out(text);
  for (char& c : out) c = map(static_cast<unsigned char>(c));
  return out;
}

}  // namespace

unsigned Current() { return current; }

bool Use(unsigned page) {
  if (page != kDefaultPage && TableOf(page) == nullptr) return false;
  current = page;
  return true;
}

std::string ToUtf8(std::string_view text) {
  const Table* table = TableOf(current);
  if (table == nullptr) return cp1252::ToUtf8(text);
  std::string out;
  for (const unsigned char c : text) AppendUtf8(out, CodeOf(*table, c));
  return out;
}

std::string FromUtf8(std::string_view utf8, bool* lossy) {
  const Table* table = TableOf(current);
  if (table == nullptr) return cp1252::FromUtf8(utf8, lossy);
  return FromUtf8Using(utf8, lossy, [table](unsigned code) -> std::optional<ByteFor> {
    const std::optional<char> byte = ByteOf(*table, code);
    if (!byte) return std::nullopt;
    return ByteFor{*byte, true};
  });
}

std::string ToUpper(std::string_view text) {
  const Table* table = TableOf(current);
  if (table == nullptr) return cp1252::ToUpper(text);
  return MapBytes(text, [table](unsigned char c) {
    if (c < 0x80) return static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    return static_cast<char>(table->upper[c - 0x80]);
  });
}

std::string ToLower(std::string_view text) {
  const Table* table = TableOf(current);
  if (table == nullptr) return cp1252::ToLower(text);
  return MapBytes(text, [table](unsigned char c) {
    if (c < 0x80) return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return static_cast<char>(table->lower[c - 0x80]);
  });
}

}  // namespace platform::memory::codepage

namespace platform::memory {

namespace {

class ChosenPage final : public IAnsiCodePage {
 public:
  std::string FromUtf8(std::string_view utf8, bool* lossy) const override {
    return codepage::FromUtf8(utf8, lossy);
  }
  std::string ToUtf8(std::string_view ansi) const override { return codepage::ToUtf8(ansi); }
};

}  // namespace

const IAnsiCodePage& ChosenCodePage() {
  static const ChosenPage page;
  return page;
}

}  // namespace platform::memory
