#pragma once
// The unattended log: when the environment variable WRENFOLD_UNATTENDED_LOG
// names a file, every message box is appended to it as one JSON line instead
// of shown, and the run ends with one outcome line, so that an installer or a
// management agent can tell what happened although the exit code is always 0.
#include <cstddef>
#include <string>

namespace platform {

// The log's file name; empty when the program does not run unattended.
std::string UnattendedLogName();

// Appends `line` and a line end to the log.  A log that another writer holds
// is tried again for a moment; a log that cannot take the line sends it to a
// file of the same name in the temporary folder instead, and when that fails
// too, to the debugger's output.  Once a file has failed, the rest of the
// run's lines go straight past it, so a broken log costs its pause once.
// False when the program does not run unattended.
bool AppendUnattendedLine(const std::string& line);

// Tries every file again, as a new run would (for tests, which make many
// runs in one process).
void ForgetFailedUnattendedFiles();

// Where the log's lines go when the log itself cannot take them: the file of
// the same name in the temporary folder; empty when there is none.
std::string UnattendedFallbackName(const std::string& logName);

// A UTF-8 text as a JSON string, quotes included.
std::string JsonString(const std::string& utf8);

// One box as a JSON object, without the line end.
std::string UnattendedLogLine(const std::string& captionUtf8, const std::string& textUtf8,
                              unsigned flags, int answer);

// What the outcome line says, its texts in UTF-8.
struct UnattendedOutcome {
  std::string outcome;
  std::string file;
  std::size_t values = 0;
  unsigned reports = 0;
  std::size_t skipped = 0;
  std::string version;
  std::string time;
};

// The run's outcome as a JSON object, without the line end, its keys in the
// order of the struct.
std::string UnattendedOutcomeLine(const UnattendedOutcome& record);

}  // namespace platform
