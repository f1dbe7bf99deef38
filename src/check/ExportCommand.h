#pragma once
// The capture's command line:
//   ExportWrenfoldPrefs [--from EXPORT.reg [--from ...]] OUT.xml
// --from once per `reg export` file (reg exports one root at a time); without
// it the live product keys (the Windows build only).
#include <ostream>
#include <string>
#include <vector>

#include "check/ProductKeys.h"

// Writes the preferences file and reports on `out` what it holds and what
// it leaves out; trouble goes to `err`.  Returns the exit status: 0 every
// value carried, 1 something left out (each listed), 2 nothing read or
// written, 64 a wrong command line.  Needs the user interface installed.
int RunExportCommand(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err, const TMachineAccess& machine);
