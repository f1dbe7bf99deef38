#include "check/CheckPrefsFile.h"

#include <string_view>

#include "check/CollectingUi.h"
#include "check/EncodingFindings.h"
#include "check/StartTagLines.h"
#include "check/WalkListener.h"
#include "check/WholeFile.h"
#include "platform/MemoryRegistry.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "platform/Ui.h"
#include "platform/UniqueHandle.h"
#include "platform/XmlFaultScan.h"
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

// More than the import reads: a larger file is refused before it is parsed.
constexpr std::size_t kMaxScannedBytes = 64u * 1024 * 1024;

// The other findings' paths start at the scope element.
std::string PathBelowProduct(const std::string& path) {
  const std::size_t document = path.find('/');
  const std::size_t product =
      document == std::string::npos ? std::string::npos : path.find('/', document + 1);
  return product == std::string::npos ? path : path.substr(product + 1);
}

// Names the parser here read although their namespace prefix is declared
// nowhere: a parser on Windows refuses such a file, Wine's drops the prefix.
void WarnUndeclaredPrefixes(std::string_view bytes, TCheckReport& report) {
  for (const platform::XmlPrefixUse& use : platform::FindUndeclaredPrefixes(bytes)) {
    TFinding finding = MakeFinding(
        TSeverity::kWarning, "undeclared-prefix", PathBelowProduct(use.path),
        "\"" + use.name + "\" at column " + std::to_string(use.column) +
            " has a namespace prefix that no element declares: MSXML on Windows refuses the "
            "file, under Wine the name reads without its prefix");
    finding.line = static_cast<int>(use.line);
    // Windows and Wine then read the same name.
    finding.fix = use.name.substr(use.name.find(':') + 1);
    report.findings.push_back(std::move(finding));
  }
}

}  // namespace

TCheckReport CheckPrefsFile(const std::string& fileName) {
  return CheckPrefsFile(fileName, *platform::NewMemoryRegistry());
}

TCheckReport CheckPrefsFile(const std::string& fileName, platform::IRegistry& registry) {
  TCheckReport report;
  report.fileName = fileName;
  report.codePage = platform::Ui().AnsiCodePage();
  // The program imports only a file that exists, and says nothing otherwise.
  if (!platform::Process().FileExists(fileName)) {
    report.verdict = TCheckVerdict::kNotFound;
    return report;
  }

  // Our own scans see nothing of a file that cannot be read or is too large;
  // the import then reports it.
  const std::string bytes = ReadWhole(fileName, kMaxScannedBytes).value_or(std::string());
  TStartTagLines lines(bytes);
  if (auto finding = EncodingFinding(bytes, lines, report.codePage)) {
    report.findings.push_back(std::move(*finding));
  }
  TWalkListener listener(report, lines);
  platform::ScopedServices services;
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
  const TImportResult result = ImportPrefsFile(fileName, store, listener);
  report.verdict = VerdictOf(result.verdict);
  report.reason = result.reason;
  report.report = result.report;
  report.fault = result.fault;
  if (report.verdict != TCheckVerdict::kRejected) WarnUndeclaredPrefixes(bytes, report);
  listener.WalkEnded();
  return report;
}
