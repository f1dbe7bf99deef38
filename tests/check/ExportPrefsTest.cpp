// The capture of product keys as a preferences file, read back by the
// program's own import into empty keys: every value the format can carry
// comes back with its name, type and data; every other one is listed with
// its reason and written nowhere.
#include <gtest/gtest.h>

#include <sstream>

#include "CheckFixture.h"
#include "RegTreeValues.h"
#include "check/CheckPrefsFile.h"
#include "check/ExportCommand.h"
#include "check/ExportPrefs.h"
#include "check/PrefsFileEncoding.h"
#include "platform/Utf16.h"
#include "platform/memory/CodePages.h"
#include "platform/memory/MemoryRegistry.h"
#include "xmlimport/PrefsFileFormat.h"

namespace {

namespace reg = platform::reg;
using checktest::CheckFixture;
using platform::RegTree;
using platform::RegTreeKey;
using platform::RegTreeValue;

const std::string& kProduct = checktest::kProductKeyPath;
using checktest::Dword;
using checktest::Text;
RegTreeValue Bytes(const std::string& name, std::vector<std::uint8_t> bytes) {
  return {name, reg::kBinary, std::move(bytes)};
}

std::string Below(const std::string& section) {
  return section.empty() ? kProduct : kProduct + "\\" + section;
}

// Every type and every character class the format carries, in both hives,
// every named section, and the keys and values it cannot carry.
TProductKeys EveryKind() {
  TProductKeys keys;
  keys.user = {
      {Below(""), {Dword("Uses", 42), Dword("Minus", 0x80000000u)}},
      {Below("General"),
       {Text("Quotes", "\"double\" and 'single'"), Text("Markup", "<b>&amp; & $lt; $gt; &#34;"),
        Text("Dollar", "$10 [a] {b} $"), Text("Lines", "first\r\nsecond\nthird\r"),
        Text("Edges", "  blank edges\t"), Text("Blanks", " \r\n "), Text("Empty", ""),
        Text("Caf\xC3\xA9", "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"), Bytes("Blob", {0x00, 0xAB, 0xFF}),
        Bytes("Nothing", {}), Dword("Negative", static_cast<std::uint32_t>(-5)),
        Text("Name with [brackets] and $", "x")}},
      {Below("File Paths"), {Text("Logs Path", "C:\\Logs\\")}},
      {Below("$Unknown\\Plug ins"), {Text("Spell Checker", "en-GB")}},
      {Below("Editor"), {}},
      // Not carried:
      {Below("$Temp"), {}},
      {Below("$Temp\\\\Search History"), {Text("Editor Search Text", "x")}},
      {Below("$Unknown"), {Dword("Direct", 1)}},
      {Below("Windows\\Wrenfold_MainWin"), {Dword("Col 1", 10)}},
      {Below("Schedules"), {Dword("Every", 1)}},
      {Below("Other"), {}},
      {Below("$Unknown\\Deep\\Er"), {Dword("X", 1)}},
      {Below("Backup"),
       {Text("Under_score", "x"),
        Text("Score", "a_b"),
        Text("Wide", "\xC4\x81"),
        Text("Wide \xE4\xB8\xAD", "x"),
        {"Expand", reg::kExpandSz, platform::LeBytesOf(u"%T%\0")},
        {"Multi", reg::kMultiSz, platform::LeBytesOf(std::u16string(u"a\0\0", 3))},
        {"Quad", reg::kQword, std::vector<std::uint8_t>(8, 1)},
        Text("", "default"),
        Text("Control", "a\x01z"),
        Text("Ampersand & name", "y"),
        Text("Dollar ref", "&#36;"),
        Text("1st", "x"),
        {"Short", reg::kDword, {1, 2}},
        {"Unended", reg::kSz, platform::LeBytesOf(u"ab")},
        Dword("Kept", 7)}},
  };
  for (const std::string_view name : cfgSectionNames) {
    if (name.empty() || name[0] == '$' || name == "General" || name == "File Paths" ||
        name == "Editor" || name == "Backup") {
      continue;
    }
    keys.user.push_back({Below(std::string(name)), {Dword("In " + std::string(name), 1)}});
  }
  keys.machine = {
      {Below(""), {Text("Licence", "Site")}},
      {Below("Network"), {Dword("Minutes", 15)}},
      // The same value as the user's: the layering rule must not thin it out.
      {Below("General"), {Text("Quotes", "\"double\" and 'single'"), Dword("Machine", 1)}},
  };
  return keys;
}

// What a registry holds below the product key of a root, value by value:
// "key|name|type|data in hex".
std::vector<std::string> Listing(platform::IRegistry& registry, platform::RegKey root) {
  std::vector<std::string> lines;
  const std::function<void(const std::string&)> walk = [&](const std::string& path) {
    platform::RegKey raw = 0;
    if (registry.OpenKey(root, path, reg::kRead, &raw) != reg::kSuccess) return;
    const platform::UniqueRegKey key(registry, raw);
    lines.push_back(path);
    std::string name;
    for (std::uint32_t i = 0; registry.EnumValue(key.get(), i, &name) == reg::kSuccess; ++i) {
      const auto value = ReadStoredValue(registry, root, path, name);
      std::string hex;
      for (const std::uint8_t byte : value->data)
        hex += "0123456789abcdef"[byte >> 4], hex += "0123456789abcdef"[byte & 15];
      lines.push_back(path + "|" + name + "|" + std::to_string(value->type) + "|" + hex);
    }
    std::vector<std::string> subkeys;
    for (std::uint32_t i = 0; registry.EnumKey(key.get(), i, &name) == reg::kSuccess; ++i) {
      subkeys.push_back(name);
    }
    for (const std::string& subkey : subkeys) walk(path + "\\" + subkey);
  };
  walk(kProduct);
  std::sort(lines.begin(), lines.end());
  return lines;
}

class ExportPrefs : public CheckFixture {};

TEST_F(ExportPrefs, TheProgramsImportOfTheCaptureGivesBackEveryValueItCarries) {
  const TProductKeys keys = EveryKind();
  const TCapture capture = CapturePrefs(keys, platform::memory::ChosenCodePage());

  // What the original holds once the values and keys that cannot be carried
  // are gone.
  const auto leftOut = [&](const std::string& key, const std::string& name, bool wholeKey) {
    return std::any_of(capture.leftOut.begin(), capture.leftOut.end(), [&](const TLeftOut& out) {
      return out.key == key && out.wholeKey == wholeKey && out.name == name;
    });
  };
  TProductKeys carried = keys;
  for (RegTree* tree : {&carried.user, &carried.machine}) {
    const std::string root = tree == &carried.user ? "HKEY_CURRENT_USER\\" : "HKEY_LOCAL_MACHINE\\";
    std::erase_if(*tree, [&](RegTreeKey& key) {
      const bool hadValues = !key.values.empty();
      std::erase_if(key.values, [&](const RegTreeValue& value) {
        return leftOut(root + key.path, value.name, false);
      });
      // "$Temp" holds no values: what is said of its subkey says it stays behind.
      return leftOut(root + key.path, "", true) || (hadValues && key.values.empty()) ||
             key.path == Below("$Temp");
    });
  }
  platform::memory::MemoryRegistry expected;
  SeedRegistry(expected, carried, platform::memory::ChosenCodePage());

  WriteFile("captured.xml", capture.xml);
  platform::memory::MemoryRegistry imported;
  const TCheckReport report = CheckPrefsFile(PathIn("captured.xml"), imported);
  ASSERT_EQ(report.verdict, TCheckVerdict::kImported) << report.report;
  for (const TFinding& finding : report.findings) {
    // The fixture's names are made up, so the product knows few of them.
    if (finding.kind == "unknown-setting" || finding.kind == "setting-type") continue;
    EXPECT_NE(finding.severity, TSeverity::kWarning) << finding.kind << " " << finding.path;
  }
  for (const platform::RegKey root : {reg::kCurrentUser, reg::kLocalMachine}) {
    EXPECT_EQ(Listing(imported, root), Listing(expected, root)) << capture.xml;
  }
  EXPECT_EQ(capture.values, report.ValueCount());
  EXPECT_GT(Listing(expected, reg::kCurrentUser).size(), 40u) << "the fixture carries values";
}

TEST_F(ExportPrefs, EachValueTheFormatCannotCarryIsListedWithItsReason) {
  const TCapture capture = CapturePrefs(EveryKind(), platform::memory::ChosenCodePage());
  std::vector<std::string> listed;
  for (const TLeftOut& out : capture.leftOut) {
    listed.push_back(out.key.substr(out.key.find("Wrenfold 4")) + "|" +
                     (out.wholeKey ? "(key)" : out.name) + "|" + out.why.substr(0, 30));
  }
  const std::vector<std::string> expected = {
      "Wrenfold 4\\$Temp\\\\Search History|Editor Search Text|the import skips this section ",
      "Wrenfold 4\\$Unknown|Direct|the import skips this section ",
      "Wrenfold 4\\Windows\\Wrenfold_MainWin|Col 1|a key deeper than a preference",
      "Wrenfold 4\\Schedules|Every|the import skips this section ",
      "Wrenfold 4\\Other|(key)|not one of the product's secti",
      "Wrenfold 4\\$Unknown\\Deep\\Er|X|a key deeper than a preference",
      "Wrenfold 4\\Backup|Under_score|an underscore in the name: a p",
      "Wrenfold 4\\Backup|Score|an underscore in the text: a p",
      "Wrenfold 4\\Backup|Wide|characters outside the ANSI co",
      "Wrenfold 4\\Backup|Wide \xE4\xB8\xAD|characters outside the ANSI co",
      "Wrenfold 4\\Backup|Expand|of type REG_EXPAND_SZ: a prefe",
      "Wrenfold 4\\Backup|Multi|of type REG_MULTI_SZ: a prefer",
      "Wrenfold 4\\Backup|Quad|of type REG_QWORD: a preferenc",
      "Wrenfold 4\\Backup||no name: an element needs one",
      "Wrenfold 4\\Backup|Control|control characters in the text",
      "Wrenfold 4\\Backup|Ampersand & name|the name holds characters an X",
      "Wrenfold 4\\Backup|Dollar ref|the text holds a sequence the ",
      "Wrenfold 4\\Backup|1st|the name holds characters an X",
      "Wrenfold 4\\Backup|Short|a REG_DWORD that is not 4 byte",
      "Wrenfold 4\\Backup|Unended|REG_SZ data that is not one te",
  };
  EXPECT_EQ(listed, expected);
  EXPECT_EQ(capture.xml.find("Under"), std::string::npos);
  EXPECT_EQ(capture.xml.find("Col_1"), std::string::npos);
}

TEST_F(ExportPrefs, UserValuesComeFirstAndTakeTheirSectionsScope) {
  const TCapture capture = CapturePrefs(EveryKind(), platform::memory::ChosenCodePage());
  const std::size_t roam = capture.xml.find("<PerUserRoam>");
  const std::size_t nonRoam = capture.xml.find("<PerUserNonRoam>");
  const std::size_t machine = capture.xml.find("<PerMachine>");
  ASSERT_NE(machine, std::string::npos);
  EXPECT_LT(roam, nonRoam);
  EXPECT_LT(nonRoam, machine);
  EXPECT_LT(capture.xml.find("<File_Paths>"), machine);
  EXPECT_GT(capture.xml.find("<File_Paths>"), nonRoam);
  EXPECT_EQ(capture.xml.rfind("<!DOCTYPE Wrenfold_Preferences>", 100),
            capture.xml.find("\r\n") + 2);
}

// Texts and names with every sequence the decoding knows: each encodes to
// something the import's own decoding reads back, or says why not.
TEST_F(ExportPrefs, WhatItEncodesDecodesBack) {
  const char* texts[] = {"&#34;",  "&pos;", "&amp;",  "&amp;amp;", "$lt;",      "$gt;", "$$lt;;",
                         "&&#34;", "&$lt;", "_0x5B_", "a&#36;",    "&",         "$",    "[x]",
                         "a\r\nb", "&#36",  "$lt",    "&amp",      "&#3&#34;4;"};
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    const TEncoded encoded = EncodeText(text);
    if (encoded.ok()) {
      EXPECT_EQ(DecodeText(encoded.text), text) << encoded.text;
    } else {
      EXPECT_TRUE(std::string(text).find('_') != std::string::npos ||
                  std::string(text).find("&#36;") != std::string::npos)
          << encoded.trouble;
    }
  }
  const char* names[] = {"a b", "[x]", "$Temp", " 0x5B ", "x.y-z", "\xE9t\xE9", "a:b", "-x", "a&b"};
  const bool good[] = {true, true, true, false, true, true, false, false, false};
  for (std::size_t i = 0; i < std::size(names); ++i) {
    SCOPED_TRACE(names[i]);
    const TEncoded encoded = EncodeName(names[i]);
    EXPECT_EQ(encoded.ok(), good[i]) << encoded.trouble;
    if (encoded.ok()) {
      EXPECT_EQ(DecodeName(encoded.text), names[i]);
    }
  }
}

