// ExportWrenfoldPrefs.exe under Wine, the property that matters: a machine's
// product keys captured as a preferences file and imported by the program
// into empty keys come back as `reg export` showed them, every value the
// format can carry with its name, type and data; each value it cannot carry
// is listed and stays behind.  And the checker, started from the same state
// as the live registry or as its `reg export` files, says the same and
// writes nothing.
#include <vector>

#include "ImportEndToEnd.h"

namespace {

using namespace importe2e;

struct Value {
  HKEY root;
  std::wstring section;  // below the product key; empty for the product key itself
  std::wstring name;
  DWORD type;
  std::vector<BYTE> data;
};

std::vector<BYTE> Sz(const std::wstring& text) {
  const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
  return std::vector<BYTE>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t));
}
std::vector<BYTE> Dword(DWORD value) {
  return {BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)};
}

const std::wstring kProductW = L"Software\\Orlavex\\Wrenfold 4";

void Write(const std::vector<Value>& values) {
  for (const Value& value : values) {
    const std::wstring path = value.section.empty() ? kProductW : kProductW + L"\\" + value.section;
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(value.root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    if (!value.name.empty() || !value.data.empty()) {
      EXPECT_EQ(RegSetValueExW(key, value.name.c_str(), 0, value.type, value.data.data(),
                               static_cast<DWORD>(value.data.size())),
                ERROR_SUCCESS);
    }
    RegCloseKey(key);
  }
}

// Every type and every character class the format carries, in both roots
// and both user scopes, with every named section.
std::vector<Value> Carried() {
  std::vector<Value> values = {
      {HKEY_CURRENT_USER, L"", L"Uses", REG_DWORD, Dword(42)},
      {HKEY_CURRENT_USER, L"", L"Lowest", REG_DWORD, Dword(0x80000000u)},
      {HKEY_CURRENT_USER, L"General", L"Quotes", REG_SZ, Sz(L"\"double\" and 'single'")},
      {HKEY_CURRENT_USER, L"General", L"Markup", REG_SZ, Sz(L"<b>&amp; & $lt; $gt; &#34; &pos;")},
      {HKEY_CURRENT_USER, L"General", L"Brackets", REG_SZ, Sz(L"$10 [a] {b} (c) $")},
      {HKEY_CURRENT_USER, L"General", L"Lines", REG_SZ, Sz(L"first\r\nsecond")},
      {HKEY_CURRENT_USER, L"General", L"Edges", REG_SZ, Sz(L"  blank edges\t")},
      {HKEY_CURRENT_USER, L"General", L"Blanks", REG_SZ, Sz(L"   ")},
      {HKEY_CURRENT_USER, L"General", L"Empty", REG_SZ, Sz(L"")},
      {HKEY_CURRENT_USER, L"General", L"Caf\u00E9", REG_SZ, Sz(L"\u00E9t\u00E9 \u20AC")},
      {HKEY_CURRENT_USER, L"General", L"Blob", REG_BINARY, {0x00, 0xAB, 0xFF}},
      {HKEY_CURRENT_USER, L"General", L"Nothing", REG_BINARY, {}},
      {HKEY_CURRENT_USER, L"General", L"Negative", REG_DWORD, Dword(DWORD(-5))},
      {HKEY_CURRENT_USER, L"General", L"Name with [brackets] and $", REG_SZ, Sz(L"x")},
      {HKEY_CURRENT_USER, L"File Paths", L"Logs Path", REG_SZ, Sz(L"C:\\Logs\\")},
      {HKEY_CURRENT_USER, L"$Unknown\\Plug ins", L"Spell Checker", REG_SZ, Sz(L"en-GB")},
      {HKEY_LOCAL_MACHINE, L"", L"Licence", REG_SZ, Sz(L"Site licence")},
      {HKEY_LOCAL_MACHINE, L"Network", L"Minutes", REG_DWORD, Dword(15)},
      // The user's value again: the layering rule must not thin it out.
      {HKEY_LOCAL_MACHINE, L"General", L"Quotes", REG_SZ, Sz(L"\"double\" and 'single'")},
  };
  for (const wchar_t* section :
       {L"AdvOptions", L"Activation", L"Appearance", L"Backup",        L"Cust Commands",
        L"Delays",     L"Dialogs",    L"Dictionary", L"Files",         L"Persistent Files",
        L"Fonts",      L"Logs",       L"Windows",    L"Miscellaneous", L"MRU",
        L"Network",    L"Printer",    L"Startup",    L"Updates",       L"Dont Ask",
        L"Editor",     L"Main Window"}) {
    values.push_back(
        {HKEY_CURRENT_USER, section, std::wstring(L"In ") + section, REG_DWORD, Dword(1)});
  }
  return values;
}

// What the format cannot carry; the names are ASCII, as the report lists them.
const std::vector<Value> kNotCarried = {
    {HKEY_CURRENT_USER, L"General", L"Under_score", REG_SZ, Sz(L"x")},
    {HKEY_CURRENT_USER, L"General", L"Scored", REG_SZ, Sz(L"a_b")},
    {HKEY_CURRENT_USER, L"General", L"Wide", REG_SZ, Sz(L"\u0101")},
    {HKEY_CURRENT_USER, L"General", L"Expand", REG_EXPAND_SZ, Sz(L"%TEMP%")},
    {HKEY_CURRENT_USER, L"General", L"Multi", REG_MULTI_SZ, Sz(std::wstring(L"a\0", 2))},
    {HKEY_CURRENT_USER, L"General", L"Quad", REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 8}},
    {HKEY_CURRENT_USER, L"$Temp\\Search History", L"Editor Search Text", REG_SZ, Sz(L"x")},
    {HKEY_CURRENT_USER, L"$Unknown", L"Directly", REG_DWORD, Dword(1)},
    {HKEY_CURRENT_USER, L"Windows\\Wrenfold_MainWin", L"Col 1", REG_DWORD, Dword(10)},
    {HKEY_CURRENT_USER, L"Schedules", L"Every", REG_DWORD, Dword(1)},
    {HKEY_LOCAL_MACHINE, L"Network", L"Machine_Only", REG_DWORD, Dword(1)},
};

