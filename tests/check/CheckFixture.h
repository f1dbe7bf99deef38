#pragma once
// The checker on files written to a folder of the test's own, with this
// build's XML parser and the fakes of every other service installed around
// it, so a test can see that the check touched none of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "check/CheckReport.h"
#include "check/ProductKeys.h"
#include "support/FakePlatform.h"
#include "support/PrefsFiles.h"

namespace checktest {

using testsupport::PrefsFile;
using testsupport::ProductFile;

class CheckFixture : public testing::Test {
 protected:
  CheckFixture();
  ~CheckFixture() override;

  // Writes the file (known to the fake process as existing) and checks it.
  TCheckReport Check(const std::string& contents);
  std::string FileName() const { return folder_.PathOf("prefs.xml"); }
  std::string PathIn(const std::string& name) const { return folder_.PathOf(name); }
  void WriteFile(const std::string& name, const std::string& contents);

  // "kind@path" of each finding of a severity, in order.
  static std::vector<std::string> Findings(const TCheckReport& report, TSeverity severity);

  testsupport::FakePlatform env;
  // What the host build's entry points hand the commands.
  TMachineAccess machine;

 private:
  testsupport::TestFolder folder_{"wf-check-"};
};

}  // namespace checktest
