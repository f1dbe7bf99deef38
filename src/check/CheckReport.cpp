#include "check/CheckReport.h"

#include <algorithm>

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
  if (report.verdict != TCheckVerdict::kImported) return 2;
  return report.Count(TSeverity::kWarning) > 0 ? 1 : 0;
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

const char* TypeWord(PrefValueType type) {
  switch (type) {
    case PrefValueType::kInteger: return "integer";
    case PrefValueType::kString: return "string";
    case PrefValueType::kBoolean: return "boolean";
    case PrefValueType::kBinary: return "binary";
    case PrefValueType::kNone: break;
  }
  return "";
}
