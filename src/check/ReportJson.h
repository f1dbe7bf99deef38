#pragma once
// The checker's report for a pipeline: one JSON object per line, UTF-8.
//   {"record":"verdict", "file", "verdict", "reason", "codepage", "report",
//    "values", "keys"}
//   {"record":"key", "root", "scope", "key", "section"}       per key opened
//   {"record":"value", "path", "line", "location", "root", "scope", "key",
//    "section", "name", "type", "data"}                       per value, after its key
//   {"record":"finding", "severity", "kind", "path", "line", "location",
//    "name", "text", "fix"}
//   {"record":"summary", "warnings", "notes", "exit"}
// "verdict" is the program's outcome word ("imported", "rejected", "failed",
// "file not found"), "reason" why it rejects a file ("foreign", "malformed",
// "no declaration", "limit"; empty otherwise).  A file that is not
// well-formed adds "line", "column" and "fault" (the parser's reason) to the
// verdict record.
// "data" is a number for an integer, true or false for a boolean, the text
// for a string and its bytes in hex digits for a binary value.
// Checked against a machine's state (--against, --against-registry), the
// verdict record has "against", each value record "change" ("new",
// "changed" with "old" and, where the type differs, "oldType", "unchanged",
// "left-out") and for a per-machine value "into" (the root it reaches), and
// the summary the count of each.
#include <ostream>
#include <string>

#include "check/CheckReport.h"

void WriteJsonReport(const TCheckReport& report, std::ostream& out);

// The value record's fields of a check against a machine's state:
// ,"change":"changed","old":10 and, where they apply, "oldType" and "into";
// empty for a check from empty keys.
std::string ChangeJsonFields(const TValueChange& change);
