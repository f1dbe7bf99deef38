// Reading `reg export` files: both encodings, every data form reg writes,
// continuations, deletions, and the lines that stop the read.
#include <gtest/gtest.h>

#include "check/RegExportRead.h"
#include "platform/Utf16.h"
#include "platform/memory/CodePages.h"

namespace {

namespace reg = platform::reg;
using platform::RegTreeValue;

const std::string kProduct = "Software\\Orlavex\\Wrenfold 4";

// UTF-16 LE with its byte-order mark, as reg export writes it.
std::string Unicode(const std::string& utf8) {
  const std::vector<std::uint8_t> bytes = platform::LeBytesOf(platform::Utf16OfUtf8(utf8));
  return "\xFF\xFE" + std::string(bytes.begin(), bytes.end());
}

std::vector<std::uint8_t> Wide(const std::u16string& text) {
  return platform::LeBytesOf(text + u'\0');
}

TProductKeys Read(const std::string& bytes) {
  TProductKeys keys;
  std::string error;
  EXPECT_TRUE(ReadRegExport(bytes, platform::memory::ChosenCodePage(), keys, error)) << error;
  return keys;
}

std::string ReadError(const std::string& bytes) {
  TProductKeys keys;
  std::string error;
  EXPECT_FALSE(ReadRegExport(bytes, platform::memory::ChosenCodePage(), keys, error));
  return error;
}

TEST(RegExportRead, EveryDataFormThatRegExportWrites) {
  const TProductKeys keys =
      Read(Unicode("Windows Registry Editor Version 5.00\r\n\r\n"
                   "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\General]\r\n"
                   "\"Quoted\"=\"a \\\"b\\\" c:\\\\d\"\r\n"
                   "\"Lines\"=\"x\\r\\ny\"\r\n"
                   "\"Empty\"=\"\"\r\n"
                   "@=\"default\"\r\n"
                   "\"Number\"=dword:ffffffff\r\n"
                   "\"Blob\"=hex:0a,0B,ff\r\n"
                   "\"NoBytes\"=hex:\r\n"
                   "\"Expand\"=hex(2):25,00,54,00,00,00\r\n"
                   "\"Long\"=hex:01,02,03,\\\r\n  04,05\r\n"
                   "\"Caf\xC3\xA9 \xE2\x82\xAC\"=\"\xC4\x81\"\r\n"
                   "; a comment\r\n"
                   "\"Quad\"=hex(b):01,02,03,04,05,06,07,08\r\n"));
  ASSERT_EQ(keys.user.size(), 1u);
  EXPECT_TRUE(keys.machine.empty());
  EXPECT_EQ(keys.user[0].path, kProduct + "\\General");
  const std::vector<RegTreeValue> expected = {
      {"Quoted", reg::kSz, Wide(u"a \"b\" c:\\d")},
      {"Lines", reg::kSz, Wide(u"x\r\ny")},
      {"Empty", reg::kSz, Wide(u"")},
      {"", reg::kSz, Wide(u"default")},
      {"Number", reg::kDword, {0xFF, 0xFF, 0xFF, 0xFF}},
      {"Blob", reg::kBinary, {0x0A, 0x0B, 0xFF}},
      {"NoBytes", reg::kBinary, {}},
      {"Expand", reg::kExpandSz, {0x25, 0, 0x54, 0, 0, 0}},
      {"Long", reg::kBinary, {1, 2, 3, 4, 5}},
      {"Caf\xC3\xA9 \xE2\x82\xAC", reg::kSz, Wide(u"\u0101")},
      {"Quad", reg::kQword, {1, 2, 3, 4, 5, 6, 7, 8}},
  };
  EXPECT_EQ(keys.user[0].values, expected);
}

TEST(RegExportRead, AnAnsiRegedit4FileHoldsItsTextsInTheCodePage) {
  const TProductKeys keys = Read(
      "REGEDIT4\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Orlavex\\Wrenfold 4]\r\n"
      "\"Caf\xE9\"=\"\x80 5\"\r\n"
      "\"Multi\"=hex(7):61,00,62,00,00\r\n");
  ASSERT_EQ(keys.machine.size(), 1u);
  EXPECT_EQ(keys.machine[0].path, kProduct);
  const std::vector<RegTreeValue> expected = {
      {"Caf\xC3\xA9", reg::kSz, Wide(u"\u20AC 5")},
      {"Multi", reg::kMultiSz, platform::LeBytesOf(std::u16string(u"a\0b\0\0", 5))},
  };
  EXPECT_EQ(keys.machine[0].values, expected);
}

TEST(RegExportRead, KeepsOnlyTheProductKeysAndAppliesDeletions) {
  const TProductKeys keys = Read(Unicode(
      "Windows Registry Editor Version 5.00\r\n"
      "[HKEY_CURRENT_USER\\Software\\Other]\r\n\"A\"=dword:1\r\n"
      "[HKEY_CLASSES_ROOT\\Software\\Orlavex\\Wrenfold 4]\r\n\"A\"=dword:1\r\n"
      "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 40]\r\n\"A\"=dword:1\r\n"
      "[HKEY_CURRENT_USER\\software\\orlavex\\wrenfold 4\\General]\r\n"
      "\"Gone\"=dword:1\r\n\"Kept\"=dword:2\r\n\"Gone\"=-\r\n"
      "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\Backup]\r\n\"A\"=dword:1\r\n"
      "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\Backup\\Deep]\r\n\"A\"=dword:1\r\n"
      "[-HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\BACKUP]\r\n"
      "[HKLM\\Software\\Orlavex\\Wrenfold 4\\Updates]\r\n\"B\"=dword:1\r\n"
      "[-HKEY_LOCAL_MACHINE\\Software\\Orlavex]\r\n"));
  ASSERT_EQ(keys.user.size(), 1u);
  EXPECT_EQ(keys.user[0].path, "software\\orlavex\\wrenfold 4\\General");
  ASSERT_EQ(keys.user[0].values.size(), 1u);
  EXPECT_EQ(keys.user[0].values[0].name, "Kept");
  EXPECT_TRUE(keys.machine.empty());
}

TEST(RegExportRead, ALineItCannotReadStopsTheReadWithItsNumber) {
  const struct {
    const char* name;
    std::string file;
    std::string error;
  } cases[] = {
      {"no header", Unicode("[HKEY_CURRENT_USER\\x]\r\n"), "not a registry file"},
      {"empty", "", "not a registry file"},
      {"unclosed quote", "REGEDIT4\r\n[HKCU\\x]\r\n\"a\"=\"b\r\n", "line 3: "},
      {"no equals", "REGEDIT4\r\n\r\n\"a\" dword:1\r\n", "line 3: "},
      {"bad dword", "REGEDIT4\r\n\"a\"=dword:123456789\r\n", "line 2: "},
      {"bad hex", "REGEDIT4\r\n\"a\"=hex:0g\r\n", "line 2: "},
      {"bad type", "REGEDIT4\r\n\"a\"=hex(z):00\r\n", "line 2: "},
      {"unknown data", "REGEDIT4\r\n\"a\"=word:1\r\n", "line 2: "},
      {"stray text", "REGEDIT4\r\nhello\r\n", "line 2: "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadError(c.file).rfind(c.error, 0), 0u) << ReadError(c.file);
  }
}

}  // namespace
