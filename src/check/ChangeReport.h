#pragma once
// The words of a check against a machine's state, for the text and JSON
// reports; each is empty for a check from empty keys.
#include <string>

#include "check/CheckReport.h"

// After a value's line: " [changed from integer 10 (0x0000000A)]" and so on.
std::string ChangeText(const TValueChange& change);
// "Changes: 3 new, 1 changed, 30 unchanged, 2 left out", with the per-machine
// values that land in the user's key when there are any.
std::string ChangeSummaryText(const TCheckReport& report);

// The value record's fields: ,"change":"changed","old":10 and, where they
// apply, "oldType" and "into" (the root a per-machine value reaches).
std::string ChangeJsonFields(const TValueChange& change);
// The summary record's counts: ,"new":3,"changed":1,"unchanged":30,"left-out":2,
// "machine-values-in-user-key":0.
std::string ChangeJsonSummaryFields(const TCheckReport& report);
