#include "check/CheckPrefsFile.h"

#include <fstream>
#include <iterator>

#include "check/CollectingUi.h"
#include "check/WalkListener.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "platform/UniqueHandle.h"
#include "platform/XmlFaultScan.h"
#include "platform/fake/FakeRegistry.h"
#include "prefstore/ConfigCommon.h"
#include "prefstore/PrefsLocationRtns.h"
#include "xmlimport/ImpExpRegXML.h"

namespace {

TCheckVerdict VerdictOf(TImportVerdict verdict) {
  switch (verdict) {
    case TImportVerdict::kImported: return TCheckVerdict::kImported;
    case TImportVerdict::kForeign: return TCheckVerdict::kForeign;
    case TImportVerdict::kRejected: return TCheckVerdict::kRejected;
    case TImportVerdict::kFailed: return TCheckVerdict::kFailed;
  }
  return TCheckVerdict::kFailed;
}

// Names the parser here read although their namespace prefix is declared
// nowhere: a parser on Windows refuses such a file, Wine's drops the prefix.
void WarnUndeclaredPrefixes(const std::string& fileName, TCheckReport& report) {
  std::ifstream in(fileName, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (const platform::XmlPrefixUse& use : platform::FindUndeclaredPrefixes(bytes)) {
    report.findings.push_back(
        {TSeverity::kWarning, "undeclared-prefix", use.path,
         "\"" + use.name + "\" at line " + std::to_string(use.line) + ", column " +
             std::to_string(use.column) +
             " has a namespace prefix that no element declares: MSXML on Windows refuses the "
             "file, under Wine the name reads without its prefix"});
  }
}

}  // namespace

TCheckReport CheckPrefsFile(const std::string& fileName) {
  TCheckReport report;
  report.fileName = fileName;
  // The program imports only a file that exists, and says nothing otherwise.
  if (!platform::Process().FileExists(fileName)) {
    report.verdict = TCheckVerdict::kNotFound;
    return report;
  }

  TWalkListener listener(report);
  platform::ScopedServices services;
  platform::fake::FakeRegistry registry;
  TCollectingUi ui(platform::Ui(),
                   [&listener](const std::string& caption, const std::string& text) {
                     listener.StoreReported(caption, text);
                   });
  services->registry = &registry;
  services->ui = &ui;
  // A build that keeps preferences in an INI file would write it: a check
  // always places values in the registry, which is in memory here.
  const platform::ScopeExit restoreLocation([saved = PrefLocation] { PrefLocation = saved; });
  PrefLocation = plRegistry;

  TConfigBase store;
  const TImportResult result = ImportPrefsFile(fileName, store, &listener);
  report.verdict = VerdictOf(result.verdict);
  report.report = result.report;
  report.fault = result.fault;
  if (report.verdict != TCheckVerdict::kRejected) WarnUndeclaredPrefixes(fileName, report);
  listener.WalkEnded();
  return report;
}
