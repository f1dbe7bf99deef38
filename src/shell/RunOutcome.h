#pragma once
// What a run did, for the last line of the unattended log: the exit code is
// always 0, so this line is how a login script or a management agent learns
// whether the file arrived.
#include <cstddef>
#include <string>

#include "xmlimport/ImpExpRegXML.h"

enum class TRunOutcomeKind {
  kNothingToImport,  // no "/IC" value
  kFileNotFound,     // the resolved name is no existing file
  kImported,         // the import walked to the end, whatever the store reported
  kRejected,         // a foreign file, or one refused as a whole before any write
  kFailed,           // the import stopped after it had begun writing
};

struct TRunOutcome {
  TRunOutcomeKind kind = TRunOutcomeKind::kNothingToImport;
  std::string file;        // the resolved name (ANSI); empty without "/IC"
  std::size_t values = 0;  // values passed to the store
};

TRunOutcomeKind OutcomeOfImport(TImportVerdict verdict);

// The record's "outcome" word.
const char* OutcomeName(TRunOutcomeKind kind);

// Appends the record to the unattended log, `reports` being the message boxes
// raised during the run; does nothing when the program does not run unattended.
void WriteOutcomeRecord(const TRunOutcome& outcome, unsigned reports);
