// The run sequence's last word in unattended mode, for an import that stops
// after it has begun writing (no real parser fails that way on demand), for
// values passed over in silence, and for a log that cannot be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Services.h"
#include "shell/Main.h"
#include "shell/RunOutcome.h"
#include "support/FailingXmlParser.h"
#include "support/FakePlatform.h"
#include "support/ScopedUnattendedLog.h"

namespace {

constexpr const char* kLog = "C:\\Logs\\unattended.jsonl";

std::vector<std::string> Lines(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class RunOutcome : public testing::Test {
 protected:
  RunOutcome() {
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    WritePrefs(
        "<General><First type=\"integer\">2</First><Boom type=\"integer\">3</Boom>"
        "<After type=\"integer\">4</After></General>");
    env.scope->xml = &parser;
    env.process.commandLine = "RegisterWrenfold.exe /IC C:\\Work\\prefs.xml";
    env.process.files.insert("C:\\Work\\prefs.xml");
    env.locale.utcNow = {2026, 12, 11, 6, 0, 0, 250};
  }
  ~RunOutcome() override { std::filesystem::remove_all(folder_); }

  void WritePrefs(const std::string& sections) const {
    std::ofstream(prefs_, std::ios::binary)
        << "<?xml version=\"1.0\"?>\r\n<!DOCTYPE Wrenfold_Preferences>\r\n"
           "<Wrenfold_Preferences><Wrenfold><PerUserRoam>"
        << sections << "</PerUserRoam></Wrenfold></Wrenfold_Preferences>\r\n";
  }

  std::string Record(const std::string& outcome, int values, int reports, int skipped) const {
    return "{\"outcome\":\"" + outcome +
           "\",\"file\":\"C:\\\\Work\\\\prefs.xml\",\"values\":" + std::to_string(values) +
           ",\"reports\":" + std::to_string(reports) + ",\"skipped\":" + std::to_string(skipped) +
           ",\"version\":\"" + ProgramVersion() + "\",\"time\":\"2026-12-11T06:00:00Z\"}";
  }

  const std::filesystem::path folder_ = std::filesystem::temp_directory_path() / "wf-run-outcome";
  const std::filesystem::path prefs_ = folder_ / "prefs.xml";
  testsupport::FakePlatform env;
  testsupport::FailingXmlParser parser{prefs_.string()};
};

TEST_F(RunOutcome, AnImportThatStopsAfterWritingHasFailed) {
  env.fileSystem.AddFolder("C:\\Logs");
  const testsupport::ScopedUnattendedLog unattended(kLog);
  EXPECT_EQ(RunProgram(), 0);
  const std::vector<std::string> lines = Lines(env.fileSystem.Contents(kLog));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].rfind("{\"caption\":\"Register Wrenfold\",\"text\":\"Could not import", 0), 0u)
      << lines[0];
  EXPECT_EQ(lines[1], Record("failed", 1, 1, 0));
  EXPECT_TRUE(env.ui.boxes.empty());
}

TEST_F(RunOutcome, ValuesPassedOverInSilenceAreCountedAsSkipped) {
  WritePrefs(
      "<General><!-- not a value --><NoType>1</NoType><Cased type=\"Integer\">2</Cased>"
      "<Unknown type=\"dword\">3</Unknown><Odd type=\"binary\">zz</Odd>"
      "<Bytes type=\"binary\">0A0B</Bytes><Number type=\"integer\">5</Number>"
      "<Empty type=\"binary\"></Empty>bare text</General>");
  env.fileSystem.AddFolder("C:\\Logs");
  const testsupport::ScopedUnattendedLog unattended(kLog);
  EXPECT_EQ(RunProgram(), 0);
  EXPECT_EQ(Lines(env.fileSystem.Contents(kLog)),
            std::vector<std::string>{Record("imported", 3, 0, 4)});
}

// A log in a folder that does not exist: the box and the record go to the
// temporary folder, and nothing is shown.
TEST_F(RunOutcome, ALogThatCannotBeWrittenShowsNoBox) {
  env.fileSystem.AddFolder("C:\\Users\\Ann\\AppData\\Local\\Temp");
  const testsupport::ScopedUnattendedLog unattended(kLog);
  EXPECT_EQ(RunProgram(), 0);
  EXPECT_TRUE(env.ui.boxes.empty());
  const std::vector<std::string> lines =
      Lines(env.fileSystem.Contents("C:\\Users\\Ann\\AppData\\Local\\Temp\\unattended.jsonl"));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].rfind("{\"caption\":\"Register Wrenfold\"", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1], Record("failed", 1, 1, 0));
}

TEST_F(RunOutcome, WithoutTheVariableTheBoxIsShownAndNothingIsLogged) {
  EXPECT_EQ(RunProgram(), 0);
  ASSERT_EQ(env.ui.boxes.size(), 1u);
  EXPECT_EQ(env.ui.boxes[0].text.rfind("Could not import", 0), 0u);
  EXPECT_TRUE(env.fileSystem.files.empty());
  EXPECT_TRUE(env.fileSystem.debugOutput.empty());
}

TEST(RunOutcomeStamp, TimeIsUtcIso8601ToTheSecond) {
  EXPECT_EQ(IsoUtcTime({2026, 12, 11, 6, 0, 0, 999}), "2026-12-11T06:00:00Z");
  EXPECT_EQ(IsoUtcTime({987, 1, 2, 23, 4, 59, 0}), "0987-01-02T23:04:59Z");
}

TEST(RunOutcomeStamp, VersionIsTheProjectsThreeNumbers) {
  EXPECT_TRUE(std::regex_match(ProgramVersion(), std::regex("[0-9]+\\.[0-9]+\\.[0-9]+")))
      << ProgramVersion();
}

}  // namespace
