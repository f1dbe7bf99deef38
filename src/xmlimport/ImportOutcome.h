#pragma once
// The words in which a run tells how its import ended: the unattended
// outcome record and the preferences checker say the same thing the same way.
#include "xmlimport/ImpExpRegXML.h"

enum class TRunOutcomeKind {
  kNothingToImport,  // no "/IC" value
  kFileNotFound,     // the resolved name is no existing file
  kImported,         // the import walked to the end, whatever the store reported
  kRejected,         // a foreign file, or one refused as a whole before any write
  kFailed,           // the import stopped after it had begun writing
};

TRunOutcomeKind OutcomeOfImport(TImportVerdict verdict);

// "imported", "rejected", "file not found" and so on.
const char* OutcomeName(TRunOutcomeKind kind);

// Why a file was refused as a whole: "foreign", "malformed", "no declaration",
// "limit"; empty for kNone.
const char* RejectReasonName(TRejectReason reason);
