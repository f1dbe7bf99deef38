#include "check/CheckPrefsFile.h"

#include "check/CollectingUi.h"
#include "check/WalkListener.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "platform/UniqueHandle.h"
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

}  // namespace

TCheckReport CheckPrefsFile(const std::string& fileName) {
  platform::fake::FakeRegistry registry;
  return CheckPrefsFile(fileName, registry);
}

TCheckReport CheckPrefsFile(const std::string& fileName, platform::fake::FakeRegistry& registry) {
  TCheckReport report;
  report.fileName = fileName;
  // The program imports only a file that exists, and says nothing otherwise.
  if (!platform::Process().FileExists(fileName)) {
    report.verdict = TCheckVerdict::kNotFound;
    return report;
  }

  TWalkListener listener(report);
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
  const TImportResult result = ImportPrefsFile(fileName, store, &listener);
  report.verdict = VerdictOf(result.verdict);
  report.report = result.report;
  listener.WalkEnded();
  return report;
}
