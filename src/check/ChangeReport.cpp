#include "check/ChangeReport.h"

#include "check/AgainstState.h"
#include "check/ReportJson.h"
#include "check/ReportText.h"
#include "check/TextQuote.h"
#include "platform/Services.h"
#include "platform/Ui.h"
#include "platform/UnattendedLog.h"

namespace {

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

std::string OldText(const TValueChange& change) {
  if (!change.old) return {};
  const bool otherKind = !change.oldType.empty() && change.oldType.rfind("REG_", 0) == 0;
  return otherKind ? change.oldType + ", " + DataText(*change.old) : DataText(*change.old);
}

}  // namespace

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

std::string ChangeJsonSummaryFields(const TCheckReport& report) {
  if (report.against.empty()) return {};
  return ",\"new\":" + std::to_string(CountChanges(report, TChange::kNew)) +
         ",\"changed\":" + std::to_string(CountChanges(report, TChange::kChanged)) +
         ",\"unchanged\":" + std::to_string(CountChanges(report, TChange::kUnchanged)) +
         ",\"left-out\":" + std::to_string(CountChanges(report, TChange::kLeftOut)) +
         ",\"machine-values-in-user-key\":" + std::to_string(CountMachineValuesInUserKey(report));
}
