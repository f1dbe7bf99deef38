// The whole program importing preferences files into Wine's registry, read
// back with the registry API and `reg export` (which lists values by name).
#include "ImportEndToEnd.h"
#include "platform/win32/Win32Services.h"
#include "support/RegistryProbe.h"

namespace {

using namespace importe2e;

void SetMachineValue(const std::string& section, const std::string& name, DWORD type,
                     const void* data, DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, (std::string(kProductKey) + "\\" + section).c_str(),
                            0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

void SetMachineDword(const std::string& section, const std::string& name, DWORD value) {
  SetMachineValue(section, name, REG_DWORD, &value, sizeof value);
}

void SetMachineString(const std::string& section, const std::string& name,
                      const std::string& value) {
  SetMachineValue(section, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

// The example file, every scope and type: what `reg export` shows afterwards
// is what the file says, value by value.
TEST_F(ImportEndToEnd, TheExampleFileLandsInTheRegistry) {
  const auto result =
      testsupport::RunWrenfold("/IC \"" + SourceFile("examples\\Wrenfold-Preferences.xml") + "\"");
  EXPECT_EQ(result.exitCode, 0u);
  EXPECT_TRUE(result.boxes.empty()) << result.boxes.front();
  EXPECT_EQ(WithoutCarriageReturns(testsupport::RegExport(kUserKey)),
            testsupport::ReadFile(SourceFile("tests\\data\\xml\\example-user.reg")));
  EXPECT_EQ(WithoutCarriageReturns(testsupport::RegExport(kMachineKey)),
            testsupport::ReadFile(SourceFile("tests\\data\\xml\\example-machine.reg")));
}

// A relative name resolved against the /IP folder reaches the same import.
TEST_F(ImportEndToEnd, ARelativeNameBesideTheInstallFolder) {
  testsupport::WriteFile(folder_ + "team prefs.xml",
                         testsupport::ReadFile(SourceFile("tests\\data\\xml\\small.xml")));
  const auto result =
      testsupport::RunWrenfold("/IP \"" + folder_ + "setup.exe\" /IC \"team prefs.xml\"");
  EXPECT_EQ(result.exitCode, 0u);
  EXPECT_TRUE(result.boxes.empty()) << result.boxes.front();
  EXPECT_EQ(WithoutCarriageReturns(testsupport::RegExport(kUserKey + "\\General")),
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\General]\n"
            "\"Retype\"=dword:00000001\n\n");
}

// Machine values first: the user's key gets only what differs from them, and
// a value the machine does not hold.
TEST_F(ImportEndToEnd, LayeredOverTheMachinesValues) {
  SetMachineDword("General", "Case Sensitive", 2);
  SetMachineDword("General", "Use Suffix", 0);
  SetMachineString("General", "Prefix", ";;");
  SetMachineString("General", "Invalid Chars", "<>");
  const auto result =
      ImportFile(PrefsFile("<PerUserRoam><General>"
                           "<Case_Sensitive type=\"integer\">2</Case_Sensitive>"
                           "<Use_Suffix type=\"boolean\">1</Use_Suffix>"
                           "<Prefix type=\"string\">;;</Prefix>"
                           "<Invalid_Chars type=\"string\">|</Invalid_Chars>"
                           "<Retype type=\"boolean\">0</Retype>"
                           "</General></PerUserRoam>"));
  EXPECT_EQ(result.exitCode, 0u);
  EXPECT_TRUE(result.boxes.empty()) << result.boxes.front();
  EXPECT_EQ(WithoutCarriageReturns(testsupport::RegExport(kUserKey)),
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4]\n\n"
            "[HKEY_CURRENT_USER\\Software\\Orlavex\\Wrenfold 4\\General]\n"
            "\"Invalid Chars\"=\"|\"\n"
            "\"Retype\"=dword:00000000\n"
            "\"Use Suffix\"=dword:00000001\n\n");
  // The machine's own values are left as they were.
  EXPECT_EQ(WithoutCarriageReturns(testsupport::RegExport(kMachineKey + "\\General")),
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Orlavex\\Wrenfold 4\\General]\n"
            "\"Case Sensitive\"=dword:00000002\n"
            "\"Invalid Chars\"=\"<>\"\n"
            "\"Prefix\"=\";;\"\n"
            "\"Use Suffix\"=dword:00000000\n\n");
}

TEST_F(ImportEndToEnd, ABinaryValueBeyondThirtyTwoKilobytesIsStoredWhole) {
  std::string bytes;
  std::string text;
  for (int i = 0; i < 40000; ++i) {
    static const char kHex[] = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned char>(i * 31 + 7);
    bytes += static_cast<char>(byte);
    text += kHex[byte >> 4];
    text += kHex[byte & 15];
    if (i % 16 == 15) text += ' ';
  }
  const auto result = ImportFile(PrefsFile("<PerUserRoam><Main_Window><Big type=\"binary\">" +
                                           text + "</Big></Main_Window></PerUserRoam>"));
  EXPECT_EQ(result.exitCode, 0u);
  EXPECT_TRUE(result.boxes.empty()) << result.boxes.front();

  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kProductKey) + "\\Main Window").c_str(),
                          0, KEY_READ, &key),
            ERROR_SUCCESS);
  std::string stored(50000, '\0');
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(stored.size());
  EXPECT_EQ(
      RegQueryValueExA(key, "Big", nullptr, &type, reinterpret_cast<BYTE*>(stored.data()), &size),
      ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  stored.resize(size);
  EXPECT_EQ(stored.size(), bytes.size());
  EXPECT_TRUE(stored == bytes);
}

