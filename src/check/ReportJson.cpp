#include "check/ReportJson.h"

#include <string>

#include "check/AgainstState.h"
#include "common/Strings.h"
#include "platform/Services.h"
#include "platform/Ui.h"
#include "platform/UnattendedLog.h"
#include "xmlimport/ImportOutcome.h"

namespace {

// An ANSI text as a JSON string in UTF-8.
std::string Json(const std::string& ansi) {
  return platform::JsonString(platform::Ui().AnsiToUtf8(ansi));
}

const char* ChangeWord(TChange change) {
  switch (change) {
    case TChange::kNew: return "new";
    case TChange::kChanged: return "changed";
    case TChange::kUnchanged: return "unchanged";
    case TChange::kLeftOut: return "left-out";
    case TChange::kNotJudged: break;
  }
  return "";
}

// A value's data as a JSON value: the record's "data".
std::string JsonData(const TImportedValue& value) {
  switch (value.type) {
    case PrefValueType::kInteger: return std::to_string(value.integer);
    case PrefValueType::kBoolean: return value.integer != 0 ? "true" : "false";
    case PrefValueType::kString: return Json(value.text);
    case PrefValueType::kBinary: {
      // Appended rather than concatenated: GCC 12 warns wrongly about "\"" + text.
      std::string hex = "\"";
      hex += HexBytes(value.bytes);
      hex += '"';
      return hex;
    }
    case PrefValueType::kNone: break;
  }
  return "null";
}

// The summary record's counts: ,"new":3,"changed":1,"unchanged":30,"left-out":2,
// "machine-values-in-user-key":0; empty for a check from empty keys.
std::string ChangeJsonSummaryFields(const TCheckReport& report) {
  if (report.against.empty()) return {};
  return ",\"new\":" + std::to_string(CountChanges(report, TChange::kNew)) +
         ",\"changed\":" + std::to_string(CountChanges(report, TChange::kChanged)) +
         ",\"unchanged\":" + std::to_string(CountChanges(report, TChange::kUnchanged)) +
         ",\"left-out\":" + std::to_string(CountChanges(report, TChange::kLeftOut)) +
         ",\"machine-values-in-user-key\":" + std::to_string(CountMachineValuesInUserKey(report));
}

// The fields that place a key, shared by key and value records.
std::string KeyFields(const TImportedKey& key) {
  return "\"root\":" + Json(RootName(key.scope)) + ",\"scope\":" + Json(ScopeName(key.scope)) +
         ",\"key\":" + Json(KeyName(key)) + ",\"section\":" + Json(key.section);
}

}  // namespace

std::string ChangeJsonFields(const TValueChange& change) {
  if (change.change == TChange::kNotJudged) return {};
  std::string fields = ",\"change\":\"" + std::string(ChangeWord(change.change)) + "\"";
  if (change.old) fields += ",\"old\":" + JsonData(*change.old);
  if (!change.oldType.empty()) fields += ",\"oldType\":" + platform::JsonString(change.oldType);
  if (change.perMachine) {
    fields += std::string(",\"into\":") +
              (change.intoMachineKey ? "\"HKEY_LOCAL_MACHINE\"" : "\"HKEY_CURRENT_USER\"");
  }
  return fields;
}

void WriteJsonReport(const TCheckReport& report, std::ostream& out) {
  out << "{\"record\":\"verdict\",\"file\":" << Json(report.fileName)
      << ",\"verdict\":" << Json(VerdictWord(report.verdict))
      << ",\"reason\":" << Json(RejectReasonName(report.reason))
      << ",\"codepage\":" << report.codePage << ",\"report\":" << Json(report.report)
      << (report.against.empty() ? "" : ",\"against\":" + Json(report.against));
  if (report.fault.line > 0) {
    out << ",\"line\":" << report.fault.line << ",\"column\":" << report.fault.column
        << ",\"fault\":" << Json(report.fault.reason);
  }
  out << ",\"values\":" << report.ValueCount() << ",\"keys\":" << report.keys.size() << "}\n";
  for (const TCheckedKey& key : report.keys) {
    out << "{\"record\":\"key\"," << KeyFields(key.key) << "}\n";
    for (const TCheckedValue& value : key.values) {
      out << "{\"record\":\"value\",\"path\":" << Json(value.path) << ",\"line\":" << value.line
          << ",\"location\":" << Json(LocationOf(key.key.scope, key.key.keyPath)) << ","
          << KeyFields(key.key) << ",\"name\":" << Json(value.value.name)
          << ",\"type\":" << Json(TypeWord(value.value.type))
          << ",\"data\":" << JsonData(value.value) << ChangeJsonFields(value.change) << "}\n";
    }
  }
  for (const TFinding& finding : report.findings) {
    out << "{\"record\":\"finding\",\"severity\":"
        << Json(finding.severity == TSeverity::kWarning ? "warning" : "note")
        << ",\"kind\":" << Json(finding.kind) << ",\"path\":" << Json(finding.path)
        << ",\"line\":" << finding.line << ",\"location\":" << Json(finding.location)
        << ",\"name\":" << Json(finding.valueName) << ",\"text\":" << Json(finding.text)
        << ",\"fix\":" << Json(finding.fix) << "}\n";
  }
  out << "{\"record\":\"summary\",\"warnings\":" << report.Count(TSeverity::kWarning)
      << ",\"notes\":" << report.Count(TSeverity::kNote) << ",\"exit\":" << ExitStatus(report)
      << ChangeJsonSummaryFields(report) << "}\n";
}