const std::vector<std::string> kNotCarriedNames = {"\"Under_score\"",
                                                   "\"Scored\"",
                                                   "\"Wide\"",
                                                   "\"Expand\"",
                                                   "\"Multi\"",
                                                   "\"Quad\"",
                                                   "\"Editor Search Text\"",
                                                   "\"Directly\"",
                                                   "\"Col 1\"",
                                                   "\"Every\"",
                                                   "\"Machine_Only\""};

std::string ProductKeysExported() {
  return testsupport::RegExport(kUserKey) + testsupport::RegExport(kMachineKey);
}

testsupport::ConsoleRun Export(const std::string& arguments) {
  return testsupport::RunConsoleProgram("ExportWrenfoldPrefs.exe", arguments);
}

class ExportEndToEnd : public ImportEndToEnd {
 protected:
  // `reg export` of both product keys into files of the scratch folder, as
  // --from and --against take them.
  std::string RegExportFiles(const std::string& option) {
    std::string arguments;
    for (const auto& [name, key] :
         {std::pair{"user.reg", kUserKey}, {"machine.reg", kMachineKey}}) {
      const std::string file = folder_ + name;
      EXPECT_EQ(testsupport::RunCommand("reg export " + Quoted(key) + " " + Quoted(file) + " /y"),
                0u);
      arguments += option + " " + Quoted(file) + " ";
    }
    return arguments;
  }
};

TEST_F(ExportEndToEnd, TheProgramsImportOfTheCaptureGivesBackTheProductKeys) {
  Write(Carried());
  const std::string expected = ProductKeysExported();
  RemoveProductKeys();
  Write(Carried());
  Write(kNotCarried);
  const std::string original = ProductKeysExported();
  ASSERT_NE(original, expected);

  const std::string captured = folder_ + "captured.xml";
  const testsupport::ConsoleRun live = Export(Quoted(captured));
  EXPECT_EQ(live.exitCode, 1u) << live.out << live.err;
  for (const std::string& name : kNotCarriedNames) {
    EXPECT_NE(live.out.find(name), std::string::npos) << name << "\n" << live.out;
  }
  const std::string xml = testsupport::ReadFile(captured);

  // The same keys as `reg export` files give the same file.
  const std::string fromFiles = folder_ + "from-files.xml";
  const testsupport::ConsoleRun exported = Export(RegExportFiles("--from") + Quoted(fromFiles));
  EXPECT_EQ(exported.exitCode, 1u) << exported.out << exported.err;
  EXPECT_EQ(testsupport::ReadFile(fromFiles), xml);

  RemoveProductKeys();
  const testsupport::ProgramResult imported = testsupport::RunWrenfold("/IC " + Quoted(captured));
  EXPECT_TRUE(imported.boxes.empty()) << imported.boxes.front();
  EXPECT_EQ(ProductKeysExported(), expected) << xml;
}

