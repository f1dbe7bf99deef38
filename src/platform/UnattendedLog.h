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

// Appends `line` and a line end to the log, flushed; false when the program
// does not run unattended or the line could not be written.
bool AppendUnattendedLine(const std::string& line);

// A UTF-8 text as a JSON string, quotes included.
std::string JsonString(const std::string& utf8);

// One box as a JSON object, without the line end.
std::string UnattendedLogLine(const std::string& captionUtf8, const std::string& textUtf8,
                              unsigned flags, int answer);

// The run's outcome as a JSON object, without the line end.
std::string UnattendedOutcomeLine(const std::string& outcome, const std::string& fileUtf8,
                                  std::size_t values, unsigned reports);

}  // namespace platform