TEST_F(ImportEndToEnd, AForeignFileIsNamedAndLeftAlone) {
  const auto result = ImportFile(
      "<?xml version=\"1.0\"?><!DOCTYPE Wrenfold_Preferences><Other_Tool_Preferences><Wrenfold>"
      "<PerUserRoam><General><Retype type=\"boolean\">1</Retype></General></PerUserRoam>"
      "</Wrenfold></Other_Tool_Preferences>");
  EXPECT_EQ(result.exitCode, 0u);
  ASSERT_EQ(result.boxes.size(), 1u);
  EXPECT_EQ(result.boxes[0],
            "{\"caption\":\"Register Wrenfold\",\"text\":\"This configuration file belongs to "
            "Other Tool\\r\\nand is not compatible with Wrenfold.\",\"flags\":65552,"
            "\"answer\":\"IDOK\"}");
  ExpectNothingWritten();
}

TEST_F(ImportEndToEnd, ABrokenFileGetsTheGeneralFailure) {
  const std::string broken = PrefsFile("<PerUserRoam><General><Retype type=\"boolean\">1</Retype>");
  ExpectGeneralFailure(ImportFile(broken, "broken.xml"), "broken.xml");
  ExpectNothingWritten();
}

TEST_F(ImportEndToEnd, AFileWithoutDocumentTypeGetsTheGeneralFailure) {
  const auto result = ImportFile(
      "<?xml version=\"1.0\"?><Wrenfold_Preferences><Wrenfold><PerUserRoam><General>"
      "<Retype type=\"boolean\">1</Retype></General></PerUserRoam></Wrenfold>"
      "</Wrenfold_Preferences>",
      "no doctype.xml");
  ExpectGeneralFailure(result, "no doctype.xml",
                       "The file has no document type declaration <!DOCTYPE "
                       "Wrenfold_Preferences>, which every preferences file begins with.");
  ExpectNothingWritten();
}

// A text is stored whole: the line ends and blanks at its edges are the
// user's data, however a character reference or a line end splits them off;
// a value of blanks alone is an empty string.
TEST_F(ImportEndToEnd, StringsKeepTheirEdges) {
  const auto result =
      ImportFile(PrefsFile("\r\n<PerUserRoam>\r\n  <General>\r\n"
                           "    <Lines type=\"string\">line1\r\nline2\r\n</Lines>\r\n"
                           "    <Trailing type=\"string\">a&#32;</Trailing>\r\n"
                           "    <Leading type=\"string\">&#32;x</Leading>\r\n"
                           "    <Indented type=\"string\">\r\n  x</Indented>\r\n"
                           "    <Blank type=\"string\"> &#32;\r\n </Blank>\r\n"
                           "  </General>\r\n</PerUserRoam>\r\n"));
  EXPECT_EQ(result.exitCode, 0u);
  EXPECT_TRUE(result.boxes.empty()) << result.boxes.front();

  const std::pair<const char*, std::string> expected[] = {
      {"Lines", "line1\nline2\n"}, {"Trailing", "a "}, {"Leading", " x"},
      {"Indented", "\n  x"},       {"Blank", ""},
  };
  for (const auto& [name, text] : expected) {
    EXPECT_EQ(testsupport::ReadRegValue(platform::win32::Registry(), platform::reg::kCurrentUser,
                                        std::string(kProductKey) + "\\General", name),
              testsupport::StringValue(text))
        << name;
  }
}

}  // namespace
