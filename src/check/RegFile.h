#pragma once
// The values a preferences file writes, as a Registry Editor 5 file that
// `reg import` reads: every key the import opens (and so creates), with the
// values in the order the import writes them.
#include <string>

#include "check/CheckReport.h"

// The file's bytes: UTF-16 LE with a byte-order mark, CR LF line ends.  Names
// and texts are converted from the ANSI code page as RegSetValueExA converts
// them.
std::string RegFileBytes(const TCheckReport& report);
