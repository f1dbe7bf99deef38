// The run sequence's last word in unattended mode, for an import that stops
// after it has begun writing: no real parser fails that way on demand.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/DateTimeLocale.h"
#include "platform/Services.h"
#include "shell/Main.h"
#include "support/FailingXmlParser.h"
#include "support/FakePlatform.h"

namespace {

constexpr const char* kVariable = "WRENFOLD_UNATTENDED_LOG";

void SetVariable(const std::string& value) {
#ifdef _WIN32
  _putenv_s(kVariable, value.c_str());
#else
  if (value.empty()) {
    unsetenv(kVariable);
  } else {
    setenv(kVariable, value.c_str(), 1);
  }
#endif
}

class RunOutcome : public testing::Test {
 protected:
  RunOutcome() {
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    std::ofstream(prefs_, std::ios::binary)
        << "<?xml version=\"1.0\"?>\r\n<!DOCTYPE Wrenfold_Preferences>\r\n"
           "<Wrenfold_Preferences><Wrenfold><PerUserRoam><General>"
           "<First type=\"integer\">2</First><Boom type=\"integer\">3</Boom>"
           "<After type=\"integer\">4</After>"
           "</General></PerUserRoam></Wrenfold></Wrenfold_Preferences>\r\n";
    env.scope->xml = &parser;
    env.process.commandLine = "RegisterWrenfold.exe /IC C:\\Work\\prefs.xml";
    env.process.files.insert("C:\\Work\\prefs.xml");
  }
  ~RunOutcome() override {
    SetVariable("");
    ResetDateTimeLocale();
    std::filesystem::remove_all(folder_);
  }

  std::vector<std::string> LogLines() const {
    std::ifstream in(log_, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  const std::filesystem::path folder_ = std::filesystem::temp_directory_path() / "wf-run-outcome";
  const std::filesystem::path prefs_ = folder_ / "prefs.xml";
  const std::filesystem::path log_ = folder_ / "unattended.jsonl";
  testsupport::FakePlatform env;
  testsupport::FailingXmlParser parser{prefs_.string()};
};

TEST_F(RunOutcome, AnImportThatStopsAfterWritingHasFailed) {
  SetVariable(log_.string());
  EXPECT_EQ(RunProgram(), 0);
  const std::vector<std::string> lines = LogLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].rfind("{\"caption\":\"Register Wrenfold\",\"text\":\"Could not import", 0), 0u)
      << lines[0];
  EXPECT_EQ(lines[1],
            "{\"outcome\":\"failed\",\"file\":\"C:\\\\Work\\\\prefs.xml\",\"values\":1,"
            "\"reports\":1}");
  EXPECT_TRUE(env.ui.boxes.empty());
}

TEST_F(RunOutcome, WithoutTheVariableTheBoxIsShownAndNothingIsLogged) {
  EXPECT_EQ(RunProgram(), 0);
  ASSERT_EQ(env.ui.boxes.size(), 1u);
  EXPECT_EQ(env.ui.boxes[0].text.rfind("Could not import", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(log_));
}

}  // namespace
