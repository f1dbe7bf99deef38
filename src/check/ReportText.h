#pragma once
// The checker's report for a reader: the verdict, the values key by key and
// the findings, as UTF-8 text.
#include <ostream>

#include "check/CheckReport.h"

void WriteTextReport(const TCheckReport& report, std::ostream& out);

