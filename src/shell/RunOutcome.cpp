#include "shell/RunOutcome.h"

#include <cstdio>

#include "platform/Services.h"
#include "platform/Ui.h"
#include "platform/UnattendedLog.h"

void TOutcomeCounter::ValuePassed(const TImportedValue& value) {
  ++values_;
  if (value.type == PrefValueType::kBinary) ++binaryValues_;
}

void TOutcomeCounter::ValueEntered(const platform::IXmlNode& value, bool) {
  // "#comment", "#text", "#cdata-section": the DOM's names for what is no element.
  enteredElement_ = value.Name().rfind('#', 0) != 0;
}

void TOutcomeCounter::ValueWithoutType() {
  if (enteredElement_) ++withoutType_;
}

void TOutcomeCounter::ValueTextDecoded(PrefValueType type, const std::string&) {
  // Binary text that makes no bytes is heard here and never passed on.
  if (type == PrefValueType::kBinary) ++binaryTexts_;
}

const char* ProgramVersion() { return WF_PROGRAM_VERSION; }

std::string IsoUtcTime(const platform::LocalDateTime& utc) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", utc.year, utc.month, utc.day,
                utc.hour, utc.minute, utc.second);
  return text;
}

void WriteOutcomeRecord(const TRunOutcome& outcome, unsigned reports) {
  if (platform::UnattendedLogName().empty()) return;
  platform::UnattendedOutcome record;
  record.outcome = OutcomeName(outcome.kind);
  record.file = platform::Ui().AnsiToUtf8(outcome.file);
  record.values = outcome.values;
  record.reports = reports;
  record.skipped = outcome.skipped;
  record.version = ProgramVersion();
  record.time = IsoUtcTime(platform::Locale().UtcNow());
  platform::AppendUnattendedLine(platform::UnattendedOutcomeLine(record));
}
