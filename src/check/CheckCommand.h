#pragma once
// The checker's command line:
//   CheckWrenfoldPrefs [--json] [--reg OUT.reg] [--strict] FILE
//   CheckWrenfoldPrefs /? | -h | --help
#include <ostream>
#include <string>
#include <vector>

// Exit status for a command line the checker cannot follow.
inline constexpr int kUsageStatus = 64;

// Runs the checker on the arguments after the program's name, with the
// services installed; the report goes to `out`, trouble to `err`.  Returns
// the exit status: 0 nothing to warn about (or the usage asked for), 1
// warnings (notes too with --strict), 2 the program would reject the file or
// it cannot be read (or the .reg file cannot be written), 64 a wrong command
// line.
int RunCheckCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err);
