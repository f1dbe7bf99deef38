#include "check/ReportText.h"

#include <cstdio>
#include <string>

#include "check/AgainstState.h"
#include "check/TextQuote.h"
#include "common/Strings.h"
#include "platform/Services.h"
#include "platform/Ui.h"
#include "xmlimport/ImportOutcome.h"

namespace {

std::string Utf8(const std::string& ansi) { return platform::Ui().AnsiToUtf8(ansi); }

// The lines of a message box's text, indented; its empty lines left out.
void WriteIndented(const std::string& text, const std::string& indent, std::ostream& out) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    if (end > start) out << indent << Utf8(text.substr(start, end - start)) << "\n";
    start = end + 1;
  }
}

std::string Hex32(std::int32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<std::uint32_t>(value));
  return buffer;
}

std::string VerdictLine(const TCheckReport& report) {
  std::string line = VerdictWord(report.verdict);
  if (report.reason != TRejectReason::kNone) {
    line += std::string(" (") + RejectReasonName(report.reason) + ")";
  }
  switch (report.verdict) {
    case TCheckVerdict::kImported:
      return line + ": the program writes " + Counted(report.ValueCount(), "value") + " into " +
             Counted(report.keys.size(), "key");
    case TCheckVerdict::kForeign:
      return line + ": another product's file; the program shows this message and writes nothing";
    case TCheckVerdict::kRejected:
      return line + ": the program shows this message and writes nothing";
    case TCheckVerdict::kFailed:
      return line + ": the program stops with this message; the values before it stay written";
    case TCheckVerdict::kNotFound: return line + ": the program does nothing at all";
  }
  return line;
}

void WriteFindings(const TCheckReport& report, TSeverity severity, const char* heading,
                   std::ostream& out) {
  const std::size_t count = report.Count(severity);
  if (count == 0) return;
  out << "\n" << heading << " (" << count << "):\n";
  for (const TFinding& finding : report.findings) {
    if (finding.severity != severity) continue;
    out << "  " << Utf8(finding.path) << "  [" << finding.kind << "]  line " << finding.line
        << "\n";
    if (!finding.location.empty()) {
      out << "    " << Utf8(finding.location);
      if (!finding.valueName.empty()) out << ", value " << Utf8(QuoteText(finding.valueName));
      out << "\n";
    }
    WriteIndented(finding.text, "    ", out);
    if (!finding.fix.empty()) out << "    write instead: " << Utf8(finding.fix) << "\n";
  }
}

// A value's data as the report shows it: integers in decimal and hex,
// booleans as true or false, strings quoted, binary as hex bytes.  ANSI.
std::string DataText(const TImportedValue& value) {
  switch (value.type) {
    case PrefValueType::kInteger:
      return "integer " + std::to_string(value.integer) + " (" + Hex32(value.integer) + ")";
    case PrefValueType::kBoolean:
      return std::string("boolean ") + (value.integer != 0 ? "true (1)" : "false (0)");
    case PrefValueType::kString: return "string " + QuoteText(value.text);
    case PrefValueType::kBinary: {
      std::string text = "binary, " + std::to_string(value.bytes.size()) + " bytes";
      if (!value.bytes.empty()) {
        text += ": ";
        text += HexBytes(value.bytes, " ");
      }
      return text;
    }
    case PrefValueType::kNone: break;
  }
  return {};
}

std::string OldText(const TValueChange& change) {
  if (!change.old) return {};
  const bool otherKind = !change.oldType.empty() && change.oldType.rfind("REG_", 0) == 0;
  return otherKind ? change.oldType + ", " + DataText(*change.old) : DataText(*change.old);
}

// After a value's line: " [changed from integer 10 (0x0000000A)]" and so on;
// empty for a check from empty keys.
std::string ChangeText(const TValueChange& change) {
  std::string text;
  switch (change.change) {
    case TChange::kNotJudged: return {};
    case TChange::kNew: text = "new"; break;
    case TChange::kChanged:
      text = "changed from " + platform::Ui().AnsiToUtf8(OldText(change));
      break;
    case TChange::kUnchanged: text = "unchanged"; break;
    case TChange::kLeftOut:
      text = "left out: the machine's key holds the same and the user's key has none";
      break;
  }
  if (change.perMachine) {
    text += change.intoMachineKey
                ? "; into HKEY_LOCAL_MACHINE"
                : "; into the user's key: this user may not write the machine's key";
  }
  return "  [" + text + "]";
}

// "Changes: 3 new, 1 changed, 30 unchanged, 2 left out", with the per-machine
// values that land in the user's key when there are any; empty for a check
// from empty keys.
std::string ChangeSummaryText(const TCheckReport& report) {
  if (report.against.empty()) return {};
  std::string text =
      "Changes: " + Counted(CountChanges(report, TChange::kNew), "new", "new") + ", " +
      Counted(CountChanges(report, TChange::kChanged), "changed", "changed") + ", " +
      Counted(CountChanges(report, TChange::kUnchanged), "unchanged", "unchanged") + ", " +
      Counted(CountChanges(report, TChange::kLeftOut), "left out", "left out");
  if (const std::size_t inUserKey = CountMachineValuesInUserKey(report)) {
    text += "; " + Counted(inUserKey, "per-machine value lands", "per-machine values land") +
            " in the user's key";
  }
  return text;
}

}  // namespace

void WriteTextReport(const TCheckReport& report, std::ostream& out) {
  out << "File: " << Utf8(report.fileName) << "\n";
  if (!report.against.empty()) out << "Against: " << Utf8(report.against) << "\n";
  out << "Verdict: " << VerdictLine(report) << "\n";
  if (!report.report.empty()) WriteIndented(report.report, "    ", out);
  if (report.fault.line > 0) {
    out << "    at line " << report.fault.line << ", column " << report.fault.column
        << (report.fault.reason.empty() ? "" : ": " + Utf8(report.fault.reason)) << "\n";
  }
  out << "Code page: " << report.codePage
      << " (names and texts as the program converts them to this ANSI code page)\n";

  if (!report.keys.empty())
    out << "\nValues, key by key (the registry key and the scope the import opens it in):\n";
  for (const TCheckedKey& key : report.keys) {
    out << "  " << Utf8(LocationOf(key.key.scope, key.key.keyPath)) << " ("
        << ScopeName(key.key.scope) << "):\n";
    if (key.values.empty()) out << "    (opened and created, no value)\n";
    for (const TCheckedValue& value : key.values) {
      out << "    " << Utf8(QuoteText(value.value.name)) << " = " << Utf8(DataText(value.value))
          << ChangeText(value.change) << "  (line " << value.line << ")\n";
    }
  }

  WriteFindings(report, TSeverity::kWarning, "Warnings", out);
  WriteFindings(report, TSeverity::kNote, "Notes", out);
  if (!report.against.empty() && report.verdict == TCheckVerdict::kImported) {
    out << "\n" << ChangeSummaryText(report) << "\n";
  }
  out << "\nResult: " << Counted(report.Count(TSeverity::kWarning), "warning") << ", "
      << Counted(report.Count(TSeverity::kNote), "note")
      << (report.strict ? " (strict: notes count as warnings)" : "")
      << (report.regFileFailed ? "; the .reg file could not be written" : "") << "; exit status "
      << ExitStatus(report) << "\n";
}
