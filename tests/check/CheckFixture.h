#pragma once
// The checker on files written to a folder of the test's own, with this
// build's XML parser and the fakes of every other service installed around
// it, so a test can see that the check touched none of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "check/CheckReport.h"
#include "support/FakePlatform.h"

namespace checktest {

// "<?xml...?><!DOCTYPE Wrenfold_Preferences><Wrenfold_Preferences>" + inner +
// "</Wrenfold_Preferences>".
std::string PrefsFile(const std::string& inner);
// A preferences file with one product element holding `scopes`.
std::string ProductFile(const std::string& scopes);

class CheckFixture : public testing::Test {
 protected:
  CheckFixture();
  ~CheckFixture() override;

  // Writes the file (known to the fake process as existing) and checks it.
  TCheckReport Check(const std::string& contents);
  std::string FileName() const { return (folder_ / "prefs.xml").string(); }
  std::string PathIn(const std::string& name) const { return (folder_ / name).string(); }
  void WriteFile(const std::string& name, const std::string& contents);

  // "kind@path" of each finding of a severity, in order.
  static std::vector<std::string> Findings(const TCheckReport& report, TSeverity severity);

  testsupport::FakePlatform env;

 private:
  std::filesystem::path folder_;
};

}  // namespace checktest
