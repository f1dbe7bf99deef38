#pragma once
// What a run did, for the last line of the unattended log: the exit code is
// always 0, so this line is how a login script or a management agent learns
// whether the file arrived.
#include <cstddef>
#include <string>

#include "xmlimport/ImportOutcome.h"

struct TRunOutcome {
  TRunOutcomeKind kind = TRunOutcomeKind::kNothingToImport;
  std::string file;        // the resolved name (ANSI); empty without "/IC"
  std::size_t values = 0;  // values passed to the store
};

// Appends the record to the unattended log, `reports` being the message boxes
// raised during the run; does nothing when the program does not run unattended.
void WriteOutcomeRecord(const TRunOutcome& outcome, unsigned reports);
