#include "shell/RunOutcome.h"

#include "platform/Services.h"
#include "platform/Ui.h"
#include "platform/UnattendedLog.h"

void WriteOutcomeRecord(const TRunOutcome& outcome, unsigned reports) {
  if (platform::UnattendedLogName().empty()) return;
  platform::AppendUnattendedLine(platform::UnattendedOutcomeLine(
      OutcomeName(outcome.kind), platform::Ui().AnsiToUtf8(outcome.file), outcome.values, reports));
}
