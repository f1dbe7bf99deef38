#include "CheckFixture.h"

#include <fstream>

#include "check/CheckPrefsFile.h"
#include "platform/memory/CodePages.h"
#include "support/XmlDomTestParser.h"

namespace checktest {

CheckFixture::CheckFixture() {
  env.scope->xml = &testsupport::BuildXmlParser();
  machine.codePage = &platform::memory::ChosenCodePage();
}

CheckFixture::~CheckFixture() = default;

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
