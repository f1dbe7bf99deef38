#include "xmlimport/ImportOutcome.h"

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

const char* RejectReasonName(TRejectReason reason) {
  switch (reason) {
    case TRejectReason::kNone: return "";
    case TRejectReason::kForeign: return "foreign";
    case TRejectReason::kMalformed: return "malformed";
    case TRejectReason::kNoDeclaration: return "no declaration";
    case TRejectReason::kLimit: return "limit";
  }
  return "";
}
