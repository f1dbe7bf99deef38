#include "shell/RunOutcome.h"

#include "platform/Services.h"
#include "platform/Ui.h"
#include "platform/UnattendedLog.h"

TRunOutcomeKind OutcomeOfImport(TImportVerdict verdict) {
  switch (verdict) {
    case TImportVerdict::kImported: return TRunOutcomeKind::kImported;
    case TImportVerdict::kForeign:
    case TImportVerdict::kRejected: return TRunOutcomeKind::kRejected;
    case TImportVerdict::kFailed: return TRunOutcomeKind::kFailed;
  }
  return TRunOutcomeKind::kFailed;
}

const char* OutcomeName(TRunOutcomeKind kind) {
  switch (kind) {
    case TRunOutcomeKind::kNothingToImport: return "nothing to import";
    case TRunOutcomeKind::kFileNotFound: return "file not found";
    case TRunOutcomeKind::kImported: return "imported";
    case TRunOutcomeKind::kRejected: return "rejected";
    case TRunOutcomeKind::kFailed: return "failed";
  }
  return "failed";
}

void WriteOutcomeRecord(const TRunOutcome& outcome, unsigned reports) {
  if (platform::UnattendedLogName().empty()) return;
  platform::AppendUnattendedLine(platform::UnattendedOutcomeLine(
      OutcomeName(outcome.kind), platform::Ui().AnsiToUtf8(outcome.file), outcome.values, reports));
}
