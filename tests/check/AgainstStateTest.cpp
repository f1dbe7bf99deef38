// A check against a machine's product keys: the five states of a value as
// the store's own layering rule decides them, the reports' words for them,
// and the command line that starts from a `reg export` file or the live
// registry, which say the same for the same state.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CheckFixture.h"
#include "RegTreeValues.h"
#include "check/AgainstState.h"
#include "check/CheckCommand.h"
#include "check/RegFileSyntax.h"
#include "check/ReportJson.h"
#include "check/ReportText.h"
#include "platform/Utf16.h"
#include "platform/memory/CodePages.h"

namespace {

namespace reg = platform::reg;
using checktest::CheckFixture;
using checktest::ProductFile;
using platform::RegTreeKey;
using platform::RegTreeValue;

const std::string& kProduct = checktest::kProductKeyPath;
using checktest::Dword;
using checktest::Text;

platform::RegTree Key(const std::string& section, std::vector<RegTreeValue> values) {
  return {{kProduct + "\\" + section, std::move(values)}};
}

std::string General(const std::string& scope, const std::string& values) {
  return "<" + scope + "><General>" + values + "</General></" + scope + ">";
}

struct Row {
  const char* name;
  platform::RegTree user;
  platform::RegTree machine;
  bool machineWritable;
  std::string scopes;
  std::string change;  // the value record's change fields
};

const Row kRows[] = {
    {"new: neither key holds it",
     {},
     {},
     true,
     General("PerUserRoam", "<A type=\"integer\">15</A>"),
     ",\"change\":\"new\""},
    {"unchanged: the user's key holds the same",
     Key("General", {Dword("A", 15)}),
     {},
     true,
     General("PerUserRoam", "<A type=\"integer\">15</A>"),
     ",\"change\":\"unchanged\""},
    {"changed: the user's key holds another number",
     Key("General", {Dword("A", 10)}),
     {},
     true,
     General("PerUserRoam", "<A type=\"integer\">15</A>"),
     ",\"change\":\"changed\",\"old\":10"},
    {"changed: the user's key holds a text",
     Key("General", {Text("A", "15")}),
     {},
     true,
     General("PerUserRoam", "<A type=\"integer\">15</A>"),
     ",\"change\":\"changed\",\"old\":\"15\",\"oldType\":\"string\""},
    {"changed: an expandable text",
     Key("General", {Text("A", "%T%", reg::kExpandSz)}),
     {},
     true,
     General("PerUserRoam", "<A type=\"string\">%T%</A>"),
     ",\"change\":\"changed\",\"old\":\"%T%\",\"oldType\":\"REG_EXPAND_SZ\""},
    {"left out: the machine's key holds the same, the user's none",
     {},
     Key("General", {Dword("A", 15)}),
     true,
     General("PerUserRoam", "<A type=\"integer\">15</A>"),
     ",\"change\":\"left-out\""},
    {"left out: a boolean true against the machine's 7",
     {},
     Key("General", {Dword("A", 7)}),
     true,
     General("PerUserRoam", "<A type=\"boolean\">1</A>"),
     ",\"change\":\"left-out\""},
    {"changed: the user's own value wins over the machine's", Key("General", {Dword("A", 9)}),
     Key("General", {Dword("A", 15)}), true, General("PerUserRoam", "<A type=\"integer\">15</A>"),
     ",\"change\":\"changed\",\"old\":9"},
    {"per machine, new, into the machine's key",
     {},
     {},
     true,
     General("PerMachine", "<A type=\"string\">x</A>"),
     ",\"change\":\"new\",\"into\":\"HKEY_LOCAL_MACHINE\""},
    {"per machine, changed in the machine's key",
     {},
     Key("General", {Text("A", "y")}),
     true,
     General("PerMachine", "<A type=\"string\">x</A>"),
     ",\"change\":\"changed\",\"old\":\"y\",\"into\":\"HKEY_LOCAL_MACHINE\""},
    {"per machine, the machine's key closed: new in the user's key",
     {},
     {},
     false,
     General("PerMachine", "<A type=\"string\">x</A>"),
     ",\"change\":\"new\",\"into\":\"HKEY_CURRENT_USER\""},
    {"per machine, the machine's key closed and holding the same: left out",
     {},
     Key("General", {Text("A", "x")}),
     false,
     General("PerMachine", "<A type=\"string\">x</A>"),
     ",\"change\":\"left-out\",\"into\":\"HKEY_CURRENT_USER\""},
    {"binary of another length",
     Key("General", {{"A", reg::kBinary, {1, 2}}}),
     {},
     true,
     General("PerUserRoam", "<A type=\"binary\">01 02 03</A>"),
     ",\"change\":\"changed\",\"old\":\"0102\""},
    {"the product key itself",
     {{kProduct, {Dword("Uses", 3)}}},
     {},
     true,
     "<PerUserRoam><Uses type=\"integer\">3</Uses></PerUserRoam>",
     ",\"change\":\"unchanged\""},
};

class AgainstState : public CheckFixture {
 protected:
  TCheckReport CheckAgainst(const Row& row) {
    WriteFile("prefs.xml", ProductFile(row.scopes));
    TProductKeys keys{row.user, row.machine, row.machineWritable};
    return CheckPrefsFileAgainst(FileName(), keys, platform::memory::ChosenCodePage(), "state");
  }
};

TEST_F(AgainstState, EachValueSaysWhatTheImportDoesToTheKeysAsTheyAre) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const TCheckReport report = CheckAgainst(row);
    ASSERT_EQ(report.verdict, TCheckVerdict::kImported) << report.report;
    ASSERT_EQ(report.ValueCount(), 1u);
    const TCheckedValue& value = report.keys.back().values.front();
    EXPECT_EQ(ChangeJsonFields(value.change), row.change);
  }
}

