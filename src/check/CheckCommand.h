#pragma once
// The checker's command line:
//   CheckWrenfoldPrefs [--json] [--reg OUT.reg] [--strict] [--codepage N]
//                      [--against EXPORT.reg | --against-registry] FILE
//   CheckWrenfoldPrefs /? | -h | --help
#include <ostream>
#include <string>
#include <vector>

#include "check/ProductKeys.h"

// Exit status for a command line the checker cannot follow.
inline constexpr int kUsageStatus = 64;

// Runs the checker on the arguments after the program's name, with the
// services installed; the report goes to `out`, trouble to `err`.  Returns
// the exit status: 0 nothing to warn about (or the usage asked for), 1
// warnings (notes too with --strict), 2 the program would reject the file or
// it cannot be read (or the .reg file, or a --against file, cannot be
// written or read), 64 a wrong command line.
// `--against EXPORT.reg` (once per file) starts the check from a `reg export`
// of the product keys; `--against-registry` from the live registry that
// `machine` reaches.
int RunCheckCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const TMachineAccess& machine);
