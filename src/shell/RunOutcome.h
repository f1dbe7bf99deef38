#pragma once
// What a run did, for the last line of the unattended log: the exit code is
// always 0, so this line is how a login script or a management agent learns
// whether the file arrived.
#include <cstddef>
#include <string>

#include "platform/Locale.h"
#include "xmlimport/ImportObserver.h"
#include "xmlimport/ImportOutcome.h"

struct TRunOutcome {
  TRunOutcomeKind kind = TRunOutcomeKind::kNothingToImport;
  std::string file;         // the resolved name (ANSI); empty without "/IC"
  std::size_t values = 0;   // values passed to the store
  std::size_t skipped = 0;  // values passed over without a word (TOutcomeCounter)
};

// Listens to an import for the record's counts.
class TOutcomeCounter final : public IImportObserver {
 public:
  std::size_t Values() const { return values_; }
  // Values the import passes over without a message: no type word or an
  // unknown one, and binary text that does not make whole bytes.
  std::size_t Skipped() const { return withoutType_ + binaryTexts_ - binaryValues_; }

  void ValuePassed(const TImportedValue& value) override;
  void ValueEntered(const platform::IXmlNode& value, bool inProductKey) override;
  void ValueWithoutType() override;
  void ValueTextDecoded(PrefValueType type, const std::string& text) override;

 private:
  // The walk enters comments and bare text as values too; they are none.
  bool enteredElement_ = false;
  std::size_t values_ = 0;
  std::size_t withoutType_ = 0;
  std::size_t binaryTexts_ = 0;
  std::size_t binaryValues_ = 0;
};

// The program's version, the project's one number ("4.0.0").
const char* ProgramVersion();

// "2026-12-11T06:00:00Z": a UTC time in ISO 8601, to the second.
std::string IsoUtcTime(const platform::LocalDateTime& utc);

// Appends the record to the unattended log, `reports` being the message boxes
// raised during the run, stamped with the version and the UTC time; does
// nothing when the program does not run unattended.
void WriteOutcomeRecord(const TRunOutcome& outcome, unsigned reports);