TEST_F(AgainstState, TheTextReportSaysTheChangeAfterEachValueAndCountsThem) {
  TProductKeys keys;
  keys.user = Key("General", {Dword("Same", 1), Dword("Other", 2)});
  keys.machine = Key("General", {Dword("Machine", 3)});
  keys.machineWritable = false;
  WriteFile(
      "prefs.xml",
      ProductFile(General("PerUserRoam",
                          "<Same type=\"integer\">1</Same><Other type=\"integer\">5</Other>"
                          "<Machine type=\"integer\">3</Machine><New type=\"string\">n</New>") +
                  General("PerMachine", "<Up type=\"integer\">1</Up>")));
  const TCheckReport report =
      CheckPrefsFileAgainst(FileName(), keys, platform::memory::ChosenCodePage(), "state.reg");
  std::ostringstream text;
  WriteTextReport(report, text);
  const std::string out = text.str();
  for (const char* line : {
           "Against: state.reg\n",
           "    \"Same\" = integer 1 (0x00000001)  [unchanged]",
           "    \"Other\" = integer 5 (0x00000005)  [changed from integer 2 (0x00000002)]",
           "    \"Machine\" = integer 3 (0x00000003)  [left out: the machine's key holds the same "
           "and the user's key has none]",
           "    \"New\" = string \"n\"  [new]",
           "    \"Up\" = integer 1 (0x00000001)  [new; into the user's key: this user may not "
           "write "
           "the machine's key]",
           "\nChanges: 2 new, 1 changed, 1 unchanged, 1 left out; 1 per-machine value lands in the "
           "user's key\n",
       }) {
    EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out;
  }
  std::ostringstream json;
  WriteJsonReport(report, json);
  EXPECT_NE(json.str().find(",\"against\":\"state.reg\","), std::string::npos) << json.str();
  EXPECT_NE(json.str().find(",\"new\":2,\"changed\":1,\"unchanged\":1,\"left-out\":1,"
                            "\"machine-values-in-user-key\":1}"),
            std::string::npos)
      << json.str();
}

// Hands over fixed trees as if they were the live registry.
class FixedRegistry final : public platform::IRegistryTreeReader {
 public:
  explicit FixedRegistry(TProductKeys keys) : keys_(std::move(keys)) {}
  long Read(platform::RegKey root, const std::string&, platform::RegTree* tree) override {
    *tree = root == reg::kCurrentUser ? keys_.user : keys_.machine;
    return tree->empty() ? reg::kFileNotFound : reg::kSuccess;
  }
  bool OpensForWriting(platform::RegKey, const std::string&) override {
    return keys_.machineWritable;
  }

 private:
  TProductKeys keys_;
};

// The keys as a `reg export` of both roots.
std::string RegExportOf(const TProductKeys& keys) {
  std::u16string text = std::u16string(kRegEditor5Header) + u"\r\n";
  const auto hive = [&](const char16_t* root, const platform::RegTree& tree) {
    for (const RegTreeKey& key : tree) {
      text += u"\r\n[" + std::u16string(root) + u"\\" + platform::Utf16OfUtf8(key.path) + u"]\r\n";
      for (const RegTreeValue& value : key.values) {
        text += RegHexData(
                    RegQuoted(platform::Utf16OfUtf8(value.name)) + u"=" + RegHexPrefix(value.type),
                    value.data) +
                u"\r\n";
      }
    }
  };
  hive(u"HKEY_CURRENT_USER", keys.user);
  hive(u"HKEY_LOCAL_MACHINE", keys.machine);
  const std::vector<std::uint8_t> bytes = platform::LeBytesOf(text);
  return "\xFF\xFE" + std::string(bytes.begin(), bytes.end());
}