TEST_F(ExportPrefs, TheCommandLine) {
  std::ostringstream out, err;
  const auto run = [&](const std::vector<std::string>& arguments) {
    out.str({});
    err.str({});
    return RunExportCommand(arguments, out, err, machine);
  };
  EXPECT_EQ(run({PathIn("out.xml")}), 64) << "the host build reads no live registry";
  EXPECT_NE(err.str().find("--from"), std::string::npos);
  EXPECT_EQ(run({"--from"}), 64);
  EXPECT_EQ(run({"--from", "a.reg"}), 64);
  EXPECT_EQ(run({"--what", PathIn("out.xml")}), 64);

  EXPECT_EQ(run({"--from", PathIn("absent.reg"), PathIn("out.xml")}), 2);
  WriteFile("other.reg", "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"a\"=dword:1\r\n");
  EXPECT_EQ(run({"--from", PathIn("other.reg"), PathIn("out.xml")}), 2);
  EXPECT_NE(err.str().find("nothing to capture"), std::string::npos) << err.str();
  EXPECT_FALSE(std::filesystem::exists(PathIn("out.xml")));

  WriteFile("clean.reg",
            "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\General]\r\n"
            "\"A\"=dword:5\r\n");
  EXPECT_EQ(run({"--from", PathIn("clean.reg"), PathIn("out.xml")}), 0) << err.str();
  EXPECT_NE(out.str().find("1 value in 1 section"), std::string::npos) << out.str();
  EXPECT_TRUE(std::filesystem::exists(PathIn("out.xml")));

  WriteFile("some.reg",
            "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\General]\r\n"
            "\"A\"=dword:5\r\n\"B_C\"=dword:1\r\n");
  EXPECT_EQ(run({"--from", PathIn("some.reg"), PathIn("out.xml")}), 1);
  EXPECT_NE(out.str().find("Left out (1):\n  HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold "
                           "4\\General, \"B_C\"\n    an underscore"),
            std::string::npos)
      << out.str();
}

}  // namespace