TEST_F(ExportEndToEnd, TheCommandLineAndNothingToCapture) {
  EXPECT_EQ(Export("").exitCode, 64u);
  EXPECT_EQ(Export("--what " + Quoted(folder_ + "x.xml")).exitCode, 64u);
  const testsupport::ConsoleRun empty = Export(Quoted(folder_ + "x.xml"));
  EXPECT_EQ(empty.exitCode, 2u) << empty.out << empty.err;
  EXPECT_NE(empty.err.find("nothing to capture"), std::string::npos) << empty.err;
  EXPECT_FALSE(testsupport::ReadFile(folder_ + "x.xml").size() > 0);
}

// Every line but the "against" field, which names where the state came from.
std::string WithoutAgainst(const std::string& json) {
  std::string kept;
  std::size_t start = 0;
  while (start < json.size()) {
    std::size_t end = json.find('\n', start);
    if (end == std::string::npos) end = json.size();
    std::string line = json.substr(start, end - start);
    const std::size_t at = line.find(",\"against\":");
    if (at != std::string::npos) line.erase(at, line.find(",\"values\":") - at);
    kept += line + "\n";
    start = end + 1;
  }
  return kept;
}

TEST_F(ExportEndToEnd, TheCheckerSaysTheSameAgainstTheRegistryAndItsExportAndWritesNothing) {
  Write({{HKEY_CURRENT_USER, L"General", L"Same", REG_DWORD, Dword(1)},
         {HKEY_CURRENT_USER, L"General", L"Other", REG_SZ, Sz(L"old")},
         {HKEY_LOCAL_MACHINE, L"General", L"Machine", REG_DWORD, Dword(3)},
         {HKEY_LOCAL_MACHINE, L"Network", L"Minutes", REG_DWORD, Dword(15)}});
  const std::string before = ProductKeysExported();
  const std::string file = folder_ + "prefs.xml";
  testsupport::WriteFile(
      file, PrefsFile("<PerUserRoam><General><Same type=\"integer\">1</Same>"
                      "<Other type=\"string\">new</Other><Machine type=\"integer\">3</Machine>"
                      "<Fresh type=\"binary\">0A</Fresh></General></PerUserRoam>"
                      "<PerMachine><Network><Minutes type=\"integer\">20</Minutes></Network>"
                      "</PerMachine>"));

  const testsupport::ConsoleRun live = testsupport::RunConsoleProgram(
      "CheckWrenfoldPrefs.exe", "--json --against-registry " + Quoted(file));
  const testsupport::ConsoleRun fromFiles = testsupport::RunConsoleProgram(
      "CheckWrenfoldPrefs.exe", "--json " + RegExportFiles("--against") + Quoted(file));
  // The made-up names are warned of (1); a state that cannot be read would be 2.
  EXPECT_EQ(live.exitCode, 1u) << live.out << live.err;
  EXPECT_EQ(fromFiles.exitCode, 1u) << fromFiles.out << fromFiles.err;
  EXPECT_EQ(WithoutAgainst(live.out), WithoutAgainst(fromFiles.out));
  for (const char* change :
       {"\"name\":\"Same\",\"type\":\"integer\",\"data\":1,\"change\":\"unchanged\"",
        "\"name\":\"Other\",\"type\":\"string\",\"data\":\"new\",\"change\":\"changed\",\"old\":"
        "\"old\"",
        "\"name\":\"Machine\",\"type\":\"integer\",\"data\":3,\"change\":\"left-out\"",
        "\"name\":\"Fresh\",\"type\":\"binary\",\"data\":\"0A\",\"change\":\"new\"",
        "\"name\":\"Minutes\",\"type\":\"integer\",\"data\":20,\"change\":\"changed\",\"old\":15,"
        "\"into\":\"HKEY_LOCAL_MACHINE\"",
        "\"new\":1,\"changed\":2,\"unchanged\":1,\"left-out\":1"}) {
    EXPECT_NE(live.out.find(change), std::string::npos) << change << "\n" << live.out;
  }
  EXPECT_EQ(ProductKeysExported(), before);
}

}  // namespace