class AgainstCommand : public CheckFixture {
 protected:
  int Run(const std::vector<std::string>& arguments) {
    out.str({});
    err.str({});
    return RunCheckCommand(arguments, out, err, machine);
  }
  std::ostringstream out;
  std::ostringstream err;
};

// Every line but the one that names where the state came from.
std::string WithoutAgainst(const std::string& report) {
  std::istringstream in(report);
  std::string kept;
  for (std::string line; std::getline(in, line);) {
    const std::size_t at = line.find(",\"against\":");
    if (line.rfind("Against: ", 0) == 0) continue;
    kept += (at == std::string::npos ? line : line.substr(0, at)) + "\n";
  }
  return kept;
}

TEST_F(AgainstCommand, AnExportAndTheLiveRegistryInTheSameStateGiveTheSameReport) {
  TProductKeys keys;
  keys.user = Key("General", {Dword("Case Sensitive", 1), Text("Prefix", "caf\xC3\xA9")});
  keys.machine = Key("Network", {Dword("Minutes", 15)});
  // reg exports one root at a time.
  WriteFile("user.reg", RegExportOf({keys.user, {}, true}));
  WriteFile("machine.reg", RegExportOf({{}, keys.machine, true}));
  WriteFile("prefs.xml",
            ProductFile(General("PerUserRoam",
                                "<Case_Sensitive type=\"integer\">2</Case_Sensitive>"
                                "<Prefix type=\"string\">caf\xC3\xA9</Prefix>") +
                        "<PerUserRoam><Network><Minutes type=\"integer\">15</Minutes></Network>"
                        "</PerUserRoam><PerMachine><Network><Minutes type=\"integer\">20</Minutes>"
                        "</Network></PerMachine>"));
  FixedRegistry live(keys);
  machine.registry = &live;
  for (const bool json : {false, true}) {
    SCOPED_TRACE(json ? "json" : "text");
    std::vector<std::string> fromFile = {"--against", PathIn("user.reg"), "--against",
                                         PathIn("machine.reg"), FileName()};
    std::vector<std::string> fromLive = {"--against-registry", FileName()};
    if (json)
      fromFile.insert(fromFile.begin(), "--json"), fromLive.insert(fromLive.begin(), "--json");
    EXPECT_EQ(Run(fromFile), 0) << err.str();
    const std::string byFile = out.str();
    EXPECT_EQ(Run(fromLive), 0) << err.str();
    EXPECT_EQ(WithoutAgainst(out.str()), WithoutAgainst(byFile));
    EXPECT_NE(byFile.find(json ? "\"change\":\"left-out\"" : "[left out"), std::string::npos)
        << byFile;
    EXPECT_NE(byFile.find(json ? "\"change\":\"unchanged\"" : "[unchanged]"), std::string::npos)
        << byFile;
  }
}

TEST_F(AgainstCommand, WrongCommandLinesAndUnreadableStates) {
  WriteFile("prefs.xml", ProductFile(""));
  EXPECT_EQ(Run({"--against-registry", FileName()}), kUsageStatus);
  EXPECT_NE(err.str().find("the Windows build only"), std::string::npos) << err.str();
  EXPECT_EQ(Run({"--against", FileName()}), kUsageStatus);
  EXPECT_EQ(Run({"--against", "a.reg", "--against-registry", FileName()}), kUsageStatus);

  EXPECT_EQ(Run({"--against", PathIn("absent.reg"), FileName()}), 2);
  EXPECT_NE(err.str().find("cannot read"), std::string::npos) << err.str();
  // A folder has no size to trust: it is refused, not read.
  std::filesystem::create_directory(PathIn("folder.reg"));
  err.str("");
  EXPECT_EQ(Run({"--against", PathIn("folder.reg"), FileName()}), 2);
  EXPECT_NE(err.str().find("folder.reg"), std::string::npos) << err.str();
  WriteFile("bad.reg", "REGEDIT4\r\n\"a\"=hex:zz\r\n");
  EXPECT_EQ(Run({"--against", PathIn("bad.reg"), FileName()}), 2);
  EXPECT_NE(err.str().find("line 2"), std::string::npos) << err.str();
  EXPECT_TRUE(out.str().empty()) << out.str();
}

}  // namespace
