#include "check/CheckReport.h"

#include <algorithm>

#include "xmlimport/ImportOutcome.h"

std::size_t TCheckReport::ValueCount() const {
  std::size_t count = 0;
  for (const TCheckedKey& key : keys) count += key.values.size();
  return count;
}

std::size_t TCheckReport::Count(TSeverity severity) const {
  return static_cast<std::size_t>(
      std::count_if(findings.begin(), findings.end(),
                    [severity](const TFinding& finding) { return finding.severity == severity; }));
}

int ExitStatus(const TCheckReport& report) {
  if (report.verdict != TCheckVerdict::kImported || report.regFileFailed) return 2;
  if (report.Count(TSeverity::kWarning) > 0) return 1;
  return report.strict && report.Count(TSeverity::kNote) > 0 ? 1 : 0;
}

const char* VerdictWord(TCheckVerdict verdict) {
  switch (verdict) {
    case TCheckVerdict::kImported: return OutcomeName(TRunOutcomeKind::kImported);
    case TCheckVerdict::kForeign:
    case TCheckVerdict::kRejected: return OutcomeName(TRunOutcomeKind::kRejected);
    case TCheckVerdict::kFailed: return OutcomeName(TRunOutcomeKind::kFailed);
    case TCheckVerdict::kNotFound: return OutcomeName(TRunOutcomeKind::kFileNotFound);
  }
  return "";
}

std::string LocationOf(cfgDataScope scope, const std::string& keyPath) {
  return std::string(scope == cfgPerMachine ? "HKLM\\" : "HKCU\\") + KeyName({scope, keyPath, {}});
}

const char* RootName(cfgDataScope scope) {
  return scope == cfgPerMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::string KeyName(const TImportedKey& key) {
  std::string name = key.keyPath;
  if (!name.empty() && name.back() == '\\') name.pop_back();
  return name;
}

std::string ScopeName(cfgDataScope scope) { return cfgDataScopeName(scope); }
