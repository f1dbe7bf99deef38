#pragma once
// Pieces of Windows path text, taken apart without asking the file system.
#include <string>
#include <string_view>

// The text with a backslash at the end, added when missing, never doubled.
// Empty text stays empty.
std::string IncludeTrailingBackslash(std::string_view path);

// Everything up to and including the last "\" or ":"; empty without either.
std::string ExtractFilePath(std::string_view path);

// Everything after the last "\" or ":".
std::string ExtractFileName(std::string_view path);

// "E:" for a drive-letter path, "\\server\share" for a UNC path; empty for
// anything else (a relative path, or a UNC path without a share).
std::string ExtractFileDrive(std::string_view path);
