#pragma once
// The checker's report for a reader: the verdict, the values key by key and
// the findings, as UTF-8 text.
#include <ostream>

#include "check/CheckReport.h"

void WriteTextReport(const TCheckReport& report, std::ostream& out);

// A value's data as the report shows it: integers in decimal and hex,
// booleans as true or false, strings quoted, binary as hex bytes.  ANSI.
std::string DataText(const TImportedValue& value);
