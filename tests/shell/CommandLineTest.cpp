#include <gtest/gtest.h>

#include "platform/CommandLine.h"
#include "shell/Main.h"
#include "support/FakePlatform.h"

namespace {

struct Case {
  const char* arguments;  // after the program path
  const char* importFile;
  const char* importPath;
  const char* resolved;
};

// The values ProcessParam stores and the name FormCreate then looks for.
const Case kCases[] = {
    {"", "", "", ""},
    {"/ICprefs.xml", "prefs.xml", "", "prefs.xml"},
    {"/ic prefs.xml", "prefs.xml", "", "prefs.xml"},
    {"/Ic  prefs.xml  ", "prefs.xml", "", "prefs.xml"},
    {"/IC\"C:\\My Files\\prefs.xml\"", "\"C:\\My Files\\prefs.xml\"", "",
     "C:\\My Files\\prefs.xml"},
    {"/IC \"C:\\My Files\\prefs.xml\"", "\"C:\\My Files\\prefs.xml\"", "",
     "C:\\My Files\\prefs.xml"},
    {"/IC\"a\"\"b.xml\" tail", "\"a\"\"b.xml\" tail", "", "a\"b.xml"},
    {"/IC\"C:\\no close.xml", "\"C:\\no close.xml", "", "C:\\no close.xml"},
    {"/IPC:\\Data\\ /ICprefs.xml", "prefs.xml", "C:\\Data\\", "C:\\Data\\prefs.xml"},
    {"/IPC:\\Data /ICprefs.xml", "prefs.xml", "C:\\Data", "C:\\prefs.xml"},
    {"/IPC:\\Data\\ /ICsub\\prefs.xml", "sub\\prefs.xml", "C:\\Data\\", "sub\\prefs.xml"},
    {"/IPC:\\Data\\ /ICD:prefs.xml", "D:prefs.xml", "C:\\Data\\", "D:prefs.xml"},
    {"/ICa.xml /ICb.xml", "a.xml", "", "a.xml"},
    {"/ICC:/dir/prefs.xml", "C:", "", "C:"},
    {"/IPC:\\Data\\", "", "C:\\Data\\", ""},
    {"/IP sub /ICprefs.xml", "prefs.xml", "sub", "C:\\Work\\prefs.xml"},
    {"/IP ..\\Other\\ /ICprefs.xml", "prefs.xml", "..\\Other\\", "C:\\Other\\prefs.xml"},
    {"/X /ICprefs.xml other", "prefs.xml other", "", "prefs.xml other"},
    // A quoted base folder, the usual way installers pass one with blanks.
    {"/IP\"C:\\Program Files\\Wrenfold\\\" /ICprefs.xml", "prefs.xml",
     "\"C:\\Program Files\\Wrenfold\\\"", "C:\\Program Files\\Wrenfold\\prefs.xml"},
    {"/IP \"C:\\Program Files\\Wrenfold\" /ICprefs.xml", "prefs.xml",
     "\"C:\\Program Files\\Wrenfold\"", "C:\\Program Files\\prefs.xml"},
    {"/IP \"C:\\Program Files\\Wrenfold\\inst.exe\" /ICprefs.xml", "prefs.xml",
     "\"C:\\Program Files\\Wrenfold\\inst.exe\"", "C:\\Program Files\\Wrenfold\\prefs.xml"},
    // Quotes that split the switch letters: the argument itself names the value.
    {"/\"IC\"prefs.xml", "prefs.xml", "", "prefs.xml"},
    {"/\"IC\"\"C:\\My Files\\p.xml\"", "C:\\My Files\\p.xml", "", "C:\\My Files\\p.xml"},
};

class CommandLineTest : public testing::TestWithParam<Case> {
 protected:
  testsupport::FakePlatform env;
};

TEST_P(CommandLineTest, SwitchValuesAndResolvedName) {
  const Case& c = GetParam();
  env.process.commandLine = std::string("\"C:\\Prog Dir\\RegisterWrenfold.exe\" ") + c.arguments;
  TMainWin form;
  for (const std::string& argument : platform::SplitArguments(env.process.commandLine)) {
    form.ProcessParam(argument);
  }
  EXPECT_EQ(form.ImportFile, c.importFile);
  EXPECT_EQ(form.ImportPath, c.importPath);
  if (!form.ImportFile.empty()) {
    EXPECT_EQ(form.ResolveImportFile(), c.resolved);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLineTest, testing::ValuesIn(kCases));

TEST(SplitArguments, QuotesGroupWithoutEscapes) {
  EXPECT_EQ(platform::SplitArguments("prog.exe"), std::vector<std::string>{});
  EXPECT_EQ(platform::SplitArguments("\"C:\\a b\\prog.exe\"  /IC  x\ty"),
            (std::vector<std::string>{"/IC", "x", "y"}));
  EXPECT_EQ(platform::SplitArguments("p /IP\"C:\\A B\\\" /ICf"),
            (std::vector<std::string>{"/IPC:\\A B\\", "/ICf"}));
}

TEST(ProcessParam, SwitchInTheProgramPathIsFoundFirst) {
  // The switch is looked for in the whole line, program path included, and a
  // forward slash is a path separator too: a program started from
  // C:\odd/ICdir\ finds "/IC" in its own path first.
  testsupport::FakePlatform env;
  env.process.commandLine = "\"C:\\odd/ICdir\\prog.exe\" /ICprefs.xml";
  TMainWin form;
  form.ProcessParam("/ICprefs.xml");
  EXPECT_EQ(form.ImportFile, "dir\\prog.exe\"");
}

}  // namespace
