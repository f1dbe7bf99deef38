#pragma once
#include <string>
#include <vector>

namespace platform {

// The arguments of a raw command line, program path excluded: separated by
// blanks and control characters, double quotes grouping and removed, no
// escapes (so a folder ending in \" is not an escaped quote).
std::vector<std::string> SplitArguments(const std::string& rawCommandLine);

}  // namespace platform
