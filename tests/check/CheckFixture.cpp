#include "CheckFixture.h"

#include <fstream>

#include "check/CheckPrefsFile.h"
#include "platform/XmlDomTestParser.h"

namespace checktest {

std::string PrefsFile(const std::string& inner) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!DOCTYPE Wrenfold_Preferences>\r\n"
         "<Wrenfold_Preferences>" +
         inner + "</Wrenfold_Preferences>\r\n";
}

std::string ProductFile(const std::string& scopes) {
  return PrefsFile("<Wrenfold>" + scopes + "</Wrenfold>");
}

CheckFixture::CheckFixture() {
  env.scope->xml = &testsupport::BuildXmlParser();
  folder_ =
      std::filesystem::temp_directory_path() /
      ("wf-check-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
  std::filesystem::remove_all(folder_);
  std::filesystem::create_directories(folder_);
}

CheckFixture::~CheckFixture() { std::filesystem::remove_all(folder_); }

void CheckFixture::WriteFile(const std::string& name, const std::string& contents) {
  std::ofstream(PathIn(name), std::ios::binary) << contents;
  env.process.files.insert(PathIn(name));
}

TCheckReport CheckFixture::Check(const std::string& contents) {
  WriteFile("prefs.xml", contents);
  return CheckPrefsFile(FileName());
}

std::vector<std::string> CheckFixture::Findings(const TCheckReport& report, TSeverity severity) {
  std::vector<std::string> found;
  for (const TFinding& finding : report.findings) {
    if (finding.severity == severity) found.push_back(finding.kind + "@" + finding.path);
  }
  return found;
}

}  // namespace checktest
