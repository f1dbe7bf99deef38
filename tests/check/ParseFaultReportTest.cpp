// A file that is not well-formed: the checker gives the place of the fault,
// and the parser's reason, beside the program's own message.
#include <gtest/gtest.h>

#include <sstream>

#include "CheckFixture.h"
#include "check/ReportJson.h"
#include "check/ReportText.h"

namespace {

class CheckParseFault : public checktest::CheckFixture {};

TEST_F(CheckParseFault, TheReportsGiveLineAndColumn) {
  const TCheckReport report = Check(
      "<?xml version=\"1.0\"?>\r\n<!DOCTYPE Wrenfold_Preferences>\r\n<Wrenfold_Preferences>\r\n"
      "  <Wrenfold></Wrenfold_Preferences>");
  EXPECT_EQ(report.verdict, TCheckVerdict::kRejected);
  ASSERT_EQ(report.fault.line, 4u);
  ASSERT_GT(report.fault.column, 0u);
  ASSERT_FALSE(report.fault.reason.empty());
  const std::string place =
      "line 4, column " + std::to_string(report.fault.column) + ": " + report.fault.reason;

  std::ostringstream text;
  WriteTextReport(report, text);
  EXPECT_NE(text.str().find("\n    at " + place + "\n"), std::string::npos) << text.str();

  std::ostringstream json;
  WriteJsonReport(report, json);
  EXPECT_NE(json.str().find(",\"line\":4,\"column\":" + std::to_string(report.fault.column) +
                            ",\"fault\":\""),
            std::string::npos)
      << json.str();
}

TEST_F(CheckParseFault, AWellFormedFileHasNoPlace) {
  const TCheckReport report = Check(checktest::ProductFile("<PerUserRoam/>"));
  EXPECT_EQ(report.fault.line, 0u);
  std::ostringstream json;
  WriteJsonReport(report, json);
  const std::string verdict = json.str().substr(0, json.str().find('\n'));
  EXPECT_EQ(verdict.find("\"line\""), std::string::npos) << verdict;
}

// Wine's parser reads a name whose prefix is declared nowhere without the
// prefix, and so does the host's; a parser on Windows refuses the file.
TEST_F(CheckParseFault, AnUndeclaredPrefixIsAWarning) {
  const TCheckReport report = Check(checktest::ProductFile(
      "<PerUserRoam xmlns:d='urn:x'><General><p:Retype type='boolean'>1</p:Retype>"
      "<d:Ok type='boolean'>1</d:Ok><Typed q:type='x'/></General></PerUserRoam>"));
  EXPECT_EQ(report.verdict, TCheckVerdict::kImported);
  const std::vector<std::string> expected = {
      "undeclared-prefix@PerUserRoam/General/p:Retype",
      "undeclared-prefix@PerUserRoam/General/Typed"};
  std::vector<std::string> found;
  for (const std::string& finding : Findings(report, TSeverity::kWarning)) {
    if (finding.rfind("undeclared-prefix@", 0) == 0) found.push_back(finding);
  }
  EXPECT_EQ(found, expected);
}

}  // namespace
